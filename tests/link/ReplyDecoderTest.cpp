#include "SequencerFixture.h"
#include "platform/Texts.h"

using config::Control;
using driverlink::SequencerProbe;

namespace {

QStringList reply(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* line : lines)
        out.append(QString::fromUtf8(line));
    return out;
}

// Replies are decoded while a procedure runs: here the on-line loop awaits the reply to command 2.
class ReplyDecoderTest : public SequencerFixture, public ::testing::Test {
protected:
    ReplyDecoderTest() { SequencerProbe::sent(sequencer, 100, 2); }
};

struct DecoderRow {
    const char* name;
    QStringList lines;
    QMap<Control, QString> expected; // controls that must show these texts
    QList<Control> untouched;        // controls that must keep "old"
};
void PrintTo(const DecoderRow& r, std::ostream* os) { *os << r.name; }

class ReplyDecoderTable : public SequencerFixture, public ::testing::TestWithParam<DecoderRow> {
protected:
    ReplyDecoderTable() { SequencerProbe::sent(sequencer, 100, 2); }
};

TEST_P(ReplyDecoderTable, FieldsSetFromTheDataLines)
{
    const DecoderRow& row = GetParam();
    for (Control c : row.untouched)
        state.setText(c, QStringLiteral("old"));
    sequencer.DdeClientItem1Change(row.lines);
    for (auto it = row.expected.begin(); it != row.expected.end(); ++it)
        EXPECT_EQ(state.text(it.key()), it.value()) << int(it.key());
    for (Control c : row.untouched)
        EXPECT_EQ(state.text(c), QStringLiteral("old")) << int(c);
}

const QStringList Identity = reply({"0", "0", "", "", " Ostrevo ", "PR210 ", "5", "5", " 3", "4", "2", "2", "662316"});

