#pragma once
// What the sequencer and the reply decoder ask of the main window beyond its controls: the wait
// dialog, the command templates, the configuration snapshot and the end of a connection.
#include "link/MainScreen.h"

#include <QStringList>

namespace driverlink {

// The groups of values the user edited; they decide which write commands are sent.
enum class ChangeGroup { Message, Tag, Damping, Range, Units, TransferFunction, Detailed };

// Who stopped the connection.
enum class StopSender { StopButton, WaitDialog, Decoder };

class SequencerHost {
public:
    virtual ~SequencerHost() = default;
    virtual MainScreen& screen() = 0;

    // The wait dialog: gauge shown (the Stop button right of it) or hidden (Stop centred); position 0.
    virtual void setupWaitGauge(bool shown, int maximum, bool writing) = 0;
    virtual void setWaitSecondLine(const QString& text) = 0;
    // Shows the wait dialog modally; returns when it was closed.
    virtual void showWaitDialog() = 0;
    virtual void closeWaitDialog() = 0;
    virtual void HourGlasCur(bool on) = 0;

    // Empties the configuration pages.
    virtual void ClearAll() = 0;
    // The command of template step state - base of a section, its data lines appended to data.
    virtual quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) = 0;
    virtual void EvalReadCommand(int base, int state, const QStringList& lines) = 0;
    virtual int ReadStepCount() = 0;
    virtual int WriteStepCount() = 0;
    virtual QString MethodSection() = 0;
    virtual bool isChanged(ChangeGroup group) = 0;
    virtual quint16 selfTestMask(int byte) = 0; // TST1..TST3 for bytes 0..2

    virtual void CaptureInitialConfig() = 0;
    // The end of a read: change flags cleared, fields and device commands enabled, Read! off,
    // Stop! and Write in device! on.
    virtual void sequenceEnded() = 0;
    virtual void CheckDeviceDdf() = 0;
    virtual void OdpojClick(StopSender sender) = 0;
};

} // namespace driverlink
