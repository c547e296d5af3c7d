// Whole files replaced without ever being half-written.
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(AtomicFile, AFailureAtAnyPointLeavesTheOldFileWholeAndNoLeftovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("conf.htf"));
    const QByteArray old(3678, 'o'), fresh(3678, 'n');
    ASSERT_TRUE(platform::writeFileAtomically(path, old));
    for (const qint64 failAfter : {qint64(0), qint64(1), qint64(1800), qint64(3677), qint64(3678)}) {
        platform::injectWriteFault(failAfter);
        EXPECT_FALSE(platform::writeFileAtomically(path, fresh)) << failAfter;
        platform::injectWriteFault(std::nullopt);
        EXPECT_EQ(contents(path), old) << "a write that failed after " << failAfter << " bytes mixed the files";
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("conf.htf")});
    ASSERT_TRUE(platform::writeFileAtomically(path, fresh));
    EXPECT_EQ(contents(path), fresh);
}

TEST(AtomicFile, AnUnwritableFolderGivesThePlatformsReason)
{
    const platform::Result result = platform::writeFileAtomically(QStringLiteral("/proc/no-such/conf.htf"), "x");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(FileStart, ReadsAtMostWhatIsAskedAndSaysWhyItCannot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big"));
    ASSERT_TRUE(platform::writeFileAtomically(path, QByteArray(10000, 'b')));
    EXPECT_EQ(platform::readFileStart(path, 3678)->size(), 3678);
    QString why;
    EXPECT_FALSE(platform::readFileStart(dir.filePath(QStringLiteral("none")), 10, &why));
    EXPECT_FALSE(why.isEmpty());
}

} // namespace
