#pragma once
// Reads frames off a serial line one character at a time. It hunts for preambles, takes the
// delimiter after at least 2 of them, then as many bytes as the address, the expansion and the
// byte count say, and checks the check byte. Whatever it cannot use (noise, a frame cut short, an
// unknown delimiter) it drops, and hunts again. It knows no time: its owner says when the line has
// been silent for too long.
#include "hart/HartFrame.h"

#include <optional>

namespace hart {

class FrameReceiver {
public:
    struct Result {
        enum class Kind { Frame, BadCheck, Broken, Noise };
        Kind kind = Kind::Frame;
        Frame frame;      // Frame and BadCheck: what the bytes say
        QByteArray bytes; // the frame's bytes, preambles included; for Noise the noise
        QByteArray noise; // what came before the frame's preambles and was no frame
        QString why;      // BadCheck, Broken and Noise
    };

    // Takes the next character; returns what ended with it.
    std::optional<Result> take(quint8 byte);
    // The line fell silent: a frame that had begun is broken; bytes that began none were noise.
    std::optional<Result> silence();
    // Forgets everything, as after the receiver was switched off.
    void reset();
    // Preambles have been heard or a frame is being read: a reply has begun.
    bool frameBegun() const { return state != State::Hunt || preambles >= timingPreambles(); }
    // Nothing heard since the last result: the line has been quiet.
    bool idle() const { return raw.isEmpty(); }
    // For a PDU, which has no preambles: the next byte is the delimiter.
    void expectDelimiter() { delimiterNow = true; }

private:
    enum class State { Hunt, Address, Expansion, Command, Count, Data, Check };
    static int timingPreambles();
    bool startFrame(quint8 delimiter);
    Result finish(Result::Kind kind, const QString& why = {});
    std::optional<Result> decode(quint8 check);

    State state = State::Hunt;
    int preambles = 0;
    bool delimiterNow = false;
    int remaining = 0;        // bytes still to come in the current part
    QByteArray body;          // delimiter onwards
    QByteArray raw;           // everything since the previous result
    qsizetype frameStart = 0; // where in raw the current frame's preambles began
};

} // namespace hart
