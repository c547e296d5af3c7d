#include "session/DriverSession.h"

#include "codec/ReplyText.h"
#include "hart/HartEncoding.h"
#include "hart/HartIdentity.h"
#include "platform/ChannelProtocol.h"
#include "platform/Encoding.h"

#include <QDebug>

namespace session {

using codec::CommunicationError;

namespace {
QStringList macroLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);
    // Data lines from templates each end with CR LF: the empty piece after the last is no field.
    if (lines.size() > 2 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString withoutLeadingZeros(const QString& digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? QString::number(value) : digits;
}
} // namespace

DriverSession::DriverSession(hart::Bus& bus, const codec::NameTables& names) : bus(bus), codec(names) {}

bool DriverSession::execute(const QByteArray& macro, std::function<void(const QString&)> done)
{
    if (working) return false;
    working = true;
    const QStringList lines = macroLines(platform::fromCp1250(macro));
    Job job;
    job.done = std::move(done);
    job.commandLine = lines.value(0).trimmed();
    job.addressLine = lines.value(1);
    QStringList data = lines.mid(2);

    bool ok = false;
    job.command = job.commandLine.toInt(&ok);
    if (!ok || job.command < 0 || job.command > 255) {
        answer(job, codec::replyText(job.commandLine, job.addressLine,
                                     QStringLiteral("Invalid command number \"%1\"!").arg(job.commandLine), {}));
        return true;
    }
    const QString address = job.addressLine.trimmed();
    codec::Encoded encoded;
    if (job.command == 255) {
        const QString tokenText = data.value(0).trimmed();
        job.token = codec::parseTemplateToken(tokenText);
        job.commandLine = withoutLeadingZeros(tokenText.mid(1, 3));
        if (!job.token) {
            answer(job, codec::replyText(job.commandLine, job.addressLine,
                                         QStringLiteral("Invalid command token \"%1\"!").arg(tokenText), {}));
            return true;
        }
        job.command = job.token->command;
        encoded = codec.encodeTemplate(*job.token, data.mid(1), keptDate(address));
    } else {
        encoded = codec.encodeRequest(job.command, data, keptDate(address));
    }
    if (encoded.ok && encoded.data.size() > hart::MaxRequestData)
        encoded = {false,
                   QStringLiteral("Request data of %1 bytes does not fit a HART frame (at most %2)!")
                       .arg(encoded.data.size())
                       .arg(hart::MaxRequestData),
                   {}};
    if (!encoded.ok) {
        answer(job, codec::replyText(job.commandLine, job.addressLine, encoded.error, {}));
        return true;
    }
    job.request.command = quint8(job.command);
    job.request.data = encoded.data;

    if (job.command == 11) {
        job.request.address = hart::Address::broadcast();
        send(std::move(job));
        return true;
    }
    if (address == QStringLiteral("16")) {
        if (!taggedDevice) {
            answer(job, codec::replyText(job.commandLine, job.addressLine, CommunicationError, {}));
            return true;
        }
        job.request.address = hart::Address::longFrame(*taggedDevice);
        send(std::move(job));
        return true;
    }
    const int polling = address.toInt(&ok);
    if (!ok || polling < 0 || polling > 63) {
        answer(job, codec::replyText(job.commandLine, job.addressLine,
                                     QStringLiteral("Invalid polling address \"%1\"!").arg(address), {}));
        return true;
    }
    if (job.command == 0) {
        job.request.address = hart::Address::shortFrame(quint8(polling));
        job.request.singleTry =
            data.value(0).trimmed().compare(platform::channel::ScanRequest, Qt::CaseInsensitive) == 0;
        send(std::move(job));
    } else if (longAddressOf.contains(polling)) {
        job.request.address = hart::Address::longFrame(longAddressOf.value(polling));
        send(std::move(job));
    } else {
        identifyThenSend(std::move(job), quint8(polling));
    }
    return true;
}

void DriverSession::identifyThenSend(Job job, quint8 polling)
{
    // Devices answer other commands only in long frames: learn the address with command 0 first.
    const hart::Request identify{hart::Address::shortFrame(polling), 0, {}};
    bus.transact(identify, [this, job = std::move(job), polling](std::optional<hart::Reply> reply) mutable {
        const auto identity =
            reply && codec::commandDone(reply->responseCode) ? hart::readIdentity(reply->data) : std::nullopt;
        if (!identity) {
            answer(job, codec::replyText(job.commandLine, job.addressLine, CommunicationError, {}));
            return;
        }
        longAddressOf.insert(polling, identity->longAddress);
        job.request.address = hart::Address::longFrame(identity->longAddress);
        send(std::move(job));
    });
}

void DriverSession::send(Job job)
{
    const hart::Request request = job.request;
    bus.transact(request, [this, job = std::move(job)](std::optional<hart::Reply> reply) { finish(job, reply); });
}

void DriverSession::learnIdentity(const Job& job, const hart::Reply& reply)
{
    if (job.command == 0 || job.command == 11) {
        const auto identity = hart::readIdentity(reply.data);
        if (!identity) return;
        // Only a command 0 in a short frame tells which device answers at a polling address; one sent to the
        // device found by tag (address 16) goes in a long frame and tells nothing of the kind.
        if (job.command == 11)
            taggedDevice = identity->longAddress;
        else if (!job.request.address.isLong)
            longAddressOf.insert(job.request.address.polling, identity->longAddress);
    } else if (job.command == 6 && !job.request.data.isEmpty() && job.request.address.isLong) {
        // The device now answers command 0 at the polling address it says it took, which is the one asked
        // for unless the device chose otherwise.
        for (auto it = longAddressOf.begin(); it != longAddressOf.end();)
            it = it.value() == job.request.address.longAddress ? longAddressOf.erase(it) : std::next(it);
        const QByteArray& taken = reply.data.isEmpty() ? job.request.data : reply.data;
        longAddressOf.insert(quint8(taken.at(0)), job.request.address.longAddress);
    }
}

// A device nobody dated shows no date: the program then writes an empty one, which stands for the bytes the
// device gave, so that the device keeps them and no date has to be made up to write its tag.
QByteArray DriverSession::keptDate(const QString& address) const
{
    if (address == QStringLiteral("16")) return taggedDevice ? undatedDevices.value(*taggedDevice) : QByteArray();
    bool ok = false;
    const int polling = address.toInt(&ok);
    return ok && longAddressOf.contains(polling) ? undatedDevices.value(longAddressOf.value(polling)) : QByteArray();
}

void DriverSession::learnDate(const Job& job, const hart::Reply& reply)
{
    const auto date = codec.replyDate(job.command, job.token, reply.data);
    if (!date || !job.request.address.isLong) return;
    if (hart::decodeDate(*date, 0).isValid())
        undatedDevices.remove(job.request.address.longAddress);
    else
        undatedDevices.insert(job.request.address.longAddress, *date);
}

void DriverSession::finish(const Job& job, const std::optional<hart::Reply>& reply)
{
    if (!reply || (reply->responseCode & 0x80)) {
        // The device may have gone, or moved to another polling address: the loop is asked anew next time.
        // A command 0 that went unanswered at a polling address says so as well.
        if (job.command != 11 && !job.request.address.isBroadcast() &&
            job.addressLine.trimmed() != QStringLiteral("16"))
            longAddressOf.remove(job.addressLine.trimmed().toInt());
        answer(job, codec::replyText(job.commandLine, job.addressLine, CommunicationError, {}));
        return;
    }
    QStringList data;
    if (codec::commandDone(reply->responseCode)) {
        // A template's reply may be shorter than its fields (the items of the missing lines stay as they
        // are); a command's reply without the data the command gives is no valid reply.
        const auto decoded =
            job.token ? codec.decodeTemplate(*job.token, reply->data) : codec.decodeReply(job.command, reply->data);
        if (!decoded) {
            qWarning().noquote() << QStringLiteral("command %1: the reply holds %2 data bytes, too few for it")
                                        .arg(job.command)
                                        .arg(reply->data.size());
            answer(job, codec::replyText(job.commandLine, job.addressLine, CommunicationError, {}));
            return;
        }
        learnIdentity(job, *reply);
        learnDate(job, *reply);
        data = *decoded;
    }
    answer(job, codec::withResponseCode(codec::replyText(job.commandLine, job.addressLine,
                                                         codec::responseText(reply->responseCode),
                                                         codec::statusText(reply->deviceStatus), data),
                                        reply->responseCode));
}

void DriverSession::answer(const Job& job, const QString& text)
{
    working = false;
    if (job.done) job.done(text);
}

} // namespace session
