// The link's byte stream as either end reads it: a client's CONNECT, EXECUTE, REQUEST, ADVISE, SIM, and
// a driver's OK, ERR, DATA, NOTIFY, cut into messages however the bytes arrive. The first byte chooses
// the size of the pieces the stream comes in and the payload limit of the reader (the program takes
// smaller texts than the protocol allows). A message read is the bytes it was sent as.
#include "FuzzInput.h"

#include "platform/ChannelProtocol.h"

namespace channel = platform::channel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int piece = 1 + (data[0] & 0x3F);
    const bool program = data[0] & 0x40;
    const QByteArray stream = fuzzing::bytesOf(data + 1, size - 1);

    channel::MessageReader reader = program ? channel::MessageReader(64 * 1024) : channel::MessageReader();
    for (qsizetype at = 0; at < stream.size() && !reader.broken(); at += piece) {
        reader.feed(stream.mid(at, piece));
        while (const std::optional<channel::Message> message = reader.next()) {
            if (message->verb.contains(' ') || message->verb.contains('\n')) __builtin_trap();
            if (message->payload.size() > (program ? 64 * 1024 : channel::MaxPayloadLength)) __builtin_trap();
        }
    }
    (void)reader.failure();
    return 0;
}
