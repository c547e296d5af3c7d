#include "detailed/CommandTemplates.h"
#include "DefinitionFiles.h"

#include <QHash>
#include <gtest/gtest.h>

#include <map>
#include <ostream>

using detailed::EvalReadCommand;
using detailed::GetRWCommand;

namespace {

// The items of a window as plain values.
class FakeItems : public detailed::ItemAccess {
public:
    struct Combo {
        QString section;
        QStringList entries;
        int selected = -1;
        bool writable = true;
    };

    QString itemText(const QString& name) const override
    {
        if (const Combo* box = combo(name)) return box->entries.value(box->selected);
        // Any other name answers too, so that a template sending a label's text would be noticed.
        return texts.value(name);
    }
    void setItemText(const QString& name, const QString& text) override { texts.insert(name, text); }
    QString comboListSection(int n) const override { return combos.count(n) ? combos.at(n).section : QString(); }
    QStringList comboEntries(int n) const override { return combos.count(n) ? combos.at(n).entries : QStringList(); }
    void selectComboEntry(int n, int index) override { combos[n].selected = index; }
    void replaceComboEntries(int n, const QStringList& entries, int selected) override
    {
        combos[n].entries = entries;
        combos[n].selected = selected;
    }
    bool comboWritable(int n) const override { return combos.count(n) && combos.at(n).writable; }
    void appendError(const QString& line) override { errors += line; }

    // "V01=7.25 C02=Off,On,High@2" for the given items.
    QString describe(const QStringList& names) const
    {
        QStringList parts;
        for (const QString& name : names)
            if (const Combo* box = combo(name))
                parts.append(name + u'=' + box->entries.join(u',') + u'@' + QString::number(box->selected));
            else
                parts.append(name + u'=' + texts.value(name));
        return parts.join(u' ');
    }

    QHash<QString, QString> texts;
    std::map<int, Combo> combos;
    QString errors;

private:
    const Combo* combo(const QString& name) const
    {
        if (!name.startsWith(u'C')) return nullptr;
        const auto found = combos.find(name.mid(1).toInt());
        return found == combos.end() ? nullptr : &found->second;
    }
};

const QByteArray OptionList = "[T05]\r\n0=Off\r\n1=On_spare\r\n4=High\r\n";
const QStringList Off_On_High{QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("High")};

struct BuildCase {
    const char* name;
    const char* section;
    int base;
    int state;
    const char* templateText; // nullptr: the key is missing
    int result;
    const char* data;
    int realCommand;
    const char* errors;
};
void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.name; }

class DetailedGetRWCommandTest : public ::testing::TestWithParam<BuildCase> {
protected:
    DetailedGetRWCommandTest()
    {
        items.texts = {
            {QStringLiteral("E01"), QStringLiteral("12.5")},    {QStringLiteral("Q01"), QStringLiteral("arg")},
            {QStringLiteral("V01"), QStringLiteral("7.25")},    {QStringLiteral("L01"), QStringLiteral("LABEL")},
            {QStringLiteral("X99"), QStringLiteral("NOTHING")}, {QStringLiteral("c01"), QStringLiteral("LOWER")},
            {QStringLiteral("E02"), QStringLiteral("1\r\n2\t")}};
        items.combos[1] = {QStringLiteral("T05"), Off_On_High, 0, true};
        items.combos[2] = {QStringLiteral("T05"), Off_On_High, 2, true};
        items.combos[3] = {QString(), {}, -1, true};
        items.combos[4] = {QStringLiteral("T05"), {QStringLiteral("Off"), QStringLiteral("Nowhere")}, 1, true};
        items.combos[6] = {QStringLiteral("T09"), {QStringLiteral("X")}, 0, true};
        items.combos[7] = {QStringLiteral("T05"), Off_On_High + QStringList{QStringLiteral("Unknown (9)")}, 3, true};
    }
    detailed_testing::DefinitionFiles files;
    FakeItems items;
};

