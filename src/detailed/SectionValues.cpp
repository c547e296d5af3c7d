#include "detailed/SectionValues.h"

#include "config/CodeTables.h"
#include "detailed/TokenReaders.h"

namespace detailed {

SectionValues::SectionValues(const platform::Profile& file, const QString& section)
{
    const auto lines = file.sectionValues(section);
    values.reserve(lines.size());
    for (const auto& [key, value] : lines) {
        const QString folded = key.toCaseFolded();
        if (!values.contains(folded)) values.insert(folded, value);
    }
}

QString optionText(const QString& line)
{
    QString rest = line;
    bool ignored = false;
    return TakeText(rest, ignored);
}

int optionCode(const SectionValues& list, const QString& shown, bool emptyWhenMissing)
{
    if (const std::optional<int> own = config::unknownOptionCode(shown)) return *own;
    for (int code = 255; code >= 0; --code) {
        const QString key = QString::number(code);
        if (!emptyWhenMissing && !list.contains(key)) continue;
        if (optionText(list.value(key)) == shown) return code;
    }
    return NoOptionCode;
}

} // namespace detailed
