// Capture, showing and comparison of a configuration record in the device state.
#include "config/RecordMapping.h"
#include "ScriptedDialogs.h"
#include "platform/DateText.h"
#include "platform/Texts.h"

#include <QLocale>
#include <gtest/gtest.h>

using config::Control;
using config::Field;
using config::TConfigRecord;
using Kind = testing_support::ScriptedDialogs::Kind;

namespace {

// A device state with the lists of the English table, and the definition look-ups it is asked for.
class FakePages : public config::DefinitionLookup {
public:
    FakePages()
    {
        state.setEntries(Control::Jednotky, {QStringLiteral("bar"), QStringLiteral("kPa"), QStringLiteral("psi")}, -1);
        state.setEntries(Control::Funkce, {QStringLiteral("Linear"), QStringLiteral("Square root")}, -1);
        state.items.define(
            QStringLiteral("C01"), {},
            {QStringLiteral("Primary variable"), QStringLiteral("Percent of range"), QStringLiteral("Loop current")},
            QStringLiteral("DSM"), true);
    }
    void rebuildDetailedItems(const config::LanguageState& shown) override
    {
        ++rebuilds;
        suffixes.append(shown.DeviceDdfSuffix);
    }
    void CheckDeviceDdf(const config::LanguageState& shown) override
    {
        ++ddfChecks;
        suffixes.append(shown.DeviceDdfSuffix);
    }

    config::DeviceState state;
    int rebuilds = 0;
    int ddfChecks = 0;
    QStringList suffixes; // the language each look-up was made in
};

// Whether each value, or each item, differs.
template <typename Key> QMap<Key, bool> differing(const QList<std::pair<Key, bool>>& compared)
{
    QMap<Key, bool> map;
    for (const auto& [key, differs] : compared)
        map[key] = differs;
    return map;
}

class RecordMappingTest : public ::testing::Test {
protected:
    RecordMappingTest() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); } // short date dd.MM.yy
    ~RecordMappingTest() override { QLocale::setDefault(QLocale::system()); }

    void fillScreen()
    {
        config::DeviceState& t = pages.state;
        t.setText(Control::UI, QStringLiteral("662316"));
        t.setText(Control::Vyrobce, QStringLiteral("Ostrevo"));
        t.setText(Control::Typ, QStringLiteral("PR210"));
        t.setText(Control::Verze, QStringLiteral("3"));
        t.setText(Control::Konec, QStringLiteral("1000"));
        t.setText(Control::Jednotky, QStringLiteral("kPa"));
        t.setText(Control::Funkce, QStringLiteral("Square root"));
        t.setText(Control::Oznaceni, QStringLiteral("PT-101"));
        t.setText(Control::Datum, platform::formatShortDate(QDate(2026, 12, 8)));
        t.setText(Control::Zprava, QStringLiteral("HELLO"));
        t.setText(Control::PollAddr, QStringLiteral("unknown"));
        t.items.select(1, 1);
        t.items.setText(QStringLiteral("E05"), QString(40, u'x'));
    }

    testing_support::ScriptedDialogs dialogs;
    FakePages pages;
    config::LanguageState language;
};

TEST_F(RecordMappingTest, CaptureStoresEveryFieldTheDateAsDayMonthYearAndCutsLongTexts)
{
    fillScreen();
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    EXPECT_EQ(record.magic(), QStringLiteral("HART20File"));
    EXPECT_EQ(record.text(Field::Manufacturer), QStringLiteral("Ostrevo"));
    EXPECT_EQ(record.text(Field::Units), QStringLiteral("kPa"));
    EXPECT_EQ(record.text(Field::TransferFunction), QStringLiteral("Square root"));
    EXPECT_EQ(record.text(Field::PollingAddress), QStringLiteral("unknown"));
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("8.12.2026"));
    EXPECT_EQ(record.detail(QStringLiteral("C01")), QStringLiteral("Percent of range"));
    EXPECT_EQ(record.detail(QStringLiteral("E05")), QString(32, u'x'));
}

TEST_F(RecordMappingTest, AnEmptyOrUnreadableDateIsStoredAsZeros)
{
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("0.0.0"));
    pages.state.setText(Control::Datum, QStringLiteral("next Tuesday"));
    dialogs.expect(Kind::Message, platform::texts().wrongDateFormat);
    config::captureRecord(pages.state, record);
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("0.0.0"));
}

struct DateRow {
    const char* stored;
    QDate shown; // invalid: the box shows `raw`
    const char* raw;
};
void PrintTo(const DateRow& r, std::ostream* os) { *os << r.stored; }

class RecordMappingDates : public RecordMappingTest, public ::testing::WithParamInterface<DateRow> {};

