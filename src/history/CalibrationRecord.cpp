#include "history/CalibrationRecord.h"

#include "platform/Encoding.h"
#include "platform/Files.h"
#include "platform/Texts.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace history {

namespace {
// Errors are worked out in doubles: one exactly at the tolerance, as the technician computes it from the
// readings, must pass although its binary value lies a hair beyond.
constexpr double ToleranceSlack = 1e-9;
constexpr double CurrentSpanMa = 16.0;

const QString Header = QStringLiteral("[Calibration check]");
const QString AsFoundSection = QStringLiteral("[As found]");
const QString AsLeftSection = QStringLiteral("[As left]");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString number(double value) { return QString::number(value, 'g', 12); }

// A text on one line of the file: a line break would begin another key.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

std::optional<double> toNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

void appendRun(QString& text, const QString& section, const CalibrationRun& run)
{
    text += section + QStringLiteral("\r\n");
    text += QStringLiteral("Lower=") + number(run.lower) + QStringLiteral("\r\n");
    text += QStringLiteral("Upper=") + number(run.upper) + QStringLiteral("\r\n");
    text += QStringLiteral("Unit=") + oneLine(run.unit) + QStringLiteral("\r\n");
    text += QStringLiteral("TransferFunction=") + QString::number(int(run.function)) + QStringLiteral("\r\n");
    text += QStringLiteral("Complete=") + (run.complete ? u'1' : u'0') + QStringLiteral("\r\n");
    text += QStringLiteral("Points=%1\r\n").arg(run.points.size());
    for (qsizetype i = 0; i < run.points.size(); ++i) {
        const CalibrationPoint& p = run.points[i];
        text += QStringLiteral("%1=%2;%3;%4;%5\r\n")
                    .arg(QString::number(i + 1), number(p.percent), number(p.applied), number(p.pv), number(p.current));
    }
}
} // namespace

double expectedCurrent(TransferFunction function, double lower, double upper, double applied)
{
    double share = (applied - lower) / (upper - lower);
    if (function == TransferFunction::SquareRoot) share = share > 0 ? std::sqrt(share) : 0.0;
    return 4.0 + CurrentSpanMa * share;
}

QList<double> defaultPoints(bool falling)
{
    QList<double> points{0, 25, 50, 75, 100};
    if (falling) points += {75, 50, 25, 0};
    return points;
}

PointResult CalibrationRecord::result(const CalibrationRun& run, const CalibrationPoint& point) const
{
    PointResult r;
    r.expectedCurrent = expectedCurrent(run.function, run.lower, run.upper, point.applied);
    r.pvError = 100.0 * (point.pv - point.applied) / run.span();
    r.currentError = 100.0 * (point.current - r.expectedCurrent) / CurrentSpanMa;
    r.pass =
        std::abs(r.pvError) <= tolerance + ToleranceSlack && std::abs(r.currentError) <= tolerance + ToleranceSlack;
    return r;
}

double CalibrationRecord::largestError(const CalibrationRun& run) const
{
    double largest = 0;
    for (const CalibrationPoint& point : run.points) {
        const PointResult r = result(run, point);
        for (double error : {r.pvError, r.currentError})
            if (std::abs(error) > std::abs(largest)) largest = error;
    }
    return largest;
}

bool CalibrationRecord::passed(const CalibrationRun& run) const
{
    return run.complete && !run.points.isEmpty() &&
           std::all_of(run.points.begin(), run.points.end(),
                       [&](const CalibrationPoint& p) { return result(run, p).pass; });
}

QByteArray calibrationFileBytes(const CalibrationRecord& r)
{
    QString text = Header + QStringLiteral("\r\n");
    auto key = [&](const char* name, const QString& value) {
        text += QLatin1StringView(name) + u'=' + oneLine(value) + QStringLiteral("\r\n");
    };
    key("Manufacturer", r.manufacturer);
    key("Type", r.type);
    key("UniqueId", r.uniqueId);
    key("Tag", r.tag);
    key("LongTag", r.longTag);
    key("Tolerance", number(r.tolerance));
    key("Taken", r.taken.toString(TimeFormat));
    key("Technician", r.technician);
    key("CalibratorMake", r.calibrator.make);
    key("CalibratorSerial", r.calibrator.serialNumber);
    key("CalibratorCertificate", r.calibrator.certificate);
    key("CalibratorDue", r.calibrator.dueDate.toString(DateFormat));
    key("Ambient", r.ambient);
    key("NextDue", r.nextDue.toString(DateFormat));
    appendRun(text, AsFoundSection, r.asFound);
    appendRun(text, AsLeftSection, r.asLeft);
    return platform::toCp1250(text);
}

