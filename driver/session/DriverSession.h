#pragma once
// Carries out one command text at a time: parses the macro, encodes the request, finds the device
// (short frame for command 0, long frames after it, the device found by tag for address "16"),
// runs the transaction on the bus and turns the reply into the reply text.
#include "codec/CommandCodec.h"
#include "hart/HartTypes.h"

#include <QHash>
#include <functional>
#include <optional>

namespace session {

class DriverSession {
public:
    DriverSession(hart::Bus& bus, const codec::NameTables& names);

    bool busy() const { return working; }
    // done receives the reply text; it is called later, when the transaction has ended.
    // Returns false (and does nothing) while a command is still being worked on.
    bool execute(const QByteArray& macro, std::function<void(const QString&)> done);

private:
    struct Job {
        QString commandLine; // line 0 of the reply
        QString addressLine; // line 1, exactly as sent
        int command = 0;
        std::optional<codec::TemplateToken> token;
        hart::Request request;
        std::function<void(const QString&)> done;
    };
    void send(Job job);
    void identifyThenSend(Job job, quint8 polling);
    void finish(const Job& job, const std::optional<hart::Reply>& reply);
    void answer(const Job& job, const QString& text);
    void learnIdentity(const Job& job, const hart::Reply& reply);
    void learnDate(const Job& job, const hart::Reply& reply);
    QByteArray keptDate(const QString& address) const;

    hart::Bus& bus;
    codec::CommandCodec codec;
    bool working = false;
    QHash<int, QByteArray> longAddressOf;   // polling address → long address
    std::optional<QByteArray> taggedDevice; // found by the last command 11
    // Long address → the date bytes the device last gave that are no calendar date (it shows no date).
    QHash<QByteArray, QByteArray> undatedDevices;
};

} // namespace session
