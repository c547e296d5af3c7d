#include "app/TForm1.h"

#include "app/MenuCommands.h"
#include "app/TAboutBox.h"
#include "app/TCalibration.h"
#include "app/TCekej.h"
#include "app/TLoopScan.h"
#include "config/CommandCatalogue.h"
#include "detailed/EditRuleBinding.h"
#include "detailed/TDetailedSetup.h"
#include "history/TDatabase.h"
#include "print/TForm2.h"
#include "print/TTiskEdit.h"

#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/Random.h"
#include "platform/Texts.h"
#include "settings/Folders.h"
#include "settings/TOptions.h"
#include "trend/TTrend.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>

using config::Control;
using driverlink::StopSender;

TForm1::TForm1(device::DeviceSession& session, QWidget* parent) : QMainWindow(parent), session(session)
{
    form.setup(*this);
    windowScreen.takeWidgets();
    // The rules come first, so that the state sees each edit once, already corrected.
    bindEditRules();
    windowScreen.bind(session.state);
    connectSession();
    connectHandlers();
    connectMenus();
    EndTimer.OnTimer = [this] { EndTimerTimer(); };
    RestartTimer.OnTimer = [this] { RestartTimerTimer(); };
}

TForm1::~TForm1() { session.sequencer.closing(); }

void TForm1::createForms()
{
    Database = new TDatabase(historyLink(), this);
    AboutBox = new TAboutBox(this);
    Cekej = new TCekej(this);
    connect(Cekej, &TCekej::stopClicked, this, [this] { OdpojClick(StopSender::WaitDialog); });
    Form2 = new TForm2(this);
    Form2->page = [this] { return protocolPage(); };
    Form2->help = [this] { Obsah1Click(); };
    TiskEdit = new TTiskEdit(this);
    TiskEdit->help = [this] { Obsah1Click(); };
    DetailedSetup = new TDetailedSetup(session.state.items, this);
    session.itemScale = DetailedSetup->scaleFactor();
    DetailedSetup->onHelp = [this] { Obsah1Click(); };
    DetailedSetup->onMethod = [this](const QString& button) { DoNowClick(button); };
    LoopScan = new TLoopScan(session, this);
    Options = new TOptions(this);
    Options->readOnlyUser = [this] { return ReadOnlyUser; };
    Options->itemsEnabled = [this](bool enable, bool showOnline) { ItemsEnabled(enable, showOnline); };
    Options->historyMenuEnabled = [this](bool enable) { form.MenuHistory->setEnabled(enable); };
    Options->historyRefresh = [this] { HistoryRefresh = true; };
    Options->record = [this](const QString& activity, bool withSnapshot) { WriteDbIndex(activity, withSnapshot); };
    Options->help = [this] { Obsah1Click(); };
    Options->wireChosen = [this](const settings::WireChoice& choice) { wireChosen(choice); };
    Options->loggedIn = [this](const QString& fullName, bool readOnly) {
        TiskEdit->NastaveniProvedl->setText(fullName);
        ReadOnlyUser = readOnly;
    };
    Options->FormCreate();
    showRecentFiles();
}

void TForm1::connectHandlers()
{
    connect(form.Pripoj, &QPushButton::clicked, this, [this] { PripojClick(); });
    connect(form.Odpoj, &QPushButton::clicked, this, [this] { OdpojClick(StopSender::StopButton); });
    connect(form.Button1, &QPushButton::clicked, this, [this] { session.sequencer.pause(); });
    connect(form.Button2, &QPushButton::clicked, this, [this] { session.sequencer.proceed(); });
    connect(form.ZapisPrev, &QPushButton::clicked, this, [this] { writing.ZapisPrevClick(); });
    connect(form.SetupPanels, &QTabWidget::currentChanged, this, [this] { SetupPanelsChange(); });
}

