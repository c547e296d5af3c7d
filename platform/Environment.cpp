#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

QString dataFolder()
{
    const QString program = programFolder();
    const QString installed = QDir::cleanPath(program + QStringLiteral("../share/tarvik"));
    return QFileInfo(installed).isDir() ? withSeparator(installed) : program;
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

Result makeFolder(const QString& path)
{
    // One level at a time, so that the level that cannot be made gives its reason (a file in the way of a
    // folder above says "Not a directory" one level further down).
    const QStringList parts = QDir::cleanPath(QDir(path).absolutePath()).split(u'/', Qt::SkipEmptyParts);
    QString made;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        made += u'/' + parts[i];
        if (::mkdir(QFile::encodeName(made).constData(), 0777) == 0) continue;
        const int error = errno;
        if (error == EEXIST && (i + 1 < parts.size() || QFileInfo(made).isDir())) continue;
        return Result::failure(QString::fromLocal8Bit(std::strerror(error)));
    }
    return Result::success();
}

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
