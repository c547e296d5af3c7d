#include "app/TForm1.h"

#include "app/MenuCommands.h"
#include "app/TAboutBox.h"
#include "app/TCekej.h"
#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "detailed/EditRuleBinding.h"
#include "detailed/TDetailedSetup.h"
#include "history/TDatabase.h"
#include "link/CommandMacro.h"
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

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>

using config::Control;
using driverlink::Procedure;
using driverlink::StopSender;

TForm1::TForm1(platform::LinkChannel& channel, QWidget* parent)
    : QMainWindow(parent), link(channel, &windowScreen), sequencer(link, *this, deviceScreen, templates)
{
    form.setup(*this);
    windowScreen.bind();
    link.onReply = [this](const QStringList& lines) { sequencer.DdeClientItem1Change(lines); };
    link.onGone = [this] {
        sequencer.driverGone();
        platform::dialogs().error(platform::texts().driverStopped);
    };
    deviceScreen.messageRead = [this] {
        rebuildDetailedItems(language);
        CheckDeviceDdf(language);
    };
    connectHandlers();
    connectMenus();
    trackChanges();
    EndTimer.OnTimer = [this] { EndTimerTimer(); };
    // A program that ends leaves no procedure waiting.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { sequencer.closing(); });
}

TForm1::~TForm1() { sequencer.closing(); }

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
    DetailedSetup = new TDetailedSetup(this);
    templates.setItems(DetailedSetup);
    DetailedSetup->onHelp = [this] { Obsah1Click(); };
    DetailedSetup->onMethod = [this](const QString& button) { DoNowClick(button); };
    Options = new TOptions(this);
    Options->readOnlyUser = [this] { return ReadOnlyUser; };
    Options->itemsEnabled = [this](bool enable, bool showOnline) { ItemsEnabled(enable, showOnline); };
    Options->historyMenuEnabled = [this](bool enable) { form.MenuHistory->setEnabled(enable); };
    Options->historyRefresh = [this] { HistoryRefresh = true; };
    Options->record = [this](const QString& activity, bool withSnapshot) { WriteDbIndex(activity, withSnapshot); };
    Options->help = [this] { Obsah1Click(); };
    Options->loggedIn = [this](const QString& fullName, bool readOnly) {
        TiskEdit->NastaveniProvedl->setText(fullName);
        ReadOnlyUser = readOnly;
    };
    Options->FormCreate();
}

void TForm1::connectHandlers()
{
    connect(form.Pripoj, &QPushButton::clicked, this, [this] { PripojClick(); });
    connect(form.Odpoj, &QPushButton::clicked, this, [this] { OdpojClick(StopSender::StopButton); });
    connect(form.Button1, &QPushButton::clicked, this, [this] { sequencer.pause(); });
    connect(form.Button2, &QPushButton::clicked, this, [this] { sequencer.proceed(); });
    connect(form.ZapisPrev, &QPushButton::clicked, this, [this] { writing.ZapisPrevClick(); });
    connect(form.SetupPanels, &QTabWidget::currentChanged, this, [this] { SetupPanelsChange(); });
}

void TForm1::connectMenus()
{
    for (const MenuCommand& command : menuCommands())
        connect(form.*command.member, &QAction::triggered, this, [this, handler = command.handler] { handler(*this); });
}

void TForm1::trackChanges()
{
    // The rules come first, so that the change handlers see each change once, already corrected.
    const auto tellRefused = [this] { form.ProgramStatus->setText(platform::texts().notStorable); };
    detailed::bindEditRule(form.Zprava, config::MessageRule, tellRefused);
    detailed::bindEditRule(form.Popis, config::DescriptorRule, tellRefused);
    detailed::bindEditRule(form.Oznaceni, config::TagRule, tellRefused);
    for (QLineEdit* edit : {form.Datum, form.Pocatek, form.Konec, form.Tlumeni})
        detailed::bindEditRule(edit, config::ValueRule);
    auto track = [this](QLineEdit* edit, bool config::ChangeFlags::*flag) {
        connect(edit, &QLineEdit::textChanged, this, [this, flag] {
            changes.*flag = true;
            form.ZapisPrev->setEnabled(true);
        });
    };
    track(form.Zprava, &config::ChangeFlags::MessageChanged);
    track(form.Oznaceni, &config::ChangeFlags::TagChanged);
    track(form.Popis, &config::ChangeFlags::TagChanged);
    track(form.Datum, &config::ChangeFlags::TagChanged);
    track(form.Pocatek, &config::ChangeFlags::RangeChanged);
    track(form.Konec, &config::ChangeFlags::RangeChanged);
    track(form.Tlumeni, &config::ChangeFlags::DampingChanged);
    // Only the user's choice counts: selecting by program blocks the list's signals.
    connect(form.Jednotky, &QComboBox::currentIndexChanged, this, [this] {
        changes.UnitsChanged = changes.RangeChanged = true;
        form.ZapisPrev->setEnabled(true);
    });
    connect(form.Funkce, &QComboBox::currentIndexChanged, this, [this] {
        changes.TransferFunctionChanged = true;
        form.ZapisPrev->setEnabled(true);
    });
}

