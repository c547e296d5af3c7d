// The data of a device's reply to each command, turned into the lines of a reply text, and an extended
// template's command token with its data lines, both ways. The first byte is the command; the second
// says whether the rest is reply data or a template (token, NUL, data lines, NUL, reply data). A value
// read from a reply and written back unchanged reads as it did.
#include "FuzzInput.h"
#include "ShippedNames.h"

#include "codec/CommandCodec.h"
#include "platform/Encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const codec::CommandCodec codec(fuzzing::shippedNames());
    if (size < 2) return 0;
    const int command = data[0];
    const QByteArray rest = fuzzing::bytesOf(data + 2, size - 2);

    if (data[1] & 1) {
        const QList<QByteArray> input = fuzzing::parts(rest, 3);
        const std::optional<codec::TemplateToken> token = codec::parseTemplateToken(platform::fromCp1250(input[0]));
        if (!token) return 0;
        (void)codec.encodeTemplate(*token, platform::fromCp1250(input[1]).split(QStringLiteral("\r\n")));
        (void)codec.decodeTemplate(*token, input[2]);
        return 0;
    }
    (void)codec.decodeIdentity(rest);
    (void)codec.encodeRequest(command, platform::fromCp1250(rest).split(QStringLiteral("\r\n")));
    const std::optional<QStringList> lines = codec.decodeReply(command, rest);
    // Commands whose request carries what their reply does: damping, range, units, transfer function. What
    // is read and written back unchanged reads as it did.
    const bool echoed = command == 34 || command == 35 || command == 44 || command == 47;
    if (lines && echoed) {
        const codec::Encoded again = codec.encodeRequest(command, *lines);
        if (again.ok && codec.decodeReply(command, again.data) != lines) __builtin_trap();
    }
    return 0;
}
