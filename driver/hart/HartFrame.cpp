#include "hart/HartFrame.h"

#include "hart/FrameReceiver.h"

namespace hart {

namespace {
constexpr quint8 MasterBit = 0x80;
constexpr quint8 BurstBit = 0x40;
} // namespace

quint8 checkByte(const QByteArray& bytes)
{
    quint8 check = 0;
    for (const char byte : bytes)
        check ^= quint8(byte);
    return check;
}

QByteArray encodePdu(const Frame& frame)
{
    const quint8 expansion = quint8(qMin(frame.expansion.size(), qsizetype(3)));
    QByteArray pdu;
    pdu.append(char((frame.address.isLong ? 0x80 : 0x00) | (expansion << 5) | quint8(frame.type)));
    const quint8 bits = (frame.primaryMaster ? MasterBit : 0) | (frame.burstMode ? BurstBit : 0);
    if (frame.address.isLong) {
        QByteArray address = frame.address.longAddress.leftJustified(5, '\0', true);
        address[0] = char((quint8(address.at(0)) & 0x3F) | bits);
        pdu.append(address);
    } else {
        pdu.append(char((frame.address.polling & 0x3F) | bits));
    }
    pdu.append(frame.expansion.left(expansion));
    pdu.append(char(frame.command));
    const int statusBytes = frame.fromDevice() ? 2 : 0;
    pdu.append(char(quint8(statusBytes + frame.data.size())));
    if (frame.fromDevice()) {
        pdu.append(char(frame.responseCode));
        pdu.append(char(frame.deviceStatus));
    }
    pdu.append(frame.data);
    pdu.append(char(checkByte(pdu)));
    return pdu;
}

QByteArray encodeFrame(const Frame& frame, int preambles)
{
    return QByteArray(preambles, char(0xFF)) + encodePdu(frame);
}

std::optional<Frame> decodePdu(const QByteArray& pdu, QString* why)
{
    FrameReceiver receiver;
    receiver.expectDelimiter();
    for (qsizetype i = 0; i < pdu.size(); ++i) {
        const auto result = receiver.take(quint8(pdu.at(i)));
        if (!result) continue;
        QString problem = result->why;
        if (result->kind == FrameReceiver::Result::Kind::Frame && i + 1 < pdu.size())
            problem = QStringLiteral("bytes after the check byte");
        if (problem.isEmpty()) return result->frame;
        if (why) *why = problem;
        return std::nullopt;
    }
    if (why) *why = pdu.isEmpty() ? QStringLiteral("empty") : QStringLiteral("cut short");
    return std::nullopt;
}

Frame requestFrame(const Request& request, bool primaryMaster)
{
    Frame frame;
    frame.type = FrameType::Request;
    frame.address = request.address;
    frame.primaryMaster = primaryMaster;
    frame.command = request.command;
    frame.data = request.data;
    return frame;
}

Frame replyFrame(const Frame& request, const Reply& reply, bool burstMode)
{
    Frame frame = request;
    frame.type = FrameType::Reply;
    frame.burstMode = burstMode;
    frame.responseCode = reply.responseCode;
    frame.deviceStatus = reply.deviceStatus;
    frame.data = reply.data;
    return frame;
}

Request requestOf(const Frame& frame) { return {frame.address, frame.command, frame.data}; }

Reply replyOf(const Frame& frame) { return {frame.responseCode, frame.deviceStatus, frame.data}; }

bool answers(const Frame& reply, const Frame& request)
{
    if (reply.type != FrameType::Reply || reply.command != request.command ||
        reply.primaryMaster != request.primaryMaster || reply.address.isLong != request.address.isLong)
        return false;
    if (request.address.isBroadcast()) return true;
    return request.address.isLong ? reply.address.longAddress == request.address.longAddress
                                  : reply.address.polling == request.address.polling;
}

QString hexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

} // namespace hart
