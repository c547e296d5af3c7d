// The reply decoder of the sequencer: recognises "Busy!" and the error texts, checks the identity
// reply's device flags, hands the reply to the screen and the templates, and advances the state.
#include "link/CommandMacro.h"
#include "link/ResponseCodes.h"
#include "link/Sequencer.h"
#include "platform/ReplyLayout.h"
#include "platform/Texts.h"

namespace driverlink {

using namespace replylayout;

namespace {
const QString BusyReply = QStringLiteral("Busy!");
const QString CommunicationErrorText = QStringLiteral("Communication Error!");
} // namespace

void Sequencer::DdeClientItem1Change(const QStringList& lines)
{
    if (lines.isEmpty()) return;
    // After a stop nothing is awaited: a late reply to the command that was in flight must not refill
    // a screen the user has cleared or keeps.
    if (SequencerState == states::Idle && !ExchangeRunning) return;
    TimeoutTimer.setEnabled(false);
    if (lines[CommandLine] == BusyReply) {
        DriverBusy = true;
        return;
    }
    DriverBusy = false;
    if (scanning())
        takeScanReply(lines);
    else if (lines.size() > ErrorLine && lines[AddressLine] == linkAddress(screen.pollAddress()))
        decode(lines);

    if (answersThisStep(lines) && !ReplyTaken) {
        ++SequencerState;
        ReplyTaken = true;
    }
    screen.showReplyCheck(lines[CommandLine] + u' ' + QString::number(CommandCode));
    if (ExchangeRunning && !CommError) {
        // A driver that tells of its replies has each decoded the moment it is there: the next step of a
        // procedure follows at once, and a read takes what the wire takes. The on-line loop keeps its
        // pause, which paces the values shown and leaves the wire to other conversations between polls.
        if (link.notified() && !inOnlineLoop(SequencerState)) Timer1.setInterval(AtOnceMs);
        Timer1.setEnabled(true);
        TimeoutTimer.setEnabled(true);
    }
}

bool Sequencer::answersThisStep(const QStringList& lines) const
{
    // A scan asks one address after the other with the same command: the reply must name the address.
    if (scanning() && lines.value(AddressLine) != pollingAddressText(scanAddress())) return false;
    return lines[CommandLine] == QString::number(CommandCode);
}

void Sequencer::takeScanReply(const QStringList& lines)
{
    if (ReplyTaken || lines.size() <= ErrorLine || !answersThisStep(lines)) return;
    if (CommandCode == 0) {
        // The data lines are there only when the device did the command.
        ScanAnswered = lines.size() >= identity::End;
        ScanRevision = ScanAnswered ? lines[identity::UniversalRevision].trimmed().toInt() : 0;
    }
    host.scanReply(scanAddress(), lines);
}

void Sequencer::decode(const QStringList& lines)
{
    const QString& error = lines[ErrorLine];
    CommandRefused = error == QLatin1StringView(CommandErrorText);
    if (CommandRefused) {
        Refused.append(lines[CommandLine].toInt());
        screen.addError(error + u':' + lines[CommandLine]);
        // A driver that says why the device refused: the code and what it means, in the program's language.
        if (const std::optional<int> code = link.responseCode())
            screen.addError(responseCodeEntry(lines[CommandLine].toInt(), *code));
    } else if (!error.isEmpty())
        screen.addError(error);
    if (error == CommunicationErrorText) {
        CommError = true;
        stop(StopSender::Decoder);
        screen.showErrorList();
    }
    const QString& command = lines[CommandLine];
    if ((command == QStringLiteral("0") || command == QStringLiteral("11")) && lines.size() >= identity::End)
        decodeIdentity(lines);
    if (SequencerState > states::ReadBase && SequencerState <= states::ReadLast &&
        !templates.EvalReadCommand(states::ReadBase, SequencerState, lines)) {
        // The reply belongs to something else: the same step goes out once more.
        ReplyTaken = true;
        Timer1.setEnabled(true);
    }
    screen.showReply(lines, StepData);
}

void Sequencer::decodeIdentity(const QStringList& lines)
{
    // The flags decide whether command 39 follows a change: a reply whose flags are no byte is
    // not trusted at all.
    bool ok = false;
    const int flags = lines[identity::Flags].trimmed().toInt(&ok);
    if (!ok || flags < 0 || flags > 255) {
        screen.addError(platform::texts().badDeviceFlags.arg(lines[identity::Flags]));
        return;
    }
    screen.showIdentity(lines);
    DeviceFlags = quint8(flags);
    // What the device has besides (its long tag) follows its revision; a revision that is no number is
    // taken for the oldest.
    const int revision = lines[identity::UniversalRevision].trimmed().toInt(&ok);
    UniversalRevision = ok && revision >= 0 && revision <= 255 ? quint8(revision) : 5;
    ++IdentitiesTaken;
}

} // namespace driverlink
