#include "config/DeviceScreen.h"

#include "link/CommandMacro.h"
#include "platform/Texts.h"

namespace config {

namespace {
QString valueAndUnit(const QStringList& lines, int value, int unit) { return lines[value] + u' ' + lines[unit]; }

std::optional<int> decimal(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

void DeviceScreen::showIdentity(const QStringList& lines)
{
    screen.setText(Control::Vyrobce, lines[4].trimmed());
    screen.setText(Control::Typ, lines[5].trimmed());
    screen.setText(Control::Verze, lines[8].trimmed());
    screen.setText(Control::UI, lines[12].trimmed());
}

void DeviceScreen::showReply(const QStringList& lines)
{
    QString status = lines.value(3);
    screen.setText(Control::Status, status.replace(QStringLiteral(". "), QStringLiteral(".\r\n")));

    const QString& command = lines[0];
    const int count = int(lines.size());
    if (command == QStringLiteral("1") && count >= 6) {
        screen.setText(Control::PV, valueAndUnit(lines, 5, 4));
    } else if (command == QStringLiteral("2") && count >= 6) {
        screen.setText(Control::PVI, lines[4] + QStringLiteral(" mA"));
        screen.setText(Control::PVP, lines[5] + QStringLiteral(" %"));
    } else if (command == QStringLiteral("3") && count >= 7) {
        screen.setText(Control::PVI, lines[4] + QStringLiteral(" mA"));
        screen.setText(Control::PV, valueAndUnit(lines, 6, 5));
        if (count >= 9) screen.setText(Control::SV, valueAndUnit(lines, 8, 7));
        if (count >= 11) screen.setText(Control::TV, valueAndUnit(lines, 10, 9));
        if (count >= 13) screen.setText(Control::FV, valueAndUnit(lines, 12, 11));
    } else if (command == QStringLiteral("12") && count >= 5) {
        screen.setText(Control::Zprava, lines[4]);
        if (messageRead) messageRead();
    } else if (command == QStringLiteral("17") && count >= 5) {
        screen.setText(Control::Zprava, lines[4]);
    } else if ((command == QStringLiteral("13") || command == QStringLiteral("18")) && count >= 7) {
        screen.setText(Control::Oznaceni, lines[4]);
        screen.setText(Control::Popis, lines[5]);
        screen.setText(Control::Datum, lines[6]);
    } else if (command == QStringLiteral("14") && count >= 9) {
        screen.setText(Control::VyrCisCidla, lines[4]);
        screen.setText(Control::HorniMez, valueAndUnit(lines, 6, 5));
        screen.setText(Control::DolniMez, valueAndUnit(lines, 7, 5));
        screen.setText(Control::MinRozpeti, valueAndUnit(lines, 8, 5));
    } else if (command == QStringLiteral("15") && count >= 12) {
        screen.setText(Control::Konec, lines[7]);
        screen.setText(Control::Pocatek, lines[8]);
        screen.setText(Control::Tlumeni, lines[9]);
        screen.setText(Control::Porucha, lines[4]);
        screen.setText(Control::Funkce, lines[5]);
        screen.setText(Control::Jednotky, lines[6]);
        screen.setText(Control::Ochrana, lines[10]);
    } else if (command == QStringLiteral("16") && count >= 5) {
        screen.setText(Control::VyrCislo, lines[4]);
    } else if (command == QStringLiteral("48") && count >= 16) {
        const auto b0 = decimal(lines[4]), b1 = decimal(lines[5]), b2 = decimal(lines[6]);
        if (!b0 || !b1 || !b2) return;
        const bool failed = (*b0 & selfTestMasks[0]) || (*b1 & selfTestMasks[1]) || (*b2 & selfTestMasks[2]);
        screen.addError(failed ? platform::texts().testFailed : platform::texts().testOk);
    }
}

std::optional<QStringList> DeviceScreen::writeData(int command)
{
    auto guarded = [this](bool changed, std::initializer_list<Control> controls) -> std::optional<QStringList> {
        if (!changed) return std::nullopt;
        QStringList fields;
        for (Control c : controls)
            fields.append(driverlink::dataField(screen.text(c)));
        return fields;
    };
    switch (command) {
    case 17: return guarded(changes.MessageChanged, {Control::Zprava});
    case 18: return guarded(changes.TagChanged, {Control::Oznaceni, Control::Popis, Control::Datum});
    case 34: return guarded(changes.DampingChanged, {Control::Tlumeni});
    case 35: return guarded(changes.RangeChanged, {Control::Jednotky, Control::Konec, Control::Pocatek});
    case 44: return guarded(changes.UnitsChanged, {Control::Jednotky});
    case 47: return guarded(changes.TransferFunctionChanged, {Control::Funkce});
    default:
        // Device-specific commands carry what their template built, and only with detailed changes.
        if (command >= 128 && !changes.DetailedChanged) return std::nullopt;
        return QStringList();
    }
}

} // namespace config
