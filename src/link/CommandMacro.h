#pragma once
// The texts exchanged with the driver. A command: the command number left-aligned in four
// characters, CR LF, the polling address ("16" when it is unknown), CR LF, then the data fields
// joined by CR LF. A reply: lines separated by CR LF (see ReplyLines).
#include <QString>
#include <QStringList>
#include <optional>

namespace driverlink {

inline const QString CrLf = QStringLiteral("\r\n");
// The polling address shown after an initialisation by tag, and the address its commands carry.
inline const QString UnknownAddress = QStringLiteral("unknown");
inline const QString TagAddress = QStringLiteral("16");

// A text as one data line of a command: control characters (a pasted CR or LF above all) removed,
// so that no field can split into lines that the driver would read as further fields.
QString dataField(QString text);

// "2" → "2   ", "108" → "108 ".
QString commandField(int command);
// A polling address 0..63 as a command carries it: 16 is written "016", since "16" names the device
// found by tag.
QString pollingAddressText(int address);
// The address the commands carry and the replies must name: the PollAddr text, or "16" for "unknown".
QString linkAddress(const QString& pollAddr);
// CR LF, the address, CR LF: the part of a command that the steps append their data to.
QString addressPart(const QString& pollAddr);
QString commandMacro(int command, const QString& pollAddr, const QStringList& data = {});

// A reply split at every CR LF; the text after the last CR LF is the last line (an empty text is one empty line).
QStringList replyLines(const QString& text);
// The device's response code among the lines a driver adds behind the reply text (see ReplyLayout.h);
// nothing when they hold none, or one that is no number 0..255.
std::optional<int> replyResponseCode(const QByteArray& extension);

// The service application chosen from the NetPath setting: "Pelmora" when it is empty, else the
// path, one backslash and "ndde$".
QString serviceApplication(const QString& netPath);

struct Conversation {
    QString service;
    QString topic;
    bool network = false;
};
Conversation chooseConversation(const QString& serviceApplication);

} // namespace driverlink