void TForm1::connectMenus()
{
    for (const MenuCommand& command : menuCommands())
        connect(form.*command.member, &QAction::triggered, this, [this, handler = command.handler] { handler(*this); });
}

void TForm1::bindEditRules()
{
    const auto tell = [this](QString platform::Texts::*why) {
        return [this, why] { session.setProgramStatus(platform::texts().*why); };
    };
    for (const config::ValueRow& row : config::valueCatalogue()) {
        auto* edit = qobject_cast<QLineEdit*>(windowScreen.widget(row.control));
        if (!edit || !row.rule) continue;
        if (row.rule->packedAscii)
            detailed::bindEditRule(edit, *row.rule, tell(&platform::Texts::notStorable));
        else if (row.rule->latin1)
            detailed::bindEditRule(edit, *row.rule, tell(&platform::Texts::longTagNotStorable));
        else
            detailed::bindEditRule(edit, *row.rule);
    }
}

void TForm1::connectSession()
{
    using device::DeviceSession;
    connect(&session.state, &config::DeviceState::edited, this, [this] { form.ZapisPrev->setEnabled(true); });
    connect(&session.state, &config::DeviceState::fixedCurrentChanged, this, [this](const QString& current) {
        form.FixedCurrent->setText(current.isEmpty() ? QString() : platform::texts().loopCurrentFixed.arg(current));
        form.FixedCurrent->setVisible(!current.isEmpty());
    });
    connect(&session, &DeviceSession::programStatusChanged, form.ProgramStatus, &QLabel::setText);
    connect(&session, &DeviceSession::errorListShown, this, [this] { form.Error->setVisible(true); });
    connect(&session, &DeviceSession::stepShown, this,
            [this](quint16 step) { form.Label30->setText(QString::number(step)); });
    connect(&session, &DeviceSession::replyChecked, form.Label26, &QLabel::setText);
    connect(&session, &DeviceSession::replyLinesShown, this,
            [this](const QStringList& lines) { form.DdeDat->setPlainText(lines.join(u'\n')); });
    connect(&session, &DeviceSession::commandTextShown, form.Label27, &QLabel::setText);
    connect(&session, &DeviceSession::cleared, this, &TForm1::pagesCleared);
    connect(&session, &DeviceSession::procedureEnded, this, &TForm1::procedureEnded);
    connect(&session, &DeviceSession::stopped, this, &TForm1::connectionStopped);
    connect(&session, &DeviceSession::readFailed, this, &TForm1::readIncomplete);
    connect(&session, &DeviceSession::loopScanEnded, this, &TForm1::loopScanEnded);
    connect(&session, &DeviceSession::newDeviceRead, this, [this] {
        form.NavratHodnotm1->setEnabled(true);
        WriteDbIndex(platform::texts().activityConnected, true);
    });
    connect(&session, &DeviceSession::definitionLoaded, this, [this](const detailed::DefinitionModel& model) {
        if (Cekej) Cekej->gauge()->setMaximum(model.readStepCount);
        if (DetailedSetup) DetailedSetup->SetVariableItems(model);
    });
    connect(&session, &DeviceSession::detailedSetupAvailable, this, &TForm1::showDetailedSetup);
    connect(&session, &DeviceSession::busy, this, &TForm1::HourGlasCur);
    connect(&session, &DeviceSession::linkChanged, this, &TForm1::showWire);
    connectWaitDialog();
}

