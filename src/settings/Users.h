#pragma once
// The users file: section [INI], key "0" the safe-access record, keys "1".."100" the users, each an
// encoded record of login, full name, password and access ("READ" or "WRITE"). The encoding keeps the
// texts from being read at a glance; it is no protection. The file is shared by the machine's users;
// it is written atomically and readable and writable by its owner and group only. Every change holds
// the file's lock from its reading to its writing, so two programs changing users at the same moment
// never lose one another's change.
#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace settings {

inline constexpr int MaxUsers = 100;
// The longest login, full name and password the user administration takes. Together they always fit
// one value of the users file (with room to spare), and a password is never longer than the login's
// password box takes.
inline constexpr int MaxLoginLength = 64;
inline constexpr int MaxFullNameLength = 255;
inline constexpr int MaxPasswordLength = 255;

struct UserRecord {
    QString Login;
    QString FullName;
    QString Password;
    QString Access; // "READ" or "WRITE"
};

// Encodes a record; empty login, name or password are stored as one blank.
QString MakeStr(const UserRecord& record);
// Whether every encoding of the record fits a value of the users file, whatever its random parts: a
// longer one would be cut on the way and its user lost.
bool fitsUsersFile(const UserRecord& record);
// A field as a record gives it back: without leading and trailing blanks and control characters.
QString fieldText(const QString& text);
// Decodes a record; nothing when the text cannot be decoded (the fields are then unknown). The
// fields come back trimmed of blanks and control characters.
std::optional<UserRecord> EvalStr(const QString& text);

class UsersFile {
public:
    explicit UsersFile(const QString& path) : filePath(path) {}
    QString path() const { return filePath; }

    bool exists() const;
    // Fails with the platform's reason when the file is there but cannot be read.
    platform::Result readable() const;
    // Safe access is on when record "0" decodes to the login "SafeAccess".
    bool safeAccess() const;
    platform::Result setSafeAccess(bool on);

    // The key "1".."100" and record of every user that decodes, in key order.
    QList<std::pair<int, UserRecord>> users() const;
    QStringList logins() const;
    // Stores a new user under the first free key; false when all keys are in use (nothing stored).
    std::optional<platform::Result> add(const UserRecord& record);
    // Fails, storing nothing, for a record that does not fit (fitsUsersFile).
    platform::Result store(int key, const UserRecord& record);
    platform::Result remove(int key);

private:
    platform::Result write(int key, const QString& value);
    platform::Result lockedWrite(int key, const QString& value);
    QString filePath;
};

} // namespace settings
