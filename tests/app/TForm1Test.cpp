// The main window's connection control against an in-process driver, on the virtual clock.
#include "app/TForm1.h"
#include "BlockedWorkingFolder.h"
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ProgramFolder.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "app/TCekej.h"
#include "app/TLoopScan.h"
#include "config/Language.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"
#include "print/TTiskEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using driverlink::StopSender;
using testing_support::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;

namespace {

class TForm1Test : public ::testing::Test {
protected:
    TForm1Test()
    {
        dialogs.allowModal(QStringLiteral("TCekej"));
        testing_support::answerAsPressureTransmitter(driver);
    }

    QString programFolder() const { return folder.path(); }
    void writeSetting(const QString& key, const QString& value)
    {
        const QString folder = this->folder.root() + QStringLiteral("/Morvel Software/Tarvik/");
        QDir().mkpath(folder);
        ASSERT_TRUE(
            platform::Profile(folder + QStringLiteral("VELKOR.INI")).writeString(QStringLiteral("Velkor"), key, value));
    }
    // The window as the program starts it.
    TForm1& start()
    {
        window.reset(); // before the session it shows
        session = std::make_unique<device::DeviceSession>(channel);
        window = std::make_unique<TForm1>(*session);
        window->session.link.startDriver = [this] { return driverStarts; };
        window->FormCreate();
        window->createForms();
        return *window;
    }
    void read()
    {
        window->PripojClick();
        ASSERT_TRUE(clock.runUntil([&] { return !window->form.Pripoj->isEnabled(); }, 60000)) << "the read never ended";
    }
    void runFor(int ms) { clock.advance(ms); }
    // The state of the buttons and commands: Read!, Stop!, Write in device!, device commands.
    std::array<bool, 4> buttons() const
    {
        bool commands = true;
        for (QAction* action : window->form.deviceCommands())
            if (action->isVisible()) commands = commands && action->isEnabled(); // a hidden action reads as disabled
        return {window->form.Pripoj->isEnabled(), window->form.Odpoj->isEnabled(), window->form.ZapisPrev->isEnabled(),
                commands};
    }

