#include "FuzzInput.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>

namespace fuzzing {

namespace {
// A parser that tells the user of a fault tells nobody here: the fault is the parser's answer, not a
// finding. A question is answered No.
class SilentDialogs : public platform::Dialogs {
public:
    void message(const QString&) override {}
    void information(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString&) override {}
    platform::Answer confirm(const QString&, platform::Buttons, platform::Tone) override
    {
        return platform::Answer::No;
    }
    bool inputQuery(const QString&, const QString&, QString&) override { return false; }
    bool passwordQuery(const QString&, const QString&, QString&) override { return false; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool choosePrinter(QPrinter&) override { return false; }
    int showModal(QWidget&) override { return 0; }
};

[[maybe_unused]] const bool dialogsInstalled = [] {
    static SilentDialogs silent;
    platform::setDialogs(&silent);
    return true;
}();
} // namespace

QList<QByteArray> parts(const QByteArray& input, int count)
{
    QList<QByteArray> result;
    qsizetype from = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype end = from <= input.size() ? input.indexOf('\0', from) : -1;
        if (end < 0) break;
        result.append(input.mid(from, end - from));
        from = end + 1;
    }
    result.append(from <= input.size() ? input.mid(from) : QByteArray());
    while (result.size() < count)
        result.append(QByteArray());
    return result;
}

QString folder()
{
    // Not removed by a destructor at exit: libFuzzer ends the process with _exit on a finding, and
    // the replay's folder is small. The tmpfs of /dev/shm keeps the harness off the disk.
    static const QString path = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        QTemporaryDir made(base + QStringLiteral("/tarvik-fuzz-XXXXXX"));
        made.setAutoRemove(false);
        const QString where = made.path() + u'/';
        // What the parsers keep for the user (the history index cache) stays in the folder too.
        qputenv("XDG_CACHE_HOME", (where + QStringLiteral("cache")).toLocal8Bit());
        static const QString removeAtExit = where;
        std::atexit([] { QDir(removeAtExit).removeRecursively(); });
        return where;
    }();
    return path;
}

QString writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = folder() + name;
    writePath(path, bytes);
    return path;
}

void writePath(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
}

QString shippedFile(const QString& name)
{
    const QString path = folder() + name;
    if (!QFile::exists(path) && !QFile::copy(QStringLiteral(TARVIK_DATA_DIR "/") + name, path)) std::abort();
    return path;
}

} // namespace fuzzing
