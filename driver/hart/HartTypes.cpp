#include "hart/HartTypes.h"

namespace hart {

namespace {
constexpr double CharacterMs = 11.0 * 1000.0 / 1200.0;
constexpr int TurnAroundMs = 20;
// A master gives a silent device this long before it tries again.
constexpr int NoReplyWaitMs = 260;
constexpr int Tries = 3;

int frameChars(int preambles, const Address& address, int dataBytes, bool reply)
{
    const int addressBytes = address.isLong ? 5 : 1;
    return preambles + 1 + addressBytes + 1 + 1 + (reply ? 2 : 0) + dataBytes + 1;
}
} // namespace

int transactionMs(const Request& request, const std::optional<Reply>& reply, int requestPreambles, int replyPreambles)
{
    const double sent = frameChars(requestPreambles, request.address, int(request.data.size()), false) * CharacterMs;
    if (!reply) return int(Tries * (sent + NoReplyWaitMs));
    const double back = frameChars(replyPreambles, request.address, int(reply->data.size()), true) * CharacterMs;
    return int(sent + TurnAroundMs + back);
}

} // namespace hart
