// The tarvik program ended by a signal, as a logout or `kill` ends it: it takes the way of closing its
// window, so a driver it started ends with it, and a driver the user started keeps running.
#include "ProgramUnderTest.h"
#include "platform/ChannelProtocol.h"
#include "platform/SocketChannel.h"
#include "platform/Texts.h"
#include "settings/Users.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using namespace platform::channel;

bool driverAnswers()
{
    QLocalSocket probe;
    probe.connectToServer(localSocketPath(LocalService, LocalTopic));
    return probe.waitForConnected(1000);
}

// Ends what a test leaves running: the program, and a driver whichever started it.
struct Programs {
    ~Programs()
    {
        for (QProcess* process : {&tarvik, &driver})
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        platform::SocketChannel channel;
        if (channel.connectTo(LocalService, LocalTopic)) channel.execute(TerminateMacro);
    }
    QProcess tarvik;
    QProcess driver;
};

TEST(ProgramEnd, ASignalEndsTheProgramAndTheDriverItStartedButNotTheUsers)
{
    const struct {
        const char* situation;
        bool loginAsked;
        bool driverByHand;
    } cases[] = {
        {"the main window up, no driver running before", false, false},
        {"the login asked, no driver running before", true, false},
        {"the main window up, the driver started by hand", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        e2e::ProgramUnderTest program;
        Programs run;
        if (c.loginAsked) {
            ASSERT_TRUE(QDir(program.dir.path()).mkpath(QStringLiteral("ZUNEF")));
            ASSERT_TRUE(
                settings::UsersFile(program.dir.path() + QStringLiteral("/ZUNEF/") + platform::texts().usersFileName)
                    .setSafeAccess(true));
        }
        if (c.driverByHand) {
            run.driver.start(QStringLiteral(PELMORA_BIN), {});
            ASSERT_TRUE(e2e::waitAtMost(10000, driverAnswers));
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tarvik.startup.info=true"));
        run.tarvik.setProcessEnvironment(environment);
        run.tarvik.start(QStringLiteral(TARVIK_BIN), {});
        QByteArray said;
        // Up: the window shown, or, at the login, the driver it started answering.
        ASSERT_TRUE(e2e::waitAtMost(20000, [&] {
            said += run.tarvik.readAllStandardError();
            return c.loginAsked ? driverAnswers() : said.contains("main window shown");
        })) << said.constData();

        run.tarvik.terminate();
        ASSERT_TRUE(run.tarvik.waitForFinished(20000));
        EXPECT_EQ(run.tarvik.exitStatus(), QProcess::NormalExit) << "ended by the signal itself";
        EXPECT_EQ(run.tarvik.exitCode(), 0);
        if (c.driverByHand) {
            EXPECT_TRUE(driverAnswers()) << "the user's driver was ended";
            EXPECT_EQ(run.driver.state(), QProcess::Running);
        } else {
            EXPECT_TRUE(e2e::waitAtMost(10000, [] { return !driverAnswers(); })) << "the driver it started runs on";
        }
    }
}

} // namespace
