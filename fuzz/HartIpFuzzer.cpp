// HART-IP from the network: one datagram as UDP brings it, the same bytes as a TCP stream cut into
// pieces, and the bodies of what is read (session initiation, PDUs). A message read encodes to the
// bytes it came as.
#include "FuzzInput.h"

#include "hart/HartFrame.h"
#include "hart/HartIp.h"

namespace ip = hart::ip;

namespace {
void readBody(const ip::Message& message)
{
    (void)ip::messageName(message.id);
    if (message.id == ip::MessageId::SessionInitiate) (void)ip::readSessionInitiate(message.body);
    if (message.id == ip::MessageId::TokenPassingPdu || message.id == ip::MessageId::DirectPdu) {
        QString why;
        (void)hart::decodePdu(message.body, &why);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int piece = 1 + data[0];
    const QByteArray bytes = fuzzing::bytesOf(data + 1, size - 1);

    QString why;
    if (const std::optional<ip::Message> datagram = ip::decode(bytes, &why)) {
        readBody(*datagram);
        if (ip::encode(*datagram) != bytes) __builtin_trap();
    }

    ip::StreamReader stream;
    for (qsizetype at = 0; at < bytes.size() && !stream.broken(); at += piece) {
        stream.feed(bytes.mid(at, piece));
        while (const std::optional<ip::Message> message = stream.next())
            readBody(*message);
    }
    return 0;
}
