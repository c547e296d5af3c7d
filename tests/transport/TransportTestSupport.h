#pragma once
// What the transport tests share: a serial port of the test's own, the driver's log lines caught,
// and a transaction's outcome recorded with the virtual time it came at.
#include "transport/BytePort.h"
#include "transport/Line.h"

#include "hart/HartTypes.h"
#include "platform/EventLoop.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace transporttest {

// A port whose far end is the test: it records what the driver did, in order, with the time.
class FakePort : public transport::BytePort {
public:
    struct Event {
        qint64 atMs;
        QString what; // "open", "close", "rts on", "rts off", "write"
        QByteArray bytes;
    };

    QString name() const override { return QStringLiteral("/dev/ttyTEST"); }
    bool open(QString& error, QStringList& warnings) override
    {
        log(QStringLiteral("open"));
        if (!present) {
            error = QStringLiteral("No such file or directory");
            return false;
        }
        warnings = openWarnings;
        opened = true;
        return true;
    }
    void close() override
    {
        log(QStringLiteral("close"));
        opened = false;
    }
    bool isOpen() const override { return opened; }
    bool write(const QByteArray& bytes) override
    {
        log(QStringLiteral("write"), bytes);
        written.push_back(bytes);
        if (opened && farEnd) farEnd(bytes);
        return opened;
    }
    bool setRts(bool on) override
    {
        log(on ? QStringLiteral("rts on") : QStringLiteral("rts off"));
        return rtsWorks;
    }

    // The far end speaks.
    void deliver(const QByteArray& bytes)
    {
        if (onBytes) onBytes(bytes);
    }
    // The device is unplugged: the port closes itself and says so.
    void unplug()
    {
        present = false;
        opened = false;
        if (onLost) onLost(QStringLiteral("the device is no longer there"));
    }
    QStringList whats() const
    {
        QStringList out;
        for (const Event& event : events)
            out << event.what;
        return out;
    }

    // Where written bytes go, besides the record.
    std::function<void(const QByteArray& bytes)> farEnd;
    bool present = true;
    bool rtsWorks = true;
    QStringList openWarnings;
    std::vector<QByteArray> written;
    std::vector<Event> events;

private:
    void log(const QString& what, const QByteArray& bytes = {})
    {
        events.push_back({platform::eventLoop().nowMs(), what, bytes});
    }
    bool opened = false;
};

// Catches the driver's log lines while it lives.
class LogCatcher {
public:
    LogCatcher();
    ~LogCatcher();
    bool contains(const QString& part) const;
    static QStringList lines;

private:
    QtMessageHandler previous;
};

// What came of a transaction, and when.
struct Outcome {
    bool done = false;
    std::optional<hart::Reply> reply;
    qint64 atMs = -1;
};
std::shared_ptr<Outcome> transact(hart::Bus& bus, const hart::Request& request);

struct AttemptOutcome {
    bool done = false;
    transport::Attempt attempt;
    qint64 atMs = -1;
};
std::shared_ptr<AttemptOutcome> attempt(transport::Line& line, const hart::Request& request);

} // namespace transporttest
