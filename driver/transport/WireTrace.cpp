#include "transport/WireTrace.h"

#include "hart/HartFrame.h"

#include <QDateTime>
#include <QDebug>

namespace transport {

namespace {
QString withNote(const QByteArray& bytes, const QString& note)
{
    const QString hex = hart::hexText(bytes);
    return note.isEmpty() ? hex : hex + QStringLiteral(" [") + note + u']';
}
} // namespace

void WireTrace::sent(const QByteArray& bytes, const QString& note) const
{
    if (enabled()) write(u"tx", withNote(bytes, note));
}

void WireTrace::received(const QByteArray& bytes, const QString& note) const
{
    if (enabled()) write(u"rx", withNote(bytes, note));
}

void WireTrace::event(const QString& text) const
{
    if (enabled()) write(u"--", text);
}

void WireTrace::write(QStringView direction, const QString& text) const
{
    const QString line =
        QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz")) + u' ' + direction + u' ' + text;
    if (sink)
        sink(line);
    else
        qInfo().noquote() << line;
}

} // namespace transport
