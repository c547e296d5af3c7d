#include "platform/PseudoTerminal.h"

#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {
QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }
} // namespace

PseudoTerminal::PseudoTerminal() = default;

PseudoTerminal::~PseudoTerminal()
{
    notifier.reset();
    if (!linkPath.isEmpty() && QFile::symLinkTarget(linkPath) == device) QFile::remove(linkPath);
    if (slave >= 0) ::close(slave);
    if (master >= 0) ::close(master);
}

bool PseudoTerminal::open(const QString& link, QString& error)
{
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = u"cannot make a pseudo-terminal: " + systemError();
        return false;
    }
    device = QString::fromLocal8Bit(ptsname(master));
    slave = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        error = QStringLiteral("cannot open %1: %2").arg(device, systemError());
        return false;
    }
    // Raw until the driver sets the port up: nothing echoed, nothing translated.
    termios raw{};
    if (tcgetattr(slave, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
    }
    if (!link.isEmpty()) {
        if (QFile::exists(link) || !QFile::symLinkTarget(link).isEmpty()) QFile::remove(link);
        if (!QFile::link(device, link)) {
            error = QStringLiteral("cannot make the link %1 to %2").arg(link, device);
            return false;
        }
        linkPath = link;
    }
    notifier = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] { readAll(); });
    return true;
}

void PseudoTerminal::readAll()
{
    char buffer[512];
    QByteArray bytes;
    ssize_t count = 0;
    while ((count = ::read(master, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, qsizetype(count));
    if (!bytes.isEmpty() && onBytes) onBytes(bytes);
}

void PseudoTerminal::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
        if (count <= 0) return; // nobody reads the line: what does not fit is lost, as on a wire
        done += count;
    }
}

} // namespace platform
