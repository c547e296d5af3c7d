// Opening the detailed setup window from the main window, confirming or cancelling changes, and
// running a method, for the simulated pressure transmitter's definition file.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "ReadingWindow.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "app/TCekej.h"
#include "app/TForm1.h"
#include "config/Language.h"
#include "detailed/TDetailedSetup.h"
#include "history/HistoryStore.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "platform/Timer.h"
#include "platform/VirtualClock.h"
#include "print/ProtocolLayout.h"
#include "print/TTiskEdit.h"
#include "settings/TOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testing_support::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;

namespace {

const QString Window = QStringLiteral("TDetailedSetup");

class DetailedSetupFlowTest : public ::testing::Test {
protected:
    DetailedSetupFlowTest()
    {
        testing_support::answerAsPressureTransmitter(driver);
        testing_support::openAndRead(session, window, channel, dialogs, clock);
        items = window->DetailedSetup;
    }

    ProgramFolder folder{"TABEN.DDF", "Ostrevo-PR210-3-EN.DDF"};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", folder.root().toLocal8Bit()};
    platform::VirtualClock clock;
    ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    std::unique_ptr<device::DeviceSession> session;
    std::unique_ptr<TForm1> window;
    TDetailedSetup* items = nullptr;

    // As the user types into a field of the window.
    void typeInto(const QString& item, const QString& text) { items->findChild<QLineEdit*>(item)->setText(text); }
    QString itemText(const QString& item) const { return session->state.items.text(item); }
};

TEST_F(DetailedSetupFlowTest, ASavedConfigurationComesBackWithItsItemsInEitherLocale)
{
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Czech)}) {
        QLocale::setDefault(locale);
        config::TConfigRecord saved;
        config::captureRecord(window->session.state, saved);
        const QString path = folder.root() + QStringLiteral("/pr210.htf");
        dialogs.expect(Kind::SaveFile, platform::texts().saveCaption, platform::Answer::Ok, path);
        window->UlozClick();

        typeInto(QStringLiteral("E01"), QStringLiteral("3.7"));
        session->state.items.showRecordText(QStringLiteral("C02"), QStringLiteral("4 decimals"));
        dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, path);
        window->session.state.changes.DetailedChanged = true;
        dialogs.expect(Kind::Confirm, platform::texts().changesNotSavedInDevice, platform::Answer::Yes);
        window->OpenFileClick();
        config::TConfigRecord opened;
        config::captureRecord(window->session.state, opened);
        opened.setMagic(saved.magic());
        EXPECT_TRUE(opened == saved) << locale.name().toStdString();
        EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.6"));
        EXPECT_EQ(itemText(QStringLiteral("C02")), QStringLiteral("2 decimals"));
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(DetailedSetupFlowTest, TheProtocolIsPrintedIntoAPdfWithTheDeviceSpecificValues)
{
    const QString pdf = folder.root() + QStringLiteral("/protocol.pdf");
    dialogs.expectModal(QStringLiteral("TTiskEdit"), platform::Answer::Ok,
                        [&] { window->TiskEdit->NastaveniProvedl->setText(QStringLiteral("Jan Novak")); });
    dialogs.expect(Kind::Print, QStringLiteral("print"), platform::Answer::Ok, pdf);
    window->TiskniClick();
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000));
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    for (const QString& shown :
         {QStringLiteral("PR210"), QStringLiteral("Primary variable"), QStringLiteral("2 decimals"),
          QStringLiteral("3.6"), QStringLiteral("21.75"), QStringLiteral("Jan Novak")})
        EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << " is missing from\n" << text.toStdString();

    // Printed again onto a full disk: said so, and the file printed before stays as it was.
    const std::optional<QByteArray> first = platform::readFileStart(pdf, 1 << 24);
    ASSERT_TRUE(first && first->startsWith("%PDF"));
    {
        testing_support::FileSizeLimit full(first->size() / 2);
        ASSERT_TRUE(full.active());
        dialogs.expectModal(QStringLiteral("TTiskEdit"), platform::Answer::Ok);
        dialogs.expect(Kind::Print, QStringLiteral("print"), platform::Answer::Ok, pdf);
        dialogs.expect(Kind::Error, platform::fileNotWrittenText(pdf, testing_support::FileSizeLimit::reason()));
        window->TiskniClick();
    }
    EXPECT_EQ(platform::readFileStart(pdf, 1 << 24), first);

    // The next print offers the same texts and the same file.
    dialogs.expectModal(QStringLiteral("TTiskEdit"), platform::Answer::Cancel,
                        [&] { EXPECT_EQ(window->TiskEdit->configuredBy(), QStringLiteral("Jan Novak")); });
    window->TiskniClick();
}

