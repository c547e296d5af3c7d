#include "link/CommandMacro.h"

#include "platform/ChannelProtocol.h"
#include "platform/ReplyLayout.h"

namespace driverlink {

using namespace platform::channel;

QString dataField(QString text)
{
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return text;
}

QString commandField(int command) { return QString::number(command).leftJustified(4, u' '); }

QString pollingAddressText(int address)
{
    const QString text = QString::number(address);
    return text == TagAddress ? u'0' + text : text;
}

QString linkAddress(const QString& pollAddr) { return pollAddr == UnknownAddress ? TagAddress : pollAddr; }

QString addressPart(const QString& pollAddr) { return CrLf + linkAddress(pollAddr) + CrLf; }

QString commandMacro(int command, const QString& pollAddr, const QStringList& data)
{
    return commandField(command) + addressPart(pollAddr) + data.join(CrLf);
}

QStringList replyLines(const QString& text) { return text.split(CrLf); }

std::optional<int> replyResponseCode(const QByteArray& extension)
{
    const QByteArray key = QByteArray(replylayout::ResponseCodeKey) + '=';
    for (QByteArray line : extension.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        if (!line.startsWith(key)) continue;
        bool ok = false;
        const int code = line.mid(key.size()).toInt(&ok);
        return ok && code >= 0 && code <= 255 ? std::optional<int>(code) : std::nullopt;
    }
    return std::nullopt;
}

QString serviceApplication(const QString& netPath)
{
    if (netPath.isEmpty()) return LocalService;
    if (netPath.endsWith(u'\\')) return netPath + NetworkSuffix;
    return netPath + u'\\' + NetworkSuffix;
}

Conversation chooseConversation(const QString& serviceApplication)
{
    if (serviceApplication != LocalService) return {serviceApplication, NetworkTopic, true};
    return {LocalService, LocalTopic, false};
}

} // namespace driverlink
