#include "platform/ChannelProtocol.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::channel {

QByteArray encode(const QByteArray& verb, const QByteArray& argument)
{
    if (argument.isEmpty()) return verb + '\n';
    return verb + ' ' + argument + '\n';
}

QByteArray encodeWithPayload(const QByteArray& verb, const QByteArray& payload)
{
    return encode(verb, QByteArray::number(payload.size())) + payload;
}

std::optional<Message> MessageReader::next()
{
    if (failed) return std::nullopt;
    const int eol = buffer.indexOf('\n');
    // Whether its end has come yet or not: a line end in the same read makes it no shorter.
    if ((eol < 0 ? buffer.size() : eol) > MaxHeaderLength) {
        failed = true;
        why = QStringLiteral("header line too long");
        return std::nullopt;
    }
    if (eol < 0) return std::nullopt;
    QByteArray header = buffer.left(eol);
    if (header.endsWith('\r')) header.chop(1);
    const int blank = header.indexOf(' ');
    Message message{blank < 0 ? header : header.left(blank), blank < 0 ? QByteArray() : header.mid(blank + 1), {}};
    if (message.verb == "EXECUTE" || message.verb == "DATA" || message.verb == "NOTIFY") {
        bool ok = false;
        const int length = message.argument.trimmed().toInt(&ok);
        if (!ok || length < 0 || length > payloadLimit) {
            failed = true;
            why = QStringLiteral("bad payload length \"%1\"").arg(QString::fromLatin1(message.argument));
            return std::nullopt;
        }
        if (buffer.size() < eol + 1 + length) return std::nullopt; // payload not complete yet
        message.payload = buffer.mid(eol + 1, length);
        buffer.remove(0, eol + 1 + length);
        return message;
    }
    buffer.remove(0, eol + 1);
    return message;
}

QString localSocketFolder(const QString& service)
{
    const QString runtime = environment(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty()) return QDir(runtime).filePath(service);
    return QStringLiteral("/tmp/%1-%2").arg(service).arg(::getuid());
}

QString localSocketPath(const QString& service, const QString& topic)
{
    return localSocketFolder(service) + u'/' + topic;
}

bool makeLocalSocketFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0) return true;
    if (!QDir().mkpath(QFileInfo(folder).absolutePath())) return false;
    // Created private from the start; an existing one (made meanwhile by someone else) is not taken over.
    if (::mkdir(path.constData(), S_IRWXU) != 0) return errno == EEXIST;
    return ::chmod(path.constData(), S_IRWXU) == 0;
}

QString socketFolderProblem(const QString& folder)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return QStringLiteral("the socket folder %1 cannot be used: %2")
            .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(info.st_mode)) return QStringLiteral("the socket folder %1 is a symbolic link; remove it").arg(folder);
    if (!S_ISDIR(info.st_mode)) return QStringLiteral("the socket folder %1 is not a folder; remove it").arg(folder);
    if (info.st_uid != ::geteuid() || (info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return QStringLiteral("the socket folder %1 is not private to this user (owner %2, mode %3); remove it or "
                              "fix its owner and mode")
            .arg(folder)
            .arg(info.st_uid)
            .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return {};
}

TcpAddress tcpAddressFromNetPath(QString netPath)
{
    if (netPath.endsWith(QStringLiteral("ndde$"), Qt::CaseInsensitive)) netPath.chop(5);
    while (!netPath.isEmpty() && (netPath.front() == u'\\' || netPath.front() == u'/'))
        netPath.remove(0, 1);
    while (!netPath.isEmpty() && (netPath.back() == u'\\' || netPath.back() == u'/'))
        netPath.chop(1);
    TcpAddress address;
    const int colon = netPath.lastIndexOf(u':');
    // A colon inside brackets or one of several belongs to an IPv6 address.
    if (colon > 0 && netPath.count(u':') == 1) {
        bool ok = false;
        const int port = netPath.mid(colon + 1).toInt(&ok);
        if (!ok || port <= 0 || port > 65535) return address;
        address.port = port;
        netPath.truncate(colon);
    } else if (netPath.startsWith(u'[') && netPath.contains(QStringLiteral("]:"))) {
        const int close = netPath.indexOf(QStringLiteral("]:"));
        bool ok = false;
        const int port = netPath.mid(close + 2).toInt(&ok);
        if (!ok || port <= 0 || port > 65535) return address;
        address.port = port;
        netPath = netPath.mid(1, close - 1);
    }
    address.host = netPath;
    address.valid = !netPath.isEmpty() && !netPath.contains(u'\\') && !netPath.contains(u'/');
    return address;
}

} // namespace platform::channel