void TForm1::connectWaitDialog()
{
    using device::DeviceSession;
    connect(&session, &DeviceSession::waitGauge, this, [this](bool shown, int maximum, bool writing) {
        if (!Cekej) return;
        Cekej->showGauge(shown);
        Cekej->gauge()->setMinimum(0);
        Cekej->gauge()->setValue(0);
        if (!shown) return;
        Cekej->gauge()->setMaximum(maximum);
        Cekej->setGaugeColour(writing ? QColor(255, 0, 0) : QColor(0, 0, 255));
    });
    connect(&session, &DeviceSession::waitProgress, this, [this](int position) {
        if (Cekej) Cekej->gauge()->setValue(position);
    });
    connect(&session, &DeviceSession::waitSecondLine, this, [this](const QString& text) {
        if (Cekej) Cekej->setSecondLine(text);
    });
    connect(&session, &DeviceSession::waitShown, this, [this] {
        if (Cekej) platform::dialogs().showModal(*Cekej);
    });
    connect(&session, &DeviceSession::waitClosed, this, [this] {
        if (Cekej && Cekej->isVisible()) Cekej->done(QDialog::Accepted);
    });
}

void TForm1::FormCreate()
{
    ReadOnlyUser = false;
    showDetailedSetup(false);
    platform::seedRandomFromClock();
    session.state.setText(Control::PollAddr, QStringLiteral("0"));

    // A first start has no settings file yet, and a working folder that cannot be made has none
    // either: the definition language is then the one the Options dialog offers by default, so that
    // a read of a device is complete.
    QString ddfSetting = QStringLiteral("english");
    QString netPath;
    try {
        const platform::Profile settingsFile(settings::settingsFile());
        ddfSetting = settingsFile.readString(settings::SettingsSection, QStringLiteral("LanguageDdf"), ddfSetting);
        netPath = settingsFile.readString(settings::SettingsSection, QStringLiteral("NetPath"));
        wire = settings::readWireChoice(settingsFile);
    } catch (const std::exception&) {
        // The settings start-up of the Options dialog says why, once.
    }
    session.open(config::languageCodeForSetting(ddfSetting).value_or(session.language.DdfLanguage), netPath,
                 settings::driverArguments(wire));
}

void TForm1::PripojClick()
{
    // A driver that went away is started and connected again as at start-up; that says itself when
    // no driver answers.
    if (session.link.lost()) {
        const bool opened = session.link.DoNewLink();
        showWire();
        if (!opened) return;
    }
    if (!session.link.LinkOpen()) {
        platform::dialogs().message(platform::texts().driverNotFound);
        return;
    }
    ScreenFromFile = false;
    HistoryRefresh = true;
    form.Odpoj->setEnabled(true);
    session.state.clearErrors();
    form.SetupPanels->setCurrentWidget(form.InstrumentBox);
    showDetailedSetup(false);
    session.read();
}

void TForm1::wireChosen(const settings::WireChoice& choice)
{
    wire = choice;
    if (!session.setWireArguments(settings::driverArguments(choice))) return;
    if (session.link.LinkOpen() && !session.link.startedDriver()) {
        platform::dialogs().message(platform::texts().wireKeptByDriver);
        return;
    }
    if (form.Odpoj->isEnabled()) {
        restartPending = true;
        platform::dialogs().message(platform::texts().wireAfterStop);
        return;
    }
    session.restartDriver();
}

void TForm1::RestartTimerTimer()
{
    RestartTimer.setEnabled(false);
    // A connection started again in the meantime keeps the driver until it stops too.
    if (form.Odpoj->isEnabled() || session.sequencer.procedureWaiting()) return;
    restartPending = false;
    session.restartDriver();
}

void TForm1::showWire()
{
    if (session.link.startedDriver()) wireInUse = wire;
    form.WireStatus->setText(settings::wireStatus(
        wireInUse, {session.link.LinkOpen(), session.link.startedDriver(), session.link.netPathSetting()}));
}

void TForm1::MenuTrendClick()
{
    if (!Trend) Trend = new trend::TTrend(trendRecorder, this);
    Trend->showTrend();
}

