// The bytes of one history entry: where each field lies, how texts are scrambled and cut, and reading
// entries that a damaged file gives.
#include "history/HistoryEntry.h"

#include <gtest/gtest.h>

using history::HistoryEntry;
using history::TextField;

namespace {

constexpr quint8 Scramble = 0x2A;

struct TextCase {
    const char* name;
    TextField field;
    QString HistoryEntry::*member; // nullptr: DefLanguage, raw bytes
    QString text;
    QByteArray stored; // the Windows-1250 bytes the room holds, before scrambling
};

const std::vector<TextCase>& textCases()
{
    static const std::vector<TextCase> cases{
        {"Tag", {0, 8}, &HistoryEntry::Tag, QStringLiteral("PT-101 long"), "PT-101 l"},
        {"DeviceType", {9, 16}, &HistoryEntry::DeviceType, QStringLiteral("PR210"), "PR210"},
        {"Manufacturer",
         {26, 32},
         &HistoryEntry::Manufacturer,
         QStringLiteral("Měřicí technika"),
         "M\xEC\xF8i\x63\xED technika"},
        {"UniqueId", {59, 10}, &HistoryEntry::UniqueId, QStringLiteral("12345678901"), "1234567890"},
        {"DefLanguage", {70, 3}, nullptr, {}, "EN\xFF"},
        {"Group", {74, 32}, &HistoryEntry::Group, QStringLiteral("Line 1"), "Line 1"},
        {"User", {107, 32}, &HistoryEntry::User, QString(40, u'u'), QByteArray(32, 'u')},
        {"Activity", {140, 32}, &HistoryEntry::Activity, QStringLiteral("Modified"), "Modified"},
        {"ErrorText", {173, 32}, &HistoryEntry::ErrorText, QString(), ""},
    };
    return cases;
}

HistoryEntry sampleEntry()
{
    HistoryEntry entry;
    for (const TextCase& c : textCases())
        if (c.member) entry.*c.member = c.text;
    entry.DefLanguage = QByteArray("EN\xFF");
    entry.Stamp = 45000.5;
    entry.SnapshotIndex = 7;
    entry.ScrambleByte = Scramble;
    return entry;
}

TEST(HistoryEntryBytes, EveryFieldAtItsOffsetScrambledCutAndZeroFilled)
{
    const QByteArray bytes = sampleEntry().toBytes();
    ASSERT_EQ(bytes.size(), history::EntrySize);
    for (const TextCase& c : textCases()) {
        SCOPED_TRACE(c.name);
        QByteArray room(c.field.room, '\0');
        for (int i = 0; i < c.stored.size(); ++i)
            room[i] = char(quint8(c.stored[i]) ^ Scramble);
        EXPECT_EQ(quint8(bytes[c.field.offset]), c.stored.size()) << "the length byte is not scrambled";
        EXPECT_EQ(bytes.mid(c.field.offset + 1, c.field.room).toHex(' '), room.toHex(' '));
    }
    EXPECT_EQ(bytes.mid(206, 8).toHex(), QByteArray("0000000010f9e540")); // 45000.5, little-endian
    EXPECT_EQ(bytes.mid(214, 4).toHex(), QByteArray("07000000"));
    EXPECT_EQ(quint8(bytes[218]), Scramble);

    // Read back: the texts as cut, the rest as it was.
    const HistoryEntry back = HistoryEntry::fromBytes(bytes);
    for (const TextCase& c : textCases()) {
        if (c.member) {
            EXPECT_EQ(back.*c.member, c.text.left(c.field.room)) << c.name;
        }
    }
    EXPECT_EQ(back.DefLanguage, QByteArray("EN\xFF"));
    EXPECT_EQ(back.Stamp, 45000.5);
    EXPECT_EQ(back.SnapshotIndex, 7);
    EXPECT_EQ(back.toBytes(), bytes);
}

TEST(HistoryEntryBytes, ADamagedEntryReadsWithinItsFields)
{
    QByteArray bytes = sampleEntry().toBytes();
    bytes[74] = char(200); // Group: a length beyond its room takes the room and nothing of User
    bytes.replace(214, 4, QByteArray::fromHex("ffffffff"));
    const HistoryEntry entry = HistoryEntry::fromBytes(bytes);
    EXPECT_EQ(entry.Group.size(), 32);
    EXPECT_TRUE(entry.Group.startsWith(QStringLiteral("Line 1")));
    EXPECT_EQ(entry.User, QString(32, u'u'));
    EXPECT_EQ(entry.SnapshotIndex, history::NoSnapshot);

    EXPECT_TRUE(HistoryEntry::fromBytes(bytes.left(218)).Tag.isEmpty()) << "a short entry reads as empty";
}

TEST(HistoryEntryStamp, DaysSinceTheEndOf1899AndBackToTheSecond)
{
    const struct {
        QDateTime local;
        double stamp;
    } cases[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {QDateTime(QDate(1900, 1, 1), QTime(18, 0)), 2.75},
        {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
        {QDateTime(QDate(2023, 3, 15), QTime(12, 0)), 45000.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(HistoryEntry::stampOf(c.local), c.stamp) << c.local.toString(Qt::ISODate).toStdString();
        HistoryEntry entry;
        entry.Stamp = c.stamp;
        EXPECT_EQ(entry.dateTime(), c.local);
    }
    for (const QTime time : {QTime(0, 0, 1), QTime(13, 45, 7), QTime(23, 59, 59)}) {
        const QDateTime local(QDate(2024, 2, 29), time);
        HistoryEntry entry;
        entry.Stamp = HistoryEntry::stampOf(local);
        EXPECT_EQ(entry.dateTime(), local) << time.toString().toStdString();
    }
}

TEST(HistoryText, TrimmedOfBlanksAndControlCharactersOnly)
{
    const struct {
        QString text, trimmed;
    } cases[] = {
        {QStringLiteral(" \t PT1\r\n"), QStringLiteral("PT1")},
        {QStringLiteral("\x01"
                        "a b\x7f"),
         QStringLiteral("a b")},
        {QString(QChar(0x85)) + QStringLiteral("x"), QStringLiteral("x")},
        {QStringLiteral("\u00a0x"), QStringLiteral("\u00a0x")},
        {QStringLiteral("   "), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(history::trimmedText(c.text), c.trimmed);
}

} // namespace
