#include "link/DriverLink.h"

#include "link/CommandMacro.h"
#include "platform/ChannelProtocol.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/ReplyLayout.h"
#include "platform/Texts.h"

#include <QFileInfo>

namespace driverlink {

using namespace platform::channel;

DriverLink::DriverLink(platform::LinkChannel& channel, LinkView* view)
    : Timer4(PollIntervalMs), NotifyTimer(1), channel(channel), view(view), serviceApp(LocalService)
{
    MacroBuffer.reserve(MacroBufferSize);
    startDriver = [this] {
        const QString program = platform::findProgram(DriverProgram);
        return !program.isEmpty() && platform::startDetached(program, driverArguments);
    };
    Timer4.OnTimer = [this] { Timer4Timer(); };
    Timer4.setEnabled(true);
    NotifyTimer.OnTimer = [this] { NotifyTimerTimer(); };
    // The channel tells of a notification from inside its own waits: it is handled from the loop.
    channel.onNotified = [this] { NotifyTimer.setEnabled(true); };
}

DriverLink::~DriverLink() { channel.onNotified = nullptr; }

void DriverLink::setNetPath(const QString& path)
{
    netPath = path;
    serviceApp = driverlink::serviceApplication(path);
}

bool DriverLink::DoNewLink()
{
    const Conversation conversation = chooseConversation(serviceApp);
    driverStartedHere = false;
    linkOpen = conversation.network ? channel.connectTo(conversation.service, conversation.topic)
                                    : connectWithDriverStart(conversation.service, conversation.topic);
    if (linkOpen) driverLost = false;
    // Asked once a conversation: a driver that does not offer it is polled as ever.
    notifying = linkOpen && askForNotifications && channel.advise(ReplyItem);
    if (!linkOpen) {
        const platform::Texts& t = platform::texts();
        QString text = t.ddeConnectionNotFound;
        // The setting that chose the driver's computer is the one to look at.
        if (conversation.network)
            text += CrLf + t.netPathNotReached.arg(netPath, tcpAddressFromNetPath(netPath).valid
                                                                ? channel.lastError()
                                                                : t.netPathNamesNoComputer);
        platform::dialogs().error(text);
    }
    return linkOpen;
}

bool DriverLink::connectWithDriverStart(const QString& service, const QString& topic)
{
    if (channel.connectTo(service, topic)) return true;
    if (!startDriver || !startDriver()) return false;
    // Connect once more, giving the new driver time to open its channel.
    const qint64 until = platform::eventLoop().nowMs() + DriverStartLimitMs;
    while (true) {
        if (channel.connectTo(service, topic)) return driverStartedHere = true;
        if (platform::eventLoop().nowMs() >= until) return false;
        platform::waitFor(100);
    }
}

bool DriverLink::isWaiting() { return linkOpen && channel.isWaiting(); }

bool DriverLink::checkGone()
{
    if (!linkOpen || channel.isConnected()) return false;
    linkOpen = false;
    notifying = false;
    driverLost = true;
    Timer4.setEnabled(false);
    NotifyTimer.setEnabled(false);
    if (onGone) onGone();
    return true;
}

SendResult DriverLink::send(const QString& text)
{
    const QByteArray bytes = platform::toCp1250(text);
    if (bytes.size() >= MacroBufferSize) {
        platform::dialogs().error(platform::texts().commandTooLong.arg(bytes.size()).arg(MacroBufferSize - 1));
        return SendResult::TooLong;
    }
    MacroBuffer = bytes;
    if (view) view->showCommandText(text);
    if (linkOpen && channel.isWaiting()) return SendResult::Waiting;
    if (linkOpen && channel.execute(MacroBuffer) == platform::ExecuteResult::Accepted) {
        Timer4.setEnabled(true);
        return SendResult::Accepted;
    }
    Timer4.setEnabled(false);
    if (checkGone()) return SendResult::Gone;
    return SendResult::Refused;
}

void DriverLink::NotifyTimerTimer()
{
    NotifyTimer.setEnabled(false);
    // Only where the poll itself would look now; otherwise the next poll picks the text up.
    if (!linkOpen || !Timer4.isEnabled() || channel.isWaiting()) return;
    if (auto text = channel.takeNotification()) takeReply(std::move(text));
}

void DriverLink::takeReply(std::optional<QByteArray> notifiedText)
{
    Timer4.setEnabled(false);
    if (checkGone()) return;
    if (!linkOpen || channel.isWaiting()) {
        Timer4.setEnabled(true);
        return;
    }
    QByteArray reply = notifiedText ? std::move(*notifiedText) : channel.request(ReplyItem, RequestLimitMs);
    if (checkGone()) return;
    // The item is a C text; what a driver adds behind its NUL is read apart.
    const qsizetype nul = reply.indexOf(replylayout::ExtensionMark);
    const QByteArray extension = nul >= 0 ? reply.mid(nul + 1) : QByteArray();
    if (nul >= 0) reply.truncate(nul);
    NewReplyText = platform::fromCp1250(reply);
    if (NewReplyText == LastReplyText) {
        Timer4.setEnabled(true);
        return;
    }
    LastReplyText = NewReplyText;
    LastResponseCode = replyResponseCode(extension);
    const QStringList lines = replyLines(NewReplyText);
    if (view) view->showReplyLines(lines);
    if (onReply) onReply(lines);
    Timer4.setEnabled(true);
}

bool DriverLink::terminate()
{
    if (!linkOpen) return false;
    // The answer to the last command may still be on its way: give it the time a request gets rather
    // than leave the driver running.
    platform::waitUntil([this] { return !channel.isWaiting(); }, RequestLimitMs);
    MacroBuffer = TerminateMacro;
    if (channel.isWaiting() || channel.execute(MacroBuffer) != platform::ExecuteResult::Accepted) return false;
    close();
    return true;
}

bool DriverLink::restartDriver()
{
    if (linkOpen && !driverStartedHere) return true;
    if (linkOpen) {
        if (!terminate()) return false;
        // The driver that ends lets its socket go only as it ends: a new one would find it taken.
        const Conversation conversation = chooseConversation(serviceApp);
        const QString socket = localSocketPath(conversation.service, conversation.topic);
        const qint64 until = platform::eventLoop().nowMs() + DriverStartLimitMs;
        while (QFileInfo::exists(socket) && platform::eventLoop().nowMs() < until)
            platform::waitFor(20);
    }
    return DoNewLink();
}

void DriverLink::close()
{
    if (linkOpen) channel.disconnect();
    linkOpen = false;
    notifying = false;
    NotifyTimer.setEnabled(false);
}

} // namespace driverlink
