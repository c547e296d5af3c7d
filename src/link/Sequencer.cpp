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

bool Sequencer::begin(Procedure first, const QString& stepData)
{
    ending.reset();
    WriteListDone = false; // a write stopped before its list began must not pass for the last one
    const bool wasRunning = ExchangeRunning;
    waitForStepEnd();
    if (wasRunning && !ExchangeRunning) return false; // stopped while waiting: the procedure never starts
    Timer1.setEnabled(false);
    Refused.clear();
    start(quint16(first), stepData);
    return true;
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
    if (!ending) ending = sender == StopSender::Decoder ? Ending::CommunicationError : Ending::Stopped;
    if (scanning()) { // no device was connected: there is no connection to stop
        endScan(*ending);
        return;
    }
    ReplyTaken = true; // the reply being handled, if any, must not advance the idle state
    Timer1.setEnabled(false);
    TimeoutTimer.setEnabled(false);
    SequencerState = states::Idle;
    ExchangeRunning = false;
    host.connectionStopped(sender);
}

void Sequencer::endScan(Ending how)
{
    ending = how;
    ReplyTaken = true;
    Timer1.setEnabled(false);
    TimeoutTimer.setEnabled(false);
    SequencerState = states::Idle;
    ExchangeRunning = false;
    host.scanEnded(how);
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
    // The procedure has ended before the message is shown: its wait and wait dialog end, and no step
    // is taken while the message is open, since its refusal would count towards the message again.
    // The on-line loop goes on at the next tick; a scan, or a step taken after the connection was stopped,
    // leaves the sequencer resting.
    RetryCount = 0;
    TimeoutTimer.setEnabled(false);
    endRefused();
    Timer1.setEnabled(false);
    platform::dialogs().message(platform::texts().commandNotPerformed);
    if (ExchangeRunning && SequencerState == states::Online) Timer1.setEnabled(true);
}

void Sequencer::endRefused()
{
    EndWait();
    ending = Ending::Refused;
    if (scanning()) {
        endScan(Ending::Refused);
        return;
    }
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
    if (RetryCount > RefusalsBeforeGivingUp) {
        giveUp();
        return;
    }
    if (RetryCount > RefusalsBeforeSlowing) link.slowPolling();
    if (DriverBusy) {
        // Never at once: a busy driver is asked again only after a pause.
        if (Timer1.interval() < Timer1DesignMs) Timer1.setInterval(Timer1DesignMs);
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
        takeStep(data);
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

void Sequencer::EndSequence(bool configurationRead) { endSequence(states::Online, configurationRead); }

void Sequencer::endSequence(quint16 next, bool configurationRead)
{
    CommandCode = NoCommand;
    SequencerState = next;
    EndWait();
    host.sequenceEnded(configurationRead);
}

} // namespace driverlink
