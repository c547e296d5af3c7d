// The local socket's folder must be private to this user before either end uses it.
#include "ScopedEnvironment.h"
#include "platform/ChannelProtocol.h"
#include "platform/SocketChannel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform::channel;

namespace {

class SocketFolderTest : public ::testing::Test {
protected:
    // A folder in the test's directory with the given mode.
    QString folder(const char* name, mode_t mode)
    {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_TRUE(QDir().mkdir(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(SocketFolderTest, OnlyAPrivateFolderOfThisUserIsFit)
{
    EXPECT_EQ(socketFolderProblem(folder("private", 0700)), QString());

    const QString open = folder("open", 0755);
    EXPECT_EQ(socketFolderProblem(open),
              QStringLiteral("the socket folder %1 is not private to this user (owner %2, mode 0755); remove it or "
                             "fix its owner and mode")
                  .arg(open)
                  .arg(::geteuid()));
    for (const QString& unfit : {folder("group", 0710), folder("others", 0701), dir.filePath(QStringLiteral("none"))})
        EXPECT_NE(socketFolderProblem(unfit), QString()) << unfit.toStdString();

    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("private")), link));
    EXPECT_TRUE(socketFolderProblem(link).contains(QStringLiteral("symbolic link")));
}

TEST_F(SocketFolderTest, AFolderOfAnotherUserIsUnfit)
{
    const QString other = folder("other", 0700);
    if (::chown(QFile::encodeName(other).constData(), 4321, 4321) != 0) GTEST_SKIP() << "needs root to give it away";
    EXPECT_TRUE(socketFolderProblem(other).contains(QStringLiteral("(owner 4321, mode 0700)")));
}

TEST_F(SocketFolderTest, MadePrivateButAnExistingOneIsNotTakenOver)
{
    const QString made = dir.filePath(QStringLiteral("made/Pelmora"));
    ASSERT_TRUE(makeLocalSocketFolder(made));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(made).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_EQ(socketFolderProblem(made), QString());

    const QString open = folder("open", 0777);
    EXPECT_TRUE(makeLocalSocketFolder(open));
    EXPECT_NE(socketFolderProblem(open), QString()) << "its mode was quietly changed";
}

TEST_F(SocketFolderTest, TheClientDoesNotConnectThroughAnOpenFolder)
{
    testing_support::ScopedEnvironment runtime("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    folder("Pelmora", 0777);
    platform::SocketChannel channel;
    EXPECT_FALSE(channel.connectTo(LocalService, LocalTopic));
    EXPECT_TRUE(channel.lastError().contains(QStringLiteral("not private to this user")))
        << channel.lastError().toStdString();
}

} // namespace
