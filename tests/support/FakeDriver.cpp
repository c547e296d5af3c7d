#include "FakeDriver.h"

namespace testing_support {

FakeDriver::FakeDriver(FakeChannel& channel) : channel(channel), work(WorkMs)
{
    channel.onExecute = [this](const QByteArray& macro) { execute(macro); };
    work.OnTimer = [this] {
        work.setEnabled(false);
        publish(pendingReply.toLatin1());
    };
}

void FakeDriver::publish(const QByteArray& text)
{
    if (channel.offersNotification && channel.advises > 0)
        channel.notify(text);
    else
        channel.item = text;
}

QList<int> FakeDriver::commands() const
{
    QList<int> list;
    for (const auto& s : sent)
        list.append(s.command);
    return list;
}

void FakeDriver::execute(const QByteArray& macro)
{
    QStringList lines = QString::fromLatin1(macro).split(QStringLiteral("\r\n"));
    SentCommand command;
    command.command = lines.value(0).trimmed().toInt();
    command.address = lines.value(1);
    command.data = lines.mid(2);
    if (!command.data.isEmpty() && command.data.last().isEmpty()) command.data.removeLast();
    if (command.command == 255 && !command.data.isEmpty()) command.command = command.data.first().mid(1, 3).toInt();
    sent.append(command);

    if (silentFor.value(command.command) > 0) {
        silentFor[command.command] -= 1;
        return;
    }
    publish("Busy!");
    const QString commandLine = nextCommandLine.isEmpty() ? QString::number(command.command) : nextCommandLine;
    const QString addressLine = nextAddressLine.isEmpty() ? command.address : nextAddressLine;
    nextCommandLine.clear();
    nextAddressLine.clear();
    QStringList reply{commandLine, addressLine};
    if (!addresses.contains(command.address)) {
        reply << QStringLiteral("Communication Error!") << QString();
    } else {
        const QString error = errors.value(command.command);
        reply << error << status;
        if (error != QStringLiteral("Command Error!") && error != QStringLiteral("Communication Error!"))
            reply += respond ? respond(command) : replies.value(command.command);
    }
    pendingReply = reply.join(QStringLiteral("\r\n"));
    const bool scanned = command.command == 0 && command.data == QStringList{QStringLiteral("scan")};
    if (scanned && !addresses.contains(command.address))
        work.setInterval(knowsScanRequest ? SilentTryMs : 4 * SilentTryMs);
    else
        work.setInterval(workMs.value(command.command, WorkMs));
    work.setEnabled(true);
}

void answerAsPressureTransmitter(FakeDriver& driver, int flags)
{
    driver.replies[0] = identityLines(QStringLiteral("Ostrevo"), QStringLiteral("PR210"), QStringLiteral("3"), flags,
                                      QStringLiteral("662316"));
    driver.replies[12] = QStringList{QStringLiteral("SIMULATED")};
    driver.replies[13] = QStringList{QStringLiteral("PT-101"), QStringLiteral("PUMP"), QStringLiteral("8.12.2026")};
    driver.replies[14] = QStringList{QStringLiteral("662316"), QStringLiteral("kPa"), QStringLiteral("1600"),
                                     QStringLiteral("-100"), QStringLiteral("10")};
    driver.replies[15] = QStringList{QStringLiteral("High"), QStringLiteral("Linear"), QStringLiteral("kPa"),
                                     QStringLiteral("1000"), QStringLiteral("0"),      QStringLiteral("0.5"),
                                     QStringLiteral("No"),   QStringLiteral("250"),    QStringLiteral("Ostrevo")};
    driver.replies[16] = QStringList{QStringLiteral("410021")};
    driver.replies[2] = QStringList{QStringLiteral("12.1"), QStringLiteral("50.6")};
    driver.replies[3] = QStringList{QStringLiteral("12.1"), QStringLiteral("kPa"), QStringLiteral("506.2"),
                                    QString::fromUtf8("\xc2\xb0"
                                                      "C"),
                                    QStringLiteral("24.5")};
    driver.replies[128] = QStringList{QStringLiteral("0"), QStringLiteral("2")};
    driver.replies[130] = QStringList{QStringLiteral("3.6"), QStringLiteral("21.75")};
    driver.respond = [&driver](const SentCommand& sent) {
        if (sent.command == 132) { // the trim point of the index asked for, which the device repeats
            const int index = sent.data.value(1).toInt();
            return QStringList{QString::number(index), index == 0 ? QStringLiteral("0") : QStringLiteral("1000")};
        }
        if (sent.command == 14 && sent.data.value(0).startsWith(u'R')) // the short read of the sensor limits
            return QStringList{QStringLiteral("662316"), QStringLiteral("kPa"), QStringLiteral("1600"),
                               QStringLiteral("-100")};
        return driver.replies.value(sent.command);
    };
}

QStringList identityLines(const QString& manufacturer, const QString& type, const QString& revision, int flags,
                          const QString& uniqueId)
{
    return {manufacturer,
            type,
            QStringLiteral("5"),
            QStringLiteral("5"),
            revision,
            QStringLiteral("4"),
            QStringLiteral("2"),
            QString::number(flags),
            uniqueId};
}

} // namespace testing_support
