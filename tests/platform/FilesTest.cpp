// Whole files replaced without ever being half-written.
#include "platform/Files.h"
#include "ScopedUmask.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A file the users of one machine share is its owner's and group's alone from its first byte, whatever
// the umask; one that is there keeps what its owner chose, except that a whole-file rewrite takes away
// what others were allowed.
TEST(SharedFile, IsMadeForOwnerAndGroupAndKeepsItsOwnersChoice)
{
    struct Case {
        const char* name;
        mode_t before; // 0: missing
        std::function<platform::Result(const QString&)> make;
        mode_t after;
    };
    const auto rewrite = [](const QString& path) {
        return platform::writeFileAtomically(path, "x", platform::NewFile::Shared);
    };
    const Case cases[] = {
        {"new, written whole", 0, rewrite, 0660},
        {"new, created empty", 0, platform::createSharedFile, 0660},
        {"readable by all, written whole", 0644, rewrite, 0640},
        {"its owner's alone, written whole", 0600, rewrite, 0600},
        {"readable by all, created empty", 0644, platform::createSharedFile, 0644},
    };
    QTemporaryDir dir;
    const testing_support::ScopedUmask umask(022);
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (c.before != 0) {
            ASSERT_TRUE(platform::writeFileAtomically(path, "old"));
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.before), 0);
        }
        EXPECT_TRUE(c.make(path)) << c.name;
        struct stat made {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &made), 0) << c.name;
        EXPECT_EQ(made.st_mode & 0777, c.after) << c.name << std::oct << ": " << (made.st_mode & 0777);
    }
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
