// Capture, apply and comparison of a configuration record on the pages.
#include "config/ScreenMapping.h"
#include "FakeHost.h"
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

class FakePages : public config::ScreenPages {
public:
    config::MainScreen& screen() override { return host; }
    QString detailText(const QString& item) const override { return details.value(item); }
    void setDetailText(const QString& item, const QString& text) override { details[item] = text; }
    void highlightDetail(const QString& item, bool differs) override { detailHighlighted[item] = differs; }
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

    FakeHost host;
    QMap<QString, QString> details;
    QMap<QString, bool> detailHighlighted;
    int rebuilds = 0;
    int ddfChecks = 0;
    QStringList suffixes; // the language each look-up was made in
};

class ScreenMappingTest : public ::testing::Test {
protected:
    ScreenMappingTest() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); } // short date dd.MM.yy
    ~ScreenMappingTest() override { QLocale::setDefault(QLocale::system()); }

    void fillScreen()
    {
        auto& t = pages.host.texts;
        t[Control::UI] = QStringLiteral("662316");
        t[Control::Vyrobce] = QStringLiteral("Ostrevo");
        t[Control::Typ] = QStringLiteral("PR210");
        t[Control::Verze] = QStringLiteral("3");
        t[Control::Konec] = QStringLiteral("1000");
        t[Control::Jednotky] = QStringLiteral("kPa");
        t[Control::Funkce] = QStringLiteral("Square root");
        t[Control::Oznaceni] = QStringLiteral("PT-101");
        t[Control::Datum] = platform::formatShortDate(QDate(2026, 12, 8));
        t[Control::Zprava] = QStringLiteral("HELLO");
        t[Control::PollAddr] = QStringLiteral("unknown");
        pages.details[QStringLiteral("C01")] = QStringLiteral("Percent of range");
        pages.details[QStringLiteral("E05")] = QString(40, u'x');
    }

    testing_support::ScriptedDialogs dialogs;
    FakePages pages;
    config::LanguageState language;
};

TEST_F(ScreenMappingTest, CaptureStoresEveryFieldTheDateAsDayMonthYearAndCutsLongTexts)
{
    fillScreen();
    TConfigRecord record;
    config::FromScreen(pages, record);
    EXPECT_EQ(record.magic(), QStringLiteral("HART20File"));
    EXPECT_EQ(record.text(Field::Manufacturer), QStringLiteral("Ostrevo"));
    EXPECT_EQ(record.text(Field::Units), QStringLiteral("kPa"));
    EXPECT_EQ(record.text(Field::TransferFunction), QStringLiteral("Square root"));
    EXPECT_EQ(record.text(Field::PollingAddress), QStringLiteral("unknown"));
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("8.12.2026"));
    EXPECT_EQ(record.detail(QStringLiteral("C01")), QStringLiteral("Percent of range"));
    EXPECT_EQ(record.detail(QStringLiteral("E05")), QString(32, u'x'));
}

TEST_F(ScreenMappingTest, AnEmptyOrUnreadableDateIsStoredAsZeros)
{
    TConfigRecord record;
    config::FromScreen(pages, record);
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("0.0.0"));
    pages.host.texts[Control::Datum] = QStringLiteral("next Tuesday");
    dialogs.expect(Kind::Message, platform::texts().wrongDateFormat);
    config::FromScreen(pages, record);
    EXPECT_EQ(record.text(Field::Date), QStringLiteral("0.0.0"));
}

struct DateRow {
    const char* stored;
    QDate shown; // invalid: the box shows `raw`
    const char* raw;
};
void PrintTo(const DateRow& r, std::ostream* os) { *os << r.stored; }

class ScreenMappingDates : public ScreenMappingTest, public ::testing::WithParamInterface<DateRow> {};

