#include "link/Sequencer.h"

#include "link/CommandMacro.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Random.h"
#include "platform/Texts.h"

namespace driverlink {

namespace {
constexpr int Timer1DesignMs = 100;
constexpr int Timer2Ms = 100;
constexpr int RefusalsBeforeSlowing = 50;
constexpr int RefusalsBeforeGivingUp = 100;
} // namespace

Sequencer::Sequencer(DriverLink& link, SequencerHost& host, SequencerScreen& screen, TemplateSource& templates)
    : link(link), host(host), screen(screen), templates(templates), Timer1(Timer1DesignMs), TimeoutTimer(TimeoutMs),
      Timer2(Timer2Ms)
{
    Timer1.OnTimer = [this] { Timer1Timer(); };
    TimeoutTimer.OnTimer = [this] { TimeoutTimerTimer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

void Sequencer::start(quint16 state, const QString& stepData)
{
    ending.reset();
    CommError = false;
    ExchangeRunning = true; // handled replies re-arm the sequencer
    ReplyTaken = true;      // a late reply must not advance the new state
    StepData = stepData;
    SequencerState = state;
    Timer1.setEnabled(true);
}

void Sequencer::connect(Procedure first, const QString& stepData)
{
    start(quint16(first), stepData);
    TimeoutTimer.setEnabled(true);
}

void Sequencer::begin(Procedure first, const QString& stepData)
{
    ending.reset();
    WriteListDone = false; // a write stopped before its list began must not pass for the last one
    const bool wasRunning = ExchangeRunning;
    waitForStepEnd();
    if (wasRunning && !ExchangeRunning) return; // stopped while waiting: the procedure never starts
    Timer1.setEnabled(false);
    start(quint16(first), stepData);
}

void Sequencer::waitForStepEnd()
{
    ++Waits;
    platform::waitUntil([this] { return Timer1.isEnabled() || !ExchangeRunning || SequencerState == states::Idle; });
    --Waits;
}

Ending Sequencer::wait()
{
    ++Waits;
    platform::waitUntil([this] { return ending || CommError || SequencerState == states::Online; });
    --Waits;
    if (CommError) return Ending::CommunicationError;
    return ending.value_or(Ending::Online);
}

void Sequencer::resumeOnline()
{
    waitForStepEnd();
    if (!ExchangeRunning) return; // no connection: nothing to go back to
    Timer1.setEnabled(false);
    SequencerState = states::Online;
    Timer1.setEnabled(true);
}

bool Sequencer::stop(StopSender sender, bool ask)
{
    EndWait();
    if (ask && sender != StopSender::WaitDialog && !CommError && !host.confirmStop()) return false;
    halt(sender);
    return true;
}

void Sequencer::halt(StopSender sender)
{
    ReplyTaken = true; // the reply being handled, if any, must not advance the idle state
    Timer1.setEnabled(false);
    TimeoutTimer.setEnabled(false);
    SequencerState = states::Idle;
    ExchangeRunning = false;
    if (!ending) ending = sender == StopSender::Decoder ? Ending::CommunicationError : Ending::Stopped;
    host.connectionStopped(sender);
}

void Sequencer::proceed(bool withTimeout)
{
    Timer1.setEnabled(true);
    if (withTimeout) TimeoutTimer.setEnabled(true);
}

void Sequencer::driverGone()
{
    ending = Ending::DriverGone;
    EndWait();
    halt(StopSender::Decoder);
}

void Sequencer::closing()
{
    ending = Ending::Closing;
    Timer1.setEnabled(false);
    TimeoutTimer.setEnabled(false);
    Timer2.setEnabled(false);
    SequencerState = states::Idle;
    ExchangeRunning = false;
}

void Sequencer::giveUp()
{
    // The procedure has ended before the message is shown: its wait and wait dialog end, and no
    // time-out takes another step (and shows the message again) while the message is open.
    RetryCount = 0;
    TimeoutTimer.setEnabled(false);
    SequencerState = states::Online;
    ending = Ending::Refused;
    EndWait();
    platform::dialogs().message(platform::texts().commandNotPerformed);
}

void Sequencer::endRefused()
{
    EndWait();
    ending = Ending::Refused;
    if (!ExchangeRunning) {
        SequencerState = states::Idle;
        return;
    }
    SequencerState = states::Online; // the on-line loop goes on
    Timer1.setEnabled(true);
}

void Sequencer::Timer1Timer()
{
    Timer1.setEnabled(false);
    if (RetryCount > RefusalsBeforeGivingUp) giveUp();
    if (RetryCount > RefusalsBeforeSlowing) link.slowPolling();
    if (DriverBusy) {
        Timer1.setEnabled(true);
        TimeoutTimer.setEnabled(true);
        return;
    }
    Timer1.setInterval(100 + platform::random(200));
    ReplyTaken = false;
    link.clearReplyView();

    QString data;
    while (true) {
        data = addressPart(screen.pollAddress());
        screen.showStepState(SequencerState);
        const quint16 before = SequencerState;
        performState(data);
        if (CommandCode == NoCommand && SequencerState == before) return; // a state that sends nothing: stay idle
        if (CommandCode == NoCommand) continue;
        break;
    }
    TimeoutTimer.setEnabled(true);
    const QString text = commandField(CommandCode) + data;
    if (CommandCode == ExtendedCommand) CommandCode = realCommand; // the reply comes under the real number
    if (send(text)) TimeoutTimer.setEnabled(true);
}

bool Sequencer::send(const QString& text)
{
    switch (link.send(text)) {
    case SendResult::Accepted: return true;
    case SendResult::Waiting:
    case SendResult::Refused:
        Timer1.setEnabled(true);
        ++RetryCount;
        return true;
    case SendResult::TooLong: endRefused(); return false; // sending it again would be refused again
    case SendResult::Gone: return false;                  // the connection has been stopped
    }
    return false;
}

void Sequencer::TimeoutTimerTimer()
{
    TimeoutTimer.setEnabled(false);
    Timer1.setEnabled(true);
    DriverBusy = false;
}

void Sequencer::Timer2Timer()
{
    Timer2.setEnabled(false);
    if (WaitShown) host.showWaitDialog(); // a short procedure may have ended already
}

void Sequencer::eepromCheck(QString& data, const std::function<void()>& otherwise)
{
    if (DeviceFlags & 2) {
        data += QStringLiteral("0"); // burn
        CommandCode = 39;
    } else {
        otherwise();
    }
}

void Sequencer::endWriting()
{
    WriteListDone = true;
    WriteErrors = screen.errorCount();
    endAfterWriting(states::ReadBase);
}

void Sequencer::endAfterWriting(quint16 next)
{
    EndWaitAfterWriting();
    SequencerState = next;
    CommandCode = NoCommand;
}

void Sequencer::performState(QString& data)
{
    auto idleStep = [this](quint16 next) {
        SequencerState = next;
        CommandCode = NoCommand;
    };
    auto endProcedure = [this, &idleStep](quint16 next) {
        EndWait();
        idleStep(next);
    };
    const quint16 state = SequencerState;
    switch (state) {
    case 100:
        screen.setProgramStatus(platform::texts().readingVariables);
        CommandCode = 2;
        return;
    case 101: CommandCode = 3; return;
    case 102:
        SequencerState = states::Online;
        CommandCode = 2;
        return;
    case 200:
        BeginWait(false, true);
        host.ClearAll();
        screen.showErrorList();
        screen.setProgramStatus(platform::texts().readingConfiguration);
        CommandCode = 0;
        return;
    case 250: CommandCode = 0; return;
    case 251: idleStep(states::Online); return;
    case 300:
        WriteListDone = false;
        WroteSomething = false;
        BeginWait(true, false);
        templateWrite(data);
        return;
    case states::WriteEnd:
        // Nothing written is nothing to keep: the EEPROM control follows only a write that sent a command.
        if (WroteSomething)
            eepromCheck(data, [&] { endWriting(); });
        else
            endWriting();
        return;
    case states::WriteEnd + 1: endWriting(); return;
    case 400:
        BeginWait(false, false);
        CommandCode = 37;
        return;
    case 410:
        BeginWait(false, false);
        CommandCode = 36;
        return;
    case 401:
    case 411: eepromCheck(data, [&] { endAfterWriting(200); }); return;
    case 402:
    case 412: endAfterWriting(200); return;
    case 420:
        BeginWait(false, false);
        CommandCode = 43;
        return;
    case 421: eepromCheck(data, [&] { endProcedure(states::Online); }); return;
    case 422: endProcedure(states::Online); return;
    case 430:
        BeginWait(false, true);
        host.ClearAll();
        data = CrLf + TagAddress + CrLf + dataField(StepData);
        CommandCode = 11;
        return;
    case 431: idleStep(201); return;
    case 440:
        BeginWait(false, true);
        data += dataField(StepData);
        CommandCode = 0;
        return;
    case 441: idleStep(200); return;
    case 450:
        BeginWait(false, false);
        data += dataField(StepData);
        CommandCode = 6;
        return;
    case 451:
        // A device that refused the new address keeps its old one, and so does the on-line loop.
        if (!CommandRefused) screen.setPollAddress(StepData);
        endProcedure(states::Online);
        return;
    case 500:
        BeginWait(false, false);
        CommandCode = 41;
        return;
    case 501: CommandCode = 48; return;
    case 510:
        BeginWait(false, false);
        CommandCode = 42;
        return;
    case 515:
        BeginWait(false, false);
        CommandCode = 38;
        return;
    case 502:
    case 511:
    case 516:
    case 521: endProcedure(states::Online); return;
    case 520:
        BeginWait(false, false);
        data += dataField(StepData);
        CommandCode = 40;
        return;
    case 530:
        data += dataField(StepData);
        CommandCode = 40;
        return;
    case 531: idleStep(states::Online); return;
    case 540:
    case 550:
        BeginWait(false, false);
        data += dataField(StepData);
        CommandCode = state == 540 ? 45 : 46;
        return;
    case 541:
    case 551:
        eepromCheck(data, [&] {
            StepData = QStringLiteral("0");
            idleStep(520);
        });
        return;
    case 542:
    case 552:
        StepData = QStringLiteral("0");
        idleStep(520); // leave fixed current mode
        return;
    case 560:
        BeginWait(false, false);
        data += dataField(StepData);
        CommandCode = 108;
        return;
    case 570:
    case 580:
        BeginWait(false, false);
        data += state == 570 ? QStringLiteral("1") : QStringLiteral("0");
        CommandCode = 109;
        return;
    case 561:
    case 571:
    case 581: eepromCheck(data, [&] { endProcedure(states::Online); }); return;
    case 562:
    case 572:
    case 582: endProcedure(states::Online); return;
    case 590:
        BeginWait(false, false);
        data += dataField(StepData);
        CommandCode = 19;
        return;
    case 591: eepromCheck(data, [&] { endProcedure(200); }); return;
    case 592: endProcedure(200); return;
    case 600:
        BeginWait(false, false);
        templateMethod(data);
        return;
    case states::MethodLast + 1: EndSequence(false); return; // after the tenth step: a method has no more
    default: break;
    }
    if (state > states::ReadBase && state <= states::ReadLast)
        templateRead(data);
    else if (state > states::WriteBase + 1 && state < states::WriteEnd)
        templateWrite(data);
    else if (state > states::MethodBase + 1 && state <= states::MethodLast)
        templateMethod(data);
    // Any other state has no action.
}

quint8 Sequencer::templateStep(int base, const QString& section, QString& data)
{
    host.setWaitGaugePosition(SequencerState - base - 1);
    return templates.GetRWCommand(base, SequencerState, section, data, realCommand);
}

void Sequencer::templateRead(QString& data)
{
    const quint8 code =
        SequencerState < states::ReadLast ? templateStep(states::ReadBase, QStringLiteral("READ"), data) : NoCommand;
    if (code != NoCommand) {
        CommandCode = code;
        return;
    }
    // Without a single read step only the identity is known: that is no configuration to keep.
    const QString problem = SequencerState == states::ReadBase + 1 ? templates.readProblem() : QString();
    if (problem.isEmpty()) host.CaptureInitialConfig();
    EndSequence(true);
    if (!problem.isEmpty()) host.readIncomplete(problem);
}

void Sequencer::templateMethod(QString& data)
{
    const quint8 code = templateStep(states::MethodBase, templates.MethodSection(), data);
    if (code == NoCommand) {
        EndSequence(false);
        return;
    }
    CommandCode = code;
}

void Sequencer::templateWrite(QString& data)
{
    quint8 code = templateStep(states::WriteBase, QStringLiteral("WRITE"), data);
    if (code != NoCommand) {
        // Guarded by the number the template gives: an extended template (255) is device-specific.
        const auto fields = screen.writeData(code);
        if (fields) {
            data += fields->join(CrLf);
            WroteSomething = true;
        } else {
            code = NoCommand;
        }
    }
    CommandCode = code;
    if (code == NoCommand) ++SequencerState; // skipped: the loop goes on with the next step
}

void Sequencer::BeginWait(bool writeGauge, bool readGauge)
{
    const bool gauge = writeGauge || readGauge;
    host.setupWaitGauge(gauge, writeGauge ? templates.WriteStepCount() : templates.ReadStepCount(), writeGauge);
    if (!WaitShown) {
        host.HourGlasCur(true);
        host.setWaitSecondLine(QString());
        WaitShown = true;
        Timer2.setEnabled(true);
    }
}

void Sequencer::EndWait()
{
    if (!WaitShown) return;
    host.HourGlasCur(false);
    WaitShown = false;
    host.closeWaitDialog();
}

void Sequencer::EndWaitAfterWriting()
{
    if (!WaitShown) return;
    host.setWaitSecondLine(screen.errorCount() > 0 ? platform::texts().writtenWithErrors
                                                   : platform::texts().writtenIntoDevice);
}

void Sequencer::EndSequence(bool configurationRead)
{
    CommandCode = NoCommand;
    SequencerState = states::Online;
    EndWait();
    host.sequenceEnded(configurationRead);
}

} // namespace driverlink
