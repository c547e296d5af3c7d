#include "platform/Encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QString fromCp1250(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.isValid() ? QString(decoder(bytes)) : QString::fromLatin1(bytes);
}

QByteArray toCp1250(const QString& text)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Default);
    if (!encoder.isValid()) return text.toLatin1();
    QByteArray bytes = encoder(text);
    return bytes;
}

bool fitsCp1250(const QString& text) { return fromCp1250(toCp1250(text)) == text; }

} // namespace platform