TEST_P(ScreenMappingDates, ApplyingAStoredDate)
{
    const DateRow& row = GetParam();
    TConfigRecord record;
    record.setText(Field::Date, QString::fromLatin1(row.stored));
    config::SetScreen(pages, record, language);
    const QString expected = row.shown.isValid() ? platform::formatShortDate(row.shown) : QString::fromLatin1(row.raw);
    EXPECT_EQ(pages.host.text(Control::Datum), expected);
}

INSTANTIATE_TEST_SUITE_P(
    YearRules, ScreenMappingDates,
    ::testing::Values(DateRow{"8.12.2026", QDate(2026, 12, 8), ""}, DateRow{"8.12.26", QDate(2026, 12, 8), ""},
                      DateRow{"8.12.75", QDate(1975, 12, 8), ""}, DateRow{"1.1.0", QDate(2000, 1, 1), ""},
                      DateRow{"1.1.50", QDate(2050, 1, 1), ""}, DateRow{"1.1.51", QDate(1951, 1, 1), ""},
                      DateRow{"1.1.x", QDate(1900, 1, 1), ""}, DateRow{"0.0.0", QDate(), ""}, DateRow{"", QDate(), ""},
                      DateRow{"1.1.150", QDate(), "1.1.150"}, DateRow{"31.2.2020", QDate(), "31.2.2020"}));

TEST_F(ScreenMappingTest, CaptureAndApplyRoundTrip)
{
    fillScreen();
    TConfigRecord record;
    config::FromScreen(pages, record);
    FakePages other;
    config::LanguageState german;
    german.SetLanguageDdf("de");
    config::SetScreen(other, record, german);
    TConfigRecord again;
    config::FromScreen(other, again);
    EXPECT_TRUE(again == record);
    EXPECT_EQ(other.suffixes, (QStringList{QStringLiteral("-DE.DDF"), QStringLiteral("-DE.DDF")}))
        << "the record's definitions were looked up in another language";
    EXPECT_EQ(other.host.text(Control::Funkce), QStringLiteral("Square root"));
}

TEST_F(ScreenMappingTest, ARecordMadeWithoutDefinitionFileDoesNotBuildTheItems)
{
    TConfigRecord record;
    record.setDefLanguage(QByteArray("en\xff"));
    config::SetScreen(pages, record, language);
    EXPECT_EQ(pages.rebuilds, 0);
    record.setDefLanguage(QByteArray("en "));
    config::SetScreen(pages, record, language);
    EXPECT_EQ(pages.rebuilds, 1);
}

TEST_F(ScreenMappingTest, ComparingAnotherDeviceLeavesTheDetailedItemsAlone)
{
    fillScreen();
    TConfigRecord record;
    config::FromScreen(pages, record);
    record.setText(Field::UniqueId, QStringLiteral("1"));
    record.setText(Field::Tag, QStringLiteral("OTHER"));
    record.setDetail(QStringLiteral("C01"), QStringLiteral("Loop current"));
    config::CompareScreen(pages, record);
    EXPECT_TRUE(pages.host.highlighted[Control::UI]);
    EXPECT_TRUE(pages.host.highlighted[Control::Oznaceni]);
    EXPECT_FALSE(pages.host.highlighted[Control::Vyrobce]);
    EXPECT_FALSE(pages.host.highlighted[Control::Datum]) << "the date differs only in its form";
    EXPECT_TRUE(pages.detailHighlighted.isEmpty());
}

TEST_F(ScreenMappingTest, ComparingTheSameDeviceColoursChangedItems)
{
    fillScreen();
    TConfigRecord record;
    config::FromScreen(pages, record);
    record.setDetail(QStringLiteral("C01"), QStringLiteral("Loop current"));
    record.setText(Field::Date, QStringLiteral("9.12.2026"));
    config::CompareScreen(pages, record);
    EXPECT_TRUE(pages.detailHighlighted[QStringLiteral("C01")]);
    EXPECT_FALSE(pages.detailHighlighted[QStringLiteral("E01")]);
    EXPECT_TRUE(pages.host.highlighted[Control::Datum]);
    EXPECT_EQ(pages.host.highlighted.size(), 21);
}

} // namespace