void TForm1::CalibrationCheckClick()
{
    if (!Calibration) {
        // The adjustments between the runs: the commands of the menus themselves.
        Calibration = new TCalibration(
            session,
            {form.NastaveniPocatku, form.NastaveniKonce, form.NulovaniCidla, form.Trimovani4mA, form.Trimovani20mA},
            this);
        Calibration->technician = [this] { return TiskEdit ? TiskEdit->configuredBy() : QString(); };
        Calibration->historyFolder = [this] { return historyFolder(); };
        Calibration->recordActivity = [this](const QString& activity) { WriteDbIndex(activity, true); };
        Calibration->printCertificate = [this](const history::CalibrationRecord& record) { printCertificate(record); };
    }
    Calibration->showCheck();
}

void TForm1::ScanLoopClick()
{
    // A driver that went away is started and connected again, as for Read!.
    if (session.link.lost() && !session.link.DoNewLink()) return;
    if (!operations::commandAllowed(*this, operations::Command::ScanLoop) || !LoopScan) return;
    bool changesLeft = false; // the user has let unsaved changes go
    if (session.sequencer.exchangeRunning()) {
        // The scan takes the loop: the connection ends first. Unsaved changes are asked about instead.
        if (!session.state.changes.AreChanges() &&
            platform::dialogs().confirm(platform::texts().scanStopsConnection, platform::Buttons::OkCancel) !=
                platform::Answer::Ok)
            return;
        if (!leaveConnection()) return;
        changesLeft = true;
    }
    LoopScan->prepare();
    if (!session.scanLoop(Options && Options->hart7Loop() ? 63 : 15)) return;
    platform::dialogs().showModal(*LoopScan);
    if (LoopScan->scanRunning()) session.sequencer.stop(StopSender::StopButton, false); // closed some other way
    // Connect reads the chosen device over what is shown: edits not written are asked about, as before Open.
    if (const auto address = LoopScan->chosenAddress(); address && (changesLeft || leaveConnection()))
        service.initializeAt(*address);
}

void TForm1::readIncomplete(const QString& problem)
{
    // What is on screen is no configuration of the device: nothing to edit or write.
    ItemsEnabled(false, true);
    form.ZapisPrev->setEnabled(false);
    session.setProgramStatus(problem);
    platform::dialogs().error(platform::texts().readIncomplete.arg(problem));
}

void TForm1::connectionStopped(StopSender sender)
{
    if (restartPending) RestartTimer.setEnabled(true);
    session.setProgramStatus({});
    form.Pripoj->setEnabled(true);
    form.Odpoj->setEnabled(false);
    EnableMenu(false);
    if (sender == StopSender::WaitDialog) {
        // The user cancelled a running procedure: nothing of the device stays on screen.
        HourGlasCur(false);
        ClearAll();
        session.state.clearErrors();
        form.ZapisPrev->setEnabled(false);
        return;
    }
    form.ZapisPrev->setEnabled(true);
    ItemsEnabled(true, false);
}

bool TForm1::FormCloseQuery()
{
    if (!ending) {
        if (form.Odpoj->isEnabled()) {
            platform::dialogs().message(platform::texts().stopCommunicationFirst);
            return false;
        }
        if (session.state.changes.AreChanges() && form.Zprava->isEnabled() &&
            platform::dialogs().confirm(platform::texts().changesNotSaved, platform::Buttons::YesNoCancel) !=
                platform::Answer::Yes)
            return false;
    }
    // The setting as the Options dialog holds it. A driver the user started (another wire, another
    // program's) is not this program's to end.
    if ((!Options || Options->driverAutoOff()) && session.link.startedDriver()) session.link.terminate();
    return true;
}

void TForm1::terminationRequested()
{
    ending = true;
    EndTimer.setEnabled(true);
}

