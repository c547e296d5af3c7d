// A settings file (or any file read as one: the users file, definition and table files): every
// section and key read, the program's settings taken from it, and one value written. A write changes
// that value alone: every other value reads as before.
#include "FuzzInput.h"

#include "platform/Profile.h"
#include "settings/SettingsFile.h"

#include <QHash>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeFile(QStringLiteral("VELKOR.INI"), fuzzing::bytesOf(data, size));
    QHash<QPair<QString, QString>, QString> before;
    {
        const platform::Profile file(path);
        (void)settings::readSettings(file);
        for (const QString& section : file.sectionNames())
            for (const QString& key : file.sectionKeys(section))
                before.insert({section.toLower(), key.toLower()}, file.readString(section, key));
    }

    const QString section = QStringLiteral("Velkor"), key = QStringLiteral("Language");
    platform::Profile file(path);
    if (!file.writeString(section, key, QStringLiteral("deutsch"))) return 0;
    const platform::Profile after(path);
    if (after.readString(section, key) != QStringLiteral("deutsch")) __builtin_trap();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (it.key() != qMakePair(section.toLower(), key.toLower()) &&
            after.readString(it.key().first, it.key().second) != it.value())
            __builtin_trap();
    return 0;
}
