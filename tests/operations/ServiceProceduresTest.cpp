// The service and calibration procedures with scripted answers against the in-process driver: what
// each asks, what it sends, what it records, and that every wait ends.
#include "operations/ServiceProcedures.h"
#include "OperationFixture.h"
#include "operations/ValueInput.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

#include <QLocale>

using config::Control;
using operations::ServiceProcedures;
using platform::Answer;
using Kind = testing_support::ScriptedDialogs::Kind;
using Handler = void (ServiceProcedures::*)();

namespace {

const platform::Texts& txt() { return platform::texts(); }
// A range setting's question, with the limits of the fixture's sensor.
QString withLimits(const QString& question)
{
    return question + QStringLiteral("\r\n") +
           txt().sensorLimitsHint.arg(QStringLiteral("-100 kPa"), QStringLiteral("1600 kPa"));
}
const QString loopTestPrompt = operations::currentPrompt(true);
const QString trimPrompt = operations::currentPrompt(false);

class ServiceProceduresFixture : public OperationFixture {
protected:
    ServiceProceduresFixture() { driver.addresses << QStringLiteral("15") << QStringLiteral("16"); }

    // The commands of the procedure as "command:data|data", without the on-line reading.
    QStringList sentCommands() const
    {
        QStringList out;
        for (const auto& sent : driver.sent)
            if (sent.command != 2 && sent.command != 3)
                out.append(QString::number(sent.command) + u':' + sent.data.join(u'|'));
        return out;
    }
    // Runs a handler, then lets what it started run to its end.
    void run(Handler handler)
    {
        (procedures.*handler)();
        clock.advance(30000);
    }

