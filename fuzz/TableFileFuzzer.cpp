// A language table file: the lists of the Basic Setup page, the step counts of its templates, and the
// names the driver gives to codes (and the codes it takes for names).
#include "FuzzInput.h"

#include "codec/NameTables.h"
#include "config/CodeTables.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeFile(QStringLiteral("TABXX.DDF"), fuzzing::bytesOf(data, size));
    const QList<int> someCodes{0, 1, 12, 75, 250, 251, 252, 253, 254, 255, -1, 65535};

    for (const char* section : {"Units", "TransferFunction", "Alarm", "WriteProtect", "Manufacturers"}) {
        (void)config::codeTableNames(path, QLatin1String(section));
        (void)config::codeTableNames(path, QLatin1String(section), someCodes);
    }
    (void)config::templateStepCount(path, QStringLiteral("READ"));
    (void)config::templateStepCount(path, QStringLiteral("WRITE"));

    codec::NameTables names;
    names.loadTableFile(path);
    names.acceptTableFile(path);
    for (int code : someCodes) {
        const QString unit = names.unitName(code);
        const QString function = names.transferFunctionName(code);
        (void)names.alarmName(code);
        (void)names.writeProtectName(code);
        (void)names.manufacturerName(code);
        (void)names.deviceTypeName(code, code);
        // A name the table gives is one the driver takes back (to this code unless two codes share it).
        const bool named = code >= 0 && code <= 255 && unit != names.unknownName(code);
        if (named && !names.unitCode(unit)) __builtin_trap();
        if (code >= 0 && code <= 255 && function != names.unknownName(code) && !names.transferFunctionCode(function))
            __builtin_trap();
    }
    return 0;
}