    ProgramFolder folder{"TABEN.DDF"};
    platform::VirtualClock clock;
    ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    std::unique_ptr<device::DeviceSession> session;
    std::unique_ptr<TForm1> window;
    bool driverStarts = false; // whether the window can start a driver when none answers
};

using Buttons = std::array<bool, 4>;

TEST_F(TForm1Test, AfterStartOnlyReadIsAvailable)
{
    TForm1& w = start();
    EXPECT_EQ(buttons(), (Buttons{true, false, false, false}));
    EXPECT_EQ(w.session.sequencer.state(), driverlink::states::Idle);
    EXPECT_FALSE(w.session.sequencer.stepArmed());
    EXPECT_EQ(w.form.PollAddr->text(), QStringLiteral("0"));
    EXPECT_EQ(w.session.language.TableFileName, QStringLiteral("TABEN.DDF"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarvik"));
}

TEST_F(TForm1Test, AUnitTheTableLacksIsShownAsTheDevicesOwnEntryUntilAnotherReadOfAKnownOne)
{
    TForm1& w = start();
    driver.replies[15][2] = QStringLiteral("Unknown (75)");
    read();
    QComboBox* units = w.form.Jednotky;
    const int own = units->count() - 1;
    EXPECT_EQ(units->currentIndex(), own);
    EXPECT_EQ(units->currentText(), QStringLiteral("Unknown (75)"));
    EXPECT_TRUE(units->itemData(own, Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(units->itemData(own, Qt::AccessibleDescriptionRole).toString(), platform::texts().ownEntryDescription);
    EXPECT_TRUE(units->font().italic());
    units->setCurrentIndex(units->findText(QStringLiteral("kPa")));
    EXPECT_FALSE(units->font().italic()) << "a table entry chosen is no longer the device's own";
    EXPECT_TRUE(units->accessibleDescription().isEmpty());

    driver.replies[15][2] = QStringLiteral("kPa");
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::Yes);
    w.OdpojClick(StopSender::StopButton);
    read();
    EXPECT_EQ(units->findText(QStringLiteral("Unknown (75)")), -1) << "the entry outlived its device";
}

TEST_F(TForm1Test, ReadShowsTheDeviceAndConnects)
{
    TForm1& w = start();
    w.PripojClick();
    EXPECT_EQ(buttons(), (Buttons{true, true, false, false})) << "reading";
    EXPECT_EQ(w.form.SetupPanels->currentWidget(), w.form.InstrumentBox);
    ASSERT_TRUE(clock.runUntil([&] { return !w.form.Pripoj->isEnabled(); }, 60000));
    EXPECT_EQ(buttons(), (Buttons{false, true, true, true})) << "connected";
    EXPECT_EQ(driver.commands().mid(0, 7), (QList<int>{0, 12, 13, 14, 15, 16, 2}));
    EXPECT_EQ(w.form.Vyrobce->text(), QStringLiteral("Ostrevo"));
    EXPECT_EQ(w.form.Typ->text(), QStringLiteral("PR210"));
    EXPECT_EQ(w.form.HorniMez->text(), QStringLiteral("1600 kPa"));
    EXPECT_EQ(w.form.Konec->text(), QStringLiteral("1000"));
    EXPECT_EQ(w.form.Jednotky->currentText(), QStringLiteral("kPa"));
    EXPECT_EQ(w.form.Funkce->currentText(), QStringLiteral("Linear"));
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("PT-101"));
    EXPECT_EQ(w.form.Zprava->text(), QStringLiteral("SIMULATED"));
    EXPECT_TRUE(w.form.Pocatek->isEnabled());
    EXPECT_FALSE(w.session.state.changes.AreChanges()) << "the read itself counted as an edit";
    runFor(8000);
    EXPECT_EQ(w.form.PV->text(), QStringLiteral("506.2 kPa"));
    EXPECT_EQ(w.form.PVP->text(), QStringLiteral("50.6 %"));
    EXPECT_FALSE(w.form.PV->isHidden());
    EXPECT_EQ(w.session.sequencer.state() <= 102 && w.session.sequencer.state() >= 100, true);
}

TEST_F(TForm1Test, StopKeepsTheConfigurationOnScreen)
{
    TForm1& w = start();
    read();
    w.OdpojClick(StopSender::StopButton);
    EXPECT_EQ(buttons(), (Buttons{true, false, true, false})) << "stopped";
    EXPECT_EQ(w.session.sequencer.state(), driverlink::states::Idle);
    EXPECT_EQ(w.form.Vyrobce->text(), QStringLiteral("Ostrevo"));
    EXPECT_TRUE(w.form.Pocatek->isEnabled());
    EXPECT_TRUE(w.form.PV->isHidden());
    const qsizetype sent = driver.sent.size();
    runFor(20000);
    EXPECT_EQ(driver.sent.size(), sent) << "commands went on after Stop!";
}

TEST_F(TForm1Test, StopWithUnsavedChangesAsksFirst)
{
    TForm1& w = start();
    read();
    w.form.Tlumeni->setText(QStringLiteral("3"));
    EXPECT_TRUE(w.session.state.changes.DampingChanged);
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::No);
    w.OdpojClick(StopSender::StopButton);
    EXPECT_EQ(buttons(), (Buttons{false, true, true, true})) << "No did not keep the connection";
    const qsizetype sent = driver.sent.size();
    runFor(5000);
    EXPECT_GT(driver.sent.size(), sent);

    dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::Yes);
    w.OdpojClick(StopSender::StopButton);
    EXPECT_EQ(buttons(), (Buttons{true, false, true, false}));
}

TEST_F(TForm1Test, TheWaitDialogsStopCancelsAndClearsTheScreen)
{
    TForm1& w = start();
    w.PripojClick();
    ASSERT_TRUE(clock.runUntil([&] { return !w.form.Vyrobce->text().isEmpty(); }, 20000));
    emit w.Cekej->bStop->click();
    EXPECT_EQ(buttons(), (Buttons{true, false, false, false})) << "cancelled";
    EXPECT_TRUE(w.form.Vyrobce->text().isEmpty());
    EXPECT_EQ(w.form.Error->count(), 0);
    EXPECT_FALSE(w.form.Pocatek->isEnabled());
    EXPECT_EQ(w.session.sequencer.state(), driverlink::states::Idle);
}

TEST_F(TForm1Test, ACommunicationErrorStopsWithoutAQuestion)
{
    TForm1& w = start();
    read();
    w.form.Tlumeni->setText(QStringLiteral("3")); // unsaved, yet no question follows
    driver.addresses.clear();
    ASSERT_TRUE(clock.runUntil([&] { return w.session.sequencer.commError(); }, 20000));
    EXPECT_EQ(buttons(), (Buttons{true, false, true, false}));
    ASSERT_GE(w.form.Error->count(), 1);
    EXPECT_EQ(w.form.Error->item(0)->text(), QStringLiteral("Communication Error!"));
    EXPECT_FALSE(w.form.Error->isHidden());
}

TEST_F(TForm1Test, ClosingWhileConnectedIsRefused)
{
    TForm1& w = start();
    read();
    dialogs.expect(Kind::Message, platform::texts().stopCommunicationFirst);
    EXPECT_FALSE(w.FormCloseQuery());
}

TEST_F(TForm1Test, ClosingTerminatesOnlyADriverItStartedAndOnlyWhenTheSettingSaysSo)
{
    const struct {
        const char* setting; // as the Options dialog read it at start-up
        bool startedHere;    // else the driver was running already: the user's
        bool terminated;
    } cases[] = {{"0", true, false}, {" 1 ", true, true}, {"1", false, false}};
    for (const auto& c : cases) {
        writeSetting(QStringLiteral("DriverAutoOff"), QString::fromLatin1(c.setting));
        channel.executed.clear();
        channel.connectResults = c.startedHere ? std::deque<bool>{false, true} : std::deque<bool>{};
        driverStarts = c.startedHere;
        start();
        EXPECT_TRUE(window->FormCloseQuery());
        EXPECT_EQ(channel.executed, c.terminated ? QByteArrayList{"terminate"} : QByteArrayList{}) << c.setting;
    }
}

TEST_F(TForm1Test, ATerminationSignalLetsAWriteFinishThenEndsWithoutAQuestion)
{
    TForm1& w = start();
    w.show();
    read();
    w.form.Tlumeni->setText(QStringLiteral("2.5"));
    const auto answer = driver.respond;
    driver.respond = [&, answer](const testing_support::SentCommand& sent) {
        if (sent.command == 34) w.terminationRequested(); // the signal arrives while the damping is written
        return answer(sent);
    };
    dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    w.form.ZapisPrev->click();
    QList<int> procedure = driver.commands().mid(7);
    procedure.removeAll(2);
    procedure.removeAll(3);
    EXPECT_EQ(procedure.mid(0, 3), (QList<int>{0, 34, 0})) << "the write was not carried to its read-back";
    EXPECT_TRUE(w.isVisible());
    w.form.Oznaceni->setText(QStringLiteral("UNSAVED")); // asks nothing all the same
    ASSERT_TRUE(clock.runUntil([&] { return !w.isVisible(); }, 5000)) << "the program did not end";
    EXPECT_FALSE(w.form.Odpoj->isEnabled());
    const qsizetype sent = driver.sent.size();
    runFor(20000);
    EXPECT_EQ(driver.sent.size(), sent) << "commands went on after the end";
}

TEST_F(TForm1Test, ClosingWithUnsavedChangesAsks)
{
    TForm1& w = start();
    read();
    w.OdpojClick(StopSender::StopButton);
    w.form.Zprava->setText(QStringLiteral("NEW"));
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSaved, platform::Answer::Cancel);
    EXPECT_FALSE(w.FormCloseQuery());
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSaved, platform::Answer::Yes);
    EXPECT_TRUE(w.FormCloseQuery());
}

