#include "transport/MasterBus.h"

#include "hart/HartFrame.h"

#include <QDebug>

namespace transport {

namespace {
bool reportsCommunicationError(const hart::Reply& reply) { return reply.responseCode & 0x80; }
bool busyOrDelayed(const hart::Reply& reply) { return reply.responseCode >= 32 && reply.responseCode <= 36; }
} // namespace

QString addressText(const hart::Address& address)
{
    if (address.isBroadcast()) return QStringLiteral("the broadcast address");
    if (address.isLong) return u"device " + hart::hexText(address.longAddress);
    return u"polling address " + QString::number(address.polling);
}

MasterBus::MasterBus(Line& line, RetryPolicy policy) : line(line), policy(policy)
{
    busyWait.OnTimer = [this] {
        busyWait.setEnabled(false);
        tryFront();
    };
}

MasterBus::~MasterBus() { *alive = false; }

void MasterBus::transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done)
{
    queue.push_back({request, std::move(done)});
    if (queue.size() == 1) tryFront();
}

void MasterBus::tryFront()
{
    ++queue.front().tries;
    line.attempt(queue.front().request, [this, alive = alive](const Attempt& attempt) {
        if (*alive) attempted(attempt);
    });
}

void MasterBus::attempted(const Attempt& attempt)
{
    Transaction& now = queue.front();
    // A busy device's repeats are not retries: a lost reply after them still gets all of its own.
    const bool triesLeft = now.tries - now.busyRepeats <= policy.retries;
    const QString what = QStringLiteral("command %1 to %2 on %3")
                             .arg(now.request.command)
                             .arg(addressText(now.request.address), line.name());
    if (attempt.outcome == Attempt::Outcome::Reply) {
        if (reportsCommunicationError(attempt.reply) && triesLeft) return tryFront();
        if (busyOrDelayed(attempt.reply) && now.busyRepeats < policy.busyRepeats) {
            ++now.busyRepeats;
            busyWait.setInterval(policy.busyWaitMs);
            busyWait.setEnabled(true);
            return;
        }
        if (reportsCommunicationError(attempt.reply))
            qWarning().noquote() << QStringLiteral("%1: the device reports a communication error (response code "
                                                   "0x%2) %3 times")
                                        .arg(what)
                                        .arg(attempt.reply.responseCode, 2, 16, QLatin1Char('0'))
                                        .arg(now.tries);
        return deliver(attempt.reply);
    }
    const bool silenceEnds = now.request.singleTry && attempt.outcome == Attempt::Outcome::NoReply;
    if (attempt.outcome != Attempt::Outcome::Unavailable && triesLeft && !silenceEnds) return tryFront();
    if (silenceEnds) {
        deliver(std::nullopt); // a scan's empty address: nothing to log
        return;
    }
    qWarning().noquote() << QStringLiteral("%1: no valid reply after %2 %3 (%4)")
                                .arg(what)
                                .arg(now.tries)
                                .arg(now.tries == 1 ? QStringLiteral("try") : QStringLiteral("tries"), attempt.why);
    deliver(std::nullopt);
}

void MasterBus::deliver(const std::optional<hart::Reply>& reply)
{
    Transaction done = std::move(queue.front());
    queue.pop_front();
    // The next one goes on the wire before the callback, which may well queue another.
    if (!queue.empty()) tryFront();
    if (done.done) done.done(reply);
}

} // namespace transport
