// A calibration file as a colleague could hand it back: read, and written again as the program writes
// it. What the program writes reads back to the same bytes.
#include "FuzzInput.h"

#include "history/CalibrationRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString why;
    const std::optional<history::CalibrationRecord> record =
        history::parseCalibrationFile(fuzzing::bytesOf(data, size), &why);
    if (!record) return 0;
    (void)history::calibrationFileName(*record);
    const QByteArray written = history::calibrationFileBytes(*record);
    const std::optional<history::CalibrationRecord> again = history::parseCalibrationFile(written, &why);
    if (!again || history::calibrationFileBytes(*again) != written) __builtin_trap();
    return 0;
}
