#pragma once
// What the sequencer needs around it, each from its owner, the device session: its signals to the
// windows (wait dialog, cursor, the ends of a read and of a connection), the device state (what replies
// show, what write steps carry) and the command templates (the steps of the READ and WRITE lists and of
// the methods).
#include "link/Procedures.h"

#include <QStringList>
#include <optional>

namespace driverlink {

class SequencerHost {
public:
    virtual ~SequencerHost() = default;

    // The wait dialog: gauge shown (the Stop button right of it) or hidden (Stop centred); position 0.
    virtual void setupWaitGauge(bool shown, int maximum, bool writing) = 0;
    virtual void setWaitGaugePosition(int position) = 0;
    virtual void setWaitSecondLine(const QString& text) = 0;
    // Shows the wait dialog modally; returns when it was closed.
    virtual void showWaitDialog() = 0;
    virtual void closeWaitDialog() = 0;
    virtual void HourGlasCur(bool on) = 0;

    // Empties the configuration pages (a read or a search by tag begins).
    virtual void ClearAll() = 0;
    // The read has ended: the configuration becomes the initial one when it is another device's.
    virtual void CaptureInitialConfig() = 0;
    // The end of a read or of a method: fields and device commands enabled, Read! off, Stop! and
    // Write in device! on; the change flags are cleared after a read only (a method leaves the edits
    // not yet written as they are, to be written or warned of).
    virtual void sequenceEnded(bool configurationRead) = 0;
    // The read ended without reading the configuration (no read list could be walked): problem says
    // why, for the user.
    virtual void readIncomplete(const QString& problem) = 0;
    // Stop! with unsaved changes asks whether to disconnect; false keeps the connection.
    virtual bool confirmStop() = 0;
    // The connection has stopped: the window shows the stopped (or, after the wait dialog's Stop,
    // the cancelled) state.
    virtual void connectionStopped(StopSender sender) = 0;
    // The scan of the loop, which runs with no device connected: each reply at an address it asks
    // (an empty address answers "Communication Error!"), and its end.
    virtual void scanReply(int address, const QStringList& lines) = 0;
    virtual void scanEnded(Ending ending) = 0;
};

// The device state as the sequencer and its reply decoder use it.
class SequencerScreen {
public:
    virtual ~SequencerScreen() = default;
    // The polling address as shown: "0".."15", or "unknown" after an initialisation by tag.
    virtual QString pollAddress() const = 0;
    virtual void setPollAddress(const QString& address) = 0;
    virtual void setProgramStatus(const QString& text) = 0;
    virtual void addError(const QString& entry) = 0;
    virtual int errorCount() const = 0;
    virtual void showErrorList() = 0;
    // Diagnostics nobody sees: the state of each step, the reply's command beside the expected one.
    virtual void showStepState(quint16 state) = 0;
    virtual void showReplyCheck(const QString& text) = 0;

    // Manufacturer, type, revision and unique identifier of an identity reply (its flags accepted).
    virtual void showIdentity(const QStringList& lines) = 0;
    // The device status and the data lines of a reply for the address in use; stepData: the data the
    // procedure gave its steps (what a command 40 asked for: a device may answer a release with the
    // current it now drives, not with 0).
    virtual void showReply(const QStringList& lines, const QString& stepData) = 0;
    // The data lines a write step appends for its command number; nothing when the step is skipped
    // because its group of values is unchanged.
    virtual std::optional<QStringList> writeData(int command) = 0;
};

// The command templates of the device on screen.
class TemplateSource {
public:
    virtual ~TemplateSource() = default;
    // The command of template step state - base of a section, its data lines appended to data;
    // 254 when there is none, 255 with the real number in realCommand for an extended template.
    virtual quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) = 0;
    // Spreads a read step's reply over its items; false when the reply belongs to something else and
    // the step must be sent once more.
    virtual bool EvalReadCommand(int base, int state, const QStringList& lines) = 0;
    virtual int ReadStepCount() = 0;
    virtual int WriteStepCount() = 0;
    // The commands of the WRITE list in its order, an extended template by its real command.
    virtual QList<int> writeListCommands() = 0;
    // The section of the method being run.
    virtual QString MethodSection() const = 0;
    // Why the read list cannot be walked (which file, what is wrong with it); empty when it can.
    virtual QString readProblem() = 0;
};

} // namespace driverlink