TEST_P(DetailedGetRWCommandTest, BuildsTheStep)
{
    const BuildCase& c = GetParam();
    const int k = c.state - c.base;
    QByteArray content = OptionList + '[' + c.section + "]\r\n";
    if (c.templateText) content += QByteArray::number(k) + '=' + c.templateText + "\r\n";
    const QString path = files.write(content);

    QString data = QStringLiteral("16\r\n");
    quint8 realCommand = 77;
    const quint8 result = GetRWCommand(path, c.base, c.state, QString::fromUtf8(c.section), data, realCommand, items);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(data, QStringLiteral("16\r\n") + QString::fromUtf8(c.data));
    EXPECT_EQ(realCommand, c.realCommand);
    EXPECT_EQ(items.errors, QString::fromUtf8(c.errors));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DetailedGetRWCommandTest,
    ::testing::Values(
        BuildCase{"plain_read", "READ", 200, 203, "3", 3, "", 77, ""},
        BuildCase{"plain_ignores_the_rest", "WRITE", 299, 300, "34_E01", 34, "", 77, ""},
        BuildCase{"plain_254_sends_nothing", "WRITE", 299, 301, "254", 254, "", 77, ""},
        BuildCase{"leading_token_no_number_is_command_0", "READ", 200, 201, "x_R005_V01", 0, "", 77, ""},
        BuildCase{"leading_number_above_255", "WRITE", 299, 303, "256", 254, "", 77, "Error in WRITE:4\r\n"},
        BuildCase{"leading_number_negative", "WRITE", 299, 303, "-1", 254, "", 77, "Error in WRITE:4\r\n"},
        BuildCase{"extended_write", "WRITE", 299, 300, "255_W130_E01_C02_000", 255, "W130\r\n12.5\r\n4\r\n000\r\n", 130,
                  ""},
        BuildCase{"line_breaks_in_an_item_are_no_lines", "WRITE", 299, 300, "255_W130_E02", 255, "W130\r\n12\r\n", 130,
                  ""},
        BuildCase{"semicolons_separate_too", "WRITE", 299, 300, "255;W130;E01", 255, "W130\r\n12.5\r\n", 130, ""},
        BuildCase{"trailing_separator", "WRITE", 299, 300, "255_W130_E01_", 255, "W130\r\n12.5\r\n", 130, ""},
        BuildCase{"bar_token_sends_its_first_part", "WRITE", 299, 300, "255_W130_E01|V01", 255, "W130\r\n12.5\r\n", 130,
                  ""},
        BuildCase{"first_option_of_the_list", "WRITE", 299, 300, "255_W131_C01", 255, "W131\r\n0\r\n", 131, ""},
        BuildCase{"code_the_list_lacks_goes_back_as_read", "WRITE", 299, 300, "255_W131_C07", 255, "W131\r\n9\r\n", 131,
                  ""},
        BuildCase{"shown_text_in_no_option_sends_252", "WRITE", 299, 300, "255_W131_C04", 255, "W131\r\n252\r\n", 131,
                  ""},
        BuildCase{"list_missing_from_the_file_sends_252", "WRITE", 299, 300, "255_W131_C06", 255, "W131\r\n252\r\n",
                  131, ""},
        // Codes the list lacks have an empty option text, so a box showing nothing finds the highest.
        BuildCase{"box_showing_nothing_finds_the_highest_code", "WRITE", 299, 300, "255_W131_C03", 255,
                  "W131\r\n255\r\n", 131, ""},
        BuildCase{"command_number_not_a_number", "WRITE", 299, 300, "255_WX30_E01", 254, "WX30\r\n12.5\r\n", 77,
                  "Error in WRITE:1\r\n"},
        BuildCase{"command_number_above_255", "WRITE", 299, 300, "255_W300_E01", 254, "W300\r\n12.5\r\n", 77,
                  "Error in WRITE:1\r\n"},
        BuildCase{"short_command_token_keeps_the_real_command", "WRITE", 299, 300, "255_W13_E01", 255,
                  "W13\r\n12.5\r\n", 77, ""},
        BuildCase{"no_command_token", "READ", 200, 207, "255", 254, "\r\n", 77, "Error in READ:7\r\n"},
        BuildCase{"long_token_ends_the_template", "WRITE", 299, 300, "255_W130_E01_LONG_Q01", 255, "W130\r\n12.5\r\n",
                  130, ""},
        BuildCase{"long_token_ends_before_the_error_line", "WRITE", 299, 300, "255_WX30_ABCD_E01", 254, "WX30\r\n", 77,
                  ""},
        BuildCase{"names_of_no_template_item_send_nothing", "WRITE", 299, 300, "255_C140_L01_X99_c01_C31_E00_Q01", 255,
                  "C140\r\narg\r\n", 140, ""},
        BuildCase{"literals_pass_unchanged", "READ", 200, 201, "255_R132_000_1xx_2ab", 255,
                  "R132\r\n000\r\n1xx\r\n2ab\r\n", 132, ""},
        BuildCase{"method_step", "B04METHOD", 599, 600, "255_C140_Q01_V01", 255, "C140\r\narg\r\n7.25\r\n", 140, ""},
        BuildCase{"empty_template", "READ", 200, 202, "", 254, "", 77, ""},
        BuildCase{"missing_template", "READ", 200, 202, nullptr, 254, "", 77, ""},
        BuildCase{"step_below_1", "READ", 200, 200, "3", 254, "", 77, ""},
        BuildCase{"step_above_50", "READ", 200, 251, "3", 254, "", 77, ""},
        BuildCase{"step_50", "WRITE", 299, 349, "35", 35, "", 77, ""}));

