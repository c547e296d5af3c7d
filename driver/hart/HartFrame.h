#pragma once
// HART frames as bytes: what a master sends, what a device answers, what a device in burst mode
// sends unasked. The one place that knows the layout; the serial line, HART-IP, the simulated
// devices on a wire and the tests all build and read frames here.
//
//   preambles · delimiter · address · [expansion] · command · byte count · [code · status] · data · check
//
// The delimiter says the frame type (STX 2 master to device, ACK 6 device to master, BACK 1 burst),
// whether the address is long (bit 7) and how many expansion bytes follow it (bits 6-5). The
// address carries the master bit (1 primary) and the burst-mode bit in its first byte. The check
// byte is the XOR of every byte from the delimiter on. A PDU, as HART-IP carries it, is a frame
// without its preambles.
#include "hart/HartTypes.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace hart {

enum class FrameType : quint8 { Burst = 1, Request = 2, Reply = 6 };

struct Frame {
    FrameType type = FrameType::Request;
    Address address; // master and burst bits cleared
    bool primaryMaster = true;
    bool burstMode = false;
    QByteArray expansion;
    quint8 command = 0;
    quint8 responseCode = 0; // replies and bursts
    quint8 deviceStatus = 0; // replies and bursts
    QByteArray data;

    bool fromDevice() const { return type != FrameType::Request; }
};

quint8 checkByte(const QByteArray& bytes);

// Delimiter to the check byte.
QByteArray encodePdu(const Frame& frame);
// With the preambles in front: what goes on a serial line.
QByteArray encodeFrame(const Frame& frame, int preambles);

// A whole PDU, as HART-IP carries it; nothing when it is malformed or its check byte is wrong,
// with the reason in `why`.
std::optional<Frame> decodePdu(const QByteArray& pdu, QString* why = nullptr);

Frame requestFrame(const Request& request, bool primaryMaster);
// The device's answer to a request frame, addressed as the request was.
Frame replyFrame(const Frame& request, const Reply& reply, bool burstMode);
Request requestOf(const Frame& frame);
Reply replyOf(const Frame& frame);
// A reply from the device a request went to, for the master that sent it. A device answers a
// broadcast (command 11) under its own long address.
bool answers(const Frame& reply, const Frame& request);

// "82 9A 1A ...": bytes as a technician reads them in a trace.
QString hexText(const QByteArray& bytes);

} // namespace hart