TEST_F(DetailedSetupFlowTest, TheProtocolPrintsTheItemsOfTheConfigurationShownFromItsOwnDefinition)
{
    // The German definition places E01 elsewhere.
    const QString english = folder.path() + QStringLiteral("Ostrevo-PR210-3-EN.DDF");
    QByteArray german = *platform::readFileStart(english, 1 << 20);
    ASSERT_TRUE(german.contains("E01=75,47"));
    german.replace("E01=75,47", "E01=60,60");
    ASSERT_TRUE(platform::writeFileAtomically(folder.path() + QStringLiteral("Ostrevo-PR210-3-DE.DDF"), german));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TARVIK_DATA_DIR "/TABDE.DDF"), folder.path() + QStringLiteral("TABDE.DDF")));
    config::TConfigRecord record;
    config::captureRecord(window->session.state, record);
    record.setMagic(QStringLiteral("HART30File"));
    ASSERT_TRUE(window->leaveConnection());

    const struct {
        QByteArray language;
        std::optional<std::pair<double, double>> e01; // where the value of E01 stands; nothing: no items
    } cases[] = {{"en ", std::pair(75.0, 47.0)}, {"de ", std::pair(60.0, 60.0)}, {"en\xff", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        record.setDefLanguage(c.language);
        window->showStoredConfiguration(record);
        QList<std::pair<double, double>> supplementary;
        for (const print::PlacedText& placed : window->protocolPage())
            if (placed.down > 42 && placed.down < 84) {
                supplementary.append({placed.across, placed.down});
                if (placed.text == QStringLiteral("3.6")) {
                    EXPECT_EQ(std::pair(placed.across, placed.down), c.e01);
                }
            }
        if (c.e01)
            EXPECT_TRUE(supplementary.contains(*c.e01));
        else
            EXPECT_TRUE(supplementary.isEmpty()) << "placeholders printed as values";
    }
}

TEST_F(DetailedSetupFlowTest, TheReadFillsTheDeviceSpecificItems)
{
    EXPECT_TRUE(window->form.SetupPanels->isTabVisible(window->form.SetupPanels->indexOf(window->form.pDetailedSetup)));
    EXPECT_EQ(itemText(QStringLiteral("C01")), QStringLiteral("Primary variable"));
    EXPECT_EQ(itemText(QStringLiteral("C02")), QStringLiteral("2 decimals"));
    EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.6"));
    EXPECT_EQ(itemText(QStringLiteral("E04")), QStringLiteral("1000"));
    EXPECT_EQ(itemText(QStringLiteral("V03")), QStringLiteral("1600"));
    EXPECT_EQ(window->Cekej->gauge()->maximum(), 10) << "the gauge counts the definition's read steps";
    EXPECT_TRUE(window->session.state.items.errorText().isEmpty())
        << window->session.state.items.errorText().toStdString();
    EXPECT_FALSE(window->session.state.changes.AreChanges());
}

TEST_F(DetailedSetupFlowTest, CancellingAChangeAsksAndRestoresBothWindows)
{
    dialogs.expectModal(Window, platform::Answer::Cancel,
                        [&] { typeInto(QStringLiteral("E01"), QStringLiteral("3.7")); });
    dialogs.expect(Kind::Confirm, platform::texts().cancelChanges, platform::Answer::No);
    dialogs.expectModal(Window, platform::Answer::Cancel, [&] {
        EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.7")) << "No did not keep the change";
    });
    dialogs.expect(Kind::Confirm, platform::texts().cancelChanges, platform::Answer::Yes);
    window->DetailedSetupMenuClick();
    EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.6"));
    EXPECT_EQ(window->form.Oznaceni->text(), QStringLiteral("PT-101"));
    EXPECT_FALSE(window->session.state.changes.AreChanges()) << "putting the values back counted as an edit";
}

