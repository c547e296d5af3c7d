#include "config/ChangeFlags.h"
#include "config/TConfigRecord.h"

#include <gtest/gtest.h>

#include <ostream>

using config::Field;
using config::TConfigRecord;

namespace {

unsigned char byteAt(const QByteArray& bytes, int offset) { return static_cast<unsigned char>(bytes.at(offset)); }

// Every field other than the one under test must still read as empty.
void expectOnlyOneTextSet(const TConfigRecord& record, int offset)
{
    for (int i = 0; i < config::FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (TConfigRecord::offsetOf(field) == offset) continue;
        EXPECT_TRUE(record.text(field).isEmpty()) << "field " << i;
    }
    for (const QString& item : TConfigRecord::detailItems()) {
        if (TConfigRecord::detailOffset(item) == offset) continue;
        EXPECT_TRUE(record.detail(item).isEmpty()) << item.toStdString();
    }
    EXPECT_TRUE(record.magic().isEmpty());
    EXPECT_TRUE(record.defLanguage().isEmpty());
}

// The stored form of "text" at offset: its length byte, its characters, zero bytes to the capacity.
void expectStoredAt(const QByteArray& bytes, int offset, const QByteArray& text)
{
    ASSERT_EQ(bytes.size(), config::RecordSize);
    EXPECT_EQ(byteAt(bytes, offset), text.size());
    EXPECT_EQ(bytes.mid(offset + 1, text.size()), text);
    EXPECT_EQ(bytes.mid(offset + 1 + text.size(), config::FieldCapacity - text.size()),
              QByteArray(config::FieldCapacity - text.size(), '\0'));
}

struct FieldCase {
    const char* name;
    Field field;
    int offset;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class ConfigRecordFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ConfigRecordFieldTest, StoredAtItsOffsetAndReadBack)
{
    const auto& c = GetParam();
    EXPECT_EQ(TConfigRecord::offsetOf(c.field), c.offset);

    TConfigRecord record;
    const QString text = QStringLiteral("value of ") + QLatin1String(c.name);
    record.setText(c.field, text);
    const QByteArray bytes = record.toBytes();
    expectStoredAt(bytes, c.offset, text.toLatin1());

    const auto reread = TConfigRecord::fromBytes(bytes);
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->text(c.field), text);
    expectOnlyOneTextSet(*reread, c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    AllFields, ConfigRecordFieldTest,
    ::testing::Values(
        FieldCase{"UniqueId", Field::UniqueId, 11}, FieldCase{"Manufacturer", Field::Manufacturer, 44},
        FieldCase{"DeviceType", Field::DeviceType, 77}, FieldCase{"Revision", Field::Revision, 110},
        FieldCase{"SerialNo", Field::SerialNo, 143}, FieldCase{"SensorSerialNo", Field::SensorSerialNo, 176},
        FieldCase{"UpperRangeLimit", Field::UpperRangeLimit, 209},
        FieldCase{"LowerRangeLimit", Field::LowerRangeLimit, 242}, FieldCase{"MinimumSpan", Field::MinimumSpan, 275},
        FieldCase{"WriteProtection", Field::WriteProtection, 308},
        FieldCase{"AlarmSignaling", Field::AlarmSignaling, 341},
        FieldCase{"PollingAddress", Field::PollingAddress, 374},
        FieldCase{"LowerRangeValue", Field::LowerRangeValue, 407},
        FieldCase{"UpperRangeValue", Field::UpperRangeValue, 440}, FieldCase{"Units", Field::Units, 473},
        FieldCase{"Damping", Field::Damping, 506}, FieldCase{"TransferFunction", Field::TransferFunction, 539},
        FieldCase{"Tag", Field::Tag, 572}, FieldCase{"Descriptor", Field::Descriptor, 605},
        FieldCase{"Date", Field::Date, 638}, FieldCase{"Message", Field::Message, 671}),
    [](const auto& info) { return std::string(info.param.name); });

struct DetailCase {
    const char* item;
    int offset;
};
void PrintTo(const DetailCase& c, std::ostream* os) { *os << c.item; }

class ConfigRecordDetailTest : public ::testing::TestWithParam<DetailCase> {};

TEST_P(ConfigRecordDetailTest, StoredAtItsOffsetAndReadBack)
{
    const auto& c = GetParam();
    const QString item = QLatin1String(c.item);
    EXPECT_EQ(TConfigRecord::detailOffset(item), c.offset);

    TConfigRecord record;
    const QString text = QStringLiteral("detail ") + item;
    record.setDetail(item, text);
    const QByteArray bytes = record.toBytes();
    expectStoredAt(bytes, c.offset, text.toLatin1());

    const auto reread = TConfigRecord::fromBytes(bytes);
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->detail(item), text);
    expectOnlyOneTextSet(*reread, c.offset);
}