TEST_P(RecordMappingDates, ApplyingAStoredDate)
{
    const DateRow& row = GetParam();
    TConfigRecord record;
    record.setText(Field::Date, QString::fromLatin1(row.stored));
    config::showRecord(pages.state, record, language, pages);
    const QString expected = row.shown.isValid() ? platform::formatShortDate(row.shown) : QString::fromLatin1(row.raw);
    EXPECT_EQ(pages.state.text(Control::Datum), expected);
}

INSTANTIATE_TEST_SUITE_P(
    YearRules, RecordMappingDates,
    ::testing::Values(DateRow{"8.12.2026", QDate(2026, 12, 8), ""}, DateRow{"8.12.26", QDate(2026, 12, 8), ""},
                      DateRow{"8.12.75", QDate(1975, 12, 8), ""}, DateRow{"1.1.0", QDate(2000, 1, 1), ""},
                      DateRow{"1.1.50", QDate(2050, 1, 1), ""}, DateRow{"1.1.51", QDate(1951, 1, 1), ""},
                      DateRow{"1.1.x", QDate(1900, 1, 1), ""}, DateRow{"0.0.0", QDate(), ""}, DateRow{"", QDate(), ""},
                      DateRow{"1.1.150", QDate(), "1.1.150"}, DateRow{"31.2.2020", QDate(), "31.2.2020"}));

TEST_F(RecordMappingTest, CaptureAndApplyRoundTrip)
{
    fillScreen();
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    FakePages other;
    config::LanguageState german;
    german.SetLanguageDdf("de");
    config::showRecord(other.state, record, german, other);
    TConfigRecord again;
    config::captureRecord(other.state, again);
    EXPECT_TRUE(again == record);
    EXPECT_EQ(other.suffixes, (QStringList{QStringLiteral("-DE.DDF"), QStringLiteral("-DE.DDF")}))
        << "the record's definitions were looked up in another language";
    EXPECT_EQ(other.state.text(Control::Funkce), QStringLiteral("Square root"));
}

TEST_F(RecordMappingTest, TheDevicesOwnUnitIsKeptAsReportedAndComesBackAsItsOwnEntry)
{
    fillScreen();
    pages.state.setText(Control::Jednotky, QStringLiteral("Unknown (75)"));
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    EXPECT_EQ(record.text(Field::Units), QStringLiteral("Unknown (75)"));
    FakePages other;
    config::showRecord(other.state, record, language, other);
    EXPECT_EQ(other.state.text(Control::Jednotky), QStringLiteral("Unknown (75)"));
    EXPECT_EQ(other.state.ownEntry(Control::Jednotky), 3) << "not shown as an entry after the table's";
    EXPECT_FALSE(config::compareWithRecord(other.state, record).values.contains({Control::Jednotky, true}));
}

TEST_F(RecordMappingTest, ARecordMadeWithoutDefinitionFileDoesNotBuildTheItems)
{
    TConfigRecord record;
    record.setDefLanguage(QByteArray("en\xff"));
    config::showRecord(pages.state, record, language, pages);
    EXPECT_EQ(pages.rebuilds, 0);
    record.setDefLanguage(QByteArray("en "));
    config::showRecord(pages.state, record, language, pages);
    EXPECT_EQ(pages.rebuilds, 1);
}

TEST_F(RecordMappingTest, ComparingAnotherDeviceLeavesTheDetailedItemsAlone)
{
    fillScreen();
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    record.setText(Field::UniqueId, QStringLiteral("1"));
    record.setText(Field::Tag, QStringLiteral("OTHER"));
    record.setDetail(QStringLiteral("C01"), QStringLiteral("Loop current"));
    const config::Comparison compared = config::compareWithRecord(pages.state, record);
    const auto highlighted = differing(compared.values);
    EXPECT_TRUE(highlighted[Control::UI]);
    EXPECT_TRUE(highlighted[Control::Oznaceni]);
    EXPECT_FALSE(highlighted[Control::Vyrobce]);
    EXPECT_FALSE(highlighted[Control::Datum]) << "the date differs only in its form";
    EXPECT_TRUE(compared.anotherDevice);
    EXPECT_TRUE(compared.items.isEmpty());
}

TEST_F(RecordMappingTest, ComparingTheSameDeviceColoursChangedItems)
{
    fillScreen();
    TConfigRecord record;
    config::captureRecord(pages.state, record);
    record.setDetail(QStringLiteral("C01"), QStringLiteral("Loop current"));
    record.setText(Field::Date, QStringLiteral("9.12.2026"));
    const config::Comparison compared = config::compareWithRecord(pages.state, record);
    const auto detailHighlighted = differing(compared.items);
    EXPECT_TRUE(detailHighlighted[QStringLiteral("C01")]);
    EXPECT_FALSE(detailHighlighted[QStringLiteral("E01")]);
    EXPECT_TRUE(differing(compared.values)[Control::Datum]);
    EXPECT_EQ(compared.values.size(), 21);
}

} // namespace
