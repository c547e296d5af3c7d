#pragma once
// HART transactions as bytes: what the codec hands to a device and what comes back. A bus is
// anything that carries them: the simulated devices, a modem on a serial line, HART-IP.
#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace hart {

struct Address {
    bool isLong = false;
    quint8 polling = 0;     // short frames: 0..63
    QByteArray longAddress; // long frames: 5 bytes, master and burst bits cleared

    static Address shortFrame(quint8 polling) { return {false, polling, {}}; }
    static Address longFrame(const QByteArray& bytes) { return {true, 0, bytes}; }
    // The broadcast long address (command 11).
    static Address broadcast() { return {true, 0, QByteArray(5, '\0')}; }
    bool isBroadcast() const { return isLong && longAddress == QByteArray(5, '\0'); }
};

struct Request {
    Address address;
    quint8 command = 0;
    QByteArray data;
    // A scan of the loop asks each address once: silence there is an empty address, not a lost frame,
    // and is not tried again. A garbled reply still is (something is there).
    bool singleTry = false;
};
// The most data one request frame carries: its byte count is a single byte.
inline constexpr int MaxRequestData = 255;

struct Reply {
    quint8 responseCode = 0; // bit 7 set: communication error flags
    quint8 deviceStatus = 0;
    QByteArray data;
};

// Response codes and status bits that the driver and the simulated devices name.
namespace rc {
inline constexpr quint8 Success = 0;
inline constexpr quint8 InvalidSelection = 2;
inline constexpr quint8 TooLarge = 3;
inline constexpr quint8 TooSmall = 4;
inline constexpr quint8 TooFewBytes = 5;
inline constexpr quint8 WriteProtected = 7;
inline constexpr quint8 SetToNearest = 8;
inline constexpr quint8 LowerTooHigh = 9;
inline constexpr quint8 LowerTooLow = 10;
inline constexpr quint8 UpperTooHigh = 11;
inline constexpr quint8 UpperTooLow = 12;
inline constexpr quint8 BothOutOfLimits = 13;
inline constexpr quint8 SpanTooSmall = 14;
inline constexpr quint8 InMultidrop = 16;
inline constexpr quint8 InvalidSpan = 29;
inline constexpr quint8 Busy = 32;
inline constexpr quint8 NotImplemented = 64;
} // namespace rc

namespace status {
inline constexpr quint8 Malfunction = 0x80;
inline constexpr quint8 ConfigChanged = 0x40;
inline constexpr quint8 ColdStart = 0x20;
inline constexpr quint8 MoreStatus = 0x10;
inline constexpr quint8 CurrentFixed = 0x08;
inline constexpr quint8 CurrentSaturated = 0x04;
inline constexpr quint8 NonPvOutOfLimits = 0x02;
inline constexpr quint8 PvOutOfLimits = 0x01;
} // namespace status

// One transaction with a device. done receives the reply, or nothing when no valid reply came
// (no device at the address, or every try failed). It is called later, from the event loop.
class Bus {
public:
    virtual ~Bus() = default;
    virtual void transact(const Request& request, std::function<void(std::optional<Reply>)> done) = 0;
};

// Time a transaction takes on a 1200 bit/s loop: both frames, 11 bits a character, plus the
// device's turn-around; without a reply, every try's request and reply time-out.
int transactionMs(const Request& request, const std::optional<Reply>& reply, int requestPreambles = 20,
                  int replyPreambles = 5);

} // namespace hart