// A configuration shown from a file of another language has its items laid out by that language's definition:
// cancelling puts them back in it, not in the configured one, whose option texts match none of them.
TEST_F(DetailedSetupFlowTest, CancellingPutsAConfigurationOfAnotherLanguageBackInItsOwn)
{
    for (const char* file : {"Ostrevo-PR210-3-DE.DDF", "TABDE.DDF"})
        QFile::copy(QStringLiteral(TARVIK_DATA_DIR "/") + QString::fromLatin1(file),
                    folder.path() + QString::fromLatin1(file));
    config::TConfigRecord record;
    config::captureRecord(window->session.state, record);
    record.setMagic(QStringLiteral("HART30File"));
    record.setDefLanguage(QByteArrayLiteral("de "));
    const QString path = folder.root() + QStringLiteral("/german.htf");
    ASSERT_TRUE(platform::writeFileAtomically(path, record.toBytes()));
    dialogs.expect(Kind::OpenFile, platform::texts().openCaption, platform::Answer::Ok, path);
    window->OpenFileClick();
    const QString german = session->state.items.entries(2).value(1);
    ASSERT_FALSE(german.isEmpty());
    session->state.items.showRecordText(QStringLiteral("C02"), german);

    dialogs.expectModal(Window, platform::Answer::Cancel,
                        [&] { typeInto(QStringLiteral("E01"), QStringLiteral("3.7")); });
    dialogs.expect(Kind::Confirm, platform::texts().cancelChanges, platform::Answer::Yes);
    window->DetailedSetupMenuClick();
    EXPECT_EQ(itemText(QStringLiteral("C02")), german);
    EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.6"));
}

TEST_F(DetailedSetupFlowTest, ClosingWithoutAChangeDoesNothing)
{
    dialogs.expectModal(Window, platform::Answer::Cancel);
    window->DetailedSetupMenuClick();
    EXPECT_FALSE(window->session.state.changes.DetailedChanged);
}

TEST_F(DetailedSetupFlowTest, ConfirmedChangesAreMarkedAndWrittenLaterOrNow)
{
    dialogs.expectModal(Window, platform::Answer::Ok, [&] { typeInto(QStringLiteral("E02"), QStringLiteral("22")); });
    dialogs.expect(Kind::Confirm, platform::texts().writeNow, platform::Answer::No);
    window->DetailedSetupMenuClick();
    EXPECT_TRUE(window->session.state.changes.DetailedChanged);
    EXPECT_TRUE(window->form.ZapisPrev->isEnabled());

    dialogs.expectModal(Window, platform::Answer::Ok, [&] { typeInto(QStringLiteral("E02"), QStringLiteral("22.5")); });
    dialogs.expect(Kind::Confirm, platform::texts().writeNow, platform::Answer::Yes);
    dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    window->DetailedSetupMenuClick();
    QStringList written;
    for (const auto& sent : driver.sent)
        if (sent.command == 131) written = sent.data;
    EXPECT_EQ(written, (QStringList{QStringLiteral("W131FF"), QStringLiteral("3.6"), QStringLiteral("22.5")}));
    EXPECT_FALSE(driver.commands().contains(34)) << "an unchanged group was written";
}

TEST_F(DetailedSetupFlowTest, AStopDuringAMethodLeavesNothingToKeepOrPutBack)
{
    // The wait dialog's Stop while a method runs from the open window empties the screen under it.
    driver.silentFor[42] = 5;
    platform::Timer stopper(8000);
    stopper.OnTimer = [&] {
        stopper.setEnabled(false);
        window->Cekej->bStop->click();
    };
    dialogs.expectModal(Window, platform::Answer::Cancel, [&] {
        items->show();
        typeInto(QStringLiteral("E01"), QStringLiteral("3.7"));
        stopper.setEnabled(true);
        window->DoNowClick(QStringLiteral("B02"));
        EXPECT_FALSE(items->isVisible()) << "the window stayed open over an emptied screen";
    });
    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::Yes);
    dialogs.expect(Kind::Warning, platform::texts().operationInterrupted);
    window->DetailedSetupMenuClick(); // asks nothing more
    EXPECT_TRUE(window->form.Vyrobce->text().isEmpty()) << "the cancelled device came back";
    EXPECT_FALSE(window->session.state.changes.AreChanges()) << "the emptying counted as the user's edit";
    EXPECT_FALSE(window->form.DetailedSetupMenu->isVisible()) << "a detailed setup without items is offered";
}

