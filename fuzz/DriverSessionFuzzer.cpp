// The driver's work on command texts from any program on the link, and on whatever the devices answer:
// two macros, each carried out to its reply text, the bus answering each transaction from the input.
// The input is the two macros and the answers, NUL between; an answer is a byte that says whether one
// came (its low bit), the response code, the device status, the data's length, then the data.
#include "FuzzInput.h"
#include "ShippedNames.h"

#include "hart/HartTypes.h"
#include "session/DriverSession.h"

#include <deque>

namespace {
class ScriptedBus : public hart::Bus {
public:
    void transact(const hart::Request&, std::function<void(std::optional<hart::Reply>)> done) override
    {
        pending.push_back(std::move(done));
    }
    std::deque<std::function<void(std::optional<hart::Reply>)>> pending;
};

std::optional<hart::Reply> nextAnswer(QByteArray& answers)
{
    if (answers.size() < 4 || !(answers[0] & 1)) {
        answers.remove(0, 1);
        return std::nullopt;
    }
    hart::Reply reply{quint8(answers[1]), quint8(answers[2]), answers.mid(4, quint8(answers[3]))};
    answers.remove(0, 4 + reply.data.size());
    return reply;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> input = fuzzing::parts(fuzzing::bytesOf(data, size), 3);
    QByteArray answers = input[2];

    ScriptedBus bus;
    session::DriverSession session(bus, fuzzing::shippedNames());
    for (const QByteArray& macro : {input[0], input[1]}) {
        int replies = 0;
        if (!session.execute(macro, [&](const QString& text) {
                ++replies;
                if (text.isEmpty()) __builtin_trap();
            }))
            __builtin_trap(); // the session is free between macros
        // Every transaction is answered, with nothing once the input has run out: the macro ends.
        while (!bus.pending.empty()) {
            auto done = std::move(bus.pending.front());
            bus.pending.pop_front();
            done(nextAnswer(answers));
        }
        if (replies != 1 || session.busy()) __builtin_trap();
    }
    return 0;
}
