// Bytes off a serial line, a character at a time, as a modem hands them over: noise, broken frames,
// frames of any delimiter, with silences between (the first byte says after which characters the line
// falls silent). Every frame taken is one the frame layout encodes to the same bytes.
#include "FuzzInput.h"

#include "hart/FrameReceiver.h"
#include "hart/HartFrame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int silenceEvery = data[0] & 0x7F;
    hart::FrameReceiver receiver;
    if (data[0] & 0x80) receiver.expectDelimiter();

    auto check = [](const std::optional<hart::FrameReceiver::Result>& result) {
        if (!result || result->kind != hart::FrameReceiver::Result::Kind::Frame) return;
        QByteArray body = result->bytes;
        while (body.startsWith('\xFF'))
            body.remove(0, 1);
        if (hart::encodePdu(result->frame) != body || !hart::decodePdu(body)) __builtin_trap();
    };
    for (size_t i = 1; i < size; ++i) {
        check(receiver.take(data[i]));
        (void)receiver.frameBegun();
        if (silenceEvery && i % silenceEvery == 0) check(receiver.silence());
    }
    check(receiver.silence());
    return 0;
}
