#include "platform/Profile.h"

#include "platform/Encoding.h"
#include "platform/Texts.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace platform {

namespace {
// Best effort: a user may give a file only to a group of his own; otherwise it keeps the writer's.
void keepGroup(const QString& path, uint group)
{
    [[maybe_unused]] const int changed = ::chown(QFile::encodeName(path).constData(), uid_t(-1), gid_t(group));
}

QString cleanValue(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(Profile::MaxValueLength);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

Profile::Profile(const QString& path, NewFile newFile) : filePath(path), newFile(newFile)
{
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be read is not a missing one: nothing may be written over it.
        if (QFileInfo::exists(path)) unreadable = file.errorString();
        return;
    }
    fileFound = true;
    if (file.size() > MaxFileBytes) {
        unreadable = QStringLiteral("the file is larger than %1 MB, which no settings file is").arg(MaxFileBytes >> 20);
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        unreadable = file.errorString();
        return;
    }
    if (!bytes.contains("\r\n") && bytes.contains('\n')) eol = QStringLiteral("\n");
    const QString text = fromCp1250(bytes);
    QStringList raw = text.split(u'\n');
    if (!raw.isEmpty() && raw.last().isEmpty()) raw.removeLast();
    for (QString rawLine : raw) {
        if (rawLine.endsWith(u'\r')) rawLine.chop(1);
        Line line{rawLine, {}, {}, {}};
        const QString trimmed = rawLine.trimmed();
        if (trimmed.startsWith(u'[')) {
            const int close = trimmed.indexOf(u']');
            line.section = (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
            if (line.section.isEmpty()) line.section = QStringLiteral(" "); // a header, though nameless
        } else {
            const int eq = rawLine.indexOf(u'=');
            if (eq > 0) {
                line.key = rawLine.left(eq).trimmed();
                line.value = cleanValue(rawLine.mid(eq + 1));
            }
        }
        lines.append(line);
    }
}

int Profile::findSection(const QString& section) const
{
    for (int i = 0; i < lines.size(); ++i)
        if (!lines[i].section.isEmpty() && sameName(lines[i].section, section.trimmed())) return i;
    return -1;
}

int Profile::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < lines.size() && lines[i].section.isEmpty())
        ++i;
    return i;
}

int Profile::findKey(int sectionLine, const QString& key) const
{
    if (sectionLine < 0) return -1;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i)
        if (!lines[i].key.isEmpty() && sameName(lines[i].key, key.trimmed())) return i;
    return -1;
}

QString Profile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const int at = findKey(findSection(section), key);
    return at < 0 ? defaultValue.left(MaxValueLength) : lines[at].value;
}

int Profile::readInt(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool Profile::hasKey(const QString& section, const QString& key) const
{
    return findKey(findSection(section), key) >= 0;
}

QStringList Profile::sectionKeys(const QString& section) const
{
    QStringList keys;
    for (const auto& kv : sectionValues(section))
        keys.append(kv.first);
    return keys;
}

QList<QPair<QString, QString>> Profile::sectionValues(const QString& section) const
{
    QList<QPair<QString, QString>> values;
    const int start = findSection(section);
    if (start < 0) return values;
    const int end = sectionEnd(start);
    for (int i = start + 1; i < end; ++i)
        if (!lines[i].key.isEmpty()) values.append({lines[i].key, lines[i].value});
    return values;
}

QStringList Profile::sectionNames() const
{
    QStringList names;
    for (const auto& line : lines)
        if (!line.section.isEmpty()) names.append(line.section.trimmed());
    return names;
}

Result Profile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QString stored = value.trimmed().left(MaxValueLength);
    const QString text = key.trimmed() + u'=' + stored;
    int start = findSection(section);
    if (start < 0) {
        lines.append(Line{u'[' + section.trimmed() + u']', section.trimmed(), {}, {}});
        start = lines.size() - 1;
    }
    const int at = findKey(start, key);
    if (at >= 0) {
        lines[at] = Line{text, {}, key.trimmed(), stored};
    } else {
        // After the last non-blank line of the section, so that blank separators stay below it.
        int insert = sectionEnd(start);
        while (insert > start + 1 && lines[insert - 1].text.trimmed().isEmpty())
            --insert;
        lines.insert(insert, Line{text, {}, key.trimmed(), stored});
    }
    return changed();
}

Result Profile::deleteKey(const QString& section, const QString& key)
{
    const int at = findKey(findSection(section), key);
    if (at < 0) return Result::success();
    lines.removeAt(at);
    return changed();
}

Result Profile::changed()
{
    if (!batching) return save();
    batchChanged = true;
    return Result::success();
}

Result Profile::flush()
{
    const bool write = batching && batchChanged;
    batching = batchChanged = false;
    return write ? save() : Result::success();
}

Result Profile::save()
{
    const auto failed = [this](const QString& why) { return Result::failure(fileNotWrittenText(filePath, why)); };
    if (!unreadable.isEmpty()) return failed(unreadable);
    // Written through a new file renamed over the old one, which would take the writer's own group:
    // a file shared by a group (the users file) keeps its group.
    const QFileInfo before(filePath);
    const bool existed = before.exists();
    const uint group = existed ? before.groupId() : 0;
    QString text;
    for (const auto& line : lines)
        text += line.text + eol;
    if (const Result written = writeFileAtomically(filePath, toCp1250(text), newFile); !written)
        return failed(written.error);
    fileFound = true;
    if (existed && QFileInfo(filePath).groupId() != group) keepGroup(filePath, group);
    return Result::success();
}

} // namespace platform
