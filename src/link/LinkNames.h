#pragma once
// The fixed names of the driver conversation.
#include <QString>

namespace driverlink {

inline const QString LocalService = QStringLiteral("Pelmora");
inline const QString LocalTopic = QStringLiteral("DdeHartServer");
inline const QString NetworkTopic = QStringLiteral("HART$");
inline const QString ReplyItem = QStringLiteral("DdeHartCommand");
inline const QString NetworkSuffix = QStringLiteral("ndde$");
// The program started when the local driver does not answer.
inline const QString DriverProgram = QStringLiteral("pelmora");
inline const QString TerminateMacro = QStringLiteral("terminate");
inline const QString UnknownAddress = QStringLiteral("unknown");
inline const QString TagAddress = QStringLiteral("16");

} // namespace driverlink
