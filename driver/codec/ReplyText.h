#pragma once
// Lines 2 and 3 of a reply: the response code as an error or warning text, the device status
// byte as sentences.
#include <QString>
#include <QStringList>

namespace codec {

inline const QString CommunicationError = QStringLiteral("Communication Error!");
inline const QString CommandError = QStringLiteral("Command Error!");
inline const QString BusyText = QStringLiteral("Busy!");

// Empty for success, a warning text for the warnings a device gives while doing the command,
// "Command Error!" for every code by which the device refused it.
QString responseText(quint8 responseCode);
// True when the device did the command, so its data is valid.
bool commandDone(quint8 responseCode);
// One sentence per set bit, each ending with a full stop and a blank.
QString statusText(quint8 deviceStatus);

// The reply text: command, address, error, status, then the data lines, joined by CR LF.
QString replyText(const QString& command, const QString& address, const QString& error, const QString& status,
                  const QStringList& data = {});
// The reply text with the device's response code behind it, where a program that reads on finds it
// and one that reads the item as a C text does not; a text without it for code 0 and for the
// communication error flags, which are no response code.
QString withResponseCode(const QString& reply, quint8 responseCode);

} // namespace codec