std::optional<CalibrationRecord> parseCalibrationFile(const QByteArray& bytes, QString* why)
{
    auto fail = [&](const QString& reason) -> std::optional<CalibrationRecord> {
        if (why) *why = reason;
        return std::nullopt;
    };
    const QStringList lines = platform::fromCp1250(bytes).split(QStringLiteral("\r\n"));
    if (lines.value(0) != Header) return fail(QStringLiteral("no calibration check"));
    CalibrationRecord r;
    CalibrationRun* run = nullptr;
    qsizetype expected = 0;
    // A run is whole when its section ends: all its points there, and a range with a span, whatever keys it
    // had (a file the program writes always has both).
    auto runProblem = [&]() -> std::optional<QString> {
        if (!run) return std::nullopt;
        if (run->points.size() != expected) return QStringLiteral("a run lacks points");
        if (run->span() == 0) return QStringLiteral("the range has no span");
        return std::nullopt;
    };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        if (line == AsFoundSection || line == AsLeftSection) {
            if (const auto problem = runProblem()) return fail(*problem);
            run = line == AsFoundSection ? &r.asFound : &r.asLeft;
            expected = 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 1) return fail(QStringLiteral("line %1 is no key").arg(i + 1));
        const QString name = line.left(equals), value = line.mid(equals + 1);
        auto numberOf = [&](double& into) {
            const auto n = toNumber(value);
            if (n) into = *n;
            return n.has_value();
        };
        if (run) {
            bool ok = true;
            if (name == u"Lower") {
                ok = numberOf(run->lower);
            } else if (name == u"Upper") {
                ok = numberOf(run->upper);
            } else if (name == u"Unit") {
                run->unit = value;
            } else if (name == u"TransferFunction") {
                ok = value == u"0" || value == u"1";
                run->function = TransferFunction(value.toInt());
            } else if (name == u"Complete") {
                run->complete = value == u"1";
            } else if (name == u"Points") {
                expected = value.toInt();
            } else {
                const QStringList cells = value.split(u';');
                std::array<double, 4> v{};
                for (std::size_t c = 0; c < v.size(); ++c) {
                    const auto n = toNumber(cells.value(qsizetype(c)));
                    if (!n || cells.size() != 4) return fail(QStringLiteral("line %1 is no point").arg(i + 1));
                    v[c] = *n;
                }
                run->points.append({v[0], v[1], v[2], v[3]});
            }
            if (!ok) return fail(QStringLiteral("%1 is no valid value").arg(name));
            continue;
        }
        const std::pair<const char16_t*, QString*> texts[] = {{u"Manufacturer", &r.manufacturer},
                                                              {u"Type", &r.type},
                                                              {u"UniqueId", &r.uniqueId},
                                                              {u"Tag", &r.tag},
                                                              {u"LongTag", &r.longTag},
                                                              {u"Technician", &r.technician},
                                                              {u"CalibratorMake", &r.calibrator.make},
                                                              {u"CalibratorSerial", &r.calibrator.serialNumber},
                                                              {u"CalibratorCertificate", &r.calibrator.certificate},
                                                              {u"Ambient", &r.ambient}};
        for (const auto& [key, field] : texts)
            if (name == key) *field = value;
        bool ok = true;
        if (name == u"Tolerance")
            ok = numberOf(r.tolerance);
        else if (name == u"Taken")
            r.taken = QDateTime::fromString(value, TimeFormat);
        else if (name == u"CalibratorDue")
            r.calibrator.dueDate = QDate::fromString(value, DateFormat);
        else if (name == u"NextDue")
            r.nextDue = QDate::fromString(value, DateFormat);
        if (!ok) return fail(QStringLiteral("%1 is no valid value").arg(name));
    }
    if (const auto problem = runProblem()) return fail(*problem);
    return r;
}

QString calibrationFileName(const CalibrationRecord& r)
{
    QString name = QStringLiteral("CAL_%1_%2_%3.txt").arg(r.type, r.uniqueId, r.taken.toString(u"yyyyMMdd-HHmmss"));
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != u'_' && c != u'-' && c != u'.') c = u'_';
    return name;
}

platform::Result writeCalibrationFile(const QString& path, const CalibrationRecord& record)
{
    return platform::writeFileOrExplain(path, calibrationFileBytes(record));
}

} // namespace history
