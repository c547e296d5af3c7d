#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {
QString overriddenProgramFolder;

QString withSeparator(QString folder)
{
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

QString xdgFolder(const char* variable, const QString& fallbackUnderHome)
{
    const QString value = environment(QString::fromLatin1(variable));
    return withSeparator(value.isEmpty() ? QDir::homePath() + u'/' + fallbackUnderHome : value);
}
} // namespace

QString environment(const QString& name) { return qEnvironmentVariable(name.toLocal8Bit().constData()); }

QString programFolder()
{
    if (!overriddenProgramFolder.isEmpty()) return overriddenProgramFolder;
    return withSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    overriddenProgramFolder = folder.isEmpty() ? folder : withSeparator(folder);
}

QString userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")); }

QString sharedDataFolder() { return xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")); }

QString userCacheFolder() { return xdgFolder("XDG_CACHE_HOME", QStringLiteral(".cache")); }

QString runtimeFolder()
{
    const QString value = environment(QStringLiteral("XDG_RUNTIME_DIR"));
    return withSeparator(value.isEmpty() ? QStringLiteral("/tmp") : value);
}

bool fileExists(const QString& path) { return QFileInfo(path).isFile(); }

bool folderExists(const QString& path) { return QFileInfo(path).isDir(); }

bool makeFolder(const QString& path) { return QDir().mkpath(path); }

QString findProgram(const QString& name)
{
    const QString beside = programFolder() + name;
    if (QFileInfo(beside).isExecutable() && QFileInfo(beside).isFile()) return beside;
    return QStandardPaths::findExecutable(name);
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace platform
