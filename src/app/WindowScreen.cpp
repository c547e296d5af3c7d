#include "app/WindowScreen.h"

#include "config/CodeTables.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using config::Control;

void WindowScreen::bind()
{
    const std::pair<Control, QWidget*> table[] = {
        {Control::Vyrobce, form.Vyrobce},
        {Control::Typ, form.Typ},
        {Control::Verze, form.Verze},
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
        {Control::PollAddr, form.PollAddr},
        {Control::PV, form.PV},
        {Control::PVI, form.PVI},
        {Control::PVP, form.PVP},
        {Control::SV, form.SV},
        {Control::TV, form.TV},
        {Control::FV, form.FV},
        {Control::Status, form.Status},
        {Control::ProgramStatus, form.ProgramStatus},
        {Control::Label26, form.Label26},
        {Control::Label30, form.Label30},
    };
    static_assert(sizeof(table) / sizeof(table[0]) == std::tuple_size_v<decltype(widgets)>,
                  "every control has its widget");
    for (const auto& [control, w] : table)
        widgets[std::size_t(control)] = w;
}

namespace {
template <typename Widget> Widget* as(QWidget* widget) { return qobject_cast<Widget*>(widget); }
} // namespace

QString WindowScreen::text(Control control) const
{
    QWidget* w = widget(control);
    if (auto* label = as<QLabel>(w)) return label->text();
    if (auto* edit = as<QLineEdit>(w)) return edit->text();
    if (auto* combo = as<QComboBox>(w)) return combo->currentText();
    return {};
}

void WindowScreen::setText(Control control, const QString& text)
{
    QWidget* w = widget(control);
    if (auto* label = as<QLabel>(w)) {
        QString shown = text;
        label->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* edit = as<QLineEdit>(w)) {
        edit->setText(text);
    } else if (auto* combo = as<QComboBox>(w)) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.append(combo->itemText(i));
        // Selecting by program is no edit of the user's.
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(config::selectionByName(entries, text));
    }
}

void WindowScreen::highlight(Control control, bool differs)
{
    QWidget* w = widget(control);
    if (!w) return;
    // Labels paint their background with Window; edits with Base; a list that cannot be edited paints
    // with Button in some styles and with Base in others.
    QList<QPalette::ColorRole> roles{QPalette::Base};
    if (as<QLabel>(w)) roles = {QPalette::Window};
    if (as<QComboBox>(w)) roles = {QPalette::Base, QPalette::Button};
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, differs ? QColor(255, 255, 0) : QApplication::palette(w).color(role));
    w->setPalette(palette);
}

void WindowScreen::addError(const QString& entry) { form.Error->addItem(entry); }

int WindowScreen::errorCount() const { return form.Error->count(); }

void WindowScreen::clearErrors() { form.Error->clear(); }

void WindowScreen::showErrorList() { form.Error->setVisible(true); }

void WindowScreen::showReplyLines(const QStringList& lines) { form.DdeDat->setPlainText(lines.join(u'\n')); }

void WindowScreen::showCommandText(const QString& text) { form.Label27->setText(text); }
