#pragma once
// The main window: it owns the driver link, the sequencer and its timers, the configuration shown on
// its pages, the initial-values snapshot, the change flags and the definition-file language set at
// start-up. Its handlers start and stop the connection with a device and hand the menus'
// procedures to src/operations; the sequencer sees the window only as a SequencerHost, the pages
// through the screen model (WindowScreen), and takes its commands from the device's templates.
#include "app/MainWindowLayout.h"
#include "app/WindowScreen.h"
#include "config/ChangeFlags.h"
#include "config/DeviceScreen.h"
#include "config/Language.h"
#include "config/ScreenMapping.h"
#include "config/TConfigRecord.h"
#include "detailed/DeviceTemplates.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"
#include "operations/OperationHost.h"
#include "operations/ServiceProcedures.h"
#include "operations/WriteProcedure.h"

#include <QMainWindow>

class TAboutBox;
class TCekej;
class TDatabase;
class TDetailedSetup;
namespace detailed {
struct DefinitionModel;
}
class TForm2;
class TOptions;
class TTiskEdit;
class QLineEdit;
class QPrinter;
namespace print {
struct PlacedText;
}
namespace history {
class HistoryHost;
}

class TForm1 : public QMainWindow,
               public driverlink::SequencerHost,
               public config::ScreenPages,
               public operations::OperationHost {
    Q_OBJECT
public:
    explicit TForm1(platform::LinkChannel& channel, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows that live as long as the program, created after the main window in this order.
    void createForms();

    // Handlers
    void FormCreate();
    void PripojClick();
    void OdpojClick(driverlink::StopSender sender) { sequencer.stop(sender); }
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
    void SetupPanelsChange();
    void DoNowClick(const QString& buttonName);
    void UlozClick();
    void OpenFileClick();
    void TiskniClick();
    void TiskniPreviewClick();
    // The configuration protocol of what the window shows now.
    QList<print::PlacedText> protocolPage() const;
    // Stops the connection so that a stored configuration can be shown; false when the user keeps it.
    bool leaveConnection();
    // Shows a stored configuration off-line in its own definition language (an older file's twenty
    // fields only), ready to be saved, printed or written into a device.
    void showStoredConfiguration(const config::TConfigRecord& record, bool olderKind = false);

    void HourGlasCur(bool on) override;
    void EnableMenu(bool enable);
    void ItemsEnabled(bool enable, bool showOnline) override;
    // Empties the configuration pages and refills the lists in the configured language, or in the
    // language of what is about to be shown.
    void ClearAll() override { ClearAll(language); }
    void ClearAll(const config::LanguageState& shown);

    // The device definition file of the device on screen, or empty when there is none or it cannot be
    // used (problem, when given, then says why).
    QString deviceDefinitionFile(const config::LanguageState& shown, QString* problem = nullptr) const;

    MainWindowLayout form;
    config::LanguageState language;
    config::ChangeFlags changes;
    config::TConfigRecord InitialConfig;
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

private:
    WindowScreen windowScreen{form};
    config::DeviceScreen deviceScreen{windowScreen, changes};
    detailed::DeviceTemplates templates{windowScreen, language};

public:
    driverlink::DriverLink link;
    driverlink::Sequencer sequencer;
    operations::WriteProcedure writing{*this};
    operations::ServiceProcedures service{*this};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // SequencerHost
    void setupWaitGauge(bool shown, int maximum, bool writing) override;
    void setWaitGaugePosition(int position) override;
    void setWaitSecondLine(const QString& text) override;
    void showWaitDialog() override;
    void closeWaitDialog() override;
    void CaptureInitialConfig() override;
    void sequenceEnded(bool configurationRead) override;
    void readIncomplete(const QString& problem) override;
    bool confirmStop() override;
    void connectionStopped(driverlink::StopSender sender) override;

    // ScreenPages and OperationHost
    config::MainScreen& screen() override { return windowScreen; }
    QString detailText(const QString& item) const override;
    void setDetailText(const QString& item, const QString& text) override;
    void highlightDetail(const QString& item, bool differs) override;
    void rebuildDetailedItems(const config::LanguageState& shown) override;
    void CheckDeviceDdf(const config::LanguageState& shown) override;
    bool linkOpen() const override { return link.LinkOpen(); }
    bool readOnlyUser() const override { return ReadOnlyUser; }
    bool screenFromFile() const override { return ScreenFromFile; }
    driverlink::Sequencer& commandSequencer() override { return sequencer; }
    config::ChangeFlags& changeFlags() override { return changes; }
    void enableWriteButton() override;
    void beginConnection() override;
    void enableStop() override;
    operations::OutputTexts outputTexts() const override { return outputs; }
    void markHistoryForReload() override { HistoryRefresh = true; }
    void showInitialConfig() override { config::SetScreen(*this, InitialConfig, language); }
    void WriteDbIndex(const QString& activity, bool withSnapshot) override;
    void recordFor(const RecordedDevice& device, const QString& activity) override;
    void record(const RecordedDevice& device, const QString& activity, bool withSnapshot);

    void EndTimerTimer();

    void connectHandlers();
    void connectMenus();
    void trackChanges();
    // Tunes the main screen from a definition: output texts, masks, editable fields, narrowed lists.
    void applyDefinition(const struct detailed::DefinitionModel& model);
    void showDetailedSetup(bool shown);

    // The folder of the history files: the Options dialog's location, else the shared folder.
    QString historyFolder() const;
    history::HistoryHost& historyLink();

    // Takes the program's end a step further after a termination signal.
    platform::Timer EndTimer{100};
    bool ending = false;
    // From the device definition, or the defaults without one.
    operations::OutputTexts outputs = operations::defaultOutputTexts();
    // How often the pages have been emptied: the detailed setup window learns so whether the
    // configuration it was opened on is still there.
    quint64 clearings = 0;
    // The language whose definition file laid out the detailed items last: a configuration shown from
    // a file or the history has its own.
    config::LanguageState itemsLanguage;
    class HistoryLink;
    std::unique_ptr<history::HistoryHost> historyHost;
    std::unique_ptr<QPrinter> printer;
};
