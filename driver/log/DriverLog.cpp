#include "log/DriverLog.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace driverlog {

namespace {
LogFile* routed = nullptr;
bool complained = false;

void toStderrAndLog(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtDebugMsg) return;
    std::fprintf(stderr, "pelmora: %s\n", text.toLocal8Bit().constData());
    if (!routed) return;
    const QString problem = routed->append(text);
    if (!problem.isEmpty() && !complained) {
        complained = true;
        std::fprintf(stderr, "pelmora: cannot write the log file %s: %s\n", routed->path().toLocal8Bit().constData(),
                     problem.toLocal8Bit().constData());
    }
}
} // namespace

QString defaultLogFile()
{
    QString state = platform::environment(QStringLiteral("XDG_STATE_HOME"));
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(state).filePath(QStringLiteral("pelmora/pelmora.log"));
}

QString LogFile::append(const QString& text)
{
    const QFileInfo info(file);
    if (!QDir().mkpath(info.absolutePath())) return QStringLiteral("cannot create the folder ") + info.absolutePath();
    if (info.size() > MaxBytes) {
        const QString older = file + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(file, older);
    }
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return out.errorString();
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
                         QStringLiteral(" [") + QString::number(QCoreApplication::applicationPid()) +
                         QStringLiteral("] ") + text + u'\n';
    if (out.write(line.toUtf8()) < 0) return out.errorString();
    return {};
}

void routeMessagesTo(LogFile* log)
{
    routed = log;
    complained = false;
    qInstallMessageHandler(toStderrAndLog);
}

} // namespace driverlog