TEST_F(DetailedSetupFlowTest, AForbiddenCombinationReopensTheWindow)
{
    const int fourDecimals = items->C[1]->findText(QStringLiteral("4 decimals"));
    const int alternating = items->C[0]->findText(QStringLiteral("Alternating"));
    dialogs.expectModal(Window, platform::Answer::Ok, [&] {
        // As the user picks them.
        items->C[0]->setCurrentIndex(alternating);
        emit items->C[0]->activated(alternating);
        items->C[1]->setCurrentIndex(fourDecimals);
        emit items->C[1]->activated(fourDecimals);
    });
    dialogs.expect(Kind::Error, platform::texts().wrongConfiguration);
    dialogs.expectModal(Window, platform::Answer::Cancel);
    dialogs.expect(Kind::Confirm, platform::texts().cancelChanges, platform::Answer::Yes);
    window->DetailedSetupMenuClick();
    EXPECT_FALSE(window->session.state.changes.DetailedChanged);
    EXPECT_EQ(itemText(QStringLiteral("C01")), QStringLiteral("Primary variable"));
}

TEST_F(DetailedSetupFlowTest, AReadOnlyUserCannotConfirmChanges)
{
    window->ReadOnlyUser = true;
    dialogs.expectModal(Window, platform::Answer::Ok, [&] { typeInto(QStringLiteral("E01"), QStringLiteral("3.7")); });
    dialogs.expect(Kind::Message, platform::texts().noAuthorization);
    window->DetailedSetupMenuClick();
    EXPECT_FALSE(window->session.state.changes.DetailedChanged);
    EXPECT_EQ(itemText(QStringLiteral("E01")), QStringLiteral("3.7")) << "the value should stay on screen";
}

TEST_F(DetailedSetupFlowTest, ChoosingTheDetailedSetupPageOpensTheWindow)
{
    dialogs.expectModal(Window, platform::Answer::Cancel);
    window->form.SetupPanels->setCurrentWidget(window->form.pDetailedSetup);
    EXPECT_EQ(window->form.SetupPanels->currentWidget(), window->form.BasicSetup);
}

TEST_F(DetailedSetupFlowTest, AMethodRunsItsStepsAndReports)
{
    window->ReadOnlyUser = true;
    dialogs.expect(Kind::Message, platform::texts().noAuthorization);
    window->DoNowClick(QStringLiteral("B01"));
    window->ReadOnlyUser = false;
    EXPECT_FALSE(driver.commands().contains(140));

    window->session.state.changes.TagChanged = true; // an edit not yet written
    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::Yes);
    dialogs.expect(Kind::Information, platform::texts().operationDone);
    window->DoNowClick(QStringLiteral("B01"));
    EXPECT_TRUE(driver.commands().contains(140));
    EXPECT_TRUE(window->session.state.changes.TagChanged) << "the method's end passed the edit for written";
    EXPECT_EQ(dialogs.tones().last(), platform::Tone::Warning) << "a question that cannot be undone warns";
    EXPECT_EQ(window->session.sequencer.state() <= 102, true);

    driver.errors[42] = QStringLiteral("Command Error!");
    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::Yes);
    dialogs.expect(Kind::Warning, platform::texts().operationFailed);
    window->DoNowClick(QStringLiteral("B02"));

    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::No);
    const qsizetype sent = driver.sent.size();
    window->DoNowClick(QStringLiteral("B01"));
    EXPECT_FALSE(driver.commands().mid(sent).contains(140));

    // Stopped while its command is unanswered: said so, never as done.
    driver.silentFor[42] = 5;
    platform::Timer stopper(8000);
    stopper.OnTimer = [&] {
        stopper.setEnabled(false);
        window->Cekej->bStop->click();
    };
    stopper.setEnabled(true);
    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::Yes);
    dialogs.expect(Kind::Warning, platform::texts().operationInterrupted);
    window->DoNowClick(QStringLiteral("B02"));
    EXPECT_EQ(window->session.sequencer.state(), driverlink::states::Idle);

    // A device that could not be reached: not successful, and recorded all the same.
    window->PripojClick();
    ASSERT_TRUE(clock.runUntil([&] { return !window->form.Pripoj->isEnabled(); }, 120000));
    window->Options->DatabaseLog->setChecked(true);
    driver.errors[42] = QStringLiteral("Communication Error!");
    dialogs.expect(Kind::Confirm, platform::texts().performOperation, platform::Answer::Yes);
    dialogs.expect(Kind::Warning, platform::texts().operationFailed);
    window->DoNowClick(QStringLiteral("B02"));
    const history::HistoryStore store(window->Options->sharedFolder(), platform::texts().historyIndexFile,
                                      platform::texts().historyDataFile);
    const auto listed = store.list({});
    ASSERT_TRUE(listed && !listed->entries.isEmpty());
    EXPECT_EQ(listed->entries.first().Activity, QStringLiteral("Device reset"));
    EXPECT_EQ(listed->entries.first().ErrorText, QStringLiteral("Communication Error!"));
}

} // namespace