TEST_F(TForm1Test, WithoutADriverEveryReadSaysSo)
{
    channel.connectResults = {false};
    dialogs.expect(Kind::Error, platform::texts().ddeConnectionNotFound);
    TForm1& w = start();
    dialogs.expect(Kind::Message, platform::texts().driverNotFound);
    w.PripojClick();
    EXPECT_EQ(buttons(), (Buttons{true, false, false, false}));
}

TEST_F(TForm1Test, AWorkingFolderThatCannotBeMadeIsNamedOnceWithTheReason)
{
    const testing_support::BlockedWorkingFolder noWorkingFolder(folder.root());
    dialogs.expect(Kind::Error, noWorkingFolder.message());
    start();
}

TEST_F(TForm1Test, NetworkPathChoosesTheNetworkConversation)
{
    writeSetting(QStringLiteral("NetPath"), QStringLiteral("\\\\SERVIS"));
    start();
    EXPECT_EQ(channel.connects, QStringList{QStringLiteral("\\\\SERVIS\\ndde$|HART$")});
}

TEST_F(TForm1Test, TheStatusBarNamesTheWireAndAnotherWireRestartsOnlyADriverStartedHere)
{
    const platform::Texts& t = platform::texts();
    writeSetting(QStringLiteral("Wire"), QStringLiteral("sim"));
    QList<QStringList> started;
    channel.connectResults = {false, true};
    driverStarts = true;
    start();
    // The window started its driver before this test could see the arguments: start it once more.
    window->session.link.startDriver = [&] {
        started.append(window->session.link.driverArguments);
        return true;
    };
    EXPECT_EQ(window->form.WireStatus->text(), t.wireSimulated);

    // Chosen while connected: the driver is started on it once the connection stops.
    settings::WireChoice serial;
    serial.kind = settings::WireChoice::Kind::Serial;
    serial.serialPort = QStringLiteral("/dev/ttyUSB0");
    read();
    dialogs.expect(Kind::Message, t.wireAfterStop);
    window->wireChosen(serial);
    EXPECT_EQ(channel.executed.count("terminate"), 0);
    channel.connectResults = {false, true};
    window->OdpojClick(StopSender::StopButton);
    ASSERT_TRUE(clock.runUntil([&] { return !started.isEmpty(); }, 1000));
    EXPECT_EQ(started.last().mid(2), (QStringList{QStringLiteral("--serial"), QStringLiteral("/dev/ttyUSB0")}));
    EXPECT_EQ(channel.executed.count("terminate"), 1);
    EXPECT_EQ(window->form.WireStatus->text(), t.wireSerial.arg(QStringLiteral("/dev/ttyUSB0")));

    // A driver found running keeps its own wire, and the status bar says so.
    window->session.link.close();
    window->session.restartDriver();
    EXPECT_EQ(window->form.WireStatus->text(), t.wireRunningDriver);
    serial.kind = settings::WireChoice::Kind::Simulator;
    dialogs.expect(Kind::Message, t.wireKeptByDriver);
    window->wireChosen(serial);
    EXPECT_EQ(started.size(), 1);
}