INSTANTIATE_TEST_SUITE_P(PoolEnds, ConfigRecordDetailTest,
                         ::testing::Values(DetailCase{"C01", 704}, DetailCase{"C02", 737}, DetailCase{"C30", 1661},
                                           DetailCase{"E01", 1694}, DetailCase{"E15", 2156}, DetailCase{"E30", 2651},
                                           DetailCase{"V01", 2684}, DetailCase{"V20", 3311}, DetailCase{"Q01", 3344},
                                           DetailCase{"Q10", 3641}),
                         [](const auto& info) { return std::string(info.param.item); });

TEST(ConfigRecordLayout, DetailItemsFollowEachOtherInRecordOrder)
{
    const QStringList items = TConfigRecord::detailItems();
    ASSERT_EQ(items.size(), 90);
    EXPECT_EQ(items.first(), QStringLiteral("C01"));
    EXPECT_EQ(items.at(29), QStringLiteral("C30"));
    EXPECT_EQ(items.at(30), QStringLiteral("E01"));
    EXPECT_EQ(items.at(60), QStringLiteral("V01"));
    EXPECT_EQ(items.at(80), QStringLiteral("Q01"));
    EXPECT_EQ(items.last(), QStringLiteral("Q10"));
    for (int i = 0; i < items.size(); ++i)
        EXPECT_EQ(TConfigRecord::detailOffset(items.at(i)), 704 + i * 33) << items.at(i).toStdString();
}

TEST(ConfigRecordLayout, NamesThatAreNoItemAreNeitherStoredNorRead)
{
    const QStringList names{QStringLiteral("C00"),
                            QStringLiteral("C31"),
                            QStringLiteral("E31"),
                            QStringLiteral("V21"),
                            QStringLiteral("Q11"),
                            QStringLiteral("L01"),
                            QStringLiteral("B01"),
                            QStringLiteral("c01"),
                            QStringLiteral("C1"),
                            QStringLiteral("C001"),
                            QString(),
                            QStringLiteral("E-1"),
                            QString::fromUtf8("C\u0661\u0662")}; // Arabic-Indic digits are no item number
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(TConfigRecord::detailOffset(name), -1);
        TConfigRecord record;
        record.setDetail(name, QStringLiteral("x"));
        EXPECT_EQ(record, TConfigRecord());
        EXPECT_TRUE(record.detail(name).isEmpty());
    }
}

TEST(ConfigRecordLayout, NewRecordIsAllZeroBytes)
{
    EXPECT_EQ(TConfigRecord().toBytes(), QByteArray(config::RecordSize, '\0'));
}

