#pragma once
// The main window: it shows the device session handed to it and starts and stops its work. Its
// controls are bound to the session's device state (WindowScreen), its wait dialog and buttons follow
// the session's signals, and its handlers hand the menus' procedures to src/operations, to which the
// window is the one OperationHost. It builds no link and no sequencer: application code builds the
// session and gives it to the window.
#include "app/MainWindowLayout.h"
#include "app/WindowScreen.h"
#include "config/TConfigRecord.h"
#include "device/DeviceSession.h"
#include "operations/OperationHost.h"
#include "operations/ServiceProcedures.h"
#include "operations/WriteProcedure.h"
#include "platform/Profile.h"
#include "settings/WireChoice.h"
#include "trend/TrendRecorder.h"

#include <QMainWindow>

class TAboutBox;
class TCekej;
class TDatabase;
class TDetailedSetup;
class TForm2;
class TLoopScan;
class TOptions;
class TTiskEdit;
class TCalibration;
class QPrinter;
namespace print {
struct PlacedText;
}
namespace history {
class HistoryHost;
struct CalibrationRecord;
} // namespace history
namespace trend {
class TTrend;
}

class TForm1 : public QMainWindow, public operations::OperationHost {
    Q_OBJECT
public:
    explicit TForm1(device::DeviceSession& session, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows that live as long as the program, created after the main window in this order.
    void createForms();

    // Handlers
    void FormCreate();
    void PripojClick();
    void OdpojClick(driverlink::StopSender sender) { session.sequencer.stop(sender); }
    bool FormCloseQuery();
    void Konec1Click() { close(); }
    // A termination signal (a logout, kill, Ctrl+C): the program ends as closing the window does, but asks
    // nothing, since nobody may be there to answer. A procedure under way ends first, so that a write is
    // never cut in half; a connection is then stopped and questions still open are answered as Cancel.
    void terminationRequested();
    bool endRequested() const { return ending; }
    void Obsah1Click();
    void Oprogramu1Click();
    void DetailedSetupMenuClick();
    // Scan Loop...: stops a connection (asked), scans the loop in its window, and initialises the device
    // chosen there as Initialization by Address does.
    void ScanLoopClick();
    void SetupPanelsChange();
    void DoNowClick(const QString& buttonName);
    void UlozClick();
    void OpenFileClick();
    // Shows a configuration file off-line, as Open does once the file is chosen.
    void openConfigurationFile(const QString& path);
    // File's list of the files opened or saved last, from the settings file.
    void showRecentFiles();
    void TiskniClick();
    void TiskniPreviewClick();
    void MenuTrendClick();
    void CalibrationCheckClick();
    // Options has stored another wire: a driver this program started is started again on it, at once or,
    // while a connection runs, once it has stopped.
    void wireChosen(const settings::WireChoice& choice);
    // The configuration protocol of what the window shows now.
    QList<print::PlacedText> protocolPage() const;
    // Prints a page (the protocol, a calibration certificate) on the printer or into the PDF file chosen.
    void printPage(const QList<print::PlacedText>& page);
    void printCertificate(const history::CalibrationRecord& record);
    // Stops the connection so that a stored configuration can be shown; false when the user keeps it.
    bool leaveConnection();
    // The values a record (a history snapshot) holds differently are yellow.
    void showComparison(const config::TConfigRecord& record);
    // Shows a stored configuration off-line in its own definition language (an older file's twenty
    // fields only), ready to be saved, printed or written into a device.
    void showStoredConfiguration(const config::TConfigRecord& record, bool olderKind = false);
    // The definition-file language of what is shown, its third byte marking whether the detailed setup is.
    QByteArray withDefinitionMarker(const QByteArray& language) const;

    void HourGlasCur(bool on);
    void EnableMenu(bool enable);
    void ItemsEnabled(bool enable, bool showOnline) override;
    // Empties the configuration pages and refills the lists in the configured language, or in the
    // language of what is about to be shown.
    void ClearAll() { session.clear(session.language); }
    void ClearAll(const config::LanguageState& shown) { session.clear(shown); }

    device::DeviceSession& session;
    MainWindowLayout form;
    bool ReadOnlyUser = false;
    bool ScreenFromFile = false;
    bool HistoryRefresh = false;

    TDatabase* Database = nullptr;
    TAboutBox* AboutBox = nullptr;
    TCekej* Cekej = nullptr;
    TForm2* Form2 = nullptr;
    TTiskEdit* TiskEdit = nullptr;
    TDetailedSetup* DetailedSetup = nullptr;
    TOptions* Options = nullptr;
    trend::TTrend* Trend = nullptr;      // made when first shown
    TCalibration* Calibration = nullptr; // made when first shown
    TLoopScan* LoopScan = nullptr;

private:
    WindowScreen windowScreen{form};

public:
    // Records the on-line values from the start, so that the Trend window shows what came before it opened.
    trend::TrendRecorder trendRecorder{session};
    operations::WriteProcedure writing{*this};
    operations::ServiceProcedures service{*this};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // OperationHost
    bool linkOpen() const override { return session.link.LinkOpen(); }
    bool readOnlyUser() const override { return ReadOnlyUser; }
    bool screenFromFile() const override { return ScreenFromFile; }
    driverlink::Sequencer& commandSequencer() override { return session.sequencer; }
    config::DeviceState& deviceState() override { return session.state; }
    void setProgramStatus(const QString& text) override { session.setProgramStatus(text); }
    void enableWriteButton() override;
    void beginConnection() override;
    void enableStop() override;
    operations::OutputTexts outputTexts() const override;
    void markHistoryForReload() override { HistoryRefresh = true; }
    void showInitialConfig() override { session.showInitialConfig(); }
    void WriteDbIndex(const QString& activity, bool withSnapshot) override;
    void recordFor(const RecordedDevice& device, const QString& activity) override;
    // errorText: what the entry says beside the activity; nothing: the first entry of the error list.
    void record(const RecordedDevice& device, const QString& activity, bool withSnapshot,
                const std::optional<QString>& errorText = std::nullopt);

    void EndTimerTimer();
    // A configuration file was opened or saved: the title names it and File offers it again.
    void fileShown(const QString& path);
    void changeRecentFiles(const std::function<platform::Result(platform::Profile&)>& change);

    void connectHandlers();
    void connectMenus();
    // The window's side of the session's signals.
    void connectSession();
    void connectWaitDialog();
    void bindEditRules();
    // The session's state was emptied: the window's own colours, pages and fields follow.
    void pagesCleared();
    void procedureEnded(driverlink::Ending ending);
    void connectionStopped(driverlink::StopSender sender);
    void readIncomplete(const QString& problem);
    void loopScanEnded(driverlink::Ending ending);
    void showDetailedSetup(bool shown);

    // The folder of the history files: the Options dialog's location, else the shared folder.
    QString historyFolder() const;
    history::HistoryHost& historyLink();

    // The status bar's wire: that of the driver this program started, else which driver is used as it is.
    void showWire();
    void RestartTimerTimer();

    // Takes the program's end a step further after a termination signal.
    platform::Timer EndTimer{100};
    bool ending = false;
    settings::WireChoice wire;      // as the settings file holds it
    settings::WireChoice wireInUse; // the one the driver started here was given
    // Starts the driver again on the wire chosen, once the connection running when it was chosen has stopped.
    platform::Timer RestartTimer{1};
    bool restartPending = false;
    // How often the pages have been emptied: the detailed setup window learns so whether the
    // configuration it was opened on is still there.
    quint64 clearings = 0;
    class HistoryLink;
    std::unique_ptr<history::HistoryHost> historyHost;
    std::unique_ptr<QPrinter> printer;
    QList<QAction*> recentFileActions;
};