void TForm1::EndTimerTimer()
{
    QWidget* modal = QApplication::activeModalWidget();
    // A scan of the loop changes nothing in a device: it is not waited for.
    if (modal && modal == LoopScan) {
        LoopScan->reject();
        return;
    }
    // A procedure under way ends first, by its own limits (a device that stops answering gives a
    // communication error).
    if (session.sequencer.procedureWaiting()) return;
    if (modal && modal == Cekej) { // a read under way: stopped like any connection
        session.sequencer.stop(StopSender::StopButton, false);
        return;
    }
    if (modal) {
        // Its handler goes on with Cancel; the next step finds the next one, or none. Edits in the detailed
        // setup are left on screen rather than asked about, which would only open the window again.
        if (modal == DetailedSetup) DetailedSetup->resetChangeTracking();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    // A handler still on its way out of a dialog, or the start-up, which ends on its own once it sees the request.
    if (QThread::currentThread()->loopLevel() > 1 || !isVisible()) return;
    if (form.Odpoj->isEnabled()) session.sequencer.stop(StopSender::StopButton, false);
    EndTimer.setEnabled(false);
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    // A handler may still be waiting for the sequencer (a write into a device that does not answer):
    // its wait ends now, so that the program can.
    session.sequencer.closing();
}

void TForm1::Obsah1Click()
{
    if (!platform::openDocument(platform::dataFolder() + platform::texts().helpFileName))
        platform::dialogs().error(platform::texts().helpNotOpened);
}

void TForm1::Oprogramu1Click()
{
    session.sequencer.pause();
    platform::dialogs().showModal(*AboutBox);
}

void TForm1::HourGlasCur(bool on)
{
    QList<QWidget*> widgets = form.hourGlassWidgets();
    widgets << this << Cekej << Database;
    for (QWidget* widget : widgets) {
        if (!widget) continue;
        if (on)
            widget->setCursor(Qt::WaitCursor);
        else
            widget->unsetCursor();
    }
}

void TForm1::EnableMenu(bool enable)
{
    for (QAction* action : form.deviceCommands())
        action->setEnabled(enable);
}

void TForm1::ItemsEnabled(bool enable, bool showOnline)
{
    for (QWidget* field : form.editableFields())
        field->setEnabled(enable);
    if (DetailedSetup) DetailedSetup->ItemsEnabled(enable, showOnline);
    for (QWidget* widget : form.onlineWidgets())
        widget->setVisible(showOnline);
}

void TForm1::pagesCleared()
{
    // The detailed setup window edits what is emptied here (a stop under a method run from it): it
    // closes, and the opener sees that nothing is left to keep or to put back.
    ++clearings;
    setWindowTitle(platform::texts().programCaption); // until a file is named again
    if (DetailedSetup && DetailedSetup->isVisible()) DetailedSetup->reject();
    showDetailedSetup(false);
    for (const config::ValueRow& row : config::valueCatalogue())
        windowScreen.highlight(row.control, false);
    if (DetailedSetup) DetailedSetup->clearHighlights();
    ItemsEnabled(false, false);
    if (Cekej) {
        Cekej->gauge()->setMinimum(0);
        Cekej->gauge()->setMaximum(session.templates.ReadStepCount());
    }
}

void TForm1::procedureEnded(driverlink::Ending ending)
{
    // A read or a method has ended in the on-line loop; a stop is handled where the connection stops.
    if (ending != driverlink::Ending::Online) return;
    ItemsEnabled(true, true);
    EnableMenu(true);
    form.Pripoj->setEnabled(false);
    form.Odpoj->setEnabled(true);
    form.ZapisPrev->setEnabled(true);
}

void TForm1::showDetailedSetup(bool shown)
{
    form.SetupPanels->setTabVisible(form.SetupPanels->indexOf(form.pDetailedSetup), shown);
    form.DetailedSetupMenu->setVisible(shown);
}

void TForm1::enableWriteButton() { form.ZapisPrev->setEnabled(true); }

void TForm1::enableStop() { form.Odpoj->setEnabled(true); }

void TForm1::beginConnection()
{
    // As Read!: what follows is the device, no longer an opened file, in the configured language.
    ScreenFromFile = false;
    session.language.DataLanguage = session.language.DdfLanguage;
    enableStop();
    form.SetupPanels->setCurrentWidget(form.InstrumentBox);
}
