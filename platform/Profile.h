#pragma once
// An initialisation file (sections in brackets, key=value lines) with the classic profile-string
// rules: section and key names match without regard to case, the first match wins, values are
// trimmed (and freed of enclosing quotes) and cut to 2047 characters, a write creates the file
// and keeps every other line as it stood. The file is read once when the object is made and
// written through on every change (or once for a batch of changes); keep an object only for the
// duration of one operation.
#include "platform/Files.h"
#include "platform/Result.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace platform {

class Profile {
public:
    static constexpr int MaxValueLength = 2047;
    // A larger file is not read (nor written over): it cannot be one of ours.
    static constexpr qint64 MaxFileBytes = qint64(16) << 20;

    // newFile: how the file is made when a write creates it (and what a rewrite keeps of its mode).
    explicit Profile(const QString& path, NewFile newFile = NewFile::Default);

    QString path() const { return filePath; }
    bool exists() const { return fileFound; }
    // Why a file that is there could not be read; empty when it was read or is missing. Such a
    // profile reads as empty and refuses every write.
    QString readError() const { return unreadable; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    bool hasKey(const QString& section, const QString& key) const;
    // Key names of a section in file order; empty when the section is missing.
    QStringList sectionKeys(const QString& section) const;
    // key and value of every line of a section in file order.
    QList<QPair<QString, QString>> sectionValues(const QString& section) const;
    QStringList sectionNames() const;

    // A failure names the file and gives the platform's reason; the file stays as it was.
    Result writeString(const QString& section, const QString& key, const QString& value);
    Result deleteKey(const QString& section, const QString& key);
    // Until flush(), changes are only remembered; flush() then writes them in one go, so that they
    // reach the file together or not at all.
    void beginBatch() { batching = true; }
    // Ends a batch, writing what it changed; outside a batch writes are immediate and this does nothing.
    Result flush();

private:
    struct Line {
        QString text;
        QString section; // set on a section header
        QString key;     // set on a key line
        QString value;
    };
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;
    int sectionEnd(int sectionLine) const;
    Result save();
    Result changed(); // save now, or at the batch's end

    QString filePath;
    NewFile newFile;
    bool fileFound = false;
    bool batching = false;
    bool batchChanged = false;
    QString unreadable;
    QList<Line> lines;
    QString eol = QStringLiteral("\r\n");
};

} // namespace platform
