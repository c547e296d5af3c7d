#include "codec/CommandCodec.h"
#include "codec/ReplyText.h"
#include "codec/TextFormat.h"
#include "platform/ReplyLayout.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace codec;

namespace {

const NameTables& tables()
{
    static const NameTables names = [] {
        NameTables t;
        EXPECT_TRUE(t.loadTableFile(QStringLiteral(TARVIK_DATA_DIR "/TABEN.DDF")));
        return t;
    }();
    return names;
}

QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

struct RequestCase {
    const char* name;
    int command;
    QStringList fields;
    const char* hex;   // expected data, or nullptr when refused
    const char* error; // line 2 when refused
};
void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class RequestEncoding : public ::testing::TestWithParam<RequestCase> {};

TEST_P(RequestEncoding, DataBytesOrError)
{
    const auto& c = GetParam();
    const Encoded encoded = CommandCodec(tables()).encodeRequest(c.command, c.fields);
    if (c.hex) {
        ASSERT_TRUE(encoded.ok) << encoded.error.toStdString();
        EXPECT_EQ(encoded.data.toHex(), QByteArray(c.hex));
    } else {
        EXPECT_FALSE(encoded.ok);
        EXPECT_EQ(encoded.error, QString::fromUtf8(c.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RequestEncoding,
    ::testing::Values(RequestCase{"read commands carry nothing", 3, {}, "", nullptr},
                      RequestCase{"polling address", 6, lines({"3"}), "03", nullptr},
                      RequestCase{"polling address with current mode", 6, lines({"3", "0"}), "0300", nullptr},
                      RequestCase{"polling address not a byte", 6, lines({"256"}), nullptr,
                                  "Invalid value \"256\" for polling address!"},
                      RequestCase{"tag search packs the tag", 11, lines({"PT-101"}), "414b71c31820", nullptr},
                      RequestCase{"lower case is packed as upper case", 11, lines({"pt-101"}), "414b71c31820", nullptr},
                      RequestCase{"tag longer than 8", 11, lines({"PT-1010101"}), nullptr,
                                  "Invalid value \"PT-1010101\" for tag!"},
                      RequestCase{"message outside the packed set", 17,
                                  lines({"TEPLOTA \xc4\x8c"
                                         "ERPADLA"}),
                                  nullptr,
                                  "Invalid value \"TEPLOTA \xc4\x8c"
                                  "ERPADLA\" for message!"},
                      RequestCase{"empty message is blanks", 17, lines({""}),
                                  "820820820820820820820820820820820820820820820820", nullptr},
                      RequestCase{"tag, descriptor, date", 18, lines({"A", "B", "8.12.2026"}),
                                  "060820820820"
                                  "0a0820820820820820820820"
                                  "080c7e",
                                  nullptr},
                      RequestCase{"date that is no date", 18, lines({"A", "B", "31.2.2026"}), nullptr,
                                  "Invalid value \"31.2.2026\" for date!"},
                      RequestCase{"final assembly number", 19, lines({"1234567"}), "12d687", nullptr},
                      RequestCase{"long tag in Latin-1, padded with NUL bytes", 22,
                                  lines({"Stra\xc3\x9f"
                                         "e 3"}),
                                  "53747261df652033000000000000000000000000000000000000000000000000", nullptr},
                      RequestCase{"long tag with a letter Latin-1 lacks", 22,
                                  lines({"\xc4\x8c"
                                         "-1"}),
                                  nullptr,
                                  "Invalid value \"\xc4\x8c"
                                  "-1\" for long tag!"},
                      RequestCase{"long tag longer than 32", 22, lines({"FT-301 boiler feed water, line 3A"}), nullptr,
                                  "Invalid value \"FT-301 boiler feed water, line 3A\" for long tag!"},
                      RequestCase{"final assembly number too large", 19, lines({"16777216"}), nullptr,
                                  "Invalid value \"16777216\" for final assembly number!"},
                      RequestCase{"damping", 34, lines({"0.5"}), "3f000000", nullptr},
                      RequestCase{"damping with a decimal comma", 34, lines({"1,5"}), "3fc00000", nullptr},
                      RequestCase{"damping missing", 34, {}, nullptr, "Invalid value \"\" for damping!"},
                      RequestCase{"NaN is not used", 34, lines({"NaN"}), "7fa00000", nullptr},
                      RequestCase{"infinite values", 35, lines({"kPa", "Inf", "-Inf"}), "0c7f800000ff800000", nullptr},
                      RequestCase{"range values", 35, lines({"kPa", "100", "0"}), "0c42c8000000000000", nullptr},
                      RequestCase{"range with an unknown unit", 35, lines({"furlong", "100", "0"}), nullptr,
                                  "Invalid value \"furlong\" for units!"},
                      RequestCase{"range value not a number", 35, lines({"bar", "1O0", "0"}), nullptr,
                                  "Invalid value \"1O0\" for upper range value!"},
                      RequestCase{"EEPROM burn", 39, lines({"0"}), "00", nullptr},
                      RequestCase{"fixed current", 40, lines({"4"}), "40800000", nullptr},
                      RequestCase{"units by name", 44,
                                  lines({"\xc2\xb0"
                                         "C"}),
                                  "20", nullptr},
                      RequestCase{"units by code", 44, lines({"7"}), "07", nullptr},
                      RequestCase{"trim measured current", 45, lines({"4.012"}), "4080624e", nullptr},
                      RequestCase{"transfer function by name", 47, lines({"Square root"}), "01", nullptr},
                      RequestCase{"burst command", 108, lines({"3"}), "03", nullptr},
                      RequestCase{"burst mode on", 109, lines({"1"}), "01", nullptr},
                      RequestCase{"unknown command carries nothing", 200, lines({"5"}), "", nullptr}));

struct ReplyCase {
    const char* name;
    int command;
    const char* hex;
    std::optional<QStringList> expected; // nothing: no valid reply
};
void PrintTo(const ReplyCase& c, std::ostream* os) { *os << c.name; }

class ReplyDecoding : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyDecoding, OneFieldALine)
{
    const auto& c = GetParam();
    EXPECT_EQ(CommandCodec(tables()).decodeReply(c.command, QByteArray::fromHex(c.hex)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReplyDecoding,
    ::testing::Values(
        ReplyCase{"identity", 0,
                  "fe6ed2050503020800"
                  "0a1b2c",
                  lines({"Ostrevo", "PR210", "5", "5", "3", "2", "1", "0", "662316"})},
        ReplyCase{"identity of a revision 7 device", 0,
                  "fe6ed2050703020802"
                  "0a1b2c"
                  "0504"
                  "0012"
                  "00",
                  lines({"Ostrevo", "PR210", "5", "7", "3", "2", "1", "2", "662316", "5", "4", "18", "0", "0x6ED2"})},
        ReplyCase{"identity of a revision 7 device with its maker in bytes 17 and 18", 0,
                  "fe6ed2050703020802"
                  "0a1b2c"
                  "0504"
                  "0012"
                  "00"
                  "006e"
                  "006e"
                  "01",
                  lines({"Ostrevo", "PR210", "5", "7", "3", "2", "1", "2", "662316", "5", "4", "18", "0", "0x6ED2"})},
        ReplyCase{"an expanded device type of its own is a number", 0,
                  "fee1a5050703020800"
                  "000001"
                  "0504"
                  "0000"
                  "00"
                  "006e"
                  "006e"
                  "01",
                  lines({"Ostrevo", "57765", "5", "7", "3", "2", "1", "0", "1", "5", "4", "0", "0", "0xE1A5"})},
        ReplyCase{"identity of a maker the table names", 11,
                  "fe26a0050503020800"
                  "000001",
                  lines({"Rosemount", "160", "5", "5", "3", "2", "1", "0", "1"})},
        ReplyCase{"identity of a maker the table lacks", 11,
                  "fe7fa0050503020800"
                  "000001",
                  lines({"Unknown (127)", "160", "5", "5", "3", "2", "1", "0", "1"})},
        ReplyCase{"primary variable to 5 digits", 1, "0c4409552e", lines({"kPa", "549.33"})},
        ReplyCase{"current to 3 decimals, percent to 2", 2, "414ca0f4425a9ee7", lines({"12.789", "54.66"})},
        ReplyCase{"exact current and percent keep their decimals", 2, "408000003e800000", lines({"4.000", "0.25"})},
        ReplyCase{"dynamic variables", 3,
                  "414ca0f4"
                  "0c4409552e"
                  "2041c40000",
                  lines({"12.789", "kPa", "549.33",
                         "\xc2\xb0"
                         "C",
                         "24.500"})},
        ReplyCase{"dynamic variables, PV only", 3,
                  "41480000"
                  "0c43e10000",
                  lines({"12.500", "kPa", "450.00"})},
        ReplyCase{"message", 12, "820820820820820820820820820820820820820820820820", lines({""})},
        ReplyCase{"dynamic variable not used", 3,
                  "41480000"
                  "0c43e10000"
                  "fa7fa00000",
                  lines({"12.500", "kPa", "450.00", "Not used", "NaN"})},
        ReplyCase{"sensor", 14,
                  "0a1b2c"
                  "0c"
                  "44c80000"
                  "c2c80000"
                  "41200000",
                  lines({"662316", "kPa", "1600", "-100", "10"})},
        ReplyCase{"output information", 15,
                  "00000c"
                  "447a0000"
                  "00000000"
                  "3f000000"
                  "00fa6e",
                  lines({"High", "Linear", "kPa", "1000", "0", "0.5", "No", "250", "Ostrevo"})},
        ReplyCase{"output information without the distributor", 15, "00000c447a0000000000003f00000000fa",
                  lines({"High", "Linear", "kPa", "1000", "0", "0.5", "No", "250"})},
        ReplyCase{"output information cut short is no reply", 15, "01010c", std::nullopt},
        ReplyCase{"dynamic variables without the primary variable is no reply", 3, "414ca0f4", std::nullopt},
        ReplyCase{"identity too short to hold one is no reply", 0, "fe6e", std::nullopt},
        ReplyCase{"a new polling address without the loop current mode", 6, "05", lines({"5"})},
        ReplyCase{"final assembly number", 16, "000001", lines({"1"})},
        ReplyCase{"not used value", 1, "0c7fa00000", lines({"kPa", "NaN"})},
        ReplyCase{"unit missing from the table", 44, "c8", lines({"Unknown (200)"})},
        ReplyCase{"longer reply than known", 34, "3f00000001020304", lines({"0.5"})},
        ReplyCase{"additional status, a byte a line", 48, "0102000000000000000000000000",
                  lines({"1", "2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"})},
        ReplyCase{"empty reply", 38, "", QStringList()}));

TEST(ReplyDecoding, TagDescriptorAndDateInTheLocalesShortForm)
{
    const QStringList decoded = *CommandCodec(tables()).decodeReply(13, QByteArray::fromHex("414b71c31820"
                                                                                            "0a0820820820820820820820"
                                                                                            "080c7e"));
    EXPECT_EQ(decoded, (QStringList{QStringLiteral("PT-101"), QStringLiteral("B"), formatDate(QDate(2026, 12, 8))}));
    EXPECT_EQ(parseDate(decoded[2]), QDate(2026, 12, 8)) << "the driver cannot read its own dates";
}

// A device's date runs from 1900 to 2155: in the short form of each language it reads back as the same day.
TEST(ReplyDecoding, DatesAtBothEndsOfTheDevicesRangeReadBackInEveryLanguage)
{
    const QLocale before;
    for (const char* name : {"en_US", "de_DE", "cs_CZ"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        for (const QDate day : {QDate(1900, 1, 1), QDate(1949, 12, 31), QDate(2050, 1, 1), QDate(2155, 12, 31)})
            EXPECT_EQ(parseDate(formatDate(day)), day) << name << ' ' << formatDate(day).toStdString();
    }
    QLocale::setDefault(before);
}

// The program reads a reply by the line names of the reply layout: each field the codec decodes must
// stand on the line of its name in the reply text the driver sends.
TEST(ReplyDecoding, EveryFieldStandsOnTheLineTheProgramReadsItFrom)
{
    using namespace replylayout;
    struct Case {
        int command;
        const char* hex;
        QList<std::pair<int, const char*>> fields;
    };
    const QByteArray maker17 = tables().manufacturerName(17).toUtf8();
    const Case cases[] = {
        {0,
         "fe6ed2050503020800"
         "0a1b2c",
         {{identity::Manufacturer, "Ostrevo"},
          {identity::DeviceType, "PR210"},
          {identity::UniversalRevision, "5"},
          {identity::DeviceRevision, "3"},
          {identity::Flags, "0"},
          {identity::UniqueId, "662316"},
          {identity::ExpandedDeviceType, nullptr}}},
        // Revision 6: the expanded device type made of the manufacturer and the type.
        {11,
         "fe6ed2050603020804"
         "0a1b2c"
         "0502"
         "0003"
         "00",
         {{identity::Manufacturer, "Ostrevo"},
          {identity::DeviceType, "PR210"},
          {identity::UniversalRevision, "6"},
          {identity::Flags, "4"},
          {identity::UniqueId, "662316"},
          {identity::ChangeCounter, "3"},
          {identity::ExpandedDeviceType, "0x6ED2"}}},
        // Revision 7: a type of its own in bytes 1 and 2, the 16-bit manufacturer in bytes 17 and 18.
        {0,
         "fee1a5050701020800"
         "0c3d4e"
         "0503"
         "0000"
         "00"
         "0011"
         "0011"
         "01",
         {{identity::Manufacturer, maker17.constData()},
          {identity::DeviceType, "57765"},
          {identity::UniversalRevision, "7"},
          {identity::DeviceRevision, "1"},
          {identity::UniqueId, "802126"},
          {identity::ExpandedDeviceType, "0xE1A5"}}},
        {1, "0c4409552e", {{primaryVariable::Unit, "kPa"}, {primaryVariable::Value, "549.33"}}},
        {2, "414ca0f4425a9ee7", {{loopCurrent::Current, "12.789"}, {loopCurrent::Percent, "54.66"}}},
        {3,
         "414ca0f4"
         "0c4409552e"
         "0841c40000",
         {{dynamicVariables::Current, "12.789"},
          {dynamicVariables::PvUnit, "kPa"},
          {dynamicVariables::Pv, "549.33"},
          {dynamicVariables::SvUnit, "mbar"},
          {dynamicVariables::Sv, "24.500"}}},
        {13,
         "414b71c31820"
         "0a0820820820820820820820"
         "000000",
         {{tagDescriptorDate::Tag, "PT-101"}, {tagDescriptorDate::Descriptor, "B"}}},
        {14,
         "0a1b2c0c44c80000c2c8000041200000",
         {{sensor::SerialNo, "662316"},
          {sensor::Unit, "kPa"},
          {sensor::UpperLimit, "1600"},
          {sensor::LowerLimit, "-100"},
          {sensor::MinimumSpan, "10"}}},
        {15,
         "00010c447a0000000000003f00000000fa6e",
         {{output::Alarm, "High"},
          {output::TransferFunction, "Square root"},
          {output::Unit, "kPa"},
          {output::UpperRangeValue, "1000"},
          {output::LowerRangeValue, "0"},
          {output::Damping, "0.5"},
          {output::WriteProtection, "No"},
          {output::Distributor, "Ostrevo"}}},
        {16, "000001", {{finalAssembly::Number, "1"}}},
        // Latin-1, padded with NUL bytes (or blanks) that are no part of it.
        {20,
         "46542d33303120537472"
         "61df6520330000000000000000000000000000000000",
         {{longTag::LongTag, "FT-301 Stra\xc3\x9f"
                             "e 3"}}},
        {22, "4c542d3720202020202020202020202020202020202020202020202020202020", {{longTag::LongTag, "LT-7"}}},
        {35,
         "0c42c8000000000000",
         {{range::Unit, "kPa"}, {range::UpperRangeValue, "100"}, {range::LowerRangeValue, "0"}}},
        {47, "01", {{code::Code, "Square root"}}},
        {48, "030201000000000000000000", {{additionalStatus::Status0, "3"}, {additionalStatus::Status2, "1"}}},
    };
    for (const Case& c : cases) {
        const auto data = CommandCodec(tables()).decodeReply(c.command, QByteArray::fromHex(c.hex));
        ASSERT_TRUE(data) << c.command;
        const QStringList reply =
            replyText(QString::number(c.command), QStringLiteral("0"), {}, {}, *data).split(QStringLiteral("\r\n"));
        EXPECT_EQ(reply[CommandLine], QString::number(c.command));
        for (const auto& [line, text] : c.fields) {
            if (!text) {
                EXPECT_LE(reply.size(), line) << "command " << c.command << " has line " << line;
                continue;
            }
            EXPECT_EQ(reply.value(line), QString::fromUtf8(text)) << "command " << c.command << ", line " << line;
        }
    }
}

TEST(TemplateToken, KindCommandAndTypes)
{
    const auto read = parseTemplateToken(QStringLiteral("R132KF"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->kind, u'R');
    EXPECT_EQ(read->command, 132);
    ASSERT_EQ(read->fields.size(), 2);
    EXPECT_EQ(read->fields[0].kind, Kind::Selector);
    EXPECT_EQ(read->fields[1].kind, Kind::F32);

    const auto text = parseTemplateToken(QStringLiteral("w150A16S10DUT"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->kind, u'W');
    ASSERT_EQ(text->fields.size(), 5);
    EXPECT_EQ(fieldBytes(text->fields[0]), 12);
    EXPECT_EQ(fieldBytes(text->fields[1]), 10);

    for (const char* bad : {"R13", "RABC", "R999", "W130A7", "W130S", "W130Q", "W130A", "W130S129", "R130A4294967304",
                            "R130B99999999999"})
        EXPECT_FALSE(parseTemplateToken(QString::fromLatin1(bad))) << bad;
}

TEST(TemplateCodec, ReadsSendOnlyTheirSelectorsAndWritesSendEveryLine)
{
    const CommandCodec codec(tables());
    const auto read = *parseTemplateToken(QStringLiteral("R132KF"));
    EXPECT_EQ(codec.encodeTemplate(read, lines({"001", "12.5"})).data.toHex(), QByteArray("01"));
    EXPECT_EQ(codec.decodeTemplate(read, QByteArray::fromHex("0141480000")), lines({"1", "12.5"}));
    EXPECT_EQ(codec.decodeTemplate(read, QByteArray::fromHex("01")), lines({"1"}));

    const auto write = *parseTemplateToken(QStringLiteral("W131FF"));
    EXPECT_EQ(codec.encodeTemplate(write, lines({"3.6", "21.5"})).data.toHex(), QByteArray("4066666641ac0000"));
    const Encoded bad = codec.encodeTemplate(write, lines({"3.6", "high"}));
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.error, QStringLiteral("Invalid value \"high\" for number!"));

    const auto untyped = *parseTemplateToken(QStringLiteral("W129"));
    EXPECT_EQ(codec.encodeTemplate(untyped, lines({"2", "3"})).data.toHex(), QByteArray("0203"));
    EXPECT_EQ(codec.decodeTemplate(untyped, QByteArray::fromHex("0203")), lines({"2", "3"}));

    // A device's text is one line, whatever characters it holds.
    const auto text = *parseTemplateToken(QStringLiteral("R130S10"));
    EXPECT_EQ(codec.decodeTemplate(text, QByteArray("AB\r\n0\r\nCDE")), lines({"AB  0  CDE"}));
}

// A change of one device-specific item sends every value of its write template as it was read: the others
// go back to the device as the bytes it gave.
TEST(TemplateCodec, ValuesReadAreWrittenBackAsTheDeviceGaveThem)
{
    const CommandCodec codec(tables());
    const QByteArray given = QByteArray::fromHex("7fa00000"   // not used
                                                 "7f800000"   // infinite
                                                 "ff800000"   // negative infinite
                                                 "7f7fffff"   // the largest float
                                                 "80000001"   // the smallest negative one
                                                 "0c01ceb3"); // 1e-31
    const QStringList read = codec.decodeTemplate(*parseTemplateToken(QStringLiteral("R140FFFFFF")), given);
    const Encoded written = codec.encodeTemplate(*parseTemplateToken(QStringLiteral("W141FFFFFF")), read);
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_EQ(written.data.toHex(), given.toHex());
    // Any other NaN a device gives is not used too.
    EXPECT_EQ(codec
                  .encodeTemplate(*parseTemplateToken(QStringLiteral("W141F")),
                                  codec.decodeTemplate(*parseTemplateToken(QStringLiteral("R140F")),
                                                       QByteArray::fromHex("7fc00000")))
                  .data.toHex(),
              QByteArray("7fa00000"));
}

TEST(ReplyText, ResponseCodesAndStatusSentences)
{
    EXPECT_EQ(responseText(0), QString());
    EXPECT_EQ(responseText(0x90), CommunicationError);
    EXPECT_EQ(responseText(64), CommandError);
    EXPECT_EQ(responseText(9), CommandError);
    EXPECT_EQ(responseText(8), QStringLiteral("Set to nearest possible value!"));
    EXPECT_TRUE(commandDone(0));
    EXPECT_TRUE(commandDone(14));
    EXPECT_FALSE(commandDone(7));
    EXPECT_EQ(statusText(0), QString());
    EXPECT_EQ(statusText(0x60), QStringLiteral("Configuration changed. Cold start. "));
    EXPECT_EQ(statusText(0xFF).count(QStringLiteral(". ")), 8);
    EXPECT_EQ(replyText(QStringLiteral("2"), QStringLiteral("0"), {}, {}, lines({"4", "0"})),
              QStringLiteral("2\r\n0\r\n\r\n\r\n4\r\n0"));
}

TEST(NameTables, TableFileNamesMatchTheProgramsLists)
{
    EXPECT_EQ(tables().unitName(12), QStringLiteral("kPa"));
    EXPECT_EQ(tables().unitName(32), QString::fromUtf8("\xc2\xb0"
                                                       "C"));
    EXPECT_EQ(tables().transferFunctionName(1), QStringLiteral("Square root"));
    EXPECT_EQ(tables().unitCode(QStringLiteral("mbar")), 8);
    EXPECT_EQ(tables().unitCode(QStringLiteral("MBAR")), std::nullopt) << "names are compared exactly";
    NameTables empty;
    EXPECT_FALSE(empty.loadTableFile(QStringLiteral("/nonexistent/TABEN.DDF")));
    EXPECT_EQ(empty.unitName(12), QStringLiteral("Unknown (12)"));
}

TEST(NameTables, ANameQuotedWithBlanksIsTakenBackAsTheDriverGaveIt)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("TABXX.DDF")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Units]\r\n12=\" kPa\"\r\n");
    file.close();
    NameTables names;
    ASSERT_TRUE(names.loadTableFile(file.fileName()));
    EXPECT_EQ(names.unitCode(names.unitName(12)), 12);
}

TEST(NameTables, NamesOfAnotherLanguageAreTakenButRepliesKeepTheLoadedOnes)
{
    NameTables names;
    ASSERT_TRUE(names.loadTableFile(QStringLiteral(TARVIK_DATA_DIR "/TABEN.DDF")));
    ASSERT_TRUE(names.acceptTableFile(QStringLiteral(TARVIK_DATA_DIR "/TABDE.DDF")));
    EXPECT_EQ(names.transferFunctionCode(QStringLiteral("Linear")), 0);
    EXPECT_EQ(names.transferFunctionCode(QStringLiteral("Radizierend")), 1);
    EXPECT_EQ(names.transferFunctionName(1), QStringLiteral("Square root"));
}

} // namespace
