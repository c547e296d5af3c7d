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
    EXPECT_TRUE(host.errorListShown);
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

// Giving up where there is no on-line loop to go on with (a scan of the loop, or a step after the connection
// was stopped): the sequencer rests, and nothing more goes out. Parameter: a scan.
class GivingUpTest : public SequencerFixture, public ::testing::TestWithParam<bool> {};

TEST_P(GivingUpTest, WithoutAConnectionTheSequencerRestsAndSendsNoMore)
{
    channel.refuseExecute = true;
    dialogs.expect(Kind::Message, platform::texts().commandNotPerformed);
    if (GetParam()) {
        sequencer.connect(Procedure::ScanLoop, QStringLiteral("15"));
        runUntil([&] { return !host.scanEndings.isEmpty(); });
        EXPECT_EQ(host.scanEndings, QList<driverlink::Ending>{driverlink::Ending::Refused});
    } else {
        sequencer.connect(Procedure::Online);
        runUntil([&] { return sequencer.retryCount() == 101; });
        sequencer.stop(StopSender::StopButton, false);
        sequencer.proceed(); // the diagnostic RUN
    }
    clock.advance(60000); // long enough for another 101 refusals
    EXPECT_EQ(sequencer.retryCount(), 0);
    channel.refuseExecute = false;
    clock.advance(10000);
    EXPECT_TRUE(channel.executed.isEmpty()) << "sent while resting";
    EXPECT_EQ(sequencer.state(), states::Idle);
}

INSTANTIATE_TEST_SUITE_P(Sequencer, GivingUpTest, ::testing::Bool());

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
    state.items.define(QStringLiteral("E01"), {}); // a detailed value on screen
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
    state.items.define(QStringLiteral("E01"), {}); // a detailed value on screen
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

TEST_F(SequencerTest, ProceduresEndWithTheEepromControlWhereTheDeviceAsksAndLeaveTheirWaitDialog)
{
    const QString notOpened = QStringLiteral("-");
    struct Run {
        Procedure procedure;
        QList<int> commands; // without the control, which follows the first when the device asks for it
        bool controlled;
        QString secondLine; // of the wait dialog at the end
    };
    const QString& written = platform::texts().writtenIntoDevice;
    const Run runs[] = {
        {Procedure::Write, {34, 0}, true, written},
        {Procedure::FinalAssemblyNumber, {19, 0}, true, {}},
        {Procedure::LowerRangeValue, {37, 0}, true, written},
        {Procedure::UpperRangeValue, {36, 0}, true, written},
        {Procedure::SensorZero, {43}, true, {}},
        {Procedure::TrimLowerOutput, {45, 40}, true, {}},
        {Procedure::TrimUpperOutput, {46, 40}, true, {}},
        {Procedure::BurstFunction, {108}, true, {}},
        {Procedure::BurstModeOn, {109}, true, {}},
        {Procedure::BurstModeOff, {109}, true, {}},
        {Procedure::DeviceTest, {41, 48}, false, {}},
        {Procedure::FixedOutput, {40}, false, {}},
        {Procedure::TrimFixOutput, {40}, false, notOpened},
    };
    state.setText(Control::Tlumeni, QStringLiteral("2.5"));
    changes.DampingChanged = true;
    for (int flags : {0, 2}) {
        testing_support::answerAsPressureTransmitter(driver, flags);
        sequencer.stop(StopSender::StopButton, false);
        const int ends = host.sequenceEnds;
        startRead();
        runUntil([&] { return host.sequenceEnds > ends; });
        for (const Run& run : runs) {
            QList<int> expected = run.commands;
            if (flags && run.controlled) expected.insert(1, 39);
            driver.sent.clear();
            host.waitSecondLine = notOpened;
            EXPECT_EQ(sequencer.run(run.procedure, QStringLiteral("123")), driverlink::Ending::Online);
            QList<int> sent = driver.commands();
            sent.removeAll(2);
            sent.removeAll(3);
            const auto name = [&] { return std::to_string(int(run.procedure)) + " flags " + std::to_string(flags); };
            EXPECT_EQ(sent.mid(0, expected.size()), expected) << name();
            EXPECT_EQ(sent.count(39), expected.count(39)) << name();
            EXPECT_FALSE(sequencer.waitShown()) << name() << " left the wait dialog open";
            EXPECT_EQ(host.waitSecondLine, run.secondLine) << name();
        }
    }
    // A write that sent nothing changed nothing: no control follows it.
    changes.DampingChanged = false;
    driver.sent.clear();
    EXPECT_EQ(sequencer.run(Procedure::Write), driverlink::Ending::Online);
    EXPECT_FALSE(driver.commands().contains(39));
}

