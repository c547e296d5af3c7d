#include "sim/LineSlave.h"

#include "hart/HartFrame.h"
#include "hart/HartTiming.h"
#include "platform/EventLoop.h"

#include <cmath>

namespace sim {

using namespace hart::timing;

namespace {
const std::pair<LineNoise::Kind, const char*> NoiseNames[] = {
    {LineNoise::Kind::Drop, "drop"},   {LineNoise::Kind::Flip, "flip"}, {LineNoise::Kind::Late, "late"},
    {LineNoise::Kind::Burst, "burst"}, {LineNoise::Kind::Busy, "busy"},
};
// A late reply begins this long after the request's end: after a secondary master's reply
// time-out, and after a primary master's.
constexpr int LateCharacters = RtsHoldCharacters + SecondaryReplyTimeoutCharacters + 5;
} // namespace

std::optional<QList<LineNoise::Kind>> parseNoiseKinds(const QString& text)
{
    QList<LineNoise::Kind> kinds;
    for (const QString& word : text.split(u',', Qt::SkipEmptyParts)) {
        bool known = false;
        for (const auto& [kind, name] : NoiseNames)
            if (word.trimmed() == QLatin1String(name)) {
                kinds << kind;
                known = true;
            }
        if (!known) return std::nullopt;
    }
    if (kinds.isEmpty()) return std::nullopt;
    return kinds;
}

QString noiseName(LineNoise::Kind kind)
{
    for (const auto& [known, name] : NoiseNames)
        if (known == kind) return QLatin1String(name);
    return {};
}

LineSlave::LineSlave(SimBus& devices, LineOptions options)
    : devices(devices), options(std::move(options)), random(this->options.noise.seed)
{
    line.OnTimer = [this] { pump(); };
    gap.setInterval(charactersMs(GapTimeoutCharacters));
    gap.OnTimer = [this] {
        gap.setEnabled(false);
        receiver.silence();
        firstByteMs = -1;
    };
}

void LineSlave::receive(const QByteArray& bytes)
{
    const qint64 now = platform::eventLoop().nowMs();
    for (const char byte : bytes) {
        if (firstByteMs < 0) firstByteMs = now;
        const auto result = receiver.take(quint8(byte));
        if (!result) continue;
        // The master wrote its frame at once; on the line it takes a character time a byte.
        const qint64 end = firstByteMs + charactersMs(result->bytes.size());
        firstByteMs = -1;
        if (result->kind == hart::FrameReceiver::Result::Kind::Frame && result->frame.type == hart::FrameType::Request)
            answer(result->frame, end);
    }
    gap.setEnabled(false);
    if (!receiver.idle()) gap.setEnabled(true);
}

SimTransmitter* LineSlave::deviceFor(const hart::Request& request)
{
    for (auto& device : devices.devices())
        if (device.answers(request)) return &device;
    return nullptr;
}

std::optional<LineNoise::Kind> LineSlave::noise()
{
    const LineNoise& noise = options.noise;
    if (noise.rate <= 0.0 || noise.kinds.isEmpty()) return std::nullopt;
    if (std::uniform_real_distribution<double>(0.0, 1.0)(random) >= noise.rate) return std::nullopt;
    return noise.kinds[std::uniform_int_distribution<int>(0, int(noise.kinds.size()) - 1)(random)];
}

void LineSlave::answer(const hart::Frame& request, qint64 requestEndMs)
{
    const auto kind = noise();
    SimTransmitter* device = deviceFor(hart::requestOf(request));
    if (!device) return; // nobody there
    const auto reply =
        kind == LineNoise::Kind::Busy ? hart::Reply{hart::rc::Busy, 0, {}} : devices.answer(hart::requestOf(request));
    if (!reply) return; // several devices garbling each other

    const int preambles =
        options.replyPreambles > 0 ? options.replyPreambles : device->deviceModel().identity.minPreambles;
    QByteArray bytes;
    if (kind == LineNoise::Kind::Burst) bytes += burstFrame(*device, request.primaryMaster);
    const int replyStart = int(bytes.size()) + preambles;
    bytes += hart::encodeFrame(hart::replyFrame(request, *reply, device->config().burstMode), preambles);
    if (kind == LineNoise::Kind::Drop || kind == LineNoise::Kind::Flip) damage(bytes, replyStart, *kind);
    for (const auto& bursting : devices.devices())
        if (bursting.config().burstMode) bytes += burstFrame(bursting, request.primaryMaster);

    qint64 start = options.realTime ? requestEndMs + charactersMs(TurnAroundCharacters) : platform::eventLoop().nowMs();
    if (kind == LineNoise::Kind::Late) start = requestEndMs + charactersMs(LateCharacters);
    if (kind && onNoise) onNoise(*kind, request.command);
    send(bytes, start);
}

QByteArray LineSlave::burstFrame(const SimTransmitter& device, bool primaryMaster) const
{
    SimTransmitter copy = device; // the burst reply must not use up what the master is to read
    const quint8 command = device.config().burstCommand;
    const auto reply = copy.handle({hart::Address::longFrame(device.longAddress()), command, {}});
    hart::Frame frame;
    frame.type = hart::FrameType::Burst;
    frame.address = hart::Address::longFrame(device.longAddress());
    frame.primaryMaster = primaryMaster;
    frame.burstMode = true;
    frame.command = command;
    if (reply) {
        frame.responseCode = reply->responseCode;
        frame.deviceStatus = reply->deviceStatus;
        frame.data = reply->data;
    }
    return hart::encodeFrame(frame, device.deviceModel().identity.minPreambles);
}

void LineSlave::damage(QByteArray& bytes, int from, LineNoise::Kind kind)
{
    std::uniform_int_distribution<int> at(from, int(bytes.size()) - 1);
    int index = at(random);
    if (kind == LineNoise::Kind::Drop) {
        bytes.remove(index, 1);
        return;
    }
    // A NUL stays NUL: flip a character that shows it.
    for (int tries = 0; bytes.at(index) == 0 && tries < 32; ++tries)
        index = at(random);
    bytes[index] = '\0';
}

void LineSlave::send(const QByteArray& bytes, qint64 startMs)
{
    double due = double(startMs);
    if (!out.empty()) due = std::max(due, out.back().dueMs + (options.realTime ? CharacterMs : 0.0));
    for (const char byte : bytes) {
        out.push_back({due, byte});
        if (options.realTime) due += CharacterMs;
    }
    pump();
}

void LineSlave::pump()
{
    line.setEnabled(false);
    const double now = double(platform::eventLoop().nowMs());
    QByteArray due;
    while (!out.empty() && out.front().dueMs <= now) {
        due.append(out.front().byte);
        out.pop_front();
    }
    if (!due.isEmpty() && transmit) transmit(due);
    if (out.empty()) return;
    line.setInterval(std::max(1, int(std::ceil(out.front().dueMs - now))));
    line.setEnabled(true);
}

} // namespace sim