TEST(ConfigRecordLayout, MagicAndDefinitionLanguageSitAtBothEnds)
{
    TConfigRecord record;
    record.setMagic(QStringLiteral("HART30File"));
    record.setDefLanguage(QByteArray("en\xFF"));
    const QByteArray bytes = record.toBytes();
    EXPECT_EQ(bytes.left(11), QByteArray("\x0AHART30File"));
    EXPECT_EQ(bytes.right(4), QByteArray("\003en\377"));
    EXPECT_EQ(bytes.mid(11, 3674 - 11), QByteArray(3674 - 11, '\0'));

    const auto reread = TConfigRecord::fromBytes(bytes);
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->magic(), QStringLiteral("HART30File"));
    EXPECT_EQ(reread->defLanguage(), QByteArray("en\xFF"));
}

TEST(ConfigRecordLayout, DefinitionLanguageKeepsAtMostThreeBytes)
{
    TConfigRecord record;
    record.setDefLanguage(QByteArray("english"));
    EXPECT_EQ(record.defLanguage(), QByteArray("eng"));
    record.setDefLanguage(QByteArray("en"));
    EXPECT_EQ(record.toBytes().right(4), QByteArray("\002en\0", 4));
    record.setDefLanguage({});
    EXPECT_EQ(record, TConfigRecord());
}

struct SizeCase {
    const char* name;
    int size;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class ConfigRecordWrongSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ConfigRecordWrongSizeTest, GivesNoRecord)
{
    EXPECT_FALSE(TConfigRecord::fromBytes(QByteArray(GetParam().size, 'A')).has_value());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ConfigRecordWrongSizeTest,
                         ::testing::Values(SizeCase{"Empty", 0}, SizeCase{"OneShort", config::RecordSize - 1},
                                           SizeCase{"OneOver", config::RecordSize + 1},
                                           SizeCase{"Double", 2 * config::RecordSize}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigRecordText, LongTextKeepsItsFirst32Characters)
{
    TConfigRecord record;
    const QString forty = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCD");
    record.setDetail(QStringLiteral("E05"), forty);
    EXPECT_EQ(record.detail(QStringLiteral("E05")), forty.left(32));
    // The cut text must not spill into the next item.
    EXPECT_TRUE(record.detail(QStringLiteral("E06")).isEmpty());

    const QString exactly = forty.left(32);
    record.setText(Field::Message, exactly);
    EXPECT_EQ(record.text(Field::Message), exactly);
    EXPECT_TRUE(record.detail(QStringLiteral("C01")).isEmpty());

    const QString czech = QString(40, QChar(0x0159)); // "ř": two bytes in UTF-8, one in Windows-1250
    record.setText(Field::Descriptor, czech);
    EXPECT_EQ(record.text(Field::Descriptor), czech.left(32));
}

TEST(ConfigRecordText, ShorterTextClearsTheRestOfTheField)
{
    TConfigRecord record;
    record.setText(Field::Tag, QStringLiteral("LONGER TAG TEXT"));
    record.setText(Field::Tag, QStringLiteral("PT1"));
    TConfigRecord fresh;
    fresh.setText(Field::Tag, QStringLiteral("PT1"));
    EXPECT_EQ(record, fresh);
}

TEST(ConfigRecordText, StoredInWindows1250)
{
    TConfigRecord record;
    record.setText(Field::Units, QString::fromUtf8("\u00B0C"));
    const QString czech = QString::fromUtf8("P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148");
    record.setText(Field::Message, czech);
    const QByteArray bytes = record.toBytes();
    EXPECT_EQ(bytes.mid(473, 3), QByteArray("\002\260C"));
    EXPECT_EQ(bytes.mid(671, 4), QByteArray("\x14P\xF8\xED"));

    const auto reread = TConfigRecord::fromBytes(bytes);
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->text(Field::Units), QString::fromUtf8("\u00B0C"));
    EXPECT_EQ(reread->text(Field::Message), czech);
}

TEST(ConfigRecordText, CharacterOutsideTheCodePageTakesOnePlace)
{
    TConfigRecord record;
    record.setText(Field::Message, QString::fromUtf8("A\U0001F600B"));
    EXPECT_EQ(record.text(Field::Message).size(), 3);
    EXPECT_EQ(record.text(Field::Message).front(), u'A');
    EXPECT_EQ(record.text(Field::Message).back(), u'B');
}

