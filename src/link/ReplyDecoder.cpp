// The reply decoder of the sequencer: recognises "Busy!" and the error texts, shows the device
// status, puts the data lines into the main window and advances the state.
#include "link/CommandMacro.h"
#include "link/Sequencer.h"
#include "platform/Texts.h"

namespace driverlink {

namespace {
const QString BusyReply = QStringLiteral("Busy!");
const QString CommandErrorText = QStringLiteral("Command Error!");
const QString CommunicationErrorText = QStringLiteral("Communication Error!");

std::optional<int> decimal(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString valueAndUnit(const QStringList& lines, int value, int unit) { return lines[value] + u' ' + lines[unit]; }
} // namespace

void Sequencer::DdeClientItem1Change(const QStringList& lines)
{
    if (lines.isEmpty()) return;
    TimeoutTimer.setEnabled(false);
    if (lines[0] == BusyReply) {
        DriverBusy = true;
        return;
    }
    DriverBusy = false;
    const QString expected = linkAddress(screen.text(Control::PollAddr));
    if (lines.size() >= 3 && lines[1] == expected) decode(lines);

    if (lines[0] == QString::number(CommandCode) && !ReplyTaken) {
        ++SequencerState;
        ReplyTaken = true;
    }
    screen.setText(Control::Label26, lines[0] + u' ' + QString::number(CommandCode));
    if (ExchangeRunning && !CommError) {
        Timer1.setEnabled(true);
        TimeoutTimer.setEnabled(true);
    }
}

void Sequencer::decode(const QStringList& lines)
{
    const QString& error = lines[2];
    if (error == CommandErrorText)
        screen.addError(error + u':' + lines[0]);
    else if (!error.isEmpty())
        screen.addError(error);
    if (error == CommunicationErrorText) {
        CommError = true;
        host.OdpojClick(StopSender::Decoder);
        screen.showErrorList();
    }
    QString status = lines.value(3);
    screen.setText(Control::Status, status.replace(QStringLiteral(". "), QStringLiteral(".\r\n")));
    if ((lines[0] == QStringLiteral("0") || lines[0] == QStringLiteral("11")) && lines.size() >= 13)
        decodeIdentity(lines);
    if (SequencerState >= 201 && SequencerState <= 249) host.EvalReadCommand(200, SequencerState, lines);
    decodeData(lines);
}

void Sequencer::decodeIdentity(const QStringList& lines)
{
    // The flags decide whether command 39 follows a change: a reply whose flags are no byte is
    // not trusted at all.
    const auto flags = decimal(lines[11].trimmed());
    if (!flags || *flags < 0 || *flags > 255) {
        screen.addError(platform::texts().badDeviceFlags.arg(lines[11]));
        return;
    }
    screen.setText(Control::Vyrobce, lines[4].trimmed());
    screen.setText(Control::Typ, lines[5].trimmed());
    screen.setText(Control::Verze, lines[8].trimmed());
    screen.setText(Control::UI, lines[12].trimmed());
    DeviceFlags = quint8(*flags);
}

void Sequencer::decodeData(const QStringList& lines)
{
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
        host.CheckDeviceDdf();
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
        const bool failed =
            (*b0 & host.selfTestMask(0)) || (*b1 & host.selfTestMask(1)) || (*b2 & host.selfTestMask(2));
        screen.addError(failed ? platform::texts().testFailed : platform::texts().testOk);
    }
}

} // namespace driverlink
