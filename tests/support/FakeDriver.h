#pragma once
// An in-process driver for tests: it answers every executed command text like pelmora would, after
// a short time in which the reply item reads "Busy!", and sends the item's changes unasked when the
// channel offers that. What a device answers is the test's to say.
#include "FakeChannel.h"
#include "platform/Timer.h"

#include <QMap>
#include <QStringList>
#include <functional>

namespace testing_support {

struct SentCommand {
    int command = -1;
    QString address;
    QStringList data;
};

class FakeDriver {
public:
    static constexpr int WorkMs = 300;

    explicit FakeDriver(FakeChannel& channel);

    // Data lines a command answers with (default: none), an error text for line 2, the status line.
    QMap<int, QStringList> replies;
    // When set, gives the data lines of every reply instead of `replies`.
    std::function<QStringList(const SentCommand&)> respond;
    QMap<int, QString> errors;
    QString status;
    // Addresses with a device; others get "Communication Error!".
    QStringList addresses{QStringLiteral("0")};
    // Commands the driver takes but never answers (the item keeps its text) for the given number of sends.
    QMap<int, int> silentFor;
    // How long a command keeps the item at "Busy!" (default WorkMs).
    QMap<int, int> workMs;
    // Overrides the line 0 of the next reply (a reply to another command).
    QString nextCommandLine;
    QString nextAddressLine;

    // An empty address asked with the scan request keeps the item at "Busy!" for one try, or for the
    // four tries of a driver that does not know the request.
    static constexpr int SilentTryMs = 550;
    bool knowsScanRequest = true;

    QList<SentCommand> sent;
    QList<int> commands() const;

private:
    void execute(const QByteArray& macro);
    // The item's new text, sent unasked too when the program asked for that and the channel offers it.
    void publish(const QByteArray& text);
    FakeChannel& channel;
    platform::Timer work;
    QString pendingReply;
};

// Makes the driver answer like a pressure transmitter "Ostrevo" "PR210" revision 3 at address 0,
// its device-specific reads included.
void answerAsPressureTransmitter(FakeDriver& driver, int flags = 0);

// The identity lines of a device (command 0) with the given flags.
QStringList identityLines(const QString& manufacturer, const QString& type, const QString& revision, int flags,
                          const QString& uniqueId);

} // namespace testing_support
