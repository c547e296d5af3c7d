#include "platform/Profile.h"
#include "platform/Encoding.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QString path(const char* name = "test.ini") const { return dir.filePath(QString::fromLatin1(name)); }
    void writeBytes(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(ProfileTest, MissingFileGivesDefaultsAndIsNotCreatedByReading)
{
    platform::Profile profile(path());
    EXPECT_FALSE(profile.exists());
    EXPECT_EQ(profile.readString(QStringLiteral("Velkor"), QStringLiteral("NetPath"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_TRUE(profile.sectionKeys(QStringLiteral("Velkor")).isEmpty());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ProfileTest, NamesMatchWithoutRegardToCaseAndTheFirstMatchWins)
{
    writeBytes("[Velkor]\r\nNetPath=first\r\nnetpath=second\r\n[VELKOR]\r\nNetPath=third\r\n");
    platform::Profile profile(path());
    EXPECT_EQ(profile.readString(QStringLiteral("velkor"), QStringLiteral("NETPATH")), QStringLiteral("first"));
}

TEST_F(ProfileTest, ValuesAreTrimmedFreedOfQuotesAndCut)
{
    const QByteArray longValue(3000, 'a');
    writeBytes("[S]\nA =  spaced value  \nB=\"quoted \"\nC='x'\nD=\"unbalanced\nE=" + longValue + "\n");
    platform::Profile profile(path());
    const QString s = QStringLiteral("S");
    EXPECT_EQ(profile.readString(s, QStringLiteral("A")), QStringLiteral("spaced value"));
    EXPECT_EQ(profile.readString(s, QStringLiteral("B")), QStringLiteral("quoted "));
    EXPECT_EQ(profile.readString(s, QStringLiteral("C")), QStringLiteral("x"));
    EXPECT_EQ(profile.readString(s, QStringLiteral("D")), QStringLiteral("\"unbalanced"));
    EXPECT_EQ(profile.readString(s, QStringLiteral("E")).size(), platform::Profile::MaxValueLength);
}

TEST_F(ProfileTest, SectionListsKeysInFileOrderAndIgnoresLinesWithoutEquals)
{
    writeBytes("[Units]\r\n7=bar\r\n; a remark\r\n0=x\r\n2=y\r\n[Other]\r\n9=z\r\n");
    platform::Profile profile(path());
    EXPECT_EQ(profile.sectionKeys(QStringLiteral("units")),
              (QStringList{QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("2")}));
    const auto values = profile.sectionValues(QStringLiteral("Units"));
    ASSERT_EQ(values.size(), 3);
    EXPECT_EQ(values[0].second, QStringLiteral("bar"));
}

TEST_F(ProfileTest, WriteCreatesTheFileWithCrLfLines)
{
    platform::Profile profile(path());
    ASSERT_TRUE(profile.writeString(QStringLiteral("Velkor"), QStringLiteral("Language"), QStringLiteral("english")));
    EXPECT_EQ(readBytes(), QByteArray("[Velkor]\r\nLanguage=english\r\n"));
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineAndItsLineEnds)
{
    writeBytes("; settings\n[A]\nx=1\n\n[B]\ny=2\n");
    platform::Profile profile(path());
    ASSERT_TRUE(profile.writeString(QStringLiteral("a"), QStringLiteral("X"), QStringLiteral("10")));
    ASSERT_TRUE(profile.writeString(QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3")));
    ASSERT_TRUE(profile.writeString(QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("4")));
    EXPECT_EQ(readBytes(), QByteArray("; settings\n[A]\nX=10\nz=3\n\n[B]\ny=2\n[C]\nw=4\n"));
    // A new object reads what the old one wrote.
    EXPECT_EQ(platform::Profile(path()).readString(QStringLiteral("c"), QStringLiteral("W")), QStringLiteral("4"));
}

TEST_F(ProfileTest, DeleteKeyRemovesOnlyThatLine)
{
    writeBytes("[A]\r\nx=1\r\ny=2\r\n");
    platform::Profile profile(path());
    ASSERT_TRUE(profile.deleteKey(QStringLiteral("A"), QStringLiteral("X")));
    EXPECT_EQ(readBytes(), QByteArray("[A]\r\ny=2\r\n"));
}

TEST_F(ProfileTest, TextIsWindows1250OnDisk)
{
    writeBytes("[Velkor]\r\nLanguageDdf=\xe8"
               "esky\r\n"); // "česky" in Windows-1250
    platform::Profile profile(path());
    EXPECT_EQ(profile.readString(QStringLiteral("Velkor"), QStringLiteral("LanguageDdf")), QString::fromUtf8("\xc4\x8d"
                                                                                                             "esky"));
    ASSERT_TRUE(profile.writeString(QStringLiteral("Velkor"), QStringLiteral("Unit"),
                                    QString::fromUtf8("\xc2\xb0"
                                                      "C")));
    EXPECT_TRUE(readBytes().contains(QByteArray("Unit=\xb0"
                                                "C\r\n")));
}

TEST_F(ProfileTest, SomethingThereThatCannotBeReadIsNeitherTakenForMissingNorWrittenOver)
{
    const QString path = dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(path));
    platform::Profile profile(path);
    EXPECT_FALSE(profile.readError().isEmpty());
    EXPECT_FALSE(profile.writeString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1")).ok);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(ProfileTest, WriteIntoAFolderThatIsMissingReportsThePlatformError)
{
    platform::Profile profile(dir.filePath(QStringLiteral("missing/test.ini")));
    const platform::Result result = profile.writeString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(Encoding, Windows1250RoundTripAndUnmappableCharacters)
{
    const QString czech = QString::fromUtf8("P\xc5\x99\xc3\xad\x6c\x69\xc5\xa1 \xc5\xbelu\xc5\xa5ou\xc4\x8dk\xc3\xbd");
    EXPECT_TRUE(platform::fitsCp1250(czech));
    EXPECT_EQ(platform::fromCp1250(platform::toCp1250(czech)), czech);
    EXPECT_EQ(platform::toCp1250(czech).size(), czech.size());
    EXPECT_FALSE(platform::fitsCp1250(QString::fromUtf8("\xce\xa9"))); // a Greek Omega
}

} // namespace
