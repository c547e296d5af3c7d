#include "print/CertificateLayout.h"

#include "platform/Texts.h"

#include <QCoreApplication>
#include <QLocale>

namespace print {

namespace {
constexpr double Left = 10;
constexpr double ValueColumn = 35;
constexpr double RowHeight = 2;
// Where the tables may go, and the most room a row of them takes (less when there are many points).
constexpr double TablesTop = 44;
constexpr double TablesBottom = 86;
constexpr double Columns[] = {10, 18, 28, 38, 49, 60, 71, 88};
// Each cell has the room up to the next column: a longer heading (or a translation of it) is set smaller
// rather than run into its neighbour.
constexpr double cellWidth(std::size_t c)
{
    return (c + 1 < std::size(Columns) ? Columns[c + 1] : 100) - Columns[c] - 1;
}

QString fixed(double value, int decimals) { return QLocale::c().toString(value, 'f', decimals); }
QString date(const QDate& day) { return day.isValid() ? QLocale().toString(day, QLocale::ShortFormat) : QString(); }
} // namespace

QStringList checkColumns()
{
    const platform::Texts& t = platform::texts();
    return {t.checkPoint,    t.checkApplied, t.checkPv,           t.checkPvError,
            t.checkExpected, t.checkCurrent, t.checkCurrentError, t.checkResult};
}

QStringList checkCells(const history::CalibrationRecord& record, const history::CalibrationRun& run,
                       const history::CalibrationPoint& p)
{
    const history::PointResult r = record.result(run, p);
    return {fixed(p.percent, 1),
            fixed(p.applied, 3),
            fixed(p.pv, 3),
            fixed(r.pvError, 3),
            fixed(r.expectedCurrent, 3),
            fixed(p.current, 3),
            fixed(r.currentError, 3),
            r.pass ? platform::texts().checkPass : platform::texts().checkFail};
}

QList<PlacedText> certificateLayout(const history::CalibrationRecord& record)
{
    const platform::Texts& t = platform::texts();
    QList<PlacedText> page;
    auto put = [&](const QString& text, TextStyle style, double across, double down, int anchor = 0) {
        page.append({text, style, across, down, anchor});
    };
    double down = 12;
    auto row = [&](const QString& name, const QString& value) {
        put(name, TextStyle::Plain, Left, down);
        page.append({value, TextStyle::Plain, ValueColumn, down, 0, 100 - ValueColumn, RowHeight});
        down += RowHeight;
    };
    auto range = [&](const history::CalibrationRun& run) {
        const QString function =
            run.function == history::TransferFunction::SquareRoot ? t.checkSquareRoot : t.checkLinear;
        return QStringLiteral("%1 … %2 %3, %4")
            .arg(QLocale::c().toString(run.lower), QLocale::c().toString(run.upper), run.unit, function);
    };

    put(t.certificateTitle, TextStyle::Title, 50, 4, 2);
    put(t.protocolPrintedBy.arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()),
        TextStyle::Plain, 50, 8, 2);
    put(t.certificateDevice, TextStyle::Heading, Left, down);
    down += RowHeight;
    row(t.certificateManufacturer, record.manufacturer + QStringLiteral(", ") + record.type);
    row(t.certificateUniqueId, record.uniqueId);
    row(t.certificateTag, record.tag);
    if (!record.longTag.isEmpty()) row(t.certificateLongTag, record.longTag);
    row(t.certificateRangeFound, range(record.asFound));
    if (!record.asLeft.points.isEmpty()) row(t.certificateRangeLeft, range(record.asLeft));
    row(t.certificateTolerance, t.checkPercentOfSpan.arg(fixed(record.tolerance, 3)));
    down += RowHeight / 2;
    put(t.certificateCalibrator, TextStyle::Heading, Left, down);
    down += RowHeight;
    row(t.certificateCalibratorUsed,
        QStringLiteral("%1, %2").arg(record.calibrator.make, record.calibrator.serialNumber));
    row(t.certificateCalibratorCertificate,
        QStringLiteral("%1, %2").arg(record.calibrator.certificate, date(record.calibrator.dueDate)));
    if (!record.ambient.isEmpty()) row(t.certificateAmbient, record.ambient);

    // Both tables share the room left above the signature: a row each point, its heading, its columns
    // and its result.
    const double top = std::max(TablesTop, down + RowHeight);
    const qsizetype rows = record.asFound.points.size() + record.asLeft.points.size() + 6;
    const double height = std::min(RowHeight, (TablesBottom - top) / double(rows));
    down = top;
    for (const auto& [heading, run] : {std::pair{t.checkAsFound, &record.asFound}, {t.checkAsLeft, &record.asLeft}}) {
        put(heading, TextStyle::Heading, Left, down);
        down += height;
        auto cellRow = [&](const QStringList& cells) {
            for (std::size_t c = 0; c < std::size_t(cells.size()); ++c)
                page.append({cells[qsizetype(c)], TextStyle::Plain, Columns[c], down, 0, cellWidth(c), height});
            down += height;
        };
        cellRow(checkColumns());
        for (const history::CalibrationPoint& point : run->points)
            cellRow(checkCells(record, *run, point));
        QString result = run->points.isEmpty() ? t.checkNotMade
                         : !run->complete      ? t.checkStopped
                                               : t.checkOutcome.arg(record.passed(*run) ? t.checkPass : t.checkFail);
        if (!run->points.isEmpty())
            result = t.checkLargest.arg(fixed(record.largestError(*run), 3)) + QStringLiteral("   ") + result;
        put(result, TextStyle::Plain, Left, down);
        down += height;
    }

    down = std::max(down, TablesBottom) + RowHeight / 2;
    row(t.certificateTechnician, record.technician);
    row(t.certificateDate, date(record.taken.date()));
    row(t.certificateNextDue, date(record.nextDue));
    return page;
}

} // namespace print
