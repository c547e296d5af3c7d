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
} // namespace

Sequencer::Sequencer(DriverLink& link, SequencerHost& host)
    : Timer1(Timer1DesignMs), TimeoutTimer(TimeoutMs), Timer2(Timer2Ms), link(link), host(host), screen(host.screen())
{
    Timer1.OnTimer = [this] { Timer1Timer(); };
    TimeoutTimer.OnTimer = [this] { TimeoutTimerTimer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

void Sequencer::start(quint16 state, bool withTimeout)
{
    ReplyTaken = true; // a late reply must not advance the new state
    SequencerState = state;
    Timer1.setEnabled(true);
    if (withTimeout) TimeoutTimer.setEnabled(true);
}

void Sequencer::waitForStepEnd()
{
    platform::waitUntil([this] { return Timer1.isEnabled() || SequencerState == Idle; });
}

bool Sequencer::waitForOnline()
{
    platform::waitUntil([this] { return SequencerState == Online || CommError || SequencerState == Idle; });
    return SequencerState == Online && !CommError;
}

void Sequencer::Timer1Timer()
{
    Timer1.setEnabled(false);
    if (RetryCount > 100) {
        platform::dialogs().message(platform::texts().commandNotPerformed);
        SequencerState = Online;
        RetryCount = 0;
    }
    if (RetryCount > 50) link.slowPolling();
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
        data = addressPart(screen.text(Control::PollAddr));
        screen.setText(Control::Label30, QString::number(SequencerState));
        const quint16 before = SequencerState;
        performState(data);
        if (CommandCode == NoCommand && SequencerState == before) return; // a state that sends nothing: stay idle
        if (CommandCode == NoCommand || SequencerState == 349) continue;
        break;
    }
    TimeoutTimer.setEnabled(true);
    const QString text = commandField(CommandCode) + data;
    if (CommandCode == Extended) CommandCode = realCommand; // the reply comes under the real number
    send(text);
    TimeoutTimer.setEnabled(true);
}

void Sequencer::send(const QString& text)
{
    switch (link.send(text)) {
    case SendResult::Accepted: break;
    case SendResult::Waiting:
    case SendResult::Refused:
    case SendResult::TooLong:
        Timer1.setEnabled(true);
        ++RetryCount;
        break;
    }
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
    data += QStringLiteral("0");
    if (DeviceFlags & 2)
        CommandCode = 39;
    else
        otherwise();
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
        screen.setText(Control::ProgramStatus, platform::texts().readingVariables);
        CommandCode = 2;
        return;
    case 101: CommandCode = 3; return;
    case 102:
        SequencerState = Online;
        CommandCode = 2;
        return;
    case 200:
        BeginWait(false, true);
        host.ClearAll();
        screen.showErrorList();
        screen.setText(Control::ProgramStatus, platform::texts().readingConfiguration);
        CommandCode = 0;
        return;
    case 250: CommandCode = 0; return;
    case 251: idleStep(Online); return;
    case 300:
        BeginWait(true, false);
        templateWrite(data);
        return;
    case 349: endAfterWriting(200); return;
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
    case 421: eepromCheck(data, [&] { endProcedure(Online); }); return;
    case 422: endProcedure(Online); return;
    case 430:
        BeginWait(false, true);
        host.ClearAll();
        data = CrLf + TagAddress + CrLf + StepData;
        CommandCode = 11;
        return;
    case 431: idleStep(201); return;
    case 440:
        BeginWait(false, true);
        data += StepData;
        CommandCode = 0;
        return;
    case 441: idleStep(200); return;
    case 450:
        BeginWait(false, false);
        data += StepData;
        CommandCode = 6;
        return;
    case 451:
        screen.setText(Control::PollAddr, StepData);
        endProcedure(Online);
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
    case 521: endProcedure(Online); return;
    case 520:
        BeginWait(false, false);
        data += StepData;
        CommandCode = 40;
        return;
    case 530:
        data += StepData;
        CommandCode = 40;
        return;
    case 531: idleStep(Online); return;
    case 540:
    case 550:
        BeginWait(false, false);
        data += StepData;
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
        data += StepData;
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
    case 581: eepromCheck(data, [&] { endProcedure(Online); }); return;
    case 562:
    case 572:
    case 582: endProcedure(Online); return;
    case 590:
        BeginWait(false, false);
        data += StepData;
        CommandCode = 19;
        return;
    case 591: endProcedure(200); return;
    case 600:
        BeginWait(false, false);
        templateMethod(data);
        return;
    default: break;
    }
    if (state >= 201 && state <= 249)
        templateRead(data);
    else if (state >= 301 && state <= 348)
        templateWrite(data);
    else if (state >= 601 && state <= 609)
        templateMethod(data);
    // Any other state has no action.
}

void Sequencer::templateRead(QString& data)
{
    // A definition has at most 48 read steps: state 249 always ends the read.
    const quint8 code = SequencerState <= 248
                            ? host.GetRWCommand(200, SequencerState, QStringLiteral("READ"), data, realCommand)
                            : NoCommand;
    if (code == NoCommand) {
        host.CaptureInitialConfig();
        EndSequence();
        return;
    }
    CommandCode = code;
}

void Sequencer::templateMethod(QString& data)
{
    const quint8 code = host.GetRWCommand(599, SequencerState, host.MethodSection(), data, realCommand);
    if (code == NoCommand) {
        EndSequence();
        return;
    }
    CommandCode = code;
}

void Sequencer::templateWrite(QString& data)
{
    quint8 code = host.GetRWCommand(299, SequencerState, QStringLiteral("WRITE"), data, realCommand);
    const int command = code == Extended ? realCommand : code;
    auto field = [this](Control control) { return screen.text(control); };
    auto append = [&](std::initializer_list<Control> controls) {
        QStringList fields;
        for (Control c : controls)
            fields.append(field(c));
        data += fields.join(CrLf);
    };
    auto guarded = [&](ChangeGroup group, std::initializer_list<Control> controls) {
        if (host.isChanged(group))
            append(controls);
        else
            code = NoCommand;
    };
    if (code != NoCommand) {
        switch (command) {
        case 17: guarded(ChangeGroup::Message, {Control::Zprava}); break;
        case 18: guarded(ChangeGroup::Tag, {Control::Oznaceni, Control::Popis, Control::Datum}); break;
        case 34: guarded(ChangeGroup::Damping, {Control::Tlumeni}); break;
        case 35: guarded(ChangeGroup::Range, {Control::Jednotky, Control::Konec, Control::Pocatek}); break;
        case 44: guarded(ChangeGroup::Units, {Control::Jednotky}); break;
        case 47: guarded(ChangeGroup::TransferFunction, {Control::Funkce}); break;
        default:
            if (command >= 128 && !host.isChanged(ChangeGroup::Detailed)) code = NoCommand;
            break;
        }
    }
    CommandCode = code;
    if (code == NoCommand) ++SequencerState; // skipped: the loop goes on with the next step
}

void Sequencer::BeginWait(bool writeGauge, bool readGauge)
{
    const bool gauge = writeGauge || readGauge;
    host.setupWaitGauge(gauge, writeGauge ? host.WriteStepCount() : host.ReadStepCount(), writeGauge);
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

void Sequencer::EndSequence()
{
    CommandCode = NoCommand;
    SequencerState = Online;
    EndWait();
    host.sequenceEnded();
}

} // namespace driverlink
