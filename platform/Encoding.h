#pragma once
// Every file and every text on the driver link is Windows-1250 bytes; the program works with QString.
#include <QByteArray>
#include <QString>

namespace platform {

QString fromCp1250(const QByteArray& bytes);
// Characters that Windows-1250 cannot hold become "?".
QByteArray toCp1250(const QString& text);
// True when every character of the text exists in Windows-1250.
bool fitsCp1250(const QString& text);

} // namespace platform
