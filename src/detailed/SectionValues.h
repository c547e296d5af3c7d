#pragma once
// One section of a profile file taken in once, looked up by key with the profile's own rules (names
// without regard to case, the first of two equal keys wins), so that readers of many keys of one
// section need not walk the file for each.
#include "platform/Profile.h"

#include <QHash>
#include <QString>

namespace detailed {

class SectionValues {
public:
    SectionValues() = default;
    SectionValues(const platform::Profile& file, const QString& section);

    // Empty when the key is missing.
    QString value(const QString& key) const { return values.value(key.trimmed().toCaseFolded()); }
    bool contains(const QString& key) const { return values.contains(key.trimmed().toCaseFolded()); }
    bool isEmpty() const { return values.isEmpty(); }

private:
    QHash<QString, QString> values;
};

// What an option line offers: its first text token.
QString optionText(const QString& line);

// The code of the option whose text is shown: the last key 0..255 of the list whose option text
// equals it; 252 when none does. With emptyWhenMissing a missing key counts as an option with an
// empty text (the way a command template looks codes up); without it only keys present count.
inline constexpr int NoOptionCode = 252;
int optionCode(const SectionValues& list, const QString& shown, bool emptyWhenMissing);

} // namespace detailed
