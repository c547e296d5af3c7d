#include "transport/SerialLine.h"

#include "transport/Restart.h"

#include "hart/HartIdentity.h"
#include "hart/HartTiming.h"

#include <QDebug>

namespace transport {

using hart::FrameReceiver;
using namespace hart::timing;

SerialLine::SerialLine(BytePort& port, SerialOptions options, const WireTrace& trace)
    : port(port), options(options), trace(trace)
{
    port.onBytes = [this](const QByteArray& bytes) { bytesArrived(bytes); };
    port.onLost = [this](const QString& why) { portLost(why); };
    sending.OnTimer = [this] { sendingEnded(); };
    replyWait.OnTimer = [this] {
        replyWait.setEnabled(false);
        if (state != State::Waiting) return;
        this->trace.event(QStringLiteral("no reply within %1 ms").arg(replyTimeoutMs()));
        finish(Attempt::failed(Attempt::Outcome::NoReply, QStringLiteral("no reply")));
    };
    tryLimit.OnTimer = [this] {
        tryLimit.setEnabled(false);
        if (state != State::Waiting) return;
        // What is still coming is read on: the next request waits until it has ended.
        this->trace.event(QStringLiteral("no complete reply within %1 ms").arg(tryLimitMs()));
        finish(Attempt::failed(Attempt::Outcome::Garbled, QStringLiteral("no complete reply")));
    };
    gap.OnTimer = [this] {
        gap.setEnabled(false);
        if (const auto result = receiver.silence()) frameEnded(*result);
        if (state == State::Quieting) write();
    };
    quietLimit.OnTimer = [this] {
        quietLimit.setEnabled(false);
        if (state == State::Quieting) write();
    };
    reopen.setInterval(ReopenMs);
    reopen.OnTimer = [this] { open(); };
    later.setInterval(1);
    later.OnTimer = [this] {
        later.setEnabled(false);
        if (deferred) finish(*std::exchange(deferred, std::nullopt));
    };
}

SerialLine::~SerialLine()
{
    port.onBytes = nullptr;
    port.onLost = nullptr;
}

QString SerialLine::name() const { return u"serial port " + port.name(); }

int SerialLine::replyTimeoutMs() const
{
    return charactersMs(options.primaryMaster ? PrimaryReplyTimeoutCharacters : SecondaryReplyTimeoutCharacters);
}

int SerialLine::gapTimeoutMs() { return charactersMs(GapTimeoutCharacters); }

int SerialLine::tryLimitMs() const { return replyTimeoutMs() + charactersMs(LongestFrameCharacters); }

bool SerialLine::open()
{
    if (port.isOpen()) return true;
    QString error;
    QStringList warnings;
    if (!port.open(error, warnings)) {
        if (!closedReported)
            qWarning().noquote() << QStringLiteral("cannot open %1: %2; trying again every second").arg(name(), error);
        closedReported = true;
        reopen.setEnabled(true);
        return false;
    }
    reopen.setEnabled(false);
    closedReported = false;
    rtsWorks = true;
    receiver.reset();
    qInfo().noquote() << QStringLiteral("%1 open: 1200 bit/s, 8 data bits, odd parity, 1 stop bit, %2 master, RTS "
                                        "switched by the %3")
                             .arg(name(),
                                  options.primaryMaster ? QStringLiteral("primary") : QStringLiteral("secondary"),
                                  options.driverSwitchesRts ? QStringLiteral("driver") : QStringLiteral("modem"));
    for (const QString& warning : warnings)
        qWarning().noquote() << QStringLiteral("%1: %2; going on without it").arg(name(), warning);
    return true;
}

int SerialLine::preamblesFor(const hart::Request& request) const
{
    if (request.command == 0 || !request.address.isLong || request.address.isBroadcast()) return IdentifyPreambles;
    return preambles.value(request.address.longAddress, IdentifyPreambles);
}

void SerialLine::attempt(const hart::Request& request, std::function<void(const Attempt&)> whenDone)
{
    done = std::move(whenDone);
    sentRequest = request;
    if (!open()) return failLater(name() + QStringLiteral(" is not open"));
    early.reset();
    // The gap timer runs from the last character heard: while it does, the line is not quiet.
    if (gap.isEnabled()) {
        state = State::Quieting;
        restart(quietLimit, replyTimeoutMs());
        return;
    }
    write();
}

void SerialLine::write()
{
    quietLimit.setEnabled(false);
    gap.setEnabled(false);
    receiver.reset(); // what came before the request answers no part of it
    const hart::Request& request = sentRequest;
    sent = hart::requestFrame(request, options.primaryMaster);
    const QByteArray bytes = hart::encodeFrame(sent, preamblesFor(request));
    state = State::Sending;
    switchRts(true);
    trace.sent(bytes);
    if (!port.write(bytes)) return portLost(QStringLiteral("the frame could not be written"));
    restart(sending, charactersMs(bytes.size() + RtsHoldCharacters));
}

void SerialLine::switchRts(bool on)
{
    if (!options.driverSwitchesRts || !rtsWorks) return;
    if (port.setRts(on)) return;
    rtsWorks = false;
    qWarning().noquote() << QStringLiteral("%1 cannot switch RTS; leaving it to the modem").arg(name());
}

void SerialLine::sendingEnded()
{
    sending.setEnabled(false);
    switchRts(false);
    if (early) return finish(*std::exchange(early, std::nullopt));
    state = State::Waiting;
    restart(tryLimit, tryLimitMs());
    if (!receiver.frameBegun()) restart(replyWait, replyTimeoutMs());
}

void SerialLine::bytesArrived(const QByteArray& bytes)
{
    for (const char byte : bytes) {
        if (const auto result = receiver.take(quint8(byte))) frameEnded(*result);
    }
    if (bytes.isEmpty()) return;
    if (receiver.frameBegun()) replyWait.setEnabled(false);
    // Ends a frame cut short, and tells a request waiting to be written when the line is quiet, even
    // after a complete frame: another may follow at once (a burst frame right after a reply).
    restart(gap, gapTimeoutMs());
}

void SerialLine::frameEnded(const FrameReceiver::Result& result)
{
    using Kind = FrameReceiver::Result::Kind;
    const bool waited = state == State::Sending || state == State::Waiting;
    std::optional<Attempt> outcome;
    QString note = result.why;
    if (result.kind == Kind::Frame) {
        if (waited && hart::answers(result.frame, sent))
            outcome = Attempt::replied(hart::replyOf(result.frame));
        else if (result.frame.type == hart::FrameType::Burst)
            note = QStringLiteral("burst frame, ignored");
        else if (result.frame.type == hart::FrameType::Request)
            note = QStringLiteral("a request, ignored");
        else
            note = waited ? QStringLiteral("not the reply waited for, ignored") : QStringLiteral("no request waiting");
    } else if (waited &&
               (result.kind == Kind::Broken || (result.kind == Kind::BadCheck && hart::answers(result.frame, sent)))) {
        // A damaged frame that by what it says is someone else's (another device's burst frame) ends
        // nothing: our device may still answer, and a request written now would go over its reply.
        outcome = Attempt::failed(Attempt::Outcome::Garbled, result.why);
    }
    if (!result.noise.isEmpty()) trace.received(result.noise, QStringLiteral("noise"));
    trace.received(result.bytes, note);
    if (!waited) return;
    if (!outcome) {
        // Someone else's frame or noise ended: the reply may still begin.
        if (state == State::Waiting && !receiver.frameBegun()) restart(replyWait, replyTimeoutMs());
        return;
    }
    if (state == State::Sending) {
        // While our own frame is on the line only the reply is kept: anything broken heard then
        // (a damaged echo, the end of an earlier frame) must not end the try before the reply came.
        if (outcome->outcome == Attempt::Outcome::Reply) early = outcome;
        return;
    }
    // Handed on from the event loop: the rest of this read is taken first, and a request the
    // answer brings on sees what it was.
    handOn(*outcome);
}

void SerialLine::portLost(const QString& why)
{
    if (closedReported) return;
    qWarning().noquote()
        << QStringLiteral("%1 is gone (%2); replies are \"Communication Error!\" until it is back").arg(name(), why);
    port.close();
    closedReported = true;
    receiver.reset();
    sending.setEnabled(false);
    replyWait.setEnabled(false);
    tryLimit.setEnabled(false);
    quietLimit.setEnabled(false);
    gap.setEnabled(false);
    reopen.setEnabled(true);
    if (state != State::Idle) failLater(name() + QStringLiteral(" is gone"));
}

void SerialLine::failLater(const QString& why) { handOn(Attempt::failed(Attempt::Outcome::Unavailable, why)); }

void SerialLine::handOn(const Attempt& attempt)
{
    sending.setEnabled(false);
    replyWait.setEnabled(false);
    tryLimit.setEnabled(false);
    state = State::Ending;
    early.reset();
    deferred = attempt;
    later.setEnabled(true);
}

void SerialLine::finish(const Attempt& attempt)
{
    sending.setEnabled(false);
    replyWait.setEnabled(false);
    tryLimit.setEnabled(false);
    state = State::Idle;
    if (attempt.outcome == Attempt::Outcome::Reply) learnPreambles(sentRequest, attempt.reply);
    if (auto callback = std::exchange(done, nullptr)) callback(attempt);
}

void SerialLine::learnPreambles(const hart::Request& request, const hart::Reply& reply)
{
    if ((request.command != 0 && request.command != 11) || reply.responseCode != 0) return;
    if (const auto identity = hart::readIdentity(reply.data))
        preambles.insert(identity->longAddress, qBound(MinPreambles, int(identity->minPreambles), IdentifyPreambles));
}

} // namespace transport
