#include "platform/SerialSettings.h"

#include <cerrno>
#include <cstring>
#include <termios.h>

namespace platform {

std::optional<QStringList> checkHartCharacterSettings(qintptr handle)
{
    termios settings{};
    const int fd = int(handle);
    if (tcgetattr(fd, &settings) != 0) return std::nullopt;
    QStringList warnings;
    if (cfgetospeed(&settings) != B1200) warnings << QStringLiteral("the port does not keep 1200 bit/s");
    if ((settings.c_cflag & (PARENB | PARODD)) != (PARENB | PARODD))
        warnings << QStringLiteral("the port does not keep odd parity");
    settings.c_iflag |= INPCK;
    settings.c_iflag &= ~tcflag_t(IGNPAR | PARMRK | ISTRIP);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        warnings << QStringLiteral("cannot check parity (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return warnings;
}

} // namespace platform
