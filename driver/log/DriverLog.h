#pragma once
// The driver's log. What pelmora says about itself (its start, where it listens, problems with its
// state and table files, why it ends) goes to stderr and is appended to a log file as well, since
// a driver started by Tarvik has its output discarded. Several drivers may append to one file, so
// each line carries the time and the process id. The file stays small: once it is over MaxBytes it
// becomes "<file>.1", replacing the older one, and a new file begins.
#include <QString>

namespace driverlog {

// $XDG_STATE_HOME/pelmora/pelmora.log, else ~/.local/state/pelmora/pelmora.log.
QString defaultLogFile();

class LogFile {
public:
    static constexpr qint64 MaxBytes = 1 << 20;

    explicit LogFile(QString path) : file(std::move(path)) {}
    const QString& path() const { return file; }
    // Appends "<yyyy-MM-dd HH:mm:ss> [<pid>] <text>" in UTF-8, creating the folder. Empty, or why
    // the line could not be written.
    QString append(const QString& text);

private:
    QString file;
};

// Sends the program's messages (qInfo, qWarning, qCritical, Qt's own) to stderr as
// "pelmora: <text>" and to `log`; the first time the log cannot be written, stderr says why.
// Null sends them to stderr only.
void routeMessagesTo(LogFile* log);

} // namespace driverlog
