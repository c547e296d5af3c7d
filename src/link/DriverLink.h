#pragma once
// The program's end of the conversation with the HART driver. Commands go out as macro texts
// through MacroBuffer; Timer4 polls the reply item and hands every reply whose text differs from
// the one handled last, split into lines, to the reply decoder. A driver that sends the item's
// changes unasked has each of them handled at once by the same handler, as if Timer4 had fired
// early; Timer4 keeps polling, so a notification that is lost costs one poll period.
#include "platform/LinkChannel.h"
#include "platform/Timer.h"

#include <QStringList>
#include <functional>
#include <optional>

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
    ~DriverLink();
    DriverLink(const DriverLink&) = delete;
    DriverLink& operator=(const DriverLink&) = delete;

    // The NetPath setting: empty for the local driver, else the network path of the driver's computer.
    void setNetPath(const QString& path);
    QString serviceApplication() const { return serviceApp; }
    QString netPathSetting() const { return netPath; }
    // Starts the driver program; true when it started. Replaceable for tests.
    std::function<bool()> startDriver;
    // What the driver program is started with (the language table whose names it is to use).
    QStringList driverArguments;
    // The reply decoder.
    std::function<void(const QStringList&)> onReply;
    // The open conversation found its driver gone (the driver ended or was killed); called once.
    std::function<void()> onGone;
    // Whether a new conversation asks the driver to send the reply item's changes unasked.
    bool askForNotifications = true;

    // Opens the conversation; in local mode starts the driver once when it does not answer.
    bool DoNewLink();
    bool LinkOpen() const { return linkOpen; }
    // The conversation was open and its driver went away: DoNewLink may start a driver again.
    bool lost() const { return driverLost; }
    // The driver of the open conversation sends the reply item's changes unasked.
    bool notified() const { return notifying; }
    // The driver of the open conversation was started by this program, not found running: only such a
    // driver is told to end with the program.
    bool startedDriver() const { return linkOpen && driverStartedHere; }
    bool isWaiting();
    SendResult send(const QString& text);
    // Asks the driver to end itself; closes the conversation when the driver took it.
    bool terminate();
    // Ends the driver this program started and starts it again with the driverArguments of now, or opens
    // the conversation when none is open; a driver found running, or one on another computer, is left as
    // it is. True when a conversation is open afterwards.
    bool restartDriver();
    void close();

    void Timer4Timer() { takeReply(std::nullopt); }
    // Empties the diagnostic reply memo.
    void clearReplyView()
    {
        if (view) view->showReplyLines({});
    }
    // Makes the reply polling 20 ms slower.
    void slowPolling() { Timer4.setInterval(Timer4.interval() + 20); }

    platform::Timer Timer4;
    // Handles a notification once the operation it arrived in has ended.
    platform::Timer NotifyTimer;
    QString LastReplyText;
    QString NewReplyText;
    // The device's response code the driver gave with the reply handled last; nothing from a driver
    // that gives none, and for a reply without one.
    std::optional<int> responseCode() const { return LastResponseCode; }
    const QByteArray& macroBuffer() const { return MacroBuffer; }

private:
    bool connectWithDriverStart(const QString& service, const QString& topic);
    // True when the open conversation has lost its driver (and says so once).
    bool checkGone();
    // The polling handler: the reply item's text as requested now, or as the driver sent it unasked.
    void takeReply(std::optional<QByteArray> notifiedText);
    void NotifyTimerTimer();

    platform::LinkChannel& channel;
    LinkView* view;
    QString netPath;
    QString serviceApp;
    bool linkOpen = false;
    bool driverLost = false;
    bool notifying = false;
    bool driverStartedHere = false;
    QByteArray MacroBuffer;
    std::optional<int> LastResponseCode;
};

} // namespace driverlink