TEST_F(TForm1Test, TheFirstReadOfADeviceIsItsInitialSnapshot)
{
    TForm1& w = start();
    EXPECT_FALSE(w.form.NavratHodnotm1->isEnabled());
    read();
    EXPECT_TRUE(w.form.NavratHodnotm1->isEnabled());
    EXPECT_EQ(w.session.InitialConfig.text(config::Field::Tag), QStringLiteral("PT-101"));
    EXPECT_EQ(w.session.InitialConfig.text(config::Field::Units), QStringLiteral("kPa"));
    EXPECT_EQ(w.session.InitialConfig.magic(), QStringLiteral("HART20File"));

    // The same device read again, its tag changed meanwhile: the first snapshot stays.
    w.OdpojClick(StopSender::StopButton);
    driver.replies[13][0] = QStringLiteral("PT-202");
    read();
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("PT-202"));
    EXPECT_EQ(w.session.InitialConfig.text(config::Field::Tag), QStringLiteral("PT-101"));

    // Another device replaces it.
    w.OdpojClick(StopSender::StopButton);
    driver.replies[0][8] = QStringLiteral("999");
    read();
    EXPECT_EQ(w.session.InitialConfig.text(config::Field::UniqueId), QStringLiteral("999"));
    EXPECT_EQ(w.session.InitialConfig.text(config::Field::Tag), QStringLiteral("PT-202"));
}

TEST_F(TForm1Test, TheDetailedSetupExistsExactlyWhenTheDefinitionFileDoes)
{
    TForm1& w = start();
    const int page = w.form.SetupPanels->indexOf(w.form.pDetailedSetup);
    const auto errors = [&] {
        QStringList lines;
        for (int i = 0; i < w.form.Error->count(); ++i)
            lines.append(w.form.Error->item(i)->text());
        return lines;
    };
    const auto writeDefinition = [&](const char* language) {
        QFile definition(programFolder() + QStringLiteral("Ostrevo-PR210-3-%1.DDF").arg(QLatin1String(language)));
        ASSERT_TRUE(definition.open(QIODevice::WriteOnly));
        definition.write("[Definitions]\r\n[READ]\r\n1=12\r\n");
    };
    read();
    EXPECT_FALSE(w.form.SetupPanels->isTabVisible(page));
    EXPECT_EQ(errors(), QStringList()) << "a device without a definition file is no fault";

    // Only in another language: no page, and the user learns why.
    writeDefinition("DE");
    w.OdpojClick(StopSender::StopButton);
    read();
    EXPECT_FALSE(w.form.SetupPanels->isTabVisible(page));
    EXPECT_EQ(errors(), QStringList(platform::texts().definitionInOtherLanguages.arg(
                            QStringLiteral("Ostrevo-PR210-3-EN.DDF"), QStringLiteral("deutsch"))));

    writeDefinition("EN");
    w.OdpojClick(StopSender::StopButton);
    read();
    EXPECT_TRUE(w.form.SetupPanels->isTabVisible(page));
    EXPECT_TRUE(w.form.DetailedSetupMenu->isVisible());
    EXPECT_EQ(errors(), QStringList());
}

TEST_F(TForm1Test, TheDefinitionsWriteListDecidesWhichBasicFieldsStayEditable)
{
    QFile definition(programFolder() + QStringLiteral("Ostrevo-PR210-3-EN.DDF"));
    ASSERT_TRUE(definition.open(QIODevice::WriteOnly));
    definition.write("[Definitions]\r\n[READ]\r\n1=12\r\n2=13\r\n3=14\r\n4=15\r\n5=16\r\n"
                     "[WRITE]\r\n1=255_W130_C02_E01\r\n2=34\r\n");
    definition.close();
    TForm1& w = start();
    read();
    EXPECT_FALSE(w.form.Tlumeni->isReadOnly());
    for (QLineEdit* locked : {w.form.Zprava, w.form.Oznaceni, w.form.Popis, w.form.Datum, w.form.Pocatek, w.form.Konec})
        EXPECT_TRUE(locked->isReadOnly()) << locked->objectName().toStdString();
    EXPECT_TRUE(w.form.Funkce->isHidden());
    EXPECT_TRUE(w.form.Label20->isHidden());
}

