#pragma once
// One entry of the history index file: 219 bytes, little-endian, the texts length-prefixed and each
// character stored XOR the entry's own scramble byte. Readers trust no length byte beyond its field.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace history {

inline constexpr int EntrySize = 219;
inline constexpr qint32 NoSnapshot = -1;

// Where a text lies in an entry: its length byte at offset, then room for that many character bytes.
struct TextField {
    int offset;
    int room;
};
inline constexpr TextField TagField{0, 8}, DeviceTypeField{9, 16}, ManufacturerField{26, 32}, UniqueIdField{59, 10},
    DefLanguageField{70, 3}, GroupField{74, 32}, UserField{107, 32}, ActivityField{140, 32}, ErrorTextField{173, 32};
inline constexpr int StampOffset = 206, SnapshotIndexOffset = 214, ScrambleByteOffset = 218;

// A text as an entry keeps it: in the code page, cut to the field's room.
QString cutToRoom(const QString& text, TextField field);

struct HistoryEntry {
    QString Tag;            // 8 characters at most
    QString DeviceType;     // 16
    QString Manufacturer;   // 32
    QString UniqueId;       // 10
    QByteArray DefLanguage; // 3 bytes at most: the language code and its marker (a blank, or the byte 255)
    QString Group;          // 32
    QString User;           // 32
    QString Activity;       // 32
    QString ErrorText;      // 32
    double Stamp = 0;       // days since 30 December 1899, the fraction the time of day (local time)
    qint32 SnapshotIndex = NoSnapshot;
    quint8 ScrambleByte = 13;

    // The stored bytes: texts cut to their room, scrambled with ScrambleByte, rooms zero-filled.
    QByteArray toBytes() const;
    // An entry from its 219 bytes (fewer bytes read as an empty entry).
    static HistoryEntry fromBytes(const char* bytes);
    // The same from a byte array, which can tell that it holds fewer bytes (a null pointer above is empty).
    static HistoryEntry fromBytes(const QByteArray& bytes);

    // The three identity texts compared trimmed of blanks and control characters, case-sensitive.
    // Texts longer than their rooms are compared as an entry stores them: cut.
    bool sameDevice(const QString& type, const QString& manufacturer, const QString& uniqueId) const;

    static double stampOf(const QDateTime& local);
    QDateTime dateTime() const;
};

// A text as the history compares it: leading and trailing blanks and control characters removed.
QString trimmedText(const QString& text);
// A new scramble byte: 13 + a random number 0..56.
quint8 newScrambleByte();

} // namespace history
