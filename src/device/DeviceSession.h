#pragma once
// The connection with a device and what is known of it. The session owns the driver link, the
// sequencer with the command templates, the device state (values, change flags, error list, detailed
// items), the definition-file language of what is shown and the initial-values snapshot. It answers
// the sequencer's questions about the device itself and tells by its signals what happened: a window
// binds to the state, follows the signals and hands procedures to the sequencer; nothing here knows a
// widget, so a procedure runs the same with or without the main window.
#include "config/DeviceState.h"
#include "config/Language.h"
#include "config/RecordMapping.h"
#include "config/SequencerView.h"
#include "config/TConfigRecord.h"
#include "detailed/DefinitionModel.h"
#include "detailed/DeviceTemplates.h"
#include "device/LoopScan.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"

#include <QObject>

namespace device {

class DeviceSession : public QObject,
                      private driverlink::SequencerHost,
                      private driverlink::LinkView,
                      private config::DefinitionLookup {
    Q_OBJECT
public:
    explicit DeviceSession(platform::LinkChannel& channel, QObject* parent = nullptr);
    ~DeviceSession() override;
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // The configured definition-file language (a code such as "en") and the driver to talk to: a driver
    // started here names units and transfer functions as the program's lists do. Opens the link.
    void open(const QByteArray& ddfLanguage, const QString& netPath, const QStringList& wireArguments = {});
    // The wire a driver started here is to use, as the driver's options; true when they differ from those
    // it has now. It takes them at its next start (restartDriver).
    bool setWireArguments(const QStringList& arguments);
    // Starts the driver again on the wire of now when this program started it (one found running, or on
    // another computer, is used as it is), or opens the link when none is open.
    void restartDriver();
    // Reads the device on the loop in the configured language.
    void read();
    // Scans the polling addresses 0..lastAddress for devices; what it finds goes into `loop`. Only while
    // no connection runs: false, and nothing sent, while one does.
    bool scanLoop(int lastAddress);

    // Empties the device state and refills the lists in the given language (the configured one, or the
    // language of what is about to be shown).
    void clear(const config::LanguageState& shown);
    // Shows a stored configuration in its language: its values, its definition's items.
    void showRecord(const config::TConfigRecord& record, const config::LanguageState& shown);
    // The device definition file of the device in the state, or empty when there is none or it cannot
    // be used (problem, when given, then says why).
    QString definitionFile(const config::LanguageState& shown, QString* problem = nullptr) const;
    // The definition the detailed items were last laid out with; found is false without one.
    const detailed::DefinitionModel& definition() const { return loaded; }

    QString programStatus() const { return status; }
    void setProgramStatus(const QString& text);

    config::DeviceState state;
    config::LanguageState language;
    // The language whose definition file laid out the detailed items last: a configuration shown from
    // a file or the history has its own.
    config::LanguageState itemsLanguage;
    // The device as first read: the values Back to Initial Values puts back.
    config::TConfigRecord InitialConfig;
    // The long tag of the first read: the record has no room for it, so it is kept beside it.
    QString InitialLongTag;
    // Shows the initial-values snapshot again, the long tag of a device that has one with it.
    void showInitialConfig();
    // Places of a definition are scaled by this factor (the detailed setup window's item area).
    double itemScale = 1.0;
    // What the last scan of the loop found.
    LoopScan loop;

private:
    config::SequencerView view{state};

public:
    driverlink::DriverLink link;
    detailed::DeviceTemplates templates{state, language};
    driverlink::Sequencer sequencer;

signals:
    void linkChanged(); // the driver link has been opened, or has lost its driver
    void identityRead();
    void valuesRead(int command); // the on-line values of a poll, from the reply to this command (1, 2 or 3)
    void configurationRead();
    void procedureEnded(driverlink::Ending ending);
    void stopped(driverlink::StopSender sender); // the connection has stopped
    // The read ended without the configuration; problem says why.
    void readFailed(const QString& problem);
    // A read found another device than the one of the snapshot: it is the initial configuration now.
    void newDeviceRead();
    void cleared();
    void definitionLoaded(const detailed::DefinitionModel& model);
    void detailedSetupAvailable(bool available);
    void programStatusChanged(const QString& text);
    void errorListShown();
    // The wait dialog: its gauge, its second line; shown modally (the slot returns when it closes).
    void waitGauge(bool shown, int maximum, bool writing);
    void waitProgress(int position);
    void waitSecondLine(const QString& text);
    void waitShown();
    void waitClosed();
    void busy(bool on);
    // The scan of the loop: an address asked or a device named (see `loop`), and the scan's end.
    void loopScanned();
    void loopScanEnded(driverlink::Ending ending);
    // Diagnostics nobody sees.
    void stepShown(quint16 step);
    void replyChecked(const QString& text);
    void replyLinesShown(const QStringList& lines);
    void commandTextShown(const QString& text);

private:
    // SequencerHost
    void setupWaitGauge(bool shown, int maximum, bool writing) override { emit waitGauge(shown, maximum, writing); }
    void setWaitGaugePosition(int position) override { emit waitProgress(position); }
    void setWaitSecondLine(const QString& text) override { emit waitSecondLine(text); }
    void showWaitDialog() override { emit waitShown(); }
    void closeWaitDialog() override { emit waitClosed(); }
    void HourGlasCur(bool on) override { emit busy(on); }
    void ClearAll() override { clear(language); }
    void CaptureInitialConfig() override;
    void sequenceEnded(bool configurationRead) override;
    void readIncomplete(const QString& problem) override { emit readFailed(problem); }
    bool confirmStop() override;
    void connectionStopped(driverlink::StopSender sender) override;
    void scanReply(int address, const QStringList& lines) override;
    void scanEnded(driverlink::Ending ending) override;
    // LinkView
    void showReplyLines(const QStringList& lines) override { emit replyLinesShown(lines); }
    void showCommandText(const QString& text) override { emit commandTextShown(text); }
    // DefinitionLookup
    void rebuildDetailedItems(const config::LanguageState& shown) override;
    void CheckDeviceDdf(const config::LanguageState& shown) override;

    void connectView();

    // The definition file of the device shown, and what the sequencer judges by it.
    void useDefinition(detailed::DefinitionModel model);
    detailed::DefinitionModel loaded;
    QStringList tableArguments; // the language table whose names a driver started here is to use
    QStringList wireArguments;
    QString status;
    bool driverGoing = false; // the driver's channel has closed: the connection stops for that
};

} // namespace device
