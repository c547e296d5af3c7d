#include "codec/ReplyText.h"

#include "platform/ReplyLayout.h"

namespace codec {

namespace {
QString warningText(quint8 code)
{
    switch (code) {
    case 8: return QStringLiteral("Set to nearest possible value!");
    case 14: return QStringLiteral("Span too small, accuracy may be impaired!");
    default: return {};
    }
}
} // namespace

QString responseText(quint8 responseCode)
{
    if (responseCode & 0x80) return CommunicationError;
    if (responseCode == 0) return {};
    const QString warning = warningText(responseCode);
    return warning.isEmpty() ? CommandError : warning;
}

bool commandDone(quint8 responseCode)
{
    return !(responseCode & 0x80) && (responseCode == 0 || !warningText(responseCode).isEmpty());
}

QString statusText(quint8 deviceStatus)
{
    QString text;
    for (int bit = 7; bit >= 0; --bit)
        if (deviceStatus & (1 << bit)) text += QString::fromLatin1(replylayout::StatusSentences[bit]);
    return text;
}

QString replyText(const QString& command, const QString& address, const QString& error, const QString& status,
                  const QStringList& data)
{
    using namespace replylayout;
    QStringList lines(FirstDataLine);
    lines[CommandLine] = command;
    lines[AddressLine] = address;
    lines[ErrorLine] = error;
    lines[StatusLine] = status;
    lines += data;
    return lines.join(QStringLiteral("\r\n"));
}

QString withResponseCode(const QString& reply, quint8 responseCode)
{
    if (responseCode == 0 || (responseCode & 0x80)) return reply;
    return reply + QChar(char16_t(replylayout::ExtensionMark)) + QLatin1String(replylayout::ResponseCodeKey) + u'=' +
           QString::number(responseCode);
}

} // namespace codec