TEST_F(TForm1Test, ADeviceCannotNameADefinitionFileOutsideTheProgramsFolder)
{
    // A file the device's texts would reach by climbing out of the program's folder.
    QFile outside(folder.root() + QStringLiteral("/x-PR210-3-EN.DDF"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write("[Definitions]\r\n");
    outside.close();
    driver.replies[0][0] = QStringLiteral("../x");
    TForm1& w = start();
    read();
    EXPECT_EQ(w.form.Vyrobce->text(), QStringLiteral("../x"));
    EXPECT_FALSE(w.form.SetupPanels->isTabVisible(w.form.SetupPanels->indexOf(w.form.pDetailedSetup)));
    EXPECT_TRUE(w.session.definitionFile(w.session.language).isEmpty());
}

TEST_F(TForm1Test, HelpAndAbout)
{
    TForm1& w = start();
    dialogs.expect(Kind::Error, platform::texts().helpNotOpened);
    w.Obsah1Click();
    read();
    dialogs.expect(Kind::Modal, QStringLiteral("TAboutBox"));
    w.Oprogramu1Click();
    EXPECT_FALSE(w.session.sequencer.stepArmed());
    const qsizetype sent = driver.sent.size();
    runFor(12000); // the on-line reading comes back through the time-out
    EXPECT_GT(driver.sent.size(), sent);
}

TEST_F(TForm1Test, TheWaitDialogShowsTheReadProgressInBlue)
{
    TForm1& w = start();
    w.PripojClick();
    ASSERT_TRUE(clock.runUntil([&] { return driver.commands().size() >= 4; }, 20000));
    EXPECT_TRUE(w.session.sequencer.waitShown());
    EXPECT_FALSE(w.Cekej->gauge()->isHidden());
    EXPECT_EQ(w.Cekej->gauge()->maximum(), 5);
    EXPECT_EQ(w.Cekej->gauge()->value(), 2);
    EXPECT_TRUE(dialogs.shown().contains(QStringLiteral("modal: TCekej")));
}

TEST_F(TForm1Test, TagDescriptorAndMessageKeepTheirLengths)
{
    TForm1& w = start();
    w.form.Oznaceni->setText(QStringLiteral("ABCDEFGH"));
    w.form.Oznaceni->insert(QStringLiteral("I")); // typed at the end
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(w.form.Oznaceni->cursorPosition(), 8);
    w.form.Oznaceni->setCursorPosition(3);
    w.form.Oznaceni->insert(QStringLiteral("X")); // typed in the middle
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(w.form.Oznaceni->cursorPosition(), 3);
    w.form.Popis->setText(QString(16, u'D'));
    w.form.Popis->insert(QStringLiteral("E"));
    EXPECT_EQ(w.form.Popis->text().size(), 16);
    w.form.Zprava->setText(QString(32, u'M'));
    w.form.Zprava->insert(QStringLiteral("EXTRA")); // a paste loses as much as is too long
    EXPECT_EQ(w.form.Zprava->text().size(), 32);
    EXPECT_TRUE(w.session.state.changes.TagChanged);
    EXPECT_TRUE(w.session.state.changes.MessageChanged);
}

TEST_F(TForm1Test, ChoosingAnotherUnitMarksUnitsAndRange)
{
    TForm1& w = start();
    read();
    EXPECT_FALSE(w.session.state.changes.AreChanges());
    w.form.Jednotky->setCurrentIndex(w.form.Jednotky->findText(QStringLiteral("bar")));
    EXPECT_TRUE(w.session.state.changes.UnitsChanged);
    EXPECT_TRUE(w.session.state.changes.RangeChanged);
    EXPECT_FALSE(w.session.state.changes.DampingChanged);
}

TEST_F(TForm1Test, WriteInDeviceSendsTheChangedDampingAndReadsBack)
{
    TForm1& w = start();
    read();
    w.form.Tlumeni->setText(QStringLiteral("2.5"));
    dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    w.form.ZapisPrev->click();
    QList<int> procedure = driver.commands().mid(7);
    procedure.removeAll(2);
    procedure.removeAll(3);
    ASSERT_GE(procedure.size(), 3);
    EXPECT_EQ(procedure.mid(0, 3), (QList<int>{0, 34, 0}));
    EXPECT_FALSE(w.session.state.changes.AreChanges());
    EXPECT_TRUE(w.form.Tlumeni->isEnabled()) << "the fields stayed disabled after the read-back";
}

TEST_F(TForm1Test, BackToInitialValuesPutsTheFirstReadBack)
{
    TForm1& w = start();
    // A revision 6 device: its long tag is kept beside the snapshot, which has no room for it.
    driver.replies[0][3] = QStringLiteral("6");
    driver.replies[0] << QStringLiteral("5") << QStringLiteral("2") << QStringLiteral("0") << QStringLiteral("0")
                      << QStringLiteral("0x6ED2");
    driver.replies[20] = QStringList{QStringLiteral("PT-101 pump discharge")};
    read();
    w.form.Oznaceni->setText(QStringLiteral("EDITED"));
    w.session.state.edit(config::Control::DlouheOznaceni, QStringLiteral("EDITED LONG TAG"));
    dialogs.expect(Kind::Confirm, platform::texts().returnToOriginalValues, platform::Answer::Yes);
    dialogs.expect(Kind::Confirm, platform::texts().valuesRefreshedNotWritten, platform::Answer::No);
    w.form.NavratHodnotm1->trigger();
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("PT-101"));
    EXPECT_EQ(w.session.state.text(config::Control::DlouheOznaceni), QStringLiteral("PT-101 pump discharge"));
    EXPECT_TRUE(w.session.state.changes.LongTagChanged) << "written back with the rest";
    EXPECT_FALSE(w.session.state.changes.TransferFunctionChanged);
    EXPECT_TRUE(w.session.state.changes.DampingChanged);
}

TEST_F(TForm1Test, ALongPasteIsCutOnceAndTheProgramGoesOn)
{
    TForm1& w = start();
    read();
    w.form.Oznaceni->selectAll();
    w.form.Oznaceni->insert(QString(50000, u'A'));
    EXPECT_EQ(w.form.Oznaceni->text(), QStringLiteral("AAAAAAAA"));
    EXPECT_TRUE(w.session.state.changes.TagChanged);
    // A driver's reply with a very long message takes the same way.
    w.form.Zprava->setText(QString(20000, u'M'));
    EXPECT_EQ(w.form.Zprava->text().size(), 32);
    w.form.Zprava->setText(QString::fromUtf8("\xc5\xbdlu\xc5\xa5ou\xc4\x8dk\xc3\xbd k\xc5\xaf\xc5\x88"));
    EXPECT_EQ(w.form.Zprava->text(), QStringLiteral("luouk k"));
    EXPECT_EQ(w.form.ProgramStatus->text(), platform::texts().notStorable);
}

TEST_F(TForm1Test, AReadWithoutAnyReadListSaysSoAndOffersNothingToWrite)
{
    QFile::remove(programFolder() + QStringLiteral("TABEN.DDF"));
    TForm1& w = start();
    dialogs.expect(Kind::Error, platform::texts().readIncomplete.arg(platform::texts().commandListNotFound.arg(
                                    programFolder() + QStringLiteral("TABEN.DDF"))));
    read();
    EXPECT_EQ(w.form.Vyrobce->text(), QStringLiteral("Ostrevo")) << "the identity is shown";
    EXPECT_FALSE(w.form.ZapisPrev->isEnabled());
    EXPECT_FALSE(w.form.Konec->isEnabled());
    EXPECT_FALSE(w.form.NavratHodnotm1->isEnabled()) << "a blank configuration became the initial one";
}

TEST_F(TForm1Test, AGarbageDefinitionFileIsReportedAndTheBasicReadCompletes)
{
    QFile definition(programFolder() + QStringLiteral("Ostrevo-PR210-3-EN.DDF"));
    ASSERT_TRUE(definition.open(QIODevice::WriteOnly));
    definition.write("\x01\x02[Defin\xff\r\nP01=xx\r\n");
    definition.close();
    TForm1& w = start();
    read();
    EXPECT_EQ(w.form.Konec->text(), QStringLiteral("1000"));
    EXPECT_EQ(w.form.Jednotky->currentText(), QStringLiteral("kPa"));
    EXPECT_FALSE(w.form.SetupPanels->isTabVisible(w.form.SetupPanels->indexOf(w.form.pDetailedSetup)));
    EXPECT_FALSE(w.form.Konec->isReadOnly()) << "a definition that cannot be used was applied";
    ASSERT_GE(w.form.Error->count(), 1);
    EXPECT_EQ(w.form.Error->item(0)->text(),
              platform::texts().definitionUnusable.arg(QStringLiteral("Ostrevo-PR210-3-EN.DDF"),
                                                       platform::texts().fileHasNoReadList));
}

TEST_F(TForm1Test, ADriverThatGoesAwayIsSaidOnceAndTheNextReadStartsItAgain)
{
    TForm1& w = start();
    w.PripojClick();
    ASSERT_TRUE(clock.runUntil([&] { return driver.commands().size() >= 3; }, 20000));
    channel.connected = false;
    dialogs.expect(Kind::Error, platform::texts().driverStopped);
    runFor(30000);
    EXPECT_EQ(buttons(), (Buttons{true, false, true, false}));
    int starts = 0;
    w.session.link.startDriver = [&] {
        ++starts;
        return true;
    };
    channel.connectResults = {false, true};
    read();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(w.form.Konec->text(), QStringLiteral("1000"));
}

TEST_F(TForm1Test, ListsThatDifferAreColouredAndClearedListsShowNothing)
{
    TForm1& w = start();
    read();
    config::TConfigRecord other;
    config::captureRecord(w.session.state, other);
    other.setText(config::Field::Units, QStringLiteral("bar"));
    w.showComparison(other);
    EXPECT_EQ(w.form.Jednotky->palette().color(QPalette::Button), QColor(255, 255, 0));
    EXPECT_NE(w.form.Funkce->palette().color(QPalette::Button), QColor(255, 255, 0));
    w.ClearAll();
    EXPECT_TRUE(w.form.Jednotky->currentText().isEmpty());
    EXPECT_TRUE(w.form.Funkce->currentText().isEmpty());
}

TEST_F(TForm1Test, ASavedConfigurationOpensAgainAsItWasAndOffLine)
{
    TForm1& w = start();
    read();
    w.form.Oznaceni->setText(QStringLiteral("SAVED"));
    config::TConfigRecord shown;
    config::captureRecord(w.session.state, shown);
    const QString path = folder.root() + QStringLiteral("/pump.htf");
    dialogs.expect(Kind::SaveFile, platform::texts().saveCaption, platform::Answer::Ok, path);
    w.UlozClick();
    ASSERT_EQ(QFileInfo(path).size(), config::RecordSize);
    EXPECT_EQ(w.windowTitle(), platform::texts().programCaptionWithFile.arg(QStringLiteral("pump.htf")));
    const auto recent = [&w] { return w.form.File1->findChild<QAction*>(QStringLiteral("RecentFile1")); };
    ASSERT_TRUE(recent());
    EXPECT_EQ(recent()->toolTip(), path) << "File does not offer the file saved last";

    w.form.Oznaceni->setText(QStringLiteral("EDITED"));
    w.form.Konec->setText(QStringLiteral("5"));
    dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, path);
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::Yes);
    w.OpenFileClick();
    config::TConfigRecord opened;
    config::captureRecord(w.session.state, opened);
    for (int i = 0; i < config::FieldCount; ++i)
        EXPECT_EQ(opened.text(config::Field(i)), shown.text(config::Field(i))) << i;
    EXPECT_EQ(buttons(), (Buttons{true, false, true, false})) << "off-line, ready to write";
    EXPECT_TRUE(w.ScreenFromFile);
    EXPECT_FALSE(w.session.state.changes.AreChanges());
    EXPECT_TRUE(w.form.Uloz->isEnabled());
    EXPECT_TRUE(w.form.PV->isHidden());

    // A file offered that has gone since is said so and offered no more.
    ASSERT_TRUE(QFile::remove(path));
    dialogs.expect(Kind::Error, platform::texts().fileUnreadable.arg(path));
    recent()->trigger();
    EXPECT_FALSE(recent());
}