void TForm1::FormCreate()
{
    ReadOnlyUser = false;
    showDetailedSetup(false);
    platform::seedRandomFromClock();
    form.PollAddr->setText(QStringLiteral("0"));

    // A first start has no settings file yet, and a working folder that cannot be made has none
    // either: the definition language is then the one the Options dialog offers by default, so that
    // a read of a device is complete.
    QString ddfSetting = QStringLiteral("english");
    QString netPath;
    try {
        const platform::Profile settingsFile(settings::settingsFile());
        ddfSetting = settingsFile.readString(settings::SettingsSection, QStringLiteral("LanguageDdf"), ddfSetting);
        netPath = settingsFile.readString(settings::SettingsSection, QStringLiteral("NetPath"));
    } catch (const std::exception&) {
        // The settings start-up of the Options dialog says why, once.
    }
    if (const auto code = config::languageCodeForSetting(ddfSetting)) language.DdfLanguage = *code;
    language.SetLanguageDdf(language.DdfLanguage);
    // A driver started here names units and transfer functions as this program's lists do.
    if (const QString table = config::tableFilePath(language); !table.isEmpty())
        link.driverArguments = {QStringLiteral("--table"), table};
    link.setNetPath(netPath);
    link.DoNewLink();
}

void TForm1::PripojClick()
{
    // A driver that went away is started and connected again as at start-up; that says itself when
    // no driver answers.
    if (link.lost() && !link.DoNewLink()) return;
    if (!link.LinkOpen()) {
        platform::dialogs().message(platform::texts().driverNotFound);
        return;
    }
    ScreenFromFile = false;
    HistoryRefresh = true;
    form.Odpoj->setEnabled(true);
    form.Error->clear();
    form.SetupPanels->setCurrentWidget(form.InstrumentBox);
    showDetailedSetup(false);
    language.DataLanguage = language.DdfLanguage;
    sequencer.connect(Procedure::Read);
}

bool TForm1::confirmStop()
{
    return !changes.AreChanges() ||
           platform::dialogs().confirm(platform::texts().changesNotSavedInDevice, platform::Buttons::YesNoCancel) ==
               platform::Answer::Yes;
}

void TForm1::readIncomplete(const QString& problem)
{
    // What is on screen is no configuration of the device: nothing to edit or write.
    ItemsEnabled(false, true);
    form.ZapisPrev->setEnabled(false);
    form.ProgramStatus->setText(problem);
    platform::dialogs().error(platform::texts().readIncomplete.arg(problem));
}

void TForm1::connectionStopped(StopSender sender)
{
    form.ProgramStatus->clear();
    form.Pripoj->setEnabled(true);
    form.Odpoj->setEnabled(false);
    EnableMenu(false);
    if (sender == StopSender::WaitDialog) {
        // The user cancelled a running procedure: nothing of the device stays on screen.
        HourGlasCur(false);
        ClearAll();
        form.Error->clear();
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
        if (changes.AreChanges() && form.Zprava->isEnabled() &&
            platform::dialogs().confirm(platform::texts().changesNotSaved, platform::Buttons::YesNoCancel) !=
                platform::Answer::Yes)
            return false;
    }
    // The setting as the Options dialog holds it. A driver the user started (another wire, another
    // program's) is not this program's to end.
    if ((!Options || Options->driverAutoOff()) && link.startedDriver()) link.terminate();
    return true;
}

void TForm1::terminationRequested()
{
    ending = true;
    EndTimer.setEnabled(true);
}