struct ReplyCase {
    const char* name;
    const char* templateText;
    const char* reply; // lines separated by "|"; empty: no lines at all
    const char* items; // the items afterwards
    int repeats;
    const char* errors;
    int state = 206;
};
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }

const QStringList Watched{QStringLiteral("V01"), QStringLiteral("E01"), QStringLiteral("E03"), QStringLiteral("C02"),
                          QStringLiteral("C05"), QStringLiteral("C07"), QStringLiteral("C08")};
const char* const Unchanged = "V01= E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0";

class DetailedEvalReadCommandTest : public ::testing::TestWithParam<ReplyCase> {
protected:
    DetailedEvalReadCommandTest()
    {
        items.texts = {{QStringLiteral("V01"), QString()},
                       {QStringLiteral("E01"), QStringLiteral("e1")},
                       {QStringLiteral("E03"), QStringLiteral("e3")}};
        items.combos[2] = {QStringLiteral("T05"), Off_On_High, 0, true};
        items.combos[5] = {QStringLiteral("T05"), Off_On_High, 0, false};
        items.combos[7] = {QString(), {QStringLiteral("A"), QStringLiteral("B")}, 0, true};
        items.combos[8] = {
            QStringLiteral("T05"), {QStringLiteral("On"), QStringLiteral("x"), QStringLiteral("On")}, 0, true};
    }
    detailed_testing::DefinitionFiles files;
    FakeItems items;
};

