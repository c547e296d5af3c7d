#include "TransportTestSupport.h"

namespace transporttest {

QStringList LogCatcher::lines;

LogCatcher::LogCatcher()
{
    lines.clear();
    previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { LogCatcher::lines << text; });
}

LogCatcher::~LogCatcher() { qInstallMessageHandler(previous); }

bool LogCatcher::contains(const QString& part) const
{
    for (const QString& line : lines)
        if (line.contains(part)) return true;
    return false;
}

std::shared_ptr<Outcome> transact(hart::Bus& bus, const hart::Request& request)
{
    auto outcome = std::make_shared<Outcome>();
    bus.transact(request, [outcome](std::optional<hart::Reply> reply) {
        outcome->done = true;
        outcome->reply = std::move(reply);
        outcome->atMs = platform::eventLoop().nowMs();
    });
    return outcome;
}

std::shared_ptr<AttemptOutcome> attempt(transport::Line& line, const hart::Request& request)
{
    auto outcome = std::make_shared<AttemptOutcome>();
    line.attempt(request, [outcome](const transport::Attempt& attempt) {
        outcome->done = true;
        outcome->attempt = attempt;
        outcome->atMs = platform::eventLoop().nowMs();
    });
    return outcome;
}

} // namespace transporttest