INSTANTIATE_TEST_SUITE_P(
    Commands, ReplyDecoderTable,
    ::testing::Values(
        DecoderRow{"identity, trimmed",
                   Identity,
                   {{Control::Vyrobce, QStringLiteral("Ostrevo")},
                    {Control::Typ, QStringLiteral("PR210")},
                    {Control::Verze, QStringLiteral("3")},
                    {Control::UI, QStringLiteral("662316")}},
                   {}},
        DecoderRow{"identity with 12 lines changes nothing",
                   Identity.mid(0, 12),
                   {},
                   {Control::Vyrobce, Control::Typ, Control::Verze, Control::UI}},
        DecoderRow{"tag search identity",
                   [] {
                       auto l = Identity;
                       l[0] = QStringLiteral("11");
                       return l;
                   }(),
                   {{Control::Vyrobce, QStringLiteral("Ostrevo")}},
                   {}},
        DecoderRow{"PV", reply({"1", "0", "", "", "kPa", "450.5"}), {{Control::PV, QStringLiteral("450.5 kPa")}}, {}},
        DecoderRow{"current and percent",
                   reply({"2", "0", "", "", "12", "50"}),
                   {{Control::PVI, QStringLiteral("12 mA")}, {Control::PVP, QStringLiteral("50 %")}},
                   {}},
        DecoderRow{"dynamic variables with 9 lines",
                   reply({"3", "0", "", "", "12", "kPa", "450",
                          "\xc2\xb0"
                          "C",
                          "24"}),
                   {{Control::PVI, QStringLiteral("12 mA")},
                    {Control::PV, QStringLiteral("450 kPa")},
                    {Control::SV, QString::fromUtf8("24 \xc2\xb0"
                                                    "C")}},
                   {Control::TV, Control::FV}},
        DecoderRow{"dynamic variables, all four",
                   reply({"3", "0", "", "", "12", "kPa", "1", "kPa", "2", "Ohm", "3", "mV", "4"}),
                   {{Control::TV, QStringLiteral("3 Ohm")}, {Control::FV, QStringLiteral("4 mV")}},
                   {}},
        DecoderRow{"dynamic variables too short", reply({"3", "0", "", "", "12", "kPa"}), {}, {Control::PVI}},
        DecoderRow{"message", reply({"12", "0", "", "", "HELLO"}), {{Control::Zprava, QStringLiteral("HELLO")}}, {}},
        DecoderRow{
            "message written", reply({"17", "0", "", "", "BYE"}), {{Control::Zprava, QStringLiteral("BYE")}}, {}},
        DecoderRow{"tag, descriptor, date",
                   reply({"18", "0", "", "", "TT-1", "DESC", "1.2.2025"}),
                   {{Control::Oznaceni, QStringLiteral("TT-1")},
                    {Control::Popis, QStringLiteral("DESC")},
                    {Control::Datum, QStringLiteral("1.2.2025")}},
                   {}},
        DecoderRow{"sensor limits share the unit",
                   reply({"14", "0", "", "", "77", "bar", "16", "-1", "0.1"}),
                   {{Control::VyrCisCidla, QStringLiteral("77")},
                    {Control::HorniMez, QStringLiteral("16 bar")},
                    {Control::DolniMez, QStringLiteral("-1 bar")},
                    {Control::MinRozpeti, QStringLiteral("0.1 bar")}},
                   {}},
        DecoderRow{"output information",
                   reply({"15", "0", "", "", "Low", "Square root", "psi", "100", "5", "2", "Yes", "250"}),
                   {{Control::Porucha, QStringLiteral("Low")},
                    {Control::Funkce, QStringLiteral("Square root")},
                    {Control::Jednotky, QStringLiteral("psi")},
                    {Control::Konec, QStringLiteral("100")},
                    {Control::Pocatek, QStringLiteral("5")},
                    {Control::Tlumeni, QStringLiteral("2")},
                    {Control::Ochrana, QStringLiteral("Yes")}},
                   {}},
        DecoderRow{"output information with a unit the table lacks shows the device's own",
                   reply({"15", "0", "", "", "Low", "Unknown (75)", "furlong", "100", "5", "2", "Yes", "250"}),
                   {{Control::Jednotky, QStringLiteral("furlong")}, {Control::Funkce, QStringLiteral("Unknown (75)")}},
                   {}},
        DecoderRow{"output information with 11 lines",
                   reply({"15", "0", "", "", "Low", "L", "psi", "1", "2", "3", "Y"}),
                   {},
                   {Control::Konec, Control::Porucha}},
        DecoderRow{"final assembly number",
                   reply({"16", "0", "", "", "410021"}),
                   {{Control::VyrCislo, QStringLiteral("410021")}},
                   {}},
        DecoderRow{"another address decodes nothing", reply({"16", "3", "", "", "1"}), {}, {Control::VyrCislo}},
        DecoderRow{"two lines decode nothing", reply({"16", "0"}), {}, {Control::VyrCislo}},
        DecoderRow{"status sentences one per line",
                   reply({"38", "0", "", "Configuration changed. Cold start. "}),
                   {{Control::Status, QStringLiteral("Configuration changed.\r\nCold start.\r\n")}},
                   {}},
        DecoderRow{"a full stop without a blank stays",
                   reply({"38", "0", "", "Ver.2 ok."}),
                   {{Control::Status, QStringLiteral("Ver.2 ok.")}},
                   {}}));

TEST_F(ReplyDecoderTest, BusyIsRecognisedByLineZeroAlone)
{
    sequencer.armTimeout();
    sequencer.DdeClientItem1Change(reply({"Busy!"}));
    EXPECT_TRUE(SequencerProbe::driverBusy(sequencer));
    EXPECT_FALSE(sequencer.timeoutArmed());
    sequencer.DdeClientItem1Change(reply({"Busy! ", "0", "", ""}));
    EXPECT_FALSE(SequencerProbe::driverBusy(sequencer));
}

TEST_F(ReplyDecoderTest, AdvancesOnceForTheExpectedCommandWhateverTheAddress)
{
    SequencerProbe::sent(sequencer, 101, 3);
    sequencer.DdeClientItem1Change(reply({"2", "0", "", ""}));
    EXPECT_EQ(sequencer.state(), 101) << "advanced on a reply to another command";
    sequencer.DdeClientItem1Change(reply({"3", "9"}));
    EXPECT_EQ(sequencer.state(), 102);
    sequencer.DdeClientItem1Change(reply({"3", "0", "", ""}));
    EXPECT_EQ(sequencer.state(), 102) << "advanced twice on one command";
    EXPECT_EQ(host.replyCheck, QStringLiteral("3 3"));
}

