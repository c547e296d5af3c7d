#include "hart/FrameReceiver.h"

#include "hart/HartTiming.h"

namespace hart {

namespace {
constexpr quint8 Preamble = 0xFF;
// Noise kept for the trace before the receiver stops remembering it.
constexpr int MaxRawBytes = 1024;

// Asynchronous (FSK) frames of the three known types; a modem on a current loop hears no other.
bool knownType(quint8 delimiter)
{
    if (delimiter & 0x18) return false;
    const quint8 type = delimiter & 0x07;
    return type == quint8(FrameType::Burst) || type == quint8(FrameType::Request) || type == quint8(FrameType::Reply);
}
int addressBytes(quint8 delimiter) { return (delimiter & 0x80) ? 5 : 1; }
int expansionBytes(quint8 delimiter) { return (delimiter >> 5) & 0x03; }
} // namespace

int FrameReceiver::timingPreambles() { return timing::ReceivePreambles; }

void FrameReceiver::reset()
{
    state = State::Hunt;
    preambles = 0;
    delimiterNow = false;
    body.clear();
    raw.clear();
    frameStart = 0;
}

bool FrameReceiver::startFrame(quint8 delimiter)
{
    if (!knownType(delimiter)) return false;
    body = QByteArray(1, char(delimiter));
    state = State::Address;
    remaining = addressBytes(delimiter);
    return true;
}

FrameReceiver::Result FrameReceiver::finish(Result::Kind kind, const QString& why)
{
    Result result;
    result.kind = kind;
    result.noise = raw.left(frameStart);
    result.bytes = raw.mid(frameStart);
    result.why = why;
    frameStart = 0;
    state = State::Hunt;
    preambles = 0;
    delimiterNow = false;
    body.clear();
    raw.clear();
    return result;
}

std::optional<FrameReceiver::Result> FrameReceiver::take(quint8 byte)
{
    if (raw.size() >= MaxRawBytes && state == State::Hunt) {
        // A long run of noise or of preambles: go on counting, forget the bytes.
        raw.clear();
        frameStart = 0;
    }
    raw.append(char(byte));
    switch (state) {
    case State::Hunt:
        if (byte == Preamble && !delimiterNow) {
            if (preambles++ == 0) frameStart = raw.size() - 1;
        } else if ((preambles >= timingPreambles() || delimiterNow) && startFrame(byte)) {
            if (delimiterNow) frameStart = raw.size() - 1;
            delimiterNow = false;
        } else if (delimiterNow) {
            return finish(Result::Kind::Broken, QStringLiteral("no known delimiter"));
        } else {
            preambles = 0; // noise: hunt again
        }
        return std::nullopt;
    case State::Address:
    case State::Expansion:
    case State::Data:
        body.append(char(byte));
        if (--remaining > 0) return std::nullopt;
        if (state == State::Address && expansionBytes(quint8(body.at(0))) > 0) {
            state = State::Expansion;
            remaining = expansionBytes(quint8(body.at(0)));
        } else {
            state = state == State::Data ? State::Check : State::Command;
        }
        return std::nullopt;
    case State::Command:
        body.append(char(byte));
        state = State::Count;
        return std::nullopt;
    case State::Count:
        body.append(char(byte));
        remaining = byte;
        state = byte > 0 ? State::Data : State::Check;
        return std::nullopt;
    case State::Check: return decode(byte);
    }
    return std::nullopt;
}

std::optional<FrameReceiver::Result> FrameReceiver::decode(quint8 check)
{
    const quint8 delimiter = quint8(body.at(0));
    Frame frame;
    frame.type = FrameType(delimiter & 0x07);
    const int addressEnd = 1 + addressBytes(delimiter);
    const quint8 first = quint8(body.at(1));
    frame.primaryMaster = first & 0x80;
    frame.burstMode = first & 0x40;
    if (delimiter & 0x80) {
        QByteArray address = body.mid(1, 5);
        address[0] = char(first & 0x3F);
        frame.address = Address::longFrame(address);
    } else {
        frame.address = Address::shortFrame(first & 0x3F);
    }
    const int commandAt = addressEnd + expansionBytes(delimiter);
    frame.expansion = body.mid(addressEnd, expansionBytes(delimiter));
    frame.command = quint8(body.at(commandAt));
    QByteArray data = body.mid(commandAt + 2);
    if (frame.fromDevice()) {
        if (data.size() < 2) return finish(Result::Kind::Broken, QStringLiteral("no response code and status"));
        frame.responseCode = quint8(data.at(0));
        frame.deviceStatus = quint8(data.at(1));
        data.remove(0, 2);
    }
    frame.data = data;
    const bool good = checkByte(body) == check;
    Result result = finish(good ? Result::Kind::Frame : Result::Kind::BadCheck,
                           good ? QString() : QStringLiteral("check byte wrong"));
    result.frame = frame;
    return result;
}

std::optional<FrameReceiver::Result> FrameReceiver::silence()
{
    if (frameBegun()) return finish(Result::Kind::Broken, QStringLiteral("cut short"));
    if (raw.isEmpty()) return std::nullopt;
    frameStart = 0; // a lone preamble is noise too
    return finish(Result::Kind::Noise, QStringLiteral("noise"));
}

} // namespace hart
