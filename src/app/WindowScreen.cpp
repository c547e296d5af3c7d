#include "app/WindowScreen.h"

#include "config/CodeTables.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using driverlink::Control;

QWidget* WindowScreen::widget(Control control) const
{
    switch (control) {
    case Control::Vyrobce: return form.Vyrobce;
    case Control::Typ: return form.Typ;
    case Control::Verze: return form.Verze;
    case Control::UI: return form.UI;
    case Control::VyrCislo: return form.VyrCislo;
    case Control::VyrCisCidla: return form.VyrCisCidla;
    case Control::HorniMez: return form.HorniMez;
    case Control::DolniMez: return form.DolniMez;
    case Control::MinRozpeti: return form.MinRozpeti;
    case Control::Porucha: return form.Porucha;
    case Control::Ochrana: return form.Ochrana;
    case Control::Pocatek: return form.Pocatek;
    case Control::Konec: return form.Konec;
    case Control::Jednotky: return form.Jednotky;
    case Control::Tlumeni: return form.Tlumeni;
    case Control::Funkce: return form.Funkce;
    case Control::Oznaceni: return form.Oznaceni;
    case Control::Popis: return form.Popis;
    case Control::Datum: return form.Datum;
    case Control::Zprava: return form.Zprava;
    case Control::PollAddr: return form.PollAddr;
    case Control::PV: return form.PV;
    case Control::PVI: return form.PVI;
    case Control::PVP: return form.PVP;
    case Control::SV: return form.SV;
    case Control::TV: return form.TV;
    case Control::FV: return form.FV;
    case Control::Status: return form.Status;
    case Control::ProgramStatus: return form.ProgramStatus;
    case Control::Label26: return form.Label26;
    case Control::Label30: return form.Label30;
    }
    return nullptr;
}

QString WindowScreen::text(Control control) const
{
    QWidget* w = widget(control);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    return {};
}

void WindowScreen::setText(Control control, const QString& text)
{
    QWidget* w = widget(control);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QString shown = text;
        label->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries.append(combo->itemText(i));
        // Selecting by program is no edit of the user's.
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(config::selectionByName(entries, text));
    }
}

void WindowScreen::addError(const QString& entry) { form.Error->addItem(entry); }

int WindowScreen::errorCount() const { return form.Error->count(); }

void WindowScreen::showErrorList() { form.Error->setVisible(true); }