TEST_F(SequencerTest, TheOnlineLoopGoesOnAtTheNewAddress)
{
    answerAsPressureTransmitter();
    driver.addresses << QStringLiteral("5");
    startRead();
    runUntil([&] { return host.sequenceEnds == 1; });
    EXPECT_EQ(sequencer.run(Procedure::ChangeAddress, QStringLiteral("5")), driverlink::Ending::Online);
    EXPECT_EQ(state.text(Control::PollAddr), QStringLiteral("5"));
    driver.sent.clear();
    clock.advance(5000);
    ASSERT_FALSE(driver.sent.isEmpty());
    EXPECT_EQ(driver.sent.last().address, QStringLiteral("5"));
}

TEST_F(SequencerTest, TemplateListsEndWithTheirRangeOfStates)
{
    // Longer lists are cut: a read takes 48 steps, a write 49 and a method 10, then each ends as after its last.
    // Two commands in turn, so that no reply repeats the one before it.
    auto list = [](int command) {
        QStringList steps;
        for (int i = 0; i < 60; ++i)
            steps.append(QString::number(command + i % 2));
        return steps;
    };
    auto count = [&](int command) { return driver.commands().count(command) + driver.commands().count(command + 1); };
    answerAsPressureTransmitter();
    changes.DetailedChanged = true;
    state.items.define(QStringLiteral("E01"), {}); // a detailed value on screen
    templates.readList = list(130);
    templates.writeList = list(140);
    templates.methodList = list(150);
    startRead();
    ASSERT_TRUE(clock.runUntil([&] { return host.sequenceEnds == 1; }, 600000)) << "the read did not end";
    EXPECT_EQ(count(130), 48);
    EXPECT_EQ(host.captures, 1);
    const std::tuple<Procedure, int, int> lists[] = {{Procedure::Write, 140, 49}, {Procedure::Method, 150, 10}};
    for (const auto& [procedure, command, steps] : lists) {
        driver.sent.clear();
        EXPECT_EQ(sequencer.run(procedure), driverlink::Ending::Online);
        EXPECT_EQ(count(command), steps) << int(procedure);
        EXPECT_EQ(sequencer.state(), states::Online);
    }
    EXPECT_EQ(host.sequenceEnds, 3) << "the write's read-back and the method end their sequences";
    EXPECT_FALSE(host.lastEndWasRead) << "the method's end counted as a read";
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

TEST_F(SequencerTest, AStateWithoutAStepSendsNothingWhateverWentOutLast)
{
    for (const quint16 stepless : {states::Idle, quint16(states::Online - 1)}) {
        driverlink::SequencerProbe::sent(sequencer, stepless, 0);
        sequencer.Timer1Timer();
        EXPECT_TRUE(channel.executed.isEmpty()) << stepless;
        EXPECT_FALSE(sequencer.stepArmed() || sequencer.timeoutArmed()) << stepless;
    }
}

// The pause before a step, taken from when a reply was handed to the decoder to when the next command
// went out: polled, every step waits its random 100..299 ms; notified, a procedure goes on at once and
// only the on-line loop keeps its pause.
class StepPauseTest : public SequencerFixture, public ::testing::TestWithParam<bool> {};

TEST_P(StepPauseTest, ANotifiedReplyIsFollowedAtOnceSaveInTheOnlineLoop)
{
    const bool notified = GetParam();
    channel.offersNotification = notified;
    ASSERT_TRUE(link.DoNewLink());
    ASSERT_EQ(link.notified(), notified);
    answerAsPressureTransmitter();
    qint64 handled = -1;
    bool online = false; // the reply was handled in the on-line loop
    QList<qint64> readPauses, onlinePauses;
    link.onReply = [&](const QStringList& lines) {
        sequencer.DdeClientItem1Change(lines);
        if (lines.value(0) == QStringLiteral("Busy!")) return;
        handled = clock.nowMs();
        online = driverlink::inOnlineLoop(sequencer.state());
    };
    const auto driverExecutes = channel.onExecute;
    channel.onExecute = [&](const QByteArray& macro) {
        if (handled >= 0) (online ? onlinePauses : readPauses).append(clock.nowMs() - handled);
        driverExecutes(macro);
    };
    startRead();
    runUntil([&] { return onlinePauses.size() >= 4; });
    ASSERT_EQ(readPauses.size(), 6) << "commands 12..16 and the on-line loop's first";
    for (const qint64 pause : readPauses)
        EXPECT_TRUE(notified ? pause == Sequencer::AtOnceMs : pause >= 100 && pause <= 299) << pause;
    for (const qint64 pause : onlinePauses)
        EXPECT_TRUE(pause >= 100 && pause <= 299) << pause;
}

INSTANTIATE_TEST_SUITE_P(PolledAndNotified, StepPauseTest, ::testing::Bool());

} // namespace
