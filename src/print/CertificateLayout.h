#pragma once
// The calibration certificate as texts placed on the page, drawn by the protocol's own routine on a
// printer or into a PDF file: the device and its range, the calibrator and conditions, the as-found and
// as-left tables with their errors and pass or fail, the technician, the date and the next due date.
#include "history/CalibrationRecord.h"
#include "print/ProtocolLayout.h"

namespace print {

QList<PlacedText> certificateLayout(const history::CalibrationRecord& record);

// The columns of a run's table, as the certificate and the check's window show them, and a point's cells.
QStringList checkColumns();
QStringList checkCells(const history::CalibrationRecord& record, const history::CalibrationRun& run,
                       const history::CalibrationPoint& point);

} // namespace print