TEST_F(ReplyDecoderTest, UnknownAddressExpects16)
{
    state.setText(Control::PollAddr, QStringLiteral("unknown"));
    sequencer.DdeClientItem1Change(reply({"16", "0", "", "", "1"}));
    EXPECT_TRUE(state.text(Control::VyrCislo).isEmpty());
    sequencer.DdeClientItem1Change(reply({"16", "16", "", "", "2"}));
    EXPECT_EQ(state.text(Control::VyrCislo), QStringLiteral("2"));
}

TEST_F(ReplyDecoderTest, RearmsOnlyWhileAnExchangeRunsWithoutError)
{
    sequencer.DdeClientItem1Change(reply({"2", "0", "", ""}));
    EXPECT_FALSE(sequencer.stepArmed());
    SequencerProbe::sent(sequencer, 101, 3, true);
    sequencer.DdeClientItem1Change(reply({"3", "0", "", ""}));
    EXPECT_TRUE(sequencer.stepArmed());
    EXPECT_TRUE(sequencer.timeoutArmed());
}

TEST_F(ReplyDecoderTest, DeviceFlagsThatAreNoByteRefuseTheIdentity)
{
    for (const char* bad : {"x", "256", "-1", ""}) {
        QStringList lines = Identity;
        lines[11] = QString::fromLatin1(bad);
        state.clearErrors();
        SequencerProbe::setDeviceFlags(sequencer, 7);
        sequencer.DdeClientItem1Change(lines);
        EXPECT_EQ(sequencer.deviceFlags(), 7) << bad;
        EXPECT_TRUE(state.text(Control::Vyrobce).isEmpty()) << bad;
        EXPECT_EQ(state.errors(), QStringList{platform::texts().badDeviceFlags.arg(QString::fromLatin1(bad))});
    }
    sequencer.DdeClientItem1Change(Identity);
    EXPECT_EQ(sequencer.deviceFlags(), 2);
}

TEST_F(ReplyDecoderTest, SelfTestResultByTheMasks)
{
    QStringList lines = reply({"48", "0", "", "", "0", "4", "0"});
    while (lines.size() < 16)
        lines.append(QStringLiteral("0"));
    sequencer.DdeClientItem1Change(lines);
    screen.selfTestMasks[1] = 0x04;
    sequencer.DdeClientItem1Change(lines);
    lines[5] = QStringLiteral("x");
    sequencer.DdeClientItem1Change(lines);
    sequencer.DdeClientItem1Change(lines.mid(0, 15));
    EXPECT_EQ(state.errors(), (QStringList{platform::texts().testOk, platform::texts().testFailed}));
}

TEST_F(ReplyDecoderTest, AfterASelfTestTheDeviceRefusedOnlyAFailureIsSaid)
{
    screen.selfTestMasks[0] = 0x01;
    struct {
        const char* error41;
        const char* status0;
        QStringList entries;
    } const rows[] = {
        {"Command Error!", "0", {QStringLiteral("Command Error!:41")}},
        {"Command Error!", "1", {QStringLiteral("Command Error!:41"), platform::texts().testFailed}},
        {"", "0", {platform::texts().testOk}},
    };
    for (const auto& row : rows) {
        state.clearErrors();
        sequencer.DdeClientItem1Change(reply({"41", "0", row.error41, ""}));
        QStringList status = reply({"48", "0", "", "", row.status0});
        while (status.size() < 16)
            status.append(QStringLiteral("0"));
        sequencer.DdeClientItem1Change(status);
        EXPECT_EQ(state.errors(), row.entries) << row.error41 << row.status0;
    }
}

TEST_F(ReplyDecoderTest, TemplateRepliesGoToTheDetailedSetupDuringARead)
{
    SequencerProbe::sent(sequencer, 203, 130);
    sequencer.DdeClientItem1Change(reply({"130", "0", "", "", "1"}));
    SequencerProbe::sent(sequencer, 100, 2);
    sequencer.DdeClientItem1Change(reply({"131", "0", "", "", "2"}));
    EXPECT_EQ(templates.evaluatedStates, QList<int>{203});
}