TEST_F(TForm1Test, ScanLoopListsTheDevicesOnTheLoopAndConnectReadsTheOneChosen)
{
    TForm1& w = start();
    driver.addresses = {QStringLiteral("0"), QStringLiteral("1")};
    const auto pressure = driver.respond;
    driver.respond = [pressure](const testing_support::SentCommand& sent) {
        if (sent.address == QStringLiteral("1") && sent.command == 0)
            return testing_support::identityLines(QStringLiteral("Ostrevo"), QStringLiteral("TM120"),
                                                  QStringLiteral("2"), 2, QStringLiteral("732221"));
        if (sent.address == QStringLiteral("1") && sent.command == 13)
            return QStringList{QStringLiteral("TT-7"), QStringLiteral("TEMP"), QStringLiteral("1.1.2026")};
        return pressure(sent);
    };
    dialogs.expectModal(QStringLiteral("TLoopScan"), platform::Answer::Ok, [&] {
        ASSERT_TRUE(clock.runUntil([&] { return !w.LoopScan->scanRunning(); }, 120000)) << "the scan never ended";
        QTableWidget* list = w.LoopScan->ScanResults;
        ASSERT_EQ(list->rowCount(), 2);
        EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("PR210"));
        EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("1"));
        EXPECT_EQ(list->item(1, 5)->text(), QStringLiteral("TT-7"));
        list->selectRow(1);
        w.LoopScan->ScanConnect->click();
    });
    w.ScanLoopClick();
    // The polled link takes the read's command 0 only when its reply differs from the initialisation's: an
    // equal one runs into the time-out and is sent again until a poll sees "Busy!" between them.
    ASSERT_TRUE(clock.runUntil([&] { return !w.form.Pripoj->isEnabled(); }, 600000))
        << "the chosen device was not read";
    EXPECT_EQ(w.session.state.text(config::Control::PollAddr), QStringLiteral("1"));
    EXPECT_EQ(w.session.state.text(config::Control::Typ), QStringLiteral("TM120"));
}

