#pragma once
// The command sequencer: one state machine through which all HART traffic passes. Timer1 takes one
// step (builds the command of the current state and sends it), the handled reply advances the state
// and re-arms Timer1, and TimeoutTimer sends the same step again when no reply came in time.
// Ranges of states are procedures: on-line reading 100..102, reading 200..251, writing 300..349,
// range setting and zeroing 400..422, initialisation 430..451, test and reset 500..516, fixed output
// and trims 520..552, burst mode 560..582, final assembly number 590..591, methods 600..609.
#include "link/DriverLink.h"
#include "link/SequencerHost.h"
#include "platform/Timer.h"

namespace driverlink {

class Sequencer {
public:
    static constexpr quint16 Idle = 254;
    static constexpr quint16 Online = 100;
    static constexpr quint8 NoCommand = 254;
    static constexpr quint8 Extended = 255;
    static constexpr int TimeoutMs = 5000;

    Sequencer(DriverLink& link, SequencerHost& host);

    // Starts a procedure at its first state.
    void start(quint16 state, bool withTimeout = false);
    // Handles events until the sequencer is between two steps (Timer1 armed) or stopped.
    void waitForStepEnd();
    // Handles events until the sequencer is back in the on-line loop; false when the connection
    // stopped instead (a communication error or Stop!).
    bool waitForOnline();

    void Timer1Timer();
    void TimeoutTimerTimer();
    void Timer2Timer();

    void BeginWait(bool writeGauge, bool readGauge);
    void EndWait();
    void EndWaitAfterWriting();
    void EndSequence();

    // The reply decoder, for every changed reply of the driver.
    void DdeClientItem1Change(const QStringList& lines);

    quint16 SequencerState = Idle;
    quint8 CommandCode = NoCommand;
    QString StepData;
    qint32 RetryCount = 0;
    bool ReplyTaken = false;
    bool DriverBusy = false;
    bool ExchangeRunning = false;
    bool CommError = false;
    bool WaitShown = false;
    quint8 DeviceFlags = 0;

    platform::Timer Timer1;
    platform::Timer TimeoutTimer;
    platform::Timer Timer2;

private:
    // Carries out the action of the current state: sets CommandCode, may append data lines and
    // change the state.
    void performState(QString& data);
    void templateRead(QString& data);
    void templateWrite(QString& data);
    void templateMethod(QString& data);
    // Command 39 when the device asks for it after a change, else the alternative.
    void eepromCheck(QString& data, const std::function<void()>& otherwise);
    void endAfterWriting(quint16 next);
    void send(const QString& text);

    void decode(const QStringList& lines);
    void decodeData(const QStringList& lines);
    void decodeIdentity(const QStringList& lines);

    DriverLink& link;
    SequencerHost& host;
    MainScreen& screen;
    quint8 realCommand = 0;
};

} // namespace driverlink
