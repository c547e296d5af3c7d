#pragma once
// The program's end of the conversation with the HART driver. Commands go out as macro texts
// through MacroBuffer; Timer4 polls the reply item and hands every reply whose text differs from
// the one handled last, split into lines, to the reply decoder.
#include "platform/LinkChannel.h"
#include "platform/Timer.h"

#include <QStringList>
#include <functional>

namespace driverlink {

// What the link shows in the main window's diagnostic controls.
class LinkView {
public:
    virtual ~LinkView() = default;
    virtual void showReplyLines(const QStringList& lines) = 0; // DdeDat
    virtual void showCommandText(const QString& text) = 0;     // Label27
};

enum class SendResult {
    Accepted,
    Refused, // no conversation, or the driver could not be reached
    Waiting, // the conversation still waits on the previous transaction: nothing sent
    TooLong, // the text does not fit MacroBuffer: nothing sent, the user was told
    Gone,    // the driver has gone away: nothing sent, onGone has been called
};

class DriverLink {
public:
    static constexpr int MacroBufferSize = 1000;
    static constexpr int PollIntervalMs = 1400;
    static constexpr int RequestLimitMs = 10000;
    // How long a driver just started gets to open its channel.
    static constexpr int DriverStartLimitMs = 5000;

    explicit DriverLink(platform::LinkChannel& channel, LinkView* view = nullptr);

    void setServiceApplication(const QString& service) { serviceApp = service; }
    QString serviceApplication() const { return serviceApp; }
    // Starts the driver program; true when it started. Replaceable for tests.
    std::function<bool()> startDriver;
    // What the driver program is started with (the language table whose names it is to use).
    QStringList driverArguments;
    // The reply decoder.
    std::function<void(const QStringList&)> onReply;
    // The open conversation found its driver gone (the driver ended or was killed); called once.
    std::function<void()> onGone;

    // Opens the conversation; in local mode starts the driver once when it does not answer.
    bool DoNewLink();
    bool LinkOpen() const { return linkOpen; }
    // The conversation was open and its driver went away: DoNewLink may start a driver again.
    bool lost() const { return driverLost; }
    bool isWaiting();
    SendResult send(const QString& text);
    // Asks the driver to end itself; closes the conversation when the driver took it.
    bool terminate();
    void close();

    void Timer4Timer();
    // Empties the diagnostic reply memo.
    void clearReplyView()
    {
        if (view) view->showReplyLines({});
    }
    // Makes the reply polling 20 ms slower.
    void slowPolling() { Timer4.setInterval(Timer4.interval() + 20); }

    platform::Timer Timer4;
    QString LastReplyText;
    QString NewReplyText;
    const QByteArray& macroBuffer() const { return MacroBuffer; }

private:
    bool connectWithDriverStart(const QString& service, const QString& topic);
    // True when the open conversation has lost its driver (and says so once).
    bool checkGone();

    platform::LinkChannel& channel;
    LinkView* view;
    QString serviceApp;
    bool linkOpen = false;
    bool driverLost = false;
    QByteArray MacroBuffer;
};

} // namespace driverlink