// Off-line edits are not thrown away by a device chosen from the scan: Connect asks first, as Open does.
TEST_F(TForm1Test, ConnectFromTheScanAsksBeforeEditsNotWrittenAreLost)
{
    TForm1& w = start();
    read();
    w.OdpojClick(StopSender::StopButton);
    w.form.Tlumeni->setText(QStringLiteral("3"));
    ASSERT_TRUE(w.session.state.changes.DampingChanged);
    dialogs.expectModal(QStringLiteral("TLoopScan"), platform::Answer::Ok, [&] {
        ASSERT_TRUE(clock.runUntil([&] { return !w.LoopScan->scanRunning(); }, 120000)) << "the scan never ended";
        w.LoopScan->ScanResults->selectRow(0);
        w.LoopScan->ScanConnect->click();
    });
    dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::No);
    w.ScanLoopClick();
    runFor(20000);
    EXPECT_EQ(w.form.Tlumeni->text(), QStringLiteral("3")) << "the edit was read over";
    EXPECT_FALSE(w.session.sequencer.exchangeRunning());
}

TEST_F(TForm1Test, AFileIsSavedAgainInItsOwnLanguageAndAnOlderOneInTheConfigured)
{
    TForm1& w = start();
    read();
    config::TConfigRecord record;
    config::captureRecord(w.session.state, record);
    record.setMagic(QStringLiteral("HART30File"));
    record.setDefLanguage(QByteArrayLiteral("cz"));
    const QString path = folder.root() + QStringLiteral("/czech.htf");
    ASSERT_TRUE(platform::writeFileAtomically(path, record.toBytes()));
    QByteArray older(1776, '\0');
    older.replace(0, 11, "\x0aHART20File");
    const QString olderPath = folder.root() + QStringLiteral("/older.htf");
    ASSERT_TRUE(platform::writeFileAtomically(olderPath, older));

    const std::pair<QString, QByteArray> files[] = {{path, "cz"}, {olderPath, "en"}};
    for (const auto& [opened, language] : files) {
        dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, opened);
        if (opened == olderPath) dialogs.expect(Kind::Warning, platform::texts().oldFileWarning);
        w.OpenFileClick();
        const QString again = folder.root() + QStringLiteral("/again.htf");
        dialogs.expect(Kind::SaveFile, platform::texts().saveCaption, platform::Answer::Ok, again);
        w.UlozClick();
        QFile file(again);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto saved = config::TConfigRecord::fromBytes(file.readAll());
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->defLanguage().left(2), language) << opened.toStdString();
    }
}

