#include "link/DriverLink.h"
#include "FakeChannel.h"
#include "ScriptedDialogs.h"
#include "platform/Texts.h"
#include "platform/Timer.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

using testing_support::FakeChannel;
using testing_support::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;

namespace {

class RecordingView : public driverlink::LinkView {
public:
    void showReplyLines(const QStringList& lines) override { shownLines = lines; }
    void showCommandText(const QString& text) override { shownCommand = text; }
    QStringList shownLines;
    QString shownCommand;
};

class DriverLinkTest : public ::testing::Test {
protected:
    DriverLinkTest()
    {
        link.onReply = [this](const QStringList& lines) { replies.append(lines.join(u'|')); };
        link.startDriver = [this] {
            ++driverStarts;
            return startSucceeds;
        };
    }
    void open()
    {
        ASSERT_TRUE(link.DoNewLink());
        channel.connects.clear();
    }

    platform::VirtualClock clock;
    ScriptedDialogs dialogs;
    FakeChannel channel;
    RecordingView view;
    driverlink::DriverLink link{channel, &view};
    QStringList replies;
    int driverStarts = 0;
    bool startSucceeds = true;
};

TEST_F(DriverLinkTest, LocalModeConnectsToThePelmoraService)
{
    open();
    EXPECT_TRUE(link.LinkOpen());
    EXPECT_EQ(driverStarts, 0);
}

TEST_F(DriverLinkTest, NetworkModeNeverStartsTheDriverAndAFailureNamesTheSetting)
{
    const platform::Texts& t = platform::texts();
    const struct {
        const char* netPath;
        const char* service;
        QString why;
    } cases[] = {
        {"\\\\SERVIS", "\\\\SERVIS\\ndde$", QStringLiteral("Connection refused")},
        {"\\\\", "\\\\ndde$", t.netPathNamesNoComputer},
    };
    channel.connectError = QStringLiteral("Connection refused");
    for (const auto& c : cases) {
        const QString netPath = QString::fromLatin1(c.netPath);
        link.setNetPath(netPath);
        channel.connects.clear();
        channel.connectResults = {false};
        dialogs.expect(Kind::Error,
                       t.ddeConnectionNotFound + QStringLiteral("\r\n") + t.netPathNotReached.arg(netPath, c.why));
        EXPECT_FALSE(link.DoNewLink());
        EXPECT_EQ(channel.connects, QStringList{QString::fromLatin1(c.service) + QStringLiteral("|HART$")});
    }
    EXPECT_EQ(driverStarts, 0);
}

TEST_F(DriverLinkTest, StartsTheDriverOnceWhenTheFirstConnectFails)
{
    channel.connectResults = {false, false, false, true};
    EXPECT_TRUE(link.DoNewLink());
    EXPECT_EQ(driverStarts, 1);
    EXPECT_EQ(channel.connects.size(), 4);
    EXPECT_EQ(channel.connects.first(), QStringLiteral("Pelmora|DdeHartServer"));
}

TEST_F(DriverLinkTest, GivesUpWhenTheDriverCannotBeStartedOrNeverAnswers)
{
    channel.connectResults = {false};
    startSucceeds = false;
    dialogs.expect(Kind::Error, platform::texts().ddeConnectionNotFound);
    EXPECT_FALSE(link.DoNewLink());
    EXPECT_EQ(channel.connects.size(), 1);

    startSucceeds = true;
    channel.connectResults = std::deque<bool>(200, false);
    dialogs.expect(Kind::Error, platform::texts().ddeConnectionNotFound);
    const qint64 before = clock.nowMs();
    EXPECT_FALSE(link.DoNewLink());
    EXPECT_FALSE(link.LinkOpen());
    EXPECT_LE(clock.nowMs() - before, driverlink::DriverLink::DriverStartLimitMs + 100);
}

TEST_F(DriverLinkTest, SendCopiesIntoTheMacroBufferAndShowsTheText)
{
    open();
    EXPECT_EQ(link.send(QStringLiteral("0   \r\n0\r\n")), driverlink::SendResult::Accepted);
    EXPECT_EQ(channel.executed, QByteArrayList{"0   \r\n0\r\n"});
    EXPECT_EQ(link.macroBuffer(), QByteArray("0   \r\n0\r\n"));
    EXPECT_EQ(view.shownCommand, QStringLiteral("0   \r\n0\r\n"));
}

TEST_F(DriverLinkTest, NothingIsSentWhileTheConversationWaits)
{
    open();
    channel.waiting = true;
    EXPECT_EQ(link.send(QStringLiteral("2   \r\n0\r\n")), driverlink::SendResult::Waiting);
    EXPECT_TRUE(channel.executed.isEmpty());
}

TEST_F(DriverLinkTest, ARefusedSendStopsPollingAndTheNextAcceptedOneRestartsIt)
{
    open();
    channel.refuseExecute = true;
    EXPECT_EQ(link.send(QStringLiteral("2   \r\n0\r\n")), driverlink::SendResult::Refused);
    EXPECT_FALSE(link.Timer4.isEnabled());
    channel.refuseExecute = false;
    EXPECT_EQ(link.send(QStringLiteral("2   \r\n0\r\n")), driverlink::SendResult::Accepted);
    EXPECT_TRUE(link.Timer4.isEnabled());
}

TEST_F(DriverLinkTest, WithoutALinkEverySendIsRefused)
{
    EXPECT_EQ(link.send(QStringLiteral("0   \r\n0\r\n")), driverlink::SendResult::Refused);
    EXPECT_TRUE(channel.executed.isEmpty());
}

TEST_F(DriverLinkTest, TextsOfMoreThan999CharactersAreRefusedNeverCut)
{
    open();
    const QString fits = QString(999, u'x');
    EXPECT_EQ(link.send(fits), driverlink::SendResult::Accepted);
    const QString tooLong = QString(1000, u'x');
    dialogs.expect(Kind::Error, platform::texts().commandTooLong.arg(1000).arg(999));
    EXPECT_EQ(link.send(tooLong), driverlink::SendResult::TooLong);
    EXPECT_EQ(channel.executed.size(), 1);
    EXPECT_EQ(link.macroBuffer(), fits.toLatin1()) << "the buffer was overwritten by a refused text";
}

TEST_F(DriverLinkTest, PollsEvery1400MsAndHandsOnlyChangedRepliesOn)
{
    open();
    channel.item = "Busy!";
    clock.advance(1399);
    EXPECT_EQ(channel.requests, 0);
    clock.advance(1);
    EXPECT_EQ(channel.requests, 1);
    EXPECT_EQ(replies, QStringList{QStringLiteral("Busy!")});
    clock.advance(1400);
    EXPECT_EQ(replies.size(), 1) << "the same text was decoded twice";
    channel.item = "0\r\n0\r\n\r\n\r\n";
    clock.advance(1400);
    EXPECT_EQ(replies.last(), QStringLiteral("0|0|||"));
    EXPECT_EQ(view.shownLines.size(), 5);
    EXPECT_EQ(link.LastReplyText, QStringLiteral("0\r\n0\r\n\r\n\r\n"));
    EXPECT_TRUE(link.Timer4.isEnabled());
}

TEST_F(DriverLinkTest, AnEmptyRequestResultIsOneEmptyLineWhenItDiffers)
{
    open();
    channel.item = "2\r\n0\r\n\r\n\r\n4.5\r\n3.1";
    clock.advance(1400);
    channel.item.clear(); // a request that timed out comes back empty
    clock.advance(1400);
    ASSERT_EQ(replies.size(), 2);
    EXPECT_EQ(replies.last(), QString());
    clock.advance(1400);
    EXPECT_EQ(replies.size(), 2);
}

TEST_F(DriverLinkTest, ADriverThatWentAwayIsNoticedOnceAndCanBeStartedAgain)
{
    open();
    int gone = 0;
    link.onGone = [&] { ++gone; };
    channel.item = "2\r\n0\r\n\r\n\r\n4.5\r\n3.1";
    clock.advance(1400);
    channel.connected = false;
    clock.advance(1400);
    EXPECT_EQ(gone, 1);
    EXPECT_FALSE(link.LinkOpen());
    EXPECT_TRUE(link.lost());
    EXPECT_EQ(link.send(QStringLiteral("2   \r\n0\r\n")), driverlink::SendResult::Refused);
    clock.advance(5000);
    EXPECT_EQ(gone, 1);
    EXPECT_EQ(replies.size(), 1) << "an empty reply was handed on after the driver had gone";

    EXPECT_TRUE(link.DoNewLink());
    EXPECT_FALSE(link.lost());
}

TEST_F(DriverLinkTest, NoRequestWhileWaitingOrWithoutLink)
{
    clock.advance(5000);
    EXPECT_EQ(channel.requests, 0);
    open();
    channel.waiting = true;
    clock.advance(5000);
    EXPECT_EQ(channel.requests, 0);
    EXPECT_TRUE(link.Timer4.isEnabled());
}

TEST_F(DriverLinkTest, ReplyTextIsCutAtANul)
{
    open();
    channel.item = QByteArray("1\r\n0\0garbage", 13);
    clock.advance(1400);
    EXPECT_EQ(replies, QStringList{QStringLiteral("1|0")});
}

TEST_F(DriverLinkTest, SlowingThePollingAdds20Ms)
{
    link.slowPolling();
    link.slowPolling();
    EXPECT_EQ(link.Timer4.interval(), 1440);
}

TEST_F(DriverLinkTest, TerminateClosesOnlyWhenTheDriverTookIt)
{
    open();
    channel.refuseExecute = true;
    EXPECT_FALSE(link.terminate());
    EXPECT_TRUE(link.LinkOpen());
    channel.refuseExecute = false;
    EXPECT_TRUE(link.terminate());
    EXPECT_EQ(channel.executed.last(), QByteArray("terminate"));
    EXPECT_FALSE(link.LinkOpen());
    EXPECT_FALSE(channel.connected);
}

TEST_F(DriverLinkTest, ARestartEndsOnlyADriverStartedHereAndStartsItWithTheArgumentsOfNow)
{
    QList<QStringList> started;
    link.startDriver = [&] {
        started.append(link.driverArguments);
        return true;
    };
    // Found running: used as it is.
    open();
    link.driverArguments = {QStringLiteral("--sim")};
    EXPECT_TRUE(link.restartDriver());
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(channel.executed.isEmpty());
    link.close();

    // Started here: ended, then started with the arguments it has now.
    channel.connectResults = {false, true};
    ASSERT_TRUE(link.DoNewLink());
    link.driverArguments = {QStringLiteral("--serial"), QStringLiteral("/dev/ttyUSB0")};
    channel.connectResults = {false, true};
    EXPECT_TRUE(link.restartDriver());
    EXPECT_EQ(channel.executed, QByteArrayList{"terminate"});
    EXPECT_EQ(started, (QList<QStringList>{{QStringLiteral("--sim")}, link.driverArguments}));
    EXPECT_TRUE(link.startedDriver());
}

TEST_F(DriverLinkTest, TerminateWaitsForTheCommandInFlightButNotForEver)
{
    open();
    channel.waiting = true;
    platform::Timer answered(300);
    answered.OnTimer = [&] {
        channel.waiting = false;
        answered.setEnabled(false);
    };
    answered.setEnabled(true);
    EXPECT_TRUE(link.terminate()) << "the driver was left running";

    open();
    channel.waiting = true;
    EXPECT_FALSE(link.terminate());
    EXPECT_TRUE(link.LinkOpen());
}

// Notifications: a driver that sends the reply item's changes unasked.
class NotifiedLinkTest : public DriverLinkTest {
protected:
    void SetUp() override
    {
        channel.offersNotification = true;
        open();
        ASSERT_TRUE(link.notified());
    }
    const QByteArray reply = "2\r\n0\r\n\r\n\r\n4.5\r\n3.1";
};

TEST_F(NotifiedLinkTest, ANotifiedReplyIsHandledAtOnceAndNeverAgainByThePoll)
{
    channel.notify("Busy!");
    clock.advance(1);
    channel.notify(reply);
    clock.advance(1);
    EXPECT_EQ(replies, (QStringList{QStringLiteral("Busy!"), QStringLiteral("2|0|||4.5|3.1")}));
    EXPECT_EQ(channel.requests, 0);
    clock.advance(5000);
    EXPECT_GE(channel.requests, 3) << "the poll stopped";
    EXPECT_EQ(replies.size(), 2) << "the poll handed the notified reply on once more";
}

TEST_F(NotifiedLinkTest, ALostNotificationIsRecoveredByThePoll)
{
    channel.item = reply; // changed, but nothing came unasked
    clock.advance(1399);
    EXPECT_TRUE(replies.isEmpty());
    clock.advance(1);
    EXPECT_EQ(replies, QStringList{QStringLiteral("2|0|||4.5|3.1")});
}

TEST_F(NotifiedLinkTest, ANotificationInsideThePollsRequestIsNotHandledInsideIt)
{
    channel.onRequest = [&] {
        channel.notify(reply);
        EXPECT_TRUE(replies.isEmpty()) << "handled inside the request";
        channel.onRequest = nullptr;
    };
    clock.advance(1400);
    clock.advance(10);
    EXPECT_EQ(replies, QStringList{QStringLiteral("2|0|||4.5|3.1")}) << "decoded twice, or not at all";
}

TEST_F(NotifiedLinkTest, NotificationsWaitWhileACommandIsBeingHandedOver)
{
    channel.waiting = true;
    channel.notify(reply);
    clock.advance(10);
    EXPECT_TRUE(replies.isEmpty());
    channel.waiting = false;
    clock.advance(1400);
    EXPECT_EQ(replies, QStringList{QStringLiteral("2|0|||4.5|3.1")});
}

TEST_F(DriverLinkTest, ADriverWithoutNotificationsIsAskedOnceAndPolledAsEver)
{
    open();
    EXPECT_EQ(channel.advises, 1);
    EXPECT_FALSE(link.notified());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(link.send(QStringLiteral("2   \r\n0\r\n")), driverlink::SendResult::Accepted);
        channel.item = QByteArray("2\r\n0\r\n\r\n\r\n") + QByteArray::number(i);
        clock.advance(1400);
    }
    EXPECT_EQ(replies.size(), 3);
    EXPECT_EQ(channel.advises, 1) << "asked again";

    link.askForNotifications = false;
    channel.offersNotification = true;
    open();
    EXPECT_EQ(channel.advises, 1);
    EXPECT_FALSE(link.notified());
}

} // namespace
