#pragma once
// The command sequencer: one state machine through which all HART traffic passes. Timer1 takes one
// step (builds the command of the current state and sends it), the handled reply advances the state
// and re-arms Timer1, and TimeoutTimer sends the same step again when no reply came in time.
// Ranges of states are procedures, each a table of steps (ProcedureSteps.h) that the sequencer
// interprets. The sequencer owns its state: the rest of the program starts a procedure, stops the
// connection and learns how a procedure ended through the calls below, and nobody else changes the
// state, the flags or the timers.
#include "link/DriverLink.h"
#include "link/ProcedureSteps.h"
#include "link/Procedures.h"
#include "link/SequencerHost.h"
#include "platform/Timer.h"

#include <optional>

namespace driverlink {

class Sequencer {
public:
    static constexpr int TimeoutMs = 5000;
    // The step after a notified reply: the next turn of the event loop (a zero interval never fires).
    static constexpr int AtOnceMs = 1;

    Sequencer(DriverLink& link, SequencerHost& host, SequencerScreen& screen, TemplateSource& templates);

    // Starts a connection (Read!, the initialisations): the replies re-arm the sequencer from now on
    // and a missing reply is sent again after the time-out.
    void connect(Procedure first, const QString& stepData = {});
    // Hands a procedure to the running sequencer: waits until the step in progress has been answered,
    // then starts the procedure at its first state. False when the connection stopped meanwhile: the
    // procedure never started.
    bool begin(Procedure first, const QString& stepData = {});
    // Handles events until the procedure has ended, and says how. Never spins.
    Ending wait();
    Ending run(Procedure first, const QString& stepData = {})
    {
        begin(first, stepData);
        return wait();
    }
    // The user cancelled a procedure before it began: the on-line loop goes on.
    void resumeOnline();
    // Stop!, the wait dialog's Stop, or a communication error. With unsaved changes the host may keep
    // the connection (false), unless the caller has asked already.
    bool stop(StopSender sender, bool ask = true);
    // No further step until proceed() (the about box, the diagnostic STOP and RUN buttons).
    void pause() { Timer1.setEnabled(false); }
    void proceed(bool withTimeout = false);
    // The step in flight is sent again if its reply does not come in time.
    void armTimeout() { TimeoutTimer.setEnabled(true); }
    // The driver's channel closed, or the program is ending: every wait ends.
    void driverGone();
    void closing();

    quint16 state() const { return SequencerState; }
    // The on-line loop is reading the device's values.
    bool online() const { return SequencerState >= states::Online && SequencerState <= states::OnlineLast; }
    bool exchangeRunning() const { return ExchangeRunning; }
    bool commError() const { return CommError; }
    // The device answered "Command Error!" to the command since the last procedure began.
    bool refused(int command) const { return Refused.contains(command); }
    quint8 deviceFlags() const { return DeviceFlags; }
    int retryCount() const { return RetryCount; }
    bool waitShown() const { return WaitShown; }
    bool stepArmed() const { return Timer1.isEnabled(); }
    // The last write went through its whole write list (what followed may still have been stopped).
    bool writeListDone() const { return WriteListDone; }
    // The errors on the list when the write list was done: a Stop after it empties the list.
    int writeErrorCount() const { return WriteErrors; }
    // Identity replies taken so far (refused ones are not): tells whether a re-identification was answered.
    int identitiesTaken() const { return IdentitiesTaken; }
    bool timeoutArmed() const { return TimeoutTimer.isEnabled(); }
    // A scan of the loop is under way, and the polling address it has come to.
    bool scanning() const { return SequencerState >= states::ScanBase && SequencerState <= states::ScanEnd; }
    int scanAddress() const { return (SequencerState - states::ScanBase) / states::ScanStepsPerAddress; }
    // A procedure's handler is waiting for the sequencer (not every such wait shows the wait dialog):
    // another procedure must not take the sequencer from under it.
    bool procedureWaiting() const { return Waits > 0; }
    // The commands a write would walk through, in order; which of them it sends the change flags decide.
    QList<int> writeListCommands() { return templates.writeListCommands(); }

    void Timer1Timer();
    void TimeoutTimerTimer();
    void Timer2Timer();

    void BeginWait(bool writeGauge, bool readGauge);
    void EndWait();
    void EndWaitAfterWriting();
    void EndSequence(bool configurationRead);

    // The reply decoder, for every changed reply of the driver.
    void DdeClientItem1Change(const QStringList& lines);

private:
    friend struct SequencerProbe; // tests set up single steps

    void start(quint16 state, const QString& stepData);
    void waitForStepEnd();

    // The step of the current state (StepInterpreter.cpp): sets CommandCode and appends the data lines
    // of the command it sends, or does what it does when it sends nothing and changes the state.
    void takeStep(QString& data);
    void openStep(const Step& step);
    // False when the step sends nothing.
    bool chooseCommand(const Step& step, QString& data);
    bool holds(When when) const;
    bool templateCommand(Source list, QString& data);
    quint8 templateStep(int base, const QString& section, QString& data);
    quint8 writeStep(QString& data);
    void finishStep(const Step& step);
    void endRead(quint16 next);
    void endSequence(quint16 next, bool configurationRead);
    // The scan has ended, as said: the sequencer rests, nothing awaited.
    void endScan(Ending how);

    // False when no reply is to be awaited: the text was not sent and the procedure has ended.
    bool send(const QString& text);
    void giveUp();
    // Ends the procedure in progress without a reply: it is said to have been refused.
    void endRefused();
    // The sequencer's side of every stop: no further step, idle, nothing awaited.
    void halt(StopSender sender);

    void decode(const QStringList& lines);
    void decodeIdentity(const QStringList& lines);
    // A reply to the scan's command at the address it has come to: told to the host, nothing decoded
    // into the device state and no error stops anything (an empty address answers with one).
    void takeScanReply(const QStringList& lines);
    bool answersThisStep(const QStringList& lines) const;

    DriverLink& link;
    SequencerHost& host;
    SequencerScreen& screen;
    TemplateSource& templates;

    quint16 SequencerState = states::Idle;
    quint8 CommandCode = NoCommand;
    QString StepData;
    qint32 RetryCount = 0;
    bool ReplyTaken = false;
    bool DriverBusy = false;
    bool ExchangeRunning = false;
    bool CommError = false;
    bool WaitShown = false;
    quint8 DeviceFlags = 0;
    quint8 UniversalRevision = 5; // of the device last identified
    quint8 realCommand = 0;
    bool WriteListDone = false;
    bool WroteSomething = false; // the write list has sent a command since it began
    int WriteErrors = 0;
    int IdentitiesTaken = 0;
    int Waits = 0;
    bool CommandRefused = false; // the last reply decoded was "Command Error!"
    QList<int> Refused;          // the commands refused since the last procedure began
    // What the address the scan has come to answered: its identity, and its universal revision.
    bool ScanAnswered = false;
    int ScanRevision = 0;
    // Set when a procedure ends otherwise than by coming back to the on-line loop.
    std::optional<Ending> ending;

    platform::Timer Timer1;
    platform::Timer TimeoutTimer;
    platform::Timer Timer2;
};

} // namespace driverlink
