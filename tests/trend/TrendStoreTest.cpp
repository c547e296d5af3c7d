// The trend's samples: a store that never holds more than its capacity however long it records, and the
// samples as a spreadsheet reads them.
#include "trend/TrendStore.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <cmath>

using trend::Sample;
using trend::TrendStore;
using trend::Units;
using trend::Values;
using trend::Variable;

namespace {

const double None = std::nan("");

TEST(TrendStore, HoldsAtMostItsCapacityKeepsItsNewerHalfWholeAndNeverJoinsAcrossAPause)
{
    constexpr qsizetype Capacity = 64;
    TrendStore store(Capacity);
    Units units{QStringLiteral("kPa"), QStringLiteral("mA")};
    for (int i = 0; i < 1000; ++i) {
        units[2] = QString::number(i); // every sample in units of its own: the unit sets must stay bounded too
        store.append(qint64(i) * 1000, {double(i), 4, None, None, None, None}, units, i == 500 ? Sample::NewRun : 0);
        ASSERT_LE(store.size(), Capacity);
    }
    EXPECT_GT(store.thinnings(), 0);
    // The newer half has every sample, each with its own value and unit; all are in order.
    for (qsizetype k = 0; k < Capacity / 2; ++k) {
        const Sample& sample = store.at(store.size() - Capacity / 2 + k);
        EXPECT_EQ(sample.time, (1000 - Capacity / 2 + k) * 1000);
        EXPECT_EQ(sample.value(Variable::PV), double(sample.time / 1000));
        EXPECT_EQ(store.units(sample)[2], QString::number(sample.time / 1000));
    }
    for (qsizetype k = 1; k < store.size(); ++k)
        EXPECT_LT(store.at(k - 1).time, store.at(k).time);
    // The pause at sample 500 is kept by the first sample after it that is left.
    for (qsizetype k = 0; k < store.size(); ++k)
        EXPECT_EQ(bool(store.at(k).flags & Sample::NewRun), k == store.firstAtOrAfter(500000)) << k;
    EXPECT_LT(store.memoryBytes(), 2 * Capacity * qsizetype(sizeof(Sample) + sizeof(Units) + 16 * sizeof(QChar)));

    // A clock set back does not put a sample before those already taken.
    const qint64 newest = store.last().time;
    store.append(newest - 60000, {}, units);
    EXPECT_EQ(store.last().time, newest);
}

TEST(TrendCsv, OneColumnForEachVariableInEachUnitWithTimesInIso8601)
{
    TrendStore store;
    const qint64 start = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 45), QTimeZone(0)).toMSecsSinceEpoch();
    store.append(start, {-12.5, 4, 0, None, None, None},
                 {QStringLiteral("kPa"), QStringLiteral("mA"), QStringLiteral("%")});
    store.append(start + 1500, {None, 12.25, 51.5, None, None, None},
                 {QString(), QStringLiteral("mA"), QStringLiteral("%")});
    // Another unit gets a column of its own, quoted where its text needs it.
    store.append(start + 3000, {0.125, None, None, None, None, None}, {QStringLiteral("=bar,x")});

    const QByteArray csv = store.toCsv(QTimeZone(3600));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("Time,Primary Variable (kPa),\"Primary Variable (=bar,x)\",Loop Current (mA),"
                                        "Percent of Range (%)"),
                         QStringLiteral("2024-03-05T15:07:09.045+01:00,-12.5,,4,0"),
                         QStringLiteral("2024-03-05T15:07:10.545+01:00,,,12.25,51.5"),
                         QStringLiteral("2024-03-05T15:07:12.045+01:00,,0.125,,"),
                         QString(),
                     }));
}

} // namespace
