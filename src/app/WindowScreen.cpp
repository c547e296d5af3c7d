#include "app/WindowScreen.h"

#include "platform/Texts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>

using config::Control;

void WindowScreen::takeWidgets()
{
    const std::pair<Control, QWidget*> table[] = {
        {Control::Vyrobce, form.Vyrobce},
        {Control::Typ, form.Typ},
        {Control::RozsirenyTyp, form.RozsirenyTyp},
        {Control::Verze, form.Verze},
        {Control::VerzeHart, form.VerzeHart},
        {Control::UI, form.UI},
        {Control::VyrCislo, form.VyrCislo},
        {Control::VyrCisCidla, form.VyrCisCidla},
        {Control::HorniMez, form.HorniMez},
        {Control::DolniMez, form.DolniMez},
        {Control::MinRozpeti, form.MinRozpeti},
        {Control::Porucha, form.Porucha},
        {Control::Ochrana, form.Ochrana},
        {Control::Pocatek, form.Pocatek},
        {Control::Konec, form.Konec},
        {Control::Jednotky, form.Jednotky},
        {Control::Tlumeni, form.Tlumeni},
        {Control::Funkce, form.Funkce},
        {Control::Oznaceni, form.Oznaceni},
        {Control::Popis, form.Popis},
        {Control::Datum, form.Datum},
        {Control::Zprava, form.Zprava},
        {Control::DlouheOznaceni, form.DlouheOznaceni},
        {Control::PollAddr, form.PollAddr},
        {Control::PV, form.PV},
        {Control::PVI, form.PVI},
        {Control::PVP, form.PVP},
        {Control::SV, form.SV},
        {Control::TV, form.TV},
        {Control::FV, form.FV},
        {Control::Status, form.Status},
    };
    static_assert(std::size(table) == config::ControlCount, "every value has its control");
    for (const auto& [control, w] : table)
        widgets[std::size_t(control)] = w;
}

void WindowScreen::bind(config::DeviceState& deviceState)
{
    state = &deviceState;
    for (int i = 0; i < config::ControlCount; ++i) {
        const Control control = Control(i);
        QWidget* w = widget(control);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            // The input rule bound before has corrected the text already.
            connect(edit, &QLineEdit::textChanged, this, [this, control, edit] {
                if (!updating) state->edit(control, edit->text());
            });
        if (auto* combo = qobject_cast<QComboBox*>(w))
            connect(combo, &QComboBox::currentIndexChanged, this, [this, control](int index) {
                if (!updating) state->pick(control, index);
            });
        show(control);
    }
    connect(state, &config::DeviceState::changed, this, &WindowScreen::show);
    connect(state, &config::DeviceState::errorsChanged, this, &WindowScreen::showErrors);
    showErrors();
}

void WindowScreen::show(Control control)
{
    QWidget* w = widget(control);
    const QScopedValueRollback quiet(updating, true);
    if (control == Control::DlouheOznaceni) // shown on Device Info too
        form.DlouheOznaceniInfo->setText(state->text(control));
    if (control == Control::DlouheOznaceni || control == Control::RozsirenyTyp) {
        // A field the device's revision does not have is no row at all, not an empty one.
        QWidget* const info = control == Control::DlouheOznaceni ? form.DlouheOznaceniInfo : nullptr;
        for (QWidget* shown : {w, info}) {
            if (!shown) continue;
            shown->setVisible(state->has(control));
            form.captionOf(shown)->setVisible(state->has(control));
        }
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QString shown = state->text(control);
        label->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != state->text(control)) edit->setText(state->text(control));
        edit->setReadOnly(!state->editable(control));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown.append(combo->itemText(i));
        const QSignalBlocker blocked(combo); // selecting by program is no edit of the user's
        if (shown != state->entries(control)) {
            combo->clear();
            combo->addItems(state->entries(control));
        }
        combo->setCurrentIndex(state->selected(control));
        markOwnEntry(combo, state->ownEntry(control));
        // A list the device cannot write is not offered at all, its caption neither.
        if (control == Control::Funkce) {
            combo->setVisible(state->editable(control));
            form.Label20->setVisible(state->editable(control));
        }
    }
}

void WindowScreen::markOwnEntry(QComboBox* combo, int own)
{
    // The device's own text is no entry of the table: italic in the list and in the box while chosen,
    // and said so to a screen reader. The list's entries take the box's font unless they have their
    // own, so each says whether it is italic.
    const QString note = platform::texts().ownEntryDescription;
    QFont font = combo->font();
    for (int i = 0; i < combo->count(); ++i) {
        font.setItalic(i == own);
        combo->setItemData(i, font, Qt::FontRole);
        combo->setItemData(i, i == own ? note : QVariant(), Qt::AccessibleDescriptionRole);
        combo->setItemData(i, i == own ? note : QVariant(), Qt::ToolTipRole);
    }
    const bool chosen = own >= 0 && combo->currentIndex() == own;
    font.setItalic(chosen);
    combo->setFont(font);
    combo->setAccessibleDescription(chosen ? note : QString());
    combo->setToolTip(chosen ? note : QString());
}

void WindowScreen::showErrors()
{
    form.Error->clear();
    form.Error->addItems(state->errors());
}

void WindowScreen::highlight(Control control, bool differs)
{
    QWidget* w = widget(control);
    if (!w) return;
    // Labels paint their background with Window; edits with Base; a list that cannot be edited paints
    // with Button in some styles and with Base in others.
    QList<QPalette::ColorRole> roles{QPalette::Base};
    if (qobject_cast<QLabel*>(w)) roles = {QPalette::Window};
    if (qobject_cast<QComboBox*>(w)) roles = {QPalette::Base, QPalette::Button};
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, differs ? QColor(255, 255, 0) : QApplication::palette(w).color(role));
    w->setPalette(palette);
}