// A damaged file must not make a text reach into the following field or past the record's end.
TEST(ConfigRecordText, OversizedLengthByteReadsNoFurtherThanTheField)
{
    QByteArray bytes(config::RecordSize, '\0');
    bytes[572] = char(200); // Tag
    bytes.replace(573, 32, QByteArray(32, 'T'));
    bytes[605] = char(5); // Descriptor's length byte follows the Tag's last character
    bytes.replace(606, 5, "DESCR");
    bytes[0] = char(255); // Magic
    bytes.replace(1, 10, "HART30File");
    bytes[11] = 'X';        // first byte of UniqueId, right after the magic
    bytes[3641] = char(33); // Q10
    bytes.replace(3642, 32, QByteArray(32, 'Q'));
    bytes[3674] = char(255); // DefLanguage, the record's last bytes
    bytes.replace(3675, 3, "de ");

    const auto record = TConfigRecord::fromBytes(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->text(Field::Tag), QString(32, u'T'));
    EXPECT_EQ(record->text(Field::Descriptor), QStringLiteral("DESCR"));
    EXPECT_EQ(record->magic(), QStringLiteral("HART30File"));
    EXPECT_EQ(record->detail(QStringLiteral("Q10")), QString(32, u'Q'));
    EXPECT_EQ(record->defLanguage(), QByteArray("de "));
}

TEST(ConfigRecordCompare, EveryFieldTakesPartInEquality)
{
    TConfigRecord base;
    base.setMagic(QStringLiteral("HART20File"));
    for (int i = 0; i < config::FieldCount; ++i) {
        TConfigRecord changed = base;
        changed.setText(static_cast<Field>(i), QStringLiteral("x"));
        EXPECT_FALSE(changed == base) << "field " << i;
    }
    for (const QString& item : TConfigRecord::detailItems()) {
        TConfigRecord changed = base;
        changed.setDetail(item, QStringLiteral("x"));
        EXPECT_FALSE(changed == base) << item.toStdString();
    }
    TConfigRecord language = base;
    language.setDefLanguage(QByteArray("en"));
    EXPECT_FALSE(language == base);

    const auto copy = TConfigRecord::fromBytes(base.toBytes());
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(*copy == base);
}

using FlagMember = bool config::ChangeFlags::*;
struct FlagCase {
    const char* name;
    FlagMember member;
};
void PrintTo(const FlagCase& c, std::ostream* os) { *os << c.name; }

class ConfigChangeFlagsTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(ConfigChangeFlagsTest, AnyOneFlagCountsAndClearingResetsIt)
{
    config::ChangeFlags flags;
    EXPECT_FALSE(flags.AreChanges());
    flags.*GetParam().member = true;
    EXPECT_TRUE(flags.AreChanges());
    flags.ClearChanged();
    EXPECT_FALSE(flags.*GetParam().member);
    EXPECT_FALSE(flags.AreChanges());
}

TEST_P(ConfigChangeFlagsTest, SetAllSetsIt)
{
    config::ChangeFlags flags;
    flags.setAll();
    EXPECT_TRUE(flags.*GetParam().member);
}

INSTANTIATE_TEST_SUITE_P(Flags, ConfigChangeFlagsTest,
                         ::testing::Values(FlagCase{"Message", &config::ChangeFlags::MessageChanged},
                                           FlagCase{"Tag", &config::ChangeFlags::TagChanged},
                                           FlagCase{"Damping", &config::ChangeFlags::DampingChanged},
                                           FlagCase{"Range", &config::ChangeFlags::RangeChanged},
                                           FlagCase{"Units", &config::ChangeFlags::UnitsChanged},
                                           FlagCase{"TransferFunction", &config::ChangeFlags::TransferFunctionChanged},
                                           FlagCase{"Detailed", &config::ChangeFlags::DetailedChanged}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