TEST_P(DetailedEvalReadCommandTest, SpreadsTheReply)
{
    const ReplyCase& c = GetParam();
    ASSERT_EQ(items.describe(Watched), QString::fromUtf8(Unchanged));
    const QString path =
        files.write(OptionList + "[READ]\r\n" + QByteArray::number(c.state - 200) + '=' + c.templateText + "\r\n");
    const QString reply = QString::fromUtf8(c.reply);
    const QStringList lines = reply.isEmpty() ? QStringList() : reply.split(u'|');

    const bool accepted = EvalReadCommand(path, 200, c.state, lines, items);
    EXPECT_EQ(items.describe(Watched), QString::fromUtf8(c.items));
    EXPECT_EQ(accepted ? 0 : 1, c.repeats);
    EXPECT_EQ(items.errors, QString::fromUtf8(c.errors));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, DetailedEvalReadCommandTest,
    ::testing::Values(
        ReplyCase{"value_and_option_code", "255_R130_V01_C02", "130|0||status|7.25|4",
                  "V01=7.25 E01=e1 E03=e3 C02=Off,On,High@2 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"reply_of_another_command", "255_R130_V01_C02", "131|0||status|7.25|4", Unchanged, 0, ""},
        ReplyCase{"leading_zeros_dropped", "255_R005_V01", "5|0|||x",
                  "V01=x E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"line_0_must_match_exactly", "255_R005_V01", "005|0|||x", Unchanged, 0, ""},
        ReplyCase{"command_0", "255_R000_V01", "0|0|||x",
                  "V01=x E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"command_48", "255_R048_V01", "48|0|||x",
                  "V01=x E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"literal_mismatch_repeats_the_step", "255_R140_001_E03", "140|0|||2|x", Unchanged, 1, ""},
        ReplyCase{"literal_compared_as_numbers", "255_R140_001_E03", "140|0|||1|x",
                  "V01= E01=e1 E03=x C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"literal_against_no_number", "255_R140_001_E03", "140|0|||one|x", Unchanged, 1, ""},
        ReplyCase{"mismatch_keeps_what_came_before", "255_R140_V01_001_E03", "140|0|||9|2|x",
                  "V01=9 E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 1, ""},
        ReplyCase{"bar_token_reads_into_its_second_part", "255_R130_E01|V01", "130|0|||v",
                  "V01=v E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"plain_template_left_to_the_main_window", "3", "3|0|||x", Unchanged, 0, ""},
        ReplyCase{"no_command_token", "255", "255|0|||x", Unchanged, 0, ""},
        ReplyCase{"fewer_lines_leave_the_rest", "255_R130_V01_E03", "130|0|||1.5",
                  "V01=1.5 E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"fewer_lines_still_report_the_leading_fault", "2x5_R130_V01_E03", "130|0|||1.5",
                  "V01=1.5 E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0,
                  "Error in READ:6\r\n"},
        ReplyCase{"no_lines", "255_R130_V01", "", Unchanged, 0, ""},
        ReplyCase{"option_by_its_text", "255_R130_C02", "130|0|||High",
                  "V01= E01=e1 E03=e3 C02=Off,On,High@2 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"code_the_list_lacks_shown_as_itself", "255_R130_C02", "130|0|||9",
                  "V01= E01=e1 E03=e3 C02=Off,On,High,Unknown (9)@3 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"box_not_writable_cut_to_its_option", "255_R130_C05", "130|0|||1",
                  "V01= E01=e1 E03=e3 C02=Off,On,High@0 C05=On@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"box_not_writable_cut_to_the_code_the_list_lacks", "255_R130_C05", "130|0|||9",
                  "V01= E01=e1 E03=e3 C02=Off,On,High@0 C05=Unknown (9)@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"no_code_keeps_the_selection", "255_R130_C02", "130|0|||x9", Unchanged, 0, ""},
        ReplyCase{"box_without_list_matches_the_value", "255_R130_C07", "130|0|||B",
                  "V01= E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@1 C08=On,x,On@0", 0, ""},
        ReplyCase{"last_equal_entry_wins", "255_R130_C08", "130|0|||1",
                  "V01= E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@2", 0, ""},
        ReplyCase{"skipped_tokens_take_their_line", "255_R130_L01_X99_V01", "130|0|||a|b|c",
                  "V01=c E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"long_token_ends_the_template", "255_R130_V01_LONG_E03", "130|0|||a|b",
                  "V01=a E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, ""},
        ReplyCase{"leading_number_fault_reported", "2x5_R130_V01", "130|0|||v",
                  "V01=v E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0,
                  "Error in READ:6\r\n"},
        ReplyCase{"step_above_50", "255_R130_V01", "130|0|||v", Unchanged, 0, "", 251},
        ReplyCase{"step_50", "255_R130_V01", "130|0|||v",
                  "V01=v E01=e1 E03=e3 C02=Off,On,High@0 C05=Off,On,High@0 C07=A,B@0 C08=On,x,On@0", 0, "", 250}));

} // namespace
