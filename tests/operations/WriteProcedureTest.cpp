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
    EXPECT_EQ(state.text(Control::UI), QStringLiteral("1")) << "after a No the next write would not ask again";

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

// What a write would send is checked before anything is sent: the device's own unit (one no table has
// a code for) is never sent unless the user chose another, and values beyond what the device told of
// its sensor refuse the whole write, so that nothing of it is half done.
struct CheckCase {
    const char* name;
    std::function<void(config::DeviceState&)> edit;
    QString refusal;         // empty: written
    QList<int> sent{};       // commands the write sends
    QList<int> notSent{};    // and those it leaves out
    QStringList writeList{}; // the device's write list, when not the table's
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class WriteCheckTable : public WriteProcedureTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(WriteCheckTable, RefusedBeforeAnythingIsSentOrWritten)
{
    const CheckCase& c = GetParam();
    if (!c.writeList.isEmpty()) templates.writeList = c.writeList;
    state.setText(Control::Jednotky, QStringLiteral("Unknown (75)")); // as the device reported it
    c.edit(state);
    if (c.refusal.isEmpty()) {
        expectWriteQuestions();
        dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
    } else {
        dialogs.expect(Kind::Error, c.refusal);
    }
    write.ZapisPrevClick();
    if (!c.refusal.isEmpty()) {
        EXPECT_TRUE(procedureCommands().isEmpty()) << "sent after the refusal";
    }
    for (int command : c.sent)
        EXPECT_TRUE(procedureCommands().contains(command)) << command;
    for (int command : c.notSent)
        EXPECT_FALSE(procedureCommands().contains(command)) << command;
}

const platform::Texts& txt() { return platform::texts(); }

INSTANTIATE_TEST_SUITE_P(
    Writes, WriteCheckTable,
    ::testing::Values(CheckCase{"the_devices_own_unit_stays_unsent_with_a_new_tag",
                                [](config::DeviceState& s) { s.edit(Control::Oznaceni, QStringLiteral("NEW")); },
                                {},
                                {18},
                                {35, 44}},
                      CheckCase{"a_range_that_would_send_the_devices_own_unit",
                                [](config::DeviceState& s) { s.edit(Control::Konec, QStringLiteral("900")); },
                                txt().refusedNoCode.arg(txt().fieldUnits, QStringLiteral("Unknown (75)"))},
                      CheckCase{"a_unit_chosen_from_the_list_is_sent",
                                [](config::DeviceState& s) {
                                    s.pick(Control::Jednotky, 0);
                                    s.edit(Control::Konec, QStringLiteral("9"));
                                },
                                {},
                                {44, 35}},
                      CheckCase{"a_write_list_without_the_unit_writes_everything_else",
                                [](config::DeviceState& s) { s.changes.setAll(); },
                                {},
                                {17, 18},
                                {},
                                {QStringLiteral("17"), QStringLiteral("18")}},
                      CheckCase{"upper_range_value_above_the_sensor_with_a_new_tag",
                                [](config::DeviceState& s) {
                                    s.pick(Control::Jednotky, 1);
                                    s.edit(Control::Oznaceni, QStringLiteral("NEW"));
                                    s.edit(Control::Konec, QStringLiteral("5000"));
                                },
                                txt().refusedAboveLimit.arg(txt().fieldUpperRangeValue, QStringLiteral("5000 kPa"),
                                                            QStringLiteral("1600 kPa"))},
                      CheckCase{"lower_range_value_below_the_sensor",
                                [](config::DeviceState& s) {
                                    s.pick(Control::Jednotky, 1);
                                    s.edit(Control::Pocatek, QStringLiteral("-100.5"));
                                },
                                txt().refusedBelowLimit.arg(txt().fieldLowerRangeValue, QStringLiteral("-100.5 kPa"),
                                                            QStringLiteral("-100 kPa"))},
                      CheckCase{"a_span_below_the_minimum",
                                [](config::DeviceState& s) {
                                    s.pick(Control::Jednotky, 1);
                                    s.edit(Control::Konec, QStringLiteral("9,5"));
                                },
                                txt().refusedSpan.arg(QStringLiteral("9.5 kPa"), QStringLiteral("10 kPa"))},
                      CheckCase{"limits_in_another_unit_are_left_to_the_device",
                                [](config::DeviceState& s) {
                                    s.pick(Control::Jednotky, 0);
                                    s.edit(Control::Konec, QStringLiteral("5000"));
                                },
                                {},
                                {35}},
                      CheckCase{"damping_that_is_no_number",
                                [](config::DeviceState& s) {
                                    s.edit(Control::Oznaceni, QStringLiteral("NEW"));
                                    s.edit(Control::Tlumeni, QStringLiteral("fast"));
                                },
                                txt().refusedNotNumber.arg(txt().fieldDamping, QStringLiteral("fast"))}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
