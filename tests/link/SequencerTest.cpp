#include "SequencerFixture.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

using config::Control;
using driverlink::Procedure;
using driverlink::Sequencer;
using driverlink::StopSender;
namespace states = driverlink::states;
using Kind = testing_support::ScriptedDialogs::Kind;

namespace {

class SequencerTest : public SequencerFixture, public ::testing::Test {};

TEST_F(SequencerTest, ReadFillsTheWindowThenTheOnlineLoopAlternatesCommands2And3)
{
    answerAsPressureTransmitter();
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    // The end of the read and the first step of the on-line loop are one tick.
    EXPECT_EQ(driver.commands(), (QList<int>{0, 12, 13, 14, 15, 16, 2}));
    EXPECT_EQ(sequencer.state(), states::Online);
    EXPECT_EQ(host.captures, 1);
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(ddfChecks, 1);
    EXPECT_TRUE(host.gaugeShown);
    EXPECT_FALSE(host.gaugeWriting);
    EXPECT_EQ(host.gaugeMaximum, 5);
    EXPECT_EQ(host.waitDialogShown, 1);
    EXPECT_EQ(host.waitDialogClosed, 1);
    EXPECT_FALSE(host.hourGlass);
    EXPECT_EQ(host.gaugePositions, (QList<int>{0, 1, 2, 3, 4, 5})) << "the gauge follows the read steps";

    const QMap<Control, QString> expected{
        {Control::Vyrobce, QStringLiteral("Ostrevo")},
        {Control::Typ, QStringLiteral("PR210")},
        {Control::Verze, QStringLiteral("3")},
        {Control::UI, QStringLiteral("662316")},
        {Control::Zprava, QStringLiteral("SIMULATED")},
        {Control::Oznaceni, QStringLiteral("PT-101")},
        {Control::Popis, QStringLiteral("PUMP")},
        {Control::Datum, QStringLiteral("8.12.2026")},
        {Control::VyrCisCidla, QStringLiteral("662316")},
        {Control::HorniMez, QStringLiteral("1600 kPa")},
        {Control::DolniMez, QStringLiteral("-100 kPa")},
        {Control::MinRozpeti, QStringLiteral("10 kPa")},
        {Control::Porucha, QStringLiteral("High")},
        {Control::Funkce, QStringLiteral("Linear")},
        {Control::Jednotky, QStringLiteral("kPa")},
        {Control::Konec, QStringLiteral("1000")},
        {Control::Pocatek, QStringLiteral("0")},
        {Control::Tlumeni, QStringLiteral("0.5")},
        {Control::Ochrana, QStringLiteral("No")},
        {Control::VyrCislo, QStringLiteral("410021")},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(state.text(it.key()), it.value()) << int(it.key());

    clock.advance(20000);
    const QList<int> online = driver.commands().mid(6);
    ASSERT_GE(online.size(), 6);
    for (int i = 0; i < online.size(); ++i)
        EXPECT_EQ(online[i], i % 2 == 0 ? 2 : 3) << "at " << i;
    EXPECT_EQ(state.text(Control::PV), QStringLiteral("506.2 kPa"));
    EXPECT_EQ(state.text(Control::PVI), QStringLiteral("12.1 mA"));
    EXPECT_EQ(state.text(Control::PVP), QStringLiteral("50.6 %"));
    EXPECT_EQ(state.text(Control::SV), QString::fromUtf8("24.5 \xc2\xb0"
                                                         "C"));
    EXPECT_EQ(host.programStatus, platform::texts().readingVariables);
}

TEST_F(SequencerTest, AProcedureSaysHowItEnded)
{
    using driverlink::Ending;
    answerAsPressureTransmitter();
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(sequencer.run(Procedure::DeviceReset), Ending::Online);

    platform::Timer stopper(3000);
    stopper.OnTimer = [&] {
        stopper.setEnabled(false);
        sequencer.stop(StopSender::WaitDialog);
    };
    stopper.setEnabled(true);
    driver.silentFor[42] = 10;
    EXPECT_EQ(sequencer.run(Procedure::DeviceReset), Ending::Stopped);
    EXPECT_EQ(sequencer.state(), states::Idle);

    // Stopped while the step in progress was still awaited: the procedure never starts.
    startRead();
    runUntil([&] { return host.sequenceEnds == 2; });
    driver.sent.clear();
    stopper.setInterval(200);
    stopper.setEnabled(true);
    EXPECT_EQ(sequencer.run(Procedure::DeviceReset), Ending::Stopped);
    clock.advance(10000);
    EXPECT_FALSE(driver.commands().contains(42));

    startRead();
    runUntil([&] { return host.sequenceEnds == 3; });
    driver.errors[38] = QStringLiteral("Communication Error!");
    EXPECT_EQ(sequencer.run(Procedure::ClearConfigurationChanged), Ending::CommunicationError);

    startRead();
    runUntil([&] { return host.sequenceEnds == 4; });
    channel.refuseExecute = true;
    dialogs.expect(Kind::Message, platform::texts().commandNotPerformed);
    EXPECT_EQ(sequencer.run(Procedure::DeviceTest), Ending::Refused);
    EXPECT_FALSE(sequencer.waitShown()) << "the wait dialog stays open over a procedure that ended";

    channel.refuseExecute = false;
    startRead();
    runUntil([&] { return host.sequenceEnds == 5; });
    stopper.OnTimer = [&] {
        stopper.setEnabled(false);
        sequencer.closing();
    };
    stopper.setInterval(3000);
    stopper.setEnabled(true);
    driver.silentFor[42] = 10;
    EXPECT_EQ(sequencer.run(Procedure::DeviceReset), Ending::Closing);
}

TEST_F(SequencerTest, StopWithUnsavedChangesMayKeepTheConnection)
{
    answerAsPressureTransmitter();
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    host.keepConnection = true;
    EXPECT_FALSE(sequencer.stop(StopSender::StopButton));
    EXPECT_TRUE(sequencer.exchangeRunning());
    EXPECT_TRUE(host.stops.isEmpty());
    host.keepConnection = false;
    EXPECT_TRUE(sequencer.stop(StopSender::StopButton));
    EXPECT_EQ(sequencer.state(), states::Idle);
    EXPECT_FALSE(sequencer.stepArmed() || sequencer.timeoutArmed());
}

TEST_F(SequencerTest, AStepWithoutReplyIsSentAgainAfterTheTimeout)
{
    answerAsPressureTransmitter();
    driver.silentFor[13] = 2;
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(driver.commands(), (QList<int>{0, 12, 13, 13, 13, 14, 15, 16, 2}));
}

TEST_F(SequencerTest, BusyHoldsTheStepUntilTheReplyComes)
{
    answerAsPressureTransmitter();
    driver.workMs[14] = 9000; // longer than the time-out
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(driver.commands(), (QList<int>{0, 12, 13, 14, 15, 16, 2})) << "a busy step was sent again";
    EXPECT_EQ(state.text(Control::MinRozpeti), QStringLiteral("10 kPa"));
}

TEST_F(SequencerTest, CommunicationErrorInTheMiddleStopsTheConnection)
{
    answerAsPressureTransmitter();
    driver.errors[13] = QStringLiteral("Communication Error!");
    startRead();
    runUntil([&] { return sequencer.commError(); });
    clock.advance(30000);
    EXPECT_EQ(driver.commands(), (QList<int>{0, 12, 13}));
    EXPECT_EQ(host.stops, QList<StopSender>{StopSender::Decoder});
    EXPECT_EQ(state.errors(), QStringList{QStringLiteral("Communication Error!")});
    EXPECT_TRUE(host.errorListShown);
    EXPECT_EQ(host.captures, 0);
}

TEST_F(SequencerTest, RepliesToAnotherCommandOrAddressDoNotDecodeOrAdvanceWrongly)
{
    answerAsPressureTransmitter();
    driver.nextCommandLine = QStringLiteral("1"); // the first reply answers another command
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(driver.commands().mid(0, 3), (QList<int>{0, 0, 12})) << "advanced on a reply to command 1";
}

TEST_F(SequencerTest, AReplyForAnotherAddressAdvancesButChangesNothing)
{
    answerAsPressureTransmitter();
    driver.nextAddressLine = QStringLiteral("3");
    startRead();
    runUntil([&] { return driver.commands().size() >= 2; });
    EXPECT_EQ(driver.commands(), (QList<int>{0, 12}));
    EXPECT_TRUE(state.text(Control::Vyrobce).isEmpty());
}

TEST_F(SequencerTest, CommandErrorIsListedAndTheReadGoesOn)
{
    answerAsPressureTransmitter();
    driver.errors[16] = QStringLiteral("Command Error!");
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(state.errors(), QStringList{QStringLiteral("Command Error!:16")});
    EXPECT_TRUE(state.text(Control::VyrCislo).isEmpty());
}

TEST_F(SequencerTest, RefusedSendsSlowThePollingAndThe101stGivesUp)
{
    channel.refuseExecute = true;
    sequencer.connect(Procedure::Online);
    runUntil([&] { return sequencer.retryCount() == 101; });
    EXPECT_EQ(link.Timer4.interval(), 1400 + 50 * 20);
    dialogs.expect(Kind::Message, platform::texts().commandNotPerformed);
    runUntil([&] { return sequencer.retryCount() == 1; });
    EXPECT_EQ(sequencer.state(), states::Online);
    EXPECT_EQ(link.Timer4.interval(), 2400) << "the polling went faster again";
    EXPECT_TRUE(channel.executed.isEmpty());
}

TEST_F(SequencerTest, AWriteWithoutChangesSkipsEveryGuardedStepInOneTick)
{
    at(300);
    sequencer.Timer1Timer();
    ASSERT_EQ(channel.executed.size(), 1);
    EXPECT_EQ(channel.executed.last(), QByteArray("0   \r\n0\r\n"));
    EXPECT_EQ(sequencer.state(), 200);
    EXPECT_EQ(host.waitSecondLine, platform::texts().writtenIntoDevice);
}

TEST_F(SequencerTest, WriteSendsOnlyTheChangedGroups)
{
    state.setText(Control::Tlumeni, QStringLiteral("2.5"));
    state.setText(Control::Jednotky, QStringLiteral("bar"));
    state.setText(Control::Konec, QStringLiteral("10\r\n5")); // a pasted line break is no further data line
    state.setText(Control::Pocatek, QStringLiteral("-1"));
    changes.DampingChanged = changes.RangeChanged = true;
    at(300);
    sequencer.Timer1Timer();
    EXPECT_EQ(channel.executed.last(), QByteArray("34  \r\n0\r\n2.5"));
    EXPECT_EQ(sequencer.state(), 302);
    EXPECT_EQ(driverlink::SequencerProbe::commandCode(sequencer), 34);
    EXPECT_TRUE(host.gaugeWriting);
    EXPECT_EQ(host.gaugeMaximum, 6);

    at(303);
    sequencer.Timer1Timer();
    EXPECT_EQ(channel.executed.last(), QByteArray("35  \r\n0\r\nbar\r\n105\r\n-1")) << "44 was not skipped";
    EXPECT_EQ(sequencer.state(), 304);
}

TEST_F(SequencerTest, ExtendedWriteStepsAreGuardedByDetailedChangesAndAwaitTheRealCommand)
{
    // An extended template of a standard command is still device-specific: guarded by the detailed
    // changes alone, and sent with exactly the data its template built.
    templates.writeList = {QStringLiteral("255:44:W044B"), QStringLiteral("255:59:W059B")};
    state.setText(Control::Jednotky, QStringLiteral("kPa"));
    changes.UnitsChanged = changes.RangeChanged = true;
    at(300);
    sequencer.Timer1Timer();
    EXPECT_EQ(channel.executed.last(), QByteArray("0   \r\n0\r\n")) << "an unchanged device-specific step was sent";

    changes.DetailedChanged = true;
    at(300);
    sequencer.Timer1Timer();
    EXPECT_EQ(channel.executed.last(), QByteArray("255 \r\n0\r\nW044B\r\n"));
    EXPECT_EQ(driverlink::SequencerProbe::commandCode(sequencer), 44);
}

TEST_F(SequencerTest, ACommandTooLongForTheDriverEndsItsProcedureOnce)
{
    answerAsPressureTransmitter();
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    templates.writeList = {QStringLiteral("255:130:") + QString(1000, u'x')};
    changes.DetailedChanged = true;
    dialogs.expect(Kind::Error, platform::texts().commandTooLong.arg(1011).arg(999));
    EXPECT_EQ(sequencer.run(Procedure::Write), driverlink::Ending::Refused);
    EXPECT_FALSE(sequencer.waitShown()) << "the wait dialog was left open";
    clock.advance(10000);
    EXPECT_EQ(sequencer.state() / 100, 1) << "the on-line loop did not go on";
}

TEST_F(SequencerTest, ErrorsDuringWritingAreSaidInTheWaitDialog)
{
    state.addError(QStringLiteral("Command Error!:34"));
    driverlink::SequencerProbe::setWaitShown(sequencer, true);
    at(349);
    sequencer.Timer1Timer();
    EXPECT_EQ(host.waitSecondLine, platform::texts().writtenWithErrors);
}

TEST_F(SequencerTest, ADeviceThatAsksForTheEepromControlGetsItAfterAWriteAndTheAssemblyNumber)
{
    testing_support::answerAsPressureTransmitter(driver, 2);
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    state.setText(Control::Tlumeni, QStringLiteral("2.5"));
    changes.DampingChanged = true;
    const std::pair<Procedure, QList<int>> procedures[] = {{Procedure::Write, {34, 39, 0}},
                                                           {Procedure::FinalAssemblyNumber, {19, 39, 0}}};
    for (const auto& [procedure, expected] : procedures) {
        driver.sent.clear();
        EXPECT_EQ(sequencer.run(procedure, QStringLiteral("123")), driverlink::Ending::Online);
        QList<int> sent = driver.commands();
        sent.removeAll(2);
        sent.removeAll(3);
        EXPECT_EQ(sent.mid(0, 3), expected) << int(procedure);
    }
}

TEST_F(SequencerTest, TrimEndsByLeavingFixedCurrentMode)
{
    driver.replies[45] = QStringList{QStringLiteral("4.01")};
    driver.replies[40] = QStringList{QStringLiteral("4")};
    sequencer.connect(Procedure::TrimLowerOutput, QStringLiteral("4.01"));
    runUntil([&] { return sequencer.state() == states::Online && driver.commands().size() >= 2; });
    ASSERT_GE(driver.sent.size(), 2);
    EXPECT_EQ(driver.sent[0].command, 45);
    EXPECT_EQ(driver.sent[1].command, 40);
    EXPECT_EQ(driver.sent[1].data, QStringList{QStringLiteral("0")});
}

TEST_F(SequencerTest, TheWaitDialogShowsOnlyWhileAProcedureRuns)
{
    sequencer.BeginWait(false, false);
    sequencer.EndWait();
    clock.advance(200);
    EXPECT_EQ(host.waitDialogShown, 0) << "shown after the procedure had ended";
    sequencer.BeginWait(false, false);
    clock.advance(200);
    EXPECT_EQ(host.waitDialogShown, 1);
    EXPECT_FALSE(host.gaugeShown);
}

TEST_F(SequencerTest, AnIdleTickSendsNothingAndDoesNotHang)
{
    at(states::Idle);
    sequencer.Timer1Timer();
    EXPECT_TRUE(channel.executed.isEmpty());
    EXPECT_FALSE(sequencer.stepArmed());
}

// One tick from a state: the command text sent and the state afterwards.
struct StateRow {
    int state;
    int flags;
    const char* stepData;
    const char* pollAddr;
    const char* sent; // nullptr: nothing
    int after;
};
void PrintTo(const StateRow& r, std::ostream* os) { *os << r.state << "/flags" << r.flags; }

class SequencerStateTable : public SequencerFixture, public ::testing::TestWithParam<StateRow> {};

TEST_P(SequencerStateTable, CommandAndNextState)
{
    const StateRow& row = GetParam();
    templates.methodList = {QStringLiteral("41"), QStringLiteral("42")};
    state.setText(Control::PollAddr, QString::fromLatin1(row.pollAddr));
    at(quint16(row.state), QString::fromLatin1(row.stepData), quint8(row.flags));
    sequencer.Timer1Timer();
    if (row.sent) {
        ASSERT_EQ(channel.executed.size(), 1);
        EXPECT_EQ(channel.executed.first(), QByteArray(row.sent));
        EXPECT_TRUE(sequencer.timeoutArmed());
    } else {
        EXPECT_TRUE(channel.executed.isEmpty());
    }
    EXPECT_EQ(sequencer.state(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    States, SequencerStateTable,
    ::testing::Values(
        StateRow{100, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{101, 0, "", "0", "3   \r\n0\r\n", 101},
        StateRow{102, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{200, 0, "", "0", "0   \r\n0\r\n", 200},
        StateRow{201, 0, "", "4", "12  \r\n4\r\n", 201}, StateRow{206, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{249, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{250, 0, "", "0", "0   \r\n0\r\n", 250},
        StateRow{251, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{400, 0, "", "0", "37  \r\n0\r\n", 400},
        StateRow{401, 2, "", "0", "39  \r\n0\r\n0", 401}, StateRow{401, 0, "", "0", "0   \r\n0\r\n", 200},
        StateRow{402, 2, "", "0", "0   \r\n0\r\n", 200}, StateRow{410, 0, "", "0", "36  \r\n0\r\n", 410},
        StateRow{411, 2, "", "0", "39  \r\n0\r\n0", 411}, StateRow{411, 0, "", "0", "0   \r\n0\r\n", 200},
        StateRow{412, 0, "", "0", "0   \r\n0\r\n", 200}, StateRow{420, 0, "", "0", "43  \r\n0\r\n", 420},
        StateRow{421, 2, "", "0", "39  \r\n0\r\n0", 421}, StateRow{421, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{422, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{430, 0, "PT-101", "unknown", "11  \r\n16\r\nPT-101", 430},
        StateRow{431, 0, "", "unknown", "12  \r\n16\r\n", 201}, StateRow{440, 0, "3", "3", "0   \r\n3\r\n3", 440},
        StateRow{441, 0, "", "3", "0   \r\n3\r\n", 200}, StateRow{450, 0, "5", "0", "6   \r\n0\r\n5", 450},
        StateRow{451, 0, "5", "0", "2   \r\n5\r\n", 100}, StateRow{500, 0, "", "0", "41  \r\n0\r\n", 500},
        StateRow{501, 0, "", "0", "48  \r\n0\r\n", 501}, StateRow{502, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{510, 0, "", "0", "42  \r\n0\r\n", 510}, StateRow{511, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{515, 0, "", "0", "38  \r\n0\r\n", 515}, StateRow{516, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{520, 0, "12.5", "0", "40  \r\n0\r\n12.5", 520}, StateRow{521, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{530, 0, "4", "0", "40  \r\n0\r\n4", 530}, StateRow{531, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{540, 0, "4.01", "0", "45  \r\n0\r\n4.01", 540}, StateRow{541, 2, "4.01", "0", "39  \r\n0\r\n0", 541},
        StateRow{541, 0, "4.01", "0", "40  \r\n0\r\n0", 520}, StateRow{542, 0, "4.01", "0", "40  \r\n0\r\n0", 520},
        StateRow{550, 0, "19.9", "0", "46  \r\n0\r\n19.9", 550}, StateRow{551, 2, "", "0", "39  \r\n0\r\n0", 551},
        StateRow{551, 0, "19.9", "0", "40  \r\n0\r\n0", 520}, StateRow{552, 0, "", "0", "40  \r\n0\r\n0", 520},
        StateRow{560, 0, "3", "0", "108 \r\n0\r\n3", 560}, StateRow{561, 2, "", "0", "39  \r\n0\r\n0", 561},
        StateRow{561, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{562, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{570, 0, "", "0", "109 \r\n0\r\n1", 570}, StateRow{571, 2, "", "0", "39  \r\n0\r\n0", 571},
        StateRow{572, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{580, 0, "", "0", "109 \r\n0\r\n0", 580},
        StateRow{581, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{582, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{590, 0, "123", "0", "19  \r\n0\r\n123", 590}, StateRow{591, 0, "", "0", "0   \r\n0\r\n", 200},
        StateRow{591, 2, "", "0", "39  \r\n0\r\n0", 591}, StateRow{592, 2, "", "0", "0   \r\n0\r\n", 200},
        // A write that sent nothing changed nothing: no EEPROM control follows it.
        StateRow{349, 2, "", "0", "0   \r\n0\r\n", 200}, StateRow{350, 2, "", "0", "0   \r\n0\r\n", 200},
        StateRow{600, 0, "", "0", "41  \r\n0\r\n", 600}, StateRow{601, 0, "", "0", "42  \r\n0\r\n", 601},
        StateRow{602, 0, "", "0", "2   \r\n0\r\n", 100}, StateRow{610, 0, "", "0", "2   \r\n0\r\n", 100},
        StateRow{254, 0, "", "0", nullptr, 254}));

} // namespace
