// Writing a configuration into the device, with scripted answers, against the in-process driver.
#include "operations/WriteProcedure.h"
#include "OperationFixture.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

using config::Control;
using Kind = testing_support::ScriptedDialogs::Kind;

namespace {

class WriteProcedureTest : public OperationFixture, public ::testing::Test {
protected:
    void expectWriteQuestions()
    {
        dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
    }
    operations::WriteProcedure write{*this};
};

TEST_F(WriteProcedureTest, RefusedWithoutDriverOrForAReadOnlyUser)
{
    open = false;
    dialogs.expect(Kind::Message, platform::texts().driverNotFound);
    write.ZapisPrevClick();
    open = true;
    readOnly = true;
    dialogs.expect(Kind::Message, platform::texts().noAuthorization);
    write.ZapisPrevClick();
    EXPECT_FALSE(driver.commands().contains(0)) << "a refused write re-identified the device";
}

TEST_F(WriteProcedureTest, NoChangesAndNoWriteAnywayDoesNothing)
{
    dialogs.expect(Kind::Confirm, platform::texts().noChangesWriteAnyway, platform::Answer::No);
    write.ZapisPrevClick();
    EXPECT_FALSE(driver.commands().contains(0));
    EXPECT_TRUE(history.isEmpty());
}

TEST_F(WriteProcedureTest, ADampingChangeSendsCommand34OnlyThenReadsBack)
{
    state.setText(Control::Tlumeni, QStringLiteral("2.5"));
    changes.DampingChanged = true;
    expectWriteQuestions();
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    write.ZapisPrevClick();
    const QList<int> sent = driver.commands();
    QList<int> procedure = sent; // without the on-line reading between the steps
    procedure.removeAll(2);
    procedure.removeAll(3);
    ASSERT_GE(procedure.size(), 3);
    EXPECT_EQ(procedure.mid(0, 3), (QList<int>{0, 34, 0})) << "re-identify, write, read back";
    EXPECT_EQ(driver.sent[sent.indexOf(34)].data, QStringList{QStringLiteral("2.5")});
    EXPECT_EQ(history, QStringList{entry(platform::texts().activityModified, true)});
    EXPECT_FALSE(changes.AreChanges()) << "the read-back did not clear the flags";
    EXPECT_FALSE(fieldsEnabled);
    EXPECT_TRUE(historyReload);
    EXPECT_TRUE(sequencer.stepArmed() || sequencer.timeoutArmed());
}

TEST_F(WriteProcedureTest, WriteAnywaySendsOnlyUnguardedSteps)
{
    templates.writeList = {QStringLiteral("17"), QStringLiteral("38"), QStringLiteral("34")};
    dialogs.expect(Kind::Confirm, platform::texts().noChangesWriteAnyway, platform::Answer::Yes);
    expectWriteQuestions();
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    write.ZapisPrevClick();
    QList<int> sent = driver.commands();
    sent.removeAll(2);
    sent.removeAll(3);
    EXPECT_EQ(sent.mid(0, 3), (QList<int>{0, 38, 0}));
}

TEST_F(WriteProcedureTest, NoAnswerToTheReidentificationWritesNothing)
{
    changes.DampingChanged = true;
    driver.errors[0] = QStringLiteral("Communication Error!");
    expectWriteQuestions();
    dialogs.expect(Kind::Error, platform::texts().noDeviceConnected);
    write.ZapisPrevClick();
    EXPECT_FALSE(driver.commands().contains(34));
    EXPECT_TRUE(changes.DampingChanged) << "the edits were lost";
    EXPECT_FALSE(sequencer.exchangeRunning());
}

TEST_F(WriteProcedureTest, AnotherTypeOfDeviceIsReadInsteadOfWritten)
{
    changes.DampingChanged = true;
    driver.replies[0][1] = QStringLiteral("TM120");
    expectWriteQuestions();
    dialogs.expect(Kind::Error, platform::texts().notCompatibleDevice);
    write.ZapisPrevClick();
    EXPECT_EQ(sequencer.state(), 200);
    runUntil([&] { return host.sequenceEnds == 2; });
    EXPECT_FALSE(driver.commands().contains(34));
    EXPECT_EQ(state.text(Control::Typ), QStringLiteral("TM120"));
}

TEST_F(WriteProcedureTest, AnotherDeviceOfTheSameTypeAsksToCloneAndThenWritesEverything)
{
    state.setText(Control::UI, QStringLiteral("1"));
    fromFile = true;
    dialogs.expect(Kind::Confirm, platform::texts().writeDataFromFile, platform::Answer::Yes);
    expectWriteQuestions();
    dialogs.expect(Kind::Confirm, platform::texts().cloneConfiguration, platform::Answer::No);
    write.ZapisPrevClick();
    EXPECT_FALSE(driver.commands().contains(17));

    state.setText(Control::UI, QStringLiteral("1"));
    dialogs.expect(Kind::Confirm, platform::texts().writeDataFromFile, platform::Answer::Yes);
    expectWriteQuestions();
    dialogs.expect(Kind::Confirm, platform::texts().cloneConfiguration, platform::Answer::Yes);
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    write.ZapisPrevClick();
    for (int command : {17, 18, 34, 44, 35, 47})
        EXPECT_TRUE(driver.commands().contains(command)) << command;
}

TEST_F(WriteProcedureTest, ErrorsDuringTheWriteEndInAWarning)
{
    changes.DampingChanged = true;
    driver.errors[34] = QStringLiteral("Command Error!");
    expectWriteQuestions();
    dialogs.expect(Kind::Warning, platform::texts().writtenWithErrors);
    write.ZapisPrevClick();
    EXPECT_EQ(state.errors(), QStringList{QStringLiteral("Command Error!:34")});
}

TEST_F(WriteProcedureTest, AnInterruptedWriteSaysSoAndKeepsTheChanges)
{
    // Cut off by the driver, or stopped with the wait dialog's Stop while command 34 is unanswered.
    for (const bool stopped : {false, true}) {
        if (stopped) {
            startRead();
            runUntil([&] { return host.sequenceEnds == 2; });
        }
        changes.DampingChanged = true;
        driver.errors[34] = stopped ? QString() : QStringLiteral("Communication Error!");
        driver.silentFor[34] = stopped ? 5 : 0;
        platform::Timer stopper(8000);
        stopper.OnTimer = [&] {
            stopper.setEnabled(false);
            sequencer.stop(driverlink::StopSender::WaitDialog);
        };
        stopper.setEnabled(stopped);
        expectWriteQuestions();
        dialogs.expect(Kind::Warning, platform::texts().writeInterrupted);
        write.ZapisPrevClick(); // returns instead of waiting for an on-line loop that never comes
        EXPECT_TRUE(history.isEmpty()) << "recorded as modified";
        EXPECT_TRUE(changes.DampingChanged) << "the change to write again was lost";
        EXPECT_FALSE(sequencer.stepArmed());
    }
}

TEST_F(WriteProcedureTest, NothingPassesForAWriteThatDidNotHappenAsSaid)
{
    const QString device = state.text(Control::UI);
    // Stopped with the wait dialog during the read-back, after command 34 was refused: the Stop empties
    // the screen and the error list, yet the write had an error and went to this device.
    changes.DampingChanged = true;
    driver.errors[34] = QStringLiteral("Command Error!");
    driver.silentFor[0] = 5;
    platform::Timer readBack(50);
    readBack.OnTimer = [&] {
        if (!sequencer.writeListDone() || sequencer.state() >= 300) return;
        readBack.setEnabled(false);
        sequencer.stop(driverlink::StopSender::WaitDialog);
        host.ClearAll();
        state.clearErrors();
    };
    readBack.setEnabled(true);
    expectWriteQuestions();
    dialogs.expect(Kind::Warning, platform::texts().writtenWithErrors);
    write.ZapisPrevClick();
    EXPECT_EQ(history, QStringList{platform::texts().activityModified + u" for " + device});

    // The next write is stopped before its write list began: the last one's list does not count.
    readBack.setEnabled(false);
    driver.silentFor.clear();
    startRead();
    runUntil([&] { return host.sequenceEnds == 2; });
    history.clear();
    changes.DampingChanged = true;
    const int identities = sequencer.identitiesTaken();
    platform::Timer stopper(10);
    stopper.OnTimer = [&] {
        if (sequencer.identitiesTaken() == identities || sequencer.state() != driverlink::states::Online) return;
        stopper.setEnabled(false);
        sequencer.stop(driverlink::StopSender::WaitDialog);
    };
    stopper.setEnabled(true);
    expectWriteQuestions();
    dialogs.expect(Kind::Warning, platform::texts().writeInterrupted);
    write.ZapisPrevClick();
    EXPECT_TRUE(history.isEmpty());
    EXPECT_TRUE(changes.DampingChanged);
}

TEST_F(WriteProcedureTest, AnIdentityReplyThatCannotBeReadWritesNothing)
{
    changes.DampingChanged = true;
    driver.replies[0][1] = QStringLiteral("TM120");
    driver.replies[0][7] = QStringLiteral("x"); // device flags that are no number
    expectWriteQuestions();
    dialogs.expect(Kind::Error, platform::texts().noDeviceConnected);
    write.ZapisPrevClick();
    EXPECT_FALSE(driver.commands().contains(34)) << "written into another type of device";
    EXPECT_TRUE(changes.DampingChanged);
}

TEST_F(WriteProcedureTest, AWriteThatStartsAStoppedConnectionOffersStop)
{
    sequencer.stop(driverlink::StopSender::StopButton, false);
    changes.DampingChanged = true;
    driver.silentFor[0] = 1000; // the device does not answer: only Stop! ends the write
    platform::Timer stopButton(20000);
    stopButton.OnTimer = [&] {
        stopButton.setEnabled(false);
        sequencer.stop(driverlink::StopSender::StopButton, false);
    };
    stopButton.setEnabled(true);
    expectWriteQuestions();
    write.ZapisPrevClick();
    EXPECT_TRUE(stopEnabled) << "Stop! stayed disabled";
    EXPECT_FALSE(driver.commands().contains(34));
    EXPECT_TRUE(changes.DampingChanged);
}

TEST_F(WriteProcedureTest, BackToInitialValuesMarksAllButTheTransferFunction)
{
    dialogs.expect(Kind::Confirm, platform::texts().returnToOriginalValues, platform::Answer::Yes);
    dialogs.expect(Kind::Confirm, platform::texts().valuesRefreshedNotWritten, platform::Answer::No);
    write.NavratHodnotm1Click();
    EXPECT_EQ(initialShown, 1);
    EXPECT_TRUE(changes.MessageChanged && changes.TagChanged && changes.DampingChanged && changes.RangeChanged &&
                changes.UnitsChanged && changes.DetailedChanged);
    EXPECT_FALSE(changes.TransferFunctionChanged);
    EXPECT_TRUE(writeEnabled);
    EXPECT_EQ(history, QStringList{entry(platform::texts().activityReturned, true)});
}

TEST_F(WriteProcedureTest, DecliningBackToInitialValuesStillRecordsIt)
{
    dialogs.expect(Kind::Confirm, platform::texts().returnToOriginalValues, platform::Answer::Cancel);
    write.NavratHodnotm1Click();
    EXPECT_EQ(initialShown, 0);
    EXPECT_EQ(history, QStringList{entry(platform::texts().activityReturned, true)});
}

TEST_F(WriteProcedureTest, BackToInitialValuesAndWriteLeavesTheTransferFunctionOut)
{
    dialogs.expect(Kind::Confirm, platform::texts().returnToOriginalValues, platform::Answer::Yes);
    dialogs.expect(Kind::Confirm, platform::texts().valuesRefreshedNotWritten, platform::Answer::Yes);
    expectWriteQuestions();
    dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    write.NavratHodnotm1Click();
    for (int command : {17, 18, 34, 44, 35})
        EXPECT_TRUE(driver.commands().contains(command)) << command;
    EXPECT_FALSE(driver.commands().contains(47));
    EXPECT_EQ(history, (QStringList{entry(platform::texts().activityModified, true),
                                    entry(platform::texts().activityReturned, true)}));
}

} // namespace