TEST_F(ReplyDecoderTest, ATemplateReplyThatBelongsToSomethingElseRepeatsTheStep)
{
    templates.refuseOnce = {203};
    SequencerProbe::sent(sequencer, 203, 130, true);
    sequencer.DdeClientItem1Change(reply({"130", "0", "", "", "1"}));
    EXPECT_EQ(sequencer.state(), 203) << "advanced on a reply the template refused";
    EXPECT_TRUE(sequencer.stepArmed());
}

TEST_F(ReplyDecoderTest, AReplyAfterAStopChangesNothing)
{
    answerAsPressureTransmitter();
    startRead();
    runUntil([&] { return driver.commands().size() == 3; }); // command 13 is in flight
    sequencer.stop(driverlink::StopSender::WaitDialog);
    clock.advance(10000);
    EXPECT_TRUE(state.text(Control::Oznaceni).isEmpty()) << "the late reply refilled the screen";
    EXPECT_EQ(sequencer.state(), driverlink::states::Idle);
}

TEST_F(ReplyDecoderTest, AnEmptyListDoesNothingAndOneEmptyLineIsNoReply)
{
    sequencer.armTimeout();
    sequencer.DdeClientItem1Change({});
    EXPECT_TRUE(sequencer.timeoutArmed());
    SequencerProbe::sent(sequencer, 100, 2, true);
    sequencer.DdeClientItem1Change(QStringList{QString()});
    EXPECT_EQ(sequencer.state(), 100);
    EXPECT_TRUE(sequencer.stepArmed()) << "the step was not re-armed";
}

// A refusal as the driver publishes it: "Command Error!" keeps its entry with the command, and a
// driver that says the response code behind the reply text adds what the code means for the command.
struct RefusalRow {
    const char* name;
    QByteArray item;
    QStringList entries;
};
void PrintTo(const RefusalRow& r, std::ostream* os) { *os << r.name; }

class RefusalTable : public SequencerFixture, public ::testing::TestWithParam<RefusalRow> {
protected:
    RefusalTable() { SequencerProbe::sent(sequencer, 100, 2); }
};

TEST_P(RefusalTable, TheDevicesReasonFollowsTheCommandError)
{
    channel.item = GetParam().item;
    link.Timer4Timer();
    EXPECT_EQ(state.errors(), GetParam().entries);
}

QByteArray refused(const char* command, const char* extension = nullptr)
{
    QByteArray item = QByteArray(command) + "\r\n0\r\nCommand Error!\r\n";
    if (extension) item += QByteArray(1, '\0') + extension;
    return item;
}
QString part(const char* command) { return QStringLiteral("Command Error!:") + QLatin1String(command); }
QString meaning(int code, const QString& text) { return platform::texts().responseCodeWithMeaning.arg(code).arg(text); }

INSTANTIATE_TEST_SUITE_P(Replies, RefusalTable,
                         ::testing::Values(RefusalRow{"range_refused",
                                                      refused("35", "ResponseCode=11"),
                                                      {part("35"), meaning(11, platform::texts().rcUpperRangeTooHigh)}},
                                           RefusalRow{
                                               "applied_input_refused",
                                               refused("36", "ResponseCode=9"),
                                               {part("36"), meaning(9, platform::texts().rcAppliedProcessTooHigh)}},
                                           RefusalRow{"the_commands_own_meaning_wins",
                                                      refused("6", "Other=1\r\nResponseCode=2"),
                                                      {part("6"), meaning(2, platform::texts().rcInvalidPollAddress)}},
                                           RefusalRow{"a_meaning_every_command_shares",
                                                      refused("44", "ResponseCode=7"),
                                                      {part("44"), meaning(7, platform::texts().rcWriteProtected)}},
                                           RefusalRow{"device_specific_code_unknown",
                                                      refused("130", "ResponseCode=12"),
                                                      {part("130"), platform::texts().responseCodeOnly.arg(12)}},
                                           RefusalRow{"classic_driver", refused("35"), {part("35")}},
                                           RefusalRow{"no_number", refused("35", "ResponseCode=x"), {part("35")}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