void TForm1::EndTimerTimer()
{
    // A procedure under way ends first, by its own limits (a device that stops answering gives a
    // communication error).
    if (sequencer.procedureWaiting()) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal == Cekej) { // a read under way: stopped like any connection
        sequencer.stop(StopSender::StopButton, false);
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
    if (form.Odpoj->isEnabled()) sequencer.stop(StopSender::StopButton, false);
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
    sequencer.closing();
}

void TForm1::Obsah1Click()
{
    if (!platform::openDocument(platform::programFolder() + platform::texts().helpFileName))
        platform::dialogs().error(platform::texts().helpNotOpened);
}

void TForm1::Oprogramu1Click()
{
    sequencer.pause();
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

void TForm1::setupWaitGauge(bool shown, int maximum, bool writing)
{
    if (!Cekej) return;
    Cekej->showGauge(shown);
    Cekej->gauge()->setMinimum(0);
    Cekej->gauge()->setValue(0);
    if (!shown) return;
    Cekej->gauge()->setMaximum(maximum);
    Cekej->setGaugeColour(writing ? QColor(255, 0, 0) : QColor(0, 0, 255));
}

void TForm1::setWaitGaugePosition(int position)
{
    if (Cekej) Cekej->gauge()->setValue(position);
}

void TForm1::setWaitSecondLine(const QString& text)
{
    if (Cekej) Cekej->setSecondLine(text);
}

void TForm1::showWaitDialog()
{
    if (Cekej) platform::dialogs().showModal(*Cekej);
}

void TForm1::closeWaitDialog()
{
    if (Cekej && Cekej->isVisible()) Cekej->done(QDialog::Accepted);
}

void TForm1::ClearAll(const config::LanguageState& shown)
{
    // The detailed setup window edits what is emptied here (a stop under a method run from it): it
    // closes, and the opener sees that nothing is left to keep or to put back.
    ++clearings;
    if (DetailedSetup && DetailedSetup->isVisible()) DetailedSetup->reject();
    showDetailedSetup(false);
    // Emptying the pages is no edit of the user's: the change flags stay as they were.
    const config::ChangeFlags kept = changes;
    for (int i = 0; i < config::FieldCount; ++i) {
        const Control c = config::controlOf(config::Field(i));
        windowScreen.highlight(c, false);
        if (c != Control::PollAddr && c != Control::Jednotky && c != Control::Funkce) windowScreen.setText(c, {});
    }
    if (DetailedSetup) DetailedSetup->ClearAll();
    outputs = operations::defaultOutputTexts();
    for (QLineEdit* edit : {form.Pocatek, form.Konec, form.Tlumeni, form.Oznaceni, form.Popis, form.Datum, form.Zprava})
        edit->setReadOnly(false);
    for (QLabel* label : {form.Status, form.ProgramStatus, form.PV, form.PVI, form.PVP, form.SV, form.TV, form.FV})
        label->clear();
    ItemsEnabled(false, false);
    form.Funkce->setVisible(true);
    form.Label20->setVisible(true);

    const QString table = config::tableFilePath(shown);
    for (auto [combo, section] : {std::pair{form.Jednotky, QStringLiteral("Units")},
                                  std::pair{form.Funkce, QStringLiteral("TransferFunction")}}) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItems(config::codeTableNames(table, section));
        combo->setCurrentIndex(-1); // the list shows nothing until a value selects an entry
    }
    changes = kept;
    if (Cekej) {
        Cekej->gauge()->setMinimum(0);
        Cekej->gauge()->setMaximum(templates.ReadStepCount());
    }
}

void TForm1::CaptureInitialConfig()
{
    using config::Field;
    if (form.Vyrobce->text() == InitialConfig.text(Field::Manufacturer) &&
        form.Typ->text() == InitialConfig.text(Field::DeviceType) &&
        form.UI->text() == InitialConfig.text(Field::UniqueId))
        return; // the same device again: the snapshot of its first read stays
    config::FromScreen(*this, InitialConfig);
    form.NavratHodnotm1->setEnabled(true);
    WriteDbIndex(platform::texts().activityConnected, true);
}

void TForm1::sequenceEnded(bool configurationRead)
{
    if (configurationRead) changes.ClearChanged();
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
    enableStop();
    form.SetupPanels->setCurrentWidget(form.InstrumentBox);
}