    ServiceProcedures procedures{*this};
};

struct Prompt {
    Kind kind;
    QString text;
    Answer answer;
    QString value;
};

struct ProcedureCase {
    const char* name;
    Handler handler;
    std::vector<Prompt> prompts;
    QStringList sent; // the first procedure commands, "command:data|data"
    QString history;  // the entry recorded; empty: none
    QString offered;  // the value the first input offers (checked when not empty)
};
void PrintTo(const ProcedureCase& c, std::ostream* os) { *os << c.name; }

class ServiceProcedureTable : public ServiceProceduresFixture, public ::testing::TestWithParam<ProcedureCase> {};

TEST_P(ServiceProcedureTable, AsksSendsAndRecords)
{
    const ProcedureCase& c = GetParam();
    for (const Prompt& prompt : c.prompts)
        dialogs.expect(prompt.kind, prompt.text, prompt.answer, prompt.value);
    run(c.handler);
    EXPECT_EQ(sentCommands().mid(0, c.sent.size()), c.sent);
    if (c.sent.isEmpty()) {
        EXPECT_TRUE(sentCommands().isEmpty()) << sentCommands().join(u' ').toStdString();
    }
    EXPECT_EQ(history, c.history.isEmpty() ? QStringList() : QStringList{c.history});
    if (!c.offered.isEmpty()) {
        ASSERT_FALSE(dialogs.inputs().isEmpty());
        EXPECT_TRUE(dialogs.inputs().first().startsWith(txt().inputQueryCaption + u'|'));
        EXPECT_TRUE(dialogs.inputs().first().endsWith(u'|' + c.offered)) << dialogs.inputs().first().toStdString();
    }
}

QString entry(const QString& activity, bool snapshot) { return historyEntry(activity, snapshot); }
QStringList read(const QString& first) { return {first, QStringLiteral("0:")}; } // then the read from command 0

INSTANTIATE_TEST_SUITE_P(
    Procedures, ServiceProcedureTable,
    ::testing::Values(ProcedureCase{"lower_range_value",
                                    &ServiceProcedures::NastaveniPocatkuClick,
                                    {{Kind::Confirm, withLimits(txt().applyLowerRangeValue), Answer::Ok, {}}},
                                    read(QStringLiteral("37:")),
                                    entry(txt().activityChangedLrv, true),
                                    {}},
                      ProcedureCase{"lower_range_value_cancelled_still_recorded",
                                    &ServiceProcedures::NastaveniPocatkuClick,
                                    {{Kind::Confirm, withLimits(txt().applyLowerRangeValue), Answer::Cancel, {}}},
                                    {},
                                    entry(txt().activityChangedLrv, true),
                                    {}},
                      ProcedureCase{"upper_range_value",
                                    &ServiceProcedures::NastaveniKonceClick,
                                    {{Kind::Confirm, withLimits(txt().applyUpperRangeValue), Answer::Ok, {}}},
                                    read(QStringLiteral("36:")),
                                    entry(txt().activityChangedUrv, true),
                                    {}},
                      ProcedureCase{"sensor_zeroing",
                                    &ServiceProcedures::NulovaniCidlaClick,
                                    {{Kind::Confirm, txt().applyZero, Answer::Ok, {}}},
                                    {QStringLiteral("43:")},
                                    entry(txt().activitySensorZero, false),
                                    {}},
                      ProcedureCase{"address_16_and_x_are_wrong_15_is_taken_and_sent_plain",
                                    &ServiceProcedures::ZmenaAdresyClick,
                                    {{Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral("16")},
                                     {Kind::Error, txt().wrongValue, Answer::Ok, {}},
                                     {Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral("x")},
                                     {Kind::Error, txt().wrongValue, Answer::Ok, {}},
                                     {Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral(" 15")}},
                                    {QStringLiteral("6:15")},
                                    entry(txt().activityAddressChanged, true),
                                    QStringLiteral("0")},
                      ProcedureCase{"address_cancelled",
                                    &ServiceProcedures::ZmenaAdresyClick,
                                    {{Kind::Input, txt().enterAddress, Answer::Cancel, {}}},
                                    {},
                                    entry(txt().activityAddressChanged, true),
                                    {}},
                      ProcedureCase{"device_test",
                                    &ServiceProcedures::TestPristrojeClick,
                                    {},
                                    {QStringLiteral("41:"), QStringLiteral("48:")},
                                    entry(txt().activityDeviceTested, false),
                                    {}},
                      ProcedureCase{"device_reset",
                                    &ServiceProcedures::ResetPristrojeClick,
                                    {},
                                    {QStringLiteral("42:")},
                                    entry(txt().activityDeviceReset, false),
                                    {}},
                      ProcedureCase{"configuration_changed_flag",
                                    &ServiceProcedures::NulujPriznakm1Click,
                                    {},
                                    {QStringLiteral("38:")},
                                    entry(txt().activityFlagCleared, false),
                                    {}},
                      ProcedureCase{"assembly_number_three_bytes_at_most_sent_plain",
                                    &ServiceProcedures::Writefinalassemblynumber1Click,
                                    {{Kind::Input, txt().inputAssemblyNumber, Answer::Ok, QStringLiteral("16777216")},
                                     {Kind::Error, txt().wrongValue, Answer::Ok, {}},
                                     {Kind::Input, txt().inputAssemblyNumber, Answer::Ok, QStringLiteral("+16777215")}},
                                    read(QStringLiteral("19:16777215")),
                                    entry(txt().activityAssemblyNumber, true),
                                    QStringLiteral("410021")},
                      ProcedureCase{"loop_test_sends_the_value_as_typed",
                                    &ServiceProcedures::FixovaniVystupnihoProuduClick,
                                    {{Kind::Input, loopTestPrompt, Answer::Ok, QStringLiteral("x")},
                                     {Kind::Error, txt().wrongValue, Answer::Ok, {}},
                                     {Kind::Input, loopTestPrompt, Answer::Ok, QStringLiteral("12.5")}},
                                    {QStringLiteral("40:12.5")},
                                    entry(txt().activityFixedOutputOn, false),
                                    QStringLiteral("0.00")},
                      ProcedureCase{"loop_test_ended",
                                    &ServiceProcedures::ZrusfixovaniprouduClick,
                                    {},
                                    {QStringLiteral("40:0.00")},
                                    entry(txt().activityFixedOutputOff, false),
                                    {}},
                      ProcedureCase{"lower_trim",
                                    &ServiceProcedures::Trimovani4mAClick,
                                    {{Kind::Confirm, txt().switchToManualLower, Answer::Ok, {}},
                                     {Kind::Input, trimPrompt, Answer::Ok, QStringLiteral("4.02")}},
                                    {QStringLiteral("40:4.00"), QStringLiteral("45:4.02"), QStringLiteral("40:0")},
                                    entry(txt().activityLowerTrim, false),
                                    QStringLiteral("4.00")},
                      ProcedureCase{"lower_trim_cancelled_at_the_value_releases_with_the_fix_off_value",
                                    &ServiceProcedures::Trimovani4mAClick,
                                    {{Kind::Confirm, txt().switchToManualLower, Answer::Ok, {}},
                                     {Kind::Input, trimPrompt, Answer::Cancel, {}}},
                                    {QStringLiteral("40:4.00"), QStringLiteral("40:0.00")},
                                    entry(txt().activityLowerTrim, false),
                                    {}},
                      ProcedureCase{"upper_trim",
                                    &ServiceProcedures::Trimovani20mAClick,
                                    {{Kind::Confirm, txt().switchToManualUpper, Answer::Ok, {}},
                                     {Kind::Input, trimPrompt, Answer::Ok, QStringLiteral("19.97")}},
                                    {QStringLiteral("40:20.00"), QStringLiteral("46:19.97"), QStringLiteral("40:0")},
                                    entry(txt().activityUpperTrim, false),
                                    QStringLiteral("20.00")},
                      ProcedureCase{"upper_trim_cancelled_at_the_value_releases_with_0_00",
                                    &ServiceProcedures::Trimovani20mAClick,
                                    {{Kind::Confirm, txt().switchToManualUpper, Answer::Ok, {}},
                                     {Kind::Input, trimPrompt, Answer::Cancel, {}}},
                                    {QStringLiteral("40:20.00"), QStringLiteral("40:0.00")},
                                    entry(txt().activityUpperTrim, false),
                                    {}},
                      ProcedureCase{"upper_trim_cancelled_at_the_question",
                                    &ServiceProcedures::Trimovani20mAClick,
                                    {{Kind::Confirm, txt().switchToManualUpper, Answer::Cancel, {}}},
                                    {},
                                    entry(txt().activityUpperTrim, false),
                                    {}},
                      ProcedureCase{"burst_code_256_is_wrong",
                                    &ServiceProcedures::NastaveniBURSTfunkceClick,
                                    {{Kind::Input, txt().enterBurstCode, Answer::Ok, QStringLiteral("256")},
                                     {Kind::Error, txt().wrongValue, Answer::Ok, {}},
                                     {Kind::Input, txt().enterBurstCode, Answer::Ok, QStringLiteral("3")}},
                                    {QStringLiteral("108:3")},
                                    entry(txt().activityBurstFunction, false),
                                    QStringLiteral("1")},
                      ProcedureCase{"burst_mode_on",
                                    &ServiceProcedures::ZapnutiBURSTmoduClick,
                                    {{Kind::Confirm, txt().enableBurst, Answer::Yes, {}}},
                                    {QStringLiteral("109:1")},
                                    entry(txt().activityBurstOn, false),
                                    {}},
                      ProcedureCase{"burst_mode_on_answered_no_is_still_recorded",
                                    &ServiceProcedures::ZapnutiBURSTmoduClick,
                                    {{Kind::Confirm, txt().enableBurst, Answer::No, {}}},
                                    {},
                                    entry(txt().activityBurstOn, false),
                                    {}},
                      ProcedureCase{"burst_mode_off",
                                    &ServiceProcedures::VypnutiBURSTmoduClick,
                                    {{Kind::Confirm, txt().disableBurst, Answer::Yes, {}}},
                                    {QStringLiteral("109:0")},
                                    entry(txt().activityBurstOff, false),
                                    {}},
                      ProcedureCase{"initialization_by_address_sent_plain",
                                    &ServiceProcedures::Inicializacedotazovacadresou1Click,
                                    {{Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral("+15")}},
                                    {QStringLiteral("0:15"), QStringLiteral("0:")},
                                    {},
                                    QStringLiteral("0")},
                      ProcedureCase{"initialization_by_tag",
                                    &ServiceProcedures::Inicializaceoznaenm1Click,
                                    {{Kind::Input, txt().enterTag, Answer::Ok, QStringLiteral("PT-101")}},
                                    {QStringLiteral("11:PT-101"), QStringLiteral("12:"), QStringLiteral("13:")},
                                    {},
                                    {}}));

class ServiceProceduresTest : public ServiceProceduresFixture, public ::testing::Test {};

const std::vector<Handler> AllHandlers{&ServiceProcedures::Inicializaceoznaenm1Click,
                                       &ServiceProcedures::Inicializacedotazovacadresou1Click,
                                       &ServiceProcedures::NastaveniPocatkuClick,
                                       &ServiceProcedures::NastaveniKonceClick,
                                       &ServiceProcedures::NulovaniCidlaClick,
                                       &ServiceProcedures::ZmenaAdresyClick,
                                       &ServiceProcedures::TestPristrojeClick,
                                       &ServiceProcedures::ResetPristrojeClick,
                                       &ServiceProcedures::NulujPriznakm1Click,
                                       &ServiceProcedures::Writefinalassemblynumber1Click,
                                       &ServiceProcedures::FixovaniVystupnihoProuduClick,
                                       &ServiceProcedures::ZrusfixovaniprouduClick,
                                       &ServiceProcedures::Trimovani4mAClick,
                                       &ServiceProcedures::Trimovani20mAClick,
                                       &ServiceProcedures::NastaveniBURSTfunkceClick,
                                       &ServiceProcedures::ZapnutiBURSTmoduClick,
                                       &ServiceProcedures::VypnutiBURSTmoduClick};

TEST_F(ServiceProceduresTest, WithoutDriverNothingRunsAndReadOnlyUsersMayOnlyTestResetAndInitialise)
{
    open = false;
    for (Handler handler : AllHandlers) {
        dialogs.expect(Kind::Message, txt().driverNotFound);
        run(handler);
    }
    open = true;
    readOnly = true;
    const std::vector<Handler> exempt{&ServiceProcedures::TestPristrojeClick, &ServiceProcedures::ResetPristrojeClick,
                                      &ServiceProcedures::Inicializaceoznaenm1Click,
                                      &ServiceProcedures::Inicializacedotazovacadresou1Click};
    for (Handler handler : AllHandlers) {
        if (std::find(exempt.begin(), exempt.end(), handler) != exempt.end()) continue;
        dialogs.expect(Kind::Message, txt().noAuthorization);
        run(handler);
    }
    EXPECT_TRUE(sentCommands().isEmpty());
    EXPECT_TRUE(history.isEmpty());
    run(&ServiceProcedures::TestPristrojeClick);
    run(&ServiceProcedures::ResetPristrojeClick);
    EXPECT_EQ(sentCommands(), (QStringList{QStringLiteral("41:"), QStringLiteral("48:"), QStringLiteral("42:")}));
}

TEST_F(ServiceProceduresTest, AConnectionFoundByTagSpeaksToAddress16AndOneByAddressToItsAddress)
{
    dialogs.expect(Kind::Input, txt().enterTag, Answer::Ok, QStringLiteral("PT-101"));
    run(&ServiceProcedures::Inicializaceoznaenm1Click);
    EXPECT_EQ(state.text(Control::PollAddr), QStringLiteral("unknown"));
    EXPECT_EQ(connectionsBegun, 1);
    QStringList addresses;
    for (const auto& sent : driver.sent)
        addresses.append(sent.address);
    addresses.removeDuplicates();
    EXPECT_EQ(addresses, QStringList{QStringLiteral("16")});

    driver.sent.clear();
    dialogs.expect(Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral(" 7"));
    run(&ServiceProcedures::Inicializacedotazovacadresou1Click);
    // No device answers there: the communication error ends the connection, nothing hangs.
    EXPECT_EQ(sentCommands(), QStringList{QStringLiteral("0:7")});
    EXPECT_EQ(driver.sent.value(0).address, QStringLiteral("7"));
    EXPECT_EQ(state.text(Control::PollAddr), QStringLiteral("7"));
    EXPECT_TRUE(sequencer.commError());
    EXPECT_EQ(sequencer.state(), driverlink::states::Idle);
}

TEST_F(ServiceProceduresTest, EveryWaitEndsWhenTheConnectionStops)
{
    // Device test waits for the sequencer; the wait dialog's Stop, a communication error and a
    // vanished driver each end it. A device that could not be reached leaves its entry (with the
    // error); a test the user stopped or the driver never carried out leaves none.
    const std::vector<std::pair<std::function<void()>, bool>> endings{
        {[&] { sequencer.stop(driverlink::StopSender::WaitDialog); }, false},
        {[&] { driver.errors[41] = QStringLiteral("Communication Error!"); }, true},
        {[&] { sequencer.driverGone(); }, false}};
    for (const auto& [end, recorded] : endings) {
        if (!sequencer.exchangeRunning()) {
            driver.errors.clear();
            startRead();
            runUntil([&] { return sequencer.state() == driverlink::states::Online; });
        }
        history.clear();
        driver.silentFor[41] = 3;
        platform::Timer ender(2000);
        ender.OnTimer = [&] {
            ender.setEnabled(false);
            end();
        };
        ender.setEnabled(true);
        procedures.TestPristrojeClick(); // returns: the test would hang otherwise
        EXPECT_EQ(history, recorded ? QStringList{entry(txt().activityDeviceTested, false)} : QStringList());
        EXPECT_FALSE(sequencer.exchangeRunning());
    }
}

TEST_F(ServiceProceduresTest, AConnectionThatEndedWhileTheUserWasAskedSendsNothing)
{
    sequencer.stop(driverlink::StopSender::Decoder, false); // as a communication error during the question
    dialogs.expect(Kind::Confirm, withLimits(txt().applyLowerRangeValue), Answer::Ok);
    run(&ServiceProcedures::NastaveniPocatkuClick);
    EXPECT_TRUE(sentCommands().isEmpty()) << sentCommands().join(u' ').toStdString();
    EXPECT_FALSE(sequencer.exchangeRunning()) << "the stopped connection was started again";
    dialogs.expect(Kind::Input, txt().inputAssemblyNumber, Answer::Ok, QStringLiteral("7"));
    run(&ServiceProcedures::Writefinalassemblynumber1Click);
    EXPECT_TRUE(sentCommands().isEmpty()) << sentCommands().join(u' ').toStdString();
    EXPECT_TRUE(history.isEmpty()) << "nothing was sent, yet an entry passes for done";
}

TEST_F(ServiceProceduresTest, ADeviceThatDoesNotFixItsOutputIsNotTrimmed)
{
    driver.errors[40] = QStringLiteral("Command Error!");
    dialogs.expect(Kind::Confirm, txt().switchToManualLower, Answer::Ok);
    run(&ServiceProcedures::Trimovani4mAClick);
    EXPECT_EQ(sentCommands(), QStringList{QStringLiteral("40:4.00")});
    EXPECT_TRUE(sequencer.exchangeRunning());
}

TEST_F(ServiceProceduresTest, ARefusedAddressChangeKeepsTheOldAddress)
{
    driver.errors[6] = QStringLiteral("Command Error!");
    dialogs.expect(Kind::Input, txt().enterAddress, Answer::Ok, QStringLiteral("5"));
    run(&ServiceProcedures::ZmenaAdresyClick);
    EXPECT_EQ(state.text(Control::PollAddr), QStringLiteral("0"));
    EXPECT_TRUE(sequencer.exchangeRunning()) << "the on-line loop lost its device";
}

TEST_F(ServiceProceduresTest, AProcedureIsNotTakenOverByAnotherWhileItWaits)
{
    driver.silentFor[41] = 2;
    platform::Timer secondClick(1000);
    secondClick.OnTimer = [&] {
        secondClick.setEnabled(false);
        procedures.ResetPristrojeClick();
    };
    secondClick.setEnabled(true);
    run(&ServiceProcedures::TestPristrojeClick);
    EXPECT_FALSE(driver.commands().contains(42)) << "the reset took the sequencer from the test";
    EXPECT_TRUE(driver.commands().contains(48)) << "the test did not run to its end";
    EXPECT_EQ(history, QStringList{entry(txt().activityDeviceTested, false)});
}

TEST_F(ServiceProceduresTest, CurrentsAreCheckedInTheLocaleAndTheFixOffValueGoesOutInItsForm)
{
    // A loop current is one a device can carry, 3.5 to 23 mA; 0 ends the fixed output. A number that is
    // none to send is a wrong value, one outside the range is refused with the range.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    outputs.fixOffValue = QStringLiteral("0.00");
    const QString prompt = operations::currentPrompt(true);
    EXPECT_TRUE(prompt.contains(QStringLiteral("3,5")) && prompt.contains(QStringLiteral("mA")))
        << prompt.toStdString();
    const std::pair<const char*, QString> refused[] = {
        {"nan", txt().wrongValue},
        {"inf", txt().wrongValue},
        {"1e39", txt().currentOutOfRange.arg(QStringLiteral("1e39"), QStringLiteral("3,5"), QStringLiteral("23"))},
        {"3.4", txt().currentOutOfRange.arg(QStringLiteral("3.4"), QStringLiteral("3,5"), QStringLiteral("23"))},
        {"23,1", txt().currentOutOfRange.arg(QStringLiteral("23,1"), QStringLiteral("3,5"), QStringLiteral("23"))}};
    for (const auto& [typed, why] : refused) {
        dialogs.expect(Kind::Input, prompt, Answer::Ok, QString::fromLatin1(typed));
        dialogs.expect(Kind::Error, why);
    }
    dialogs.expect(Kind::Input, prompt, Answer::Ok, QStringLiteral("12.5"));
    run(&ServiceProcedures::FixovaniVystupnihoProuduClick);
    run(&ServiceProcedures::ZrusfixovaniprouduClick);
    dialogs.expect(Kind::Input, prompt, Answer::Ok, QStringLiteral("0"));
    run(&ServiceProcedures::FixovaniVystupnihoProuduClick);
    // A trim takes no 0: the meter reads a current near the end the output is fixed at.
    dialogs.expect(Kind::Confirm, txt().switchToManualLower, Answer::Ok);
    dialogs.expect(Kind::Input, operations::currentPrompt(false), Answer::Ok, QStringLiteral("0"));
    dialogs.expect(Kind::Error,
                   txt().currentOutOfRange.arg(QStringLiteral("0"), QStringLiteral("3,5"), QStringLiteral("23")));
    dialogs.expect(Kind::Input, operations::currentPrompt(false), Answer::Cancel);
    run(&ServiceProcedures::Trimovani4mAClick);
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(dialogs.inputs().first().endsWith(QStringLiteral("|0,00")));
    EXPECT_EQ(sentCommands().mid(0, 3),
              (QStringList{QStringLiteral("40:12.5"), QStringLiteral("40:0,00"), QStringLiteral("40:0")}));
}

// Setting a range end to the input applied now: an input beyond the sensor, or one that would leave
// less than the minimum span, is not sent; the user is told why, with the limit.
struct AppliedCase {
    const char* name;
    Handler handler;
    QString question;
    QString pv; // the primary variable the device shows, in kPa
    QString refusal;
};
void PrintTo(const AppliedCase& c, std::ostream* os) { *os << c.name; }

class AppliedInputTable : public ServiceProceduresFixture, public ::testing::TestWithParam<AppliedCase> {};

TEST_P(AppliedInputTable, BeyondTheSensorNothingIsSent)
{
    const AppliedCase& c = GetParam();
    driver.replies[3][2] = c.pv;
    runUntil([&] { return state.text(Control::PV) == c.pv + QStringLiteral(" kPa"); });
    driver.sent.clear();
    dialogs.expect(Kind::Confirm, withLimits(c.question), Answer::Ok);
    dialogs.expect(Kind::Error, c.refusal);
    run(c.handler);
    EXPECT_TRUE(sentCommands().isEmpty()) << sentCommands().join(u' ').toStdString();
    EXPECT_TRUE(sequencer.exchangeRunning());
}

INSTANTIATE_TEST_SUITE_P(
    RangeEnds, AppliedInputTable,
    ::testing::Values(AppliedCase{"upper_above_the_sensor", &ServiceProcedures::NastaveniKonceClick,
                                  txt().applyUpperRangeValue, QStringLiteral("1700"),
                                  txt().appliedAboveLimit.arg(QStringLiteral("1700 kPa"), QStringLiteral("1600 kPa"))},
                      AppliedCase{"lower_below_the_sensor", &ServiceProcedures::NastaveniPocatkuClick,
                                  txt().applyLowerRangeValue, QStringLiteral("-150"),
                                  txt().appliedBelowLimit.arg(QStringLiteral("-150 kPa"), QStringLiteral("-100 kPa"))},
                      AppliedCase{"upper_too_near_the_lower_range_value", &ServiceProcedures::NastaveniKonceClick,
                                  txt().applyUpperRangeValue, QStringLiteral("4"),
                                  txt().appliedSpan.arg(QStringLiteral("4 kPa"), QStringLiteral("4 kPa"),
                                                        QStringLiteral("10 kPa"))}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