// What a saved file says of itself, and what the window says, come from what is shown now: not from the marker an
// earlier recording left, nor from a file opened before the device was found.
TEST_F(TForm1Test, ASavedFileAndTheWindowDescribeWhatIsShownNow)
{
    QFile::copy(QStringLiteral(TARVIK_DATA_DIR "/Ostrevo-PR210-3-EN.DDF"),
                folder.path() + QStringLiteral("Ostrevo-PR210-3-EN.DDF"));
    TForm1& w = start();
    read();
    w.session.language.DdfLanguage =
        QByteArrayLiteral("en\xff"); // as recording a device without a definition leaves it
    const QString path = folder.root() + QStringLiteral("/shown.htf");
    dialogs.expect(Kind::SaveFile, platform::texts().saveCaption, platform::Answer::Ok, path);
    w.UlozClick();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto saved = config::TConfigRecord::fromBytes(file.readAll());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->defLanguage().left(3), QByteArrayLiteral("en "))
        << "the file would open without its detailed setup";

    config::TConfigRecord czech = *saved;
    czech.setDefLanguage(QByteArrayLiteral("cz"));
    const QString czechPath = folder.root() + QStringLiteral("/czech.htf");
    ASSERT_TRUE(platform::writeFileAtomically(czechPath, czech.toBytes()));
    dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, czechPath);
    w.OpenFileClick();
    ASSERT_TRUE(w.ScreenFromFile);
    dialogs.expect(Kind::Input, platform::texts().enterAddress, platform::Answer::Ok, QStringLiteral("0"));
    w.service.Inicializacedotazovacadresou1Click();
    ASSERT_TRUE(clock.runUntil([&] { return w.session.sequencer.online(); }, 600000));
    EXPECT_FALSE(w.ScreenFromFile) << "a write would ask to write data from a file";
    EXPECT_EQ(w.session.language.DataLanguage.left(2), QByteArrayLiteral("en"));
    EXPECT_EQ(w.windowTitle(), platform::texts().programCaption);
}

TEST_F(TForm1Test, AnOlderFileWarnsThenShowsItsFieldsAndBadFilesChangeNothing)
{
    QByteArray bytes(1776, '\0');
    bytes[0] = 10;
    bytes.replace(1, 10, "HART20File");
    bytes[44] = 7;
    bytes.replace(45, 7, "Ostrevo");
    const QString older = folder.root() + QStringLiteral("/old.htf");
    const QString bad = folder.root() + QStringLiteral("/bad.htf");
    ASSERT_TRUE(platform::writeFileAtomically(older, bytes));
    ASSERT_TRUE(platform::writeFileAtomically(bad, bytes.left(1000)));
    TForm1& w = start();
    dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, bad);
    dialogs.expect(Kind::Error, platform::texts().fileUnreadable.arg(bad));
    w.OpenFileClick();
    EXPECT_FALSE(w.ScreenFromFile);
    EXPECT_EQ(buttons(), (Buttons{true, false, false, false})) << "nothing to write";
    dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, older);
    dialogs.expect(Kind::Warning, platform::texts().oldFileWarning);
    w.OpenFileClick();
    EXPECT_EQ(w.form.Vyrobce->text(), QStringLiteral("Ostrevo"));
    EXPECT_TRUE(w.form.Verze->text().isEmpty());
    EXPECT_TRUE(w.ScreenFromFile);
}

TEST_F(TForm1Test, ASaveThatCannotBeWrittenSaysSoWithThePlatformsReason)
{
    TForm1& w = start();
    read();
    const QString path = QStringLiteral("/proc/no-such-folder/pump.htf");
    const QString reason = platform::writeFileAtomically(path, "x").error;
    dialogs.expect(Kind::SaveFile, platform::texts().saveCaption, platform::Answer::Ok, path);
    dialogs.expect(Kind::Error, platform::texts().fileNotWritten.arg(path) + QStringLiteral("\r\n") + reason);
    w.UlozClick();
}

} // namespace
