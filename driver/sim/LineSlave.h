#pragma once
// The simulated devices at the far end of a serial line, as a modem would put them on a real loop:
// they read the master's frames off the line as bytes, answer in frames of their own, send a burst
// frame after each transaction while in burst mode, and keep silent at a frame with a wrong check
// byte. Noise can be asked for on a share of the replies:
//
//   drop   a character of the reply is lost
//   flip   a bit of a character (one of its 11 on the line) is flipped: the character fails its
//          parity or framing check, and the master's port hands it over as NUL
//   late   the reply begins only after the master's reply time-out
//   burst  a burst frame of the device goes on the line just before the reply
//   busy   the device answers "busy" (response code 32) without doing the command
//
// At real time the reply's characters leave one every 9.17 ms, after the request has crossed the
// line and the device has turned around; a fast line hands them over at once, for tests.
#include "sim/SimBus.h"

#include "hart/FrameReceiver.h"
#include "platform/Timer.h"

#include <QList>
#include <deque>
#include <map>
#include <random>

namespace sim {

struct LineNoise {
    enum class Kind { Drop, Flip, Late, Burst, Busy };
    double rate = 0.0; // share of the replies that meet noise
    QList<Kind> kinds{Kind::Drop, Kind::Flip, Kind::Late, Kind::Burst};
    quint64 seed = 1;
};

struct LineOptions {
    bool realTime = true;
    int replyPreambles = 0; // 0: as many as the device itself asks for
    LineNoise noise;
};

// "drop,flip,late,burst,busy" and back.
std::optional<QList<LineNoise::Kind>> parseNoiseKinds(const QString& text);
QString noiseName(LineNoise::Kind kind);

class LineSlave {
public:
    LineSlave(SimBus& devices, LineOptions options);

    // Characters from the master, as they arrive.
    void receive(const QByteArray& bytes);
    // Characters for the master, when they are due on the line.
    std::function<void(const QByteArray& bytes)> transmit;
    // Told of each noise made: its kind and the command of the reply it met.
    std::function<void(LineNoise::Kind kind, int command)> onNoise;

private:
    void answer(const hart::Frame& request, qint64 requestEndMs);
    std::optional<LineNoise::Kind> noise();
    SimTransmitter* deviceFor(const hart::Request& request);
    QByteArray burstFrame(const SimTransmitter& device, bool primaryMaster) const;
    void damage(QByteArray& bytes, int from, LineNoise::Kind kind);
    void send(const QByteArray& bytes, qint64 startMs);
    void pump();

    SimBus& devices;
    LineOptions options;
    hart::FrameReceiver receiver;
    std::mt19937_64 random;
    qint64 firstByteMs = -1; // when the frame being received began to arrive
    struct Character {
        double dueMs;
        char byte;
    };
    std::deque<Character> out;
    platform::Timer line;
    platform::Timer gap; // a request cut short is forgotten when the line falls silent
};

} // namespace sim
