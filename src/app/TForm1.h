#pragma once
// The main window: it owns the driver link, the sequencer and its timers, the configuration shown on
// its pages, the initial-values snapshot and the change flags. Its handlers start and stop the
// connection with a device; the sequencer and the reply decoder reach it through SequencerHost and
// the MainScreen of its controls.
#include "app/MainWindowLayout.h"
#include "app/WindowScreen.h"
#include "config/ChangeFlags.h"
#include "config/ScreenMapping.h"
#include "config/TConfigRecord.h"
#include "config/WriteProcedure.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"
#include "link/SequencerHost.h"

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

class TForm1 : public QMainWindow,
               public driverlink::SequencerHost,
               public driverlink::LinkView,
               public config::ScreenPages,
               public config::WriteHost {
    Q_OBJECT
public:
    explicit TForm1(platform::LinkChannel& channel, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows that live as long as the program, created after the main window in this order.
    void createForms();

    // Handlers
    void FormCreate();
    void PripojClick();
    void OdpojClick(driverlink::StopSender sender) override;
    bool FormCloseQuery();
    void Konec1Click() { close(); }
    void Obsah1Click();
    void Oprogramu1Click();

    void DetailedSetupMenuClick();
    void SetupPanelsChange();
    void DoNowClick(const QString& buttonName);

    void HourGlasCur(bool on) override;
    void EnableMenu(bool enable);

    // SequencerHost
    driverlink::MainScreen& screen() override { return windowScreen; }
    void setupWaitGauge(bool shown, int maximum, bool writing) override;
    void setWaitSecondLine(const QString& text) override;
    void showWaitDialog() override;
    void closeWaitDialog() override;
    void ClearAll() override;
    quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) override;
    void EvalReadCommand(int base, int state, const QStringList& lines) override;
    int ReadStepCount() override;
    int WriteStepCount() override;
    QString MethodSection() override;
    bool isChanged(driverlink::ChangeGroup group) override;
    quint16 selfTestMask(int byte) override;
    void CaptureInitialConfig() override;
    void sequenceEnded() override;
    void CheckDeviceDdf() override;

    // ScreenPages
    QString detailText(const QString& item) const override;
    void setDetailText(const QString& item, const QString& text) override;
    void highlight(driverlink::Control control, bool differs) override;
    void highlightDetail(const QString& item, bool differs) override;
    void rebuildDetailedItems() override;

    // WriteHost
    bool linkOpen() override { return link.LinkOpen(); }
    bool readOnlyUser() override { return ReadOnlyUser; }
    bool screenFromFile() override { return ScreenFromFile; }
    config::ChangeFlags& changeFlags() override { return changes; }
    driverlink::Sequencer& commandSequencer() override { return sequencer; }
    void clearErrors() override;
    void ItemsEnabled(bool enable, bool showOnline) override;
    void markHistoryForReload() override { HistoryRefresh = true; }
    void recordHistory(const QString& activity, bool withSnapshot) override;
    void showInitialConfig() override { config::SetScreen(*this, InitialConfig); }
    void enableWriteButton() override;

    // LinkView
    void showReplyLines(const QStringList& lines) override;
    void showCommandText(const QString& text) override;

    // The device definition file of the device on screen, or empty when there is none.
    QString deviceDefinitionFile() const;

    MainWindowLayout form;
    driverlink::DriverLink link;
    driverlink::Sequencer sequencer;
    config::TConfigRecord InitialConfig;
    config::ChangeFlags changes;
    config::WriteProcedure writing{*this};
    bool ReadOnlyUser = false;
    bool ScreenFromFile = false;
    bool HistoryRefresh = false;
    quint16 SelfTestMask1 = 0;
    quint16 SelfTestMask2 = 0;
    quint16 SelfTestMask3 = 0;
    // Texts and values of the output trims and the fixed output, from the definition file.
    QString LowerOutputLabel = QStringLiteral("4 mA");
    QString UpperOutputLabel = QStringLiteral("20 mA");
    QString LowerOutputDefault = QStringLiteral("4.00");
    QString UpperOutputDefault = QStringLiteral("20.00");
    QString FixOffValue = QStringLiteral("0.00");

    TDatabase* Database = nullptr;
    TAboutBox* AboutBox = nullptr;
    TCekej* Cekej = nullptr;
    TForm2* Form2 = nullptr;
    TTiskEdit* TiskEdit = nullptr;
    TDetailedSetup* DetailedSetup = nullptr;
    TOptions* Options = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void trackChanges();
    // An edit's length rule: a text grown past its limit loses the character before the caret.
    void limitLength(QLineEdit* edit, int limit);
    QString tableFile() const;
    // The file the command templates come from: the device's definition file, else the code table.
    QString templateFile() const;
    // Tunes the main screen from a definition: output texts, masks, editable fields, narrowed lists.
    void applyDefinition(const struct detailed::DefinitionModel& model);
    void showDetailedSetup(bool shown);

    WindowScreen windowScreen{form};
    int readStepCount = 0;
    int writeStepCount = 0;
};
