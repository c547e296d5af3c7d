#pragma once
// A calibration check of a transmitter as it is kept: the device, its range and transfer function, the
// tolerance, the calibrator and conditions, and the readings of the as-found and as-left runs. Only the
// readings are stored; the expected current, the errors and pass or fail are worked out from them here,
// so the window, the file and the certificate always agree. The file is a Windows-1250 text beside the
// history files (docs/calibration-file.md).
#include "platform/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace history {

// The transfer functions a check can work out the expected current for, by their codes.
enum class TransferFunction { Linear = 0, SquareRoot = 1 };

struct CalibrationPoint {
    double percent = 0; // of the range, the point aimed at
    double applied = 0; // the input applied, in the PV's unit
    double pv = 0;      // the device's primary variable
    double current = 0; // the loop current, mA
};

// A run, with the range it was made against: the technician may set the range between the two runs.
struct CalibrationRun {
    double lower = 0, upper = 100;
    QString unit;
    TransferFunction function = TransferFunction::Linear;
    QList<CalibrationPoint> points;
    bool complete = false; // every point was measured; a stopped run keeps only what was

    double span() const { return upper - lower; }
};

struct PointResult {
    double expectedCurrent = 0; // mA
    double pvError = 0;         // % of span
    double currentError = 0;    // % of span
    bool pass = false;
};

struct Calibrator {
    QString make, serialNumber, certificate;
    QDate dueDate;
};

struct CalibrationRecord {
    QString manufacturer, type, uniqueId, tag, longTag;
    double tolerance = 0.25; // % of span
    QDateTime taken;
    QString technician;
    Calibrator calibrator;
    QString ambient; // optional conditions, as typed
    QDate nextDue;
    CalibrationRun asFound, asLeft;

    PointResult result(const CalibrationRun& run, const CalibrationPoint& point) const;
    // The largest error of a run, PV or current, in % of span (by magnitude, sign kept); 0 for none.
    double largestError(const CalibrationRun& run) const;
    bool passed(const CalibrationRun& run) const;
};

// The loop current for an input by the transfer function, 4 to 20 mA over the range (not limited).
double expectedCurrent(TransferFunction function, double lower, double upper, double applied);

// The default points: 0, 25, 50, 75, 100 % rising, then 75 down to 0 when falling too.
QList<double> defaultPoints(bool falling);

// The file's bytes, and a record from them (nothing, with why, when they are no calibration file).
QByteArray calibrationFileBytes(const CalibrationRecord& record);
std::optional<CalibrationRecord> parseCalibrationFile(const QByteArray& bytes, QString* why = nullptr);
// The name of the record's file in the history folder: device and time, so that it sorts with its entry.
QString calibrationFileName(const CalibrationRecord& record);
// Writes the file whole or not at all; the failure names the file and gives the platform's reason.
platform::Result writeCalibrationFile(const QString& path, const CalibrationRecord& record);

} // namespace history
