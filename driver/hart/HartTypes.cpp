#include "hart/HartTypes.h"

#include "hart/HartTiming.h"

namespace hart {

namespace {
int frameChars(int preambles, const Address& address, int dataBytes, bool reply)
{
    const int addressBytes = address.isLong ? 5 : 1;
    return preambles + 1 + addressBytes + 1 + 1 + (reply ? 2 : 0) + dataBytes + 1;
}
} // namespace

int transactionMs(const Request& request, const std::optional<Reply>& reply, int requestPreambles, int replyPreambles)
{
    using namespace timing;
    const int sent = frameChars(requestPreambles, request.address, int(request.data.size()), false);
    if (!reply)
        return (request.singleTry ? 1 : 1 + Retries) *
               charactersMs(sent + RtsHoldCharacters + PrimaryReplyTimeoutCharacters);
    const int back = frameChars(replyPreambles, request.address, int(reply->data.size()), true);
    return charactersMs(sent + TurnAroundCharacters + back);
}

} // namespace hart
