#include "settings/Users.h"

#include "platform/Encoding.h"
#include "platform/Environment.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Random.h"
#include "platform/Texts.h"

#include <QFileInfo>

namespace settings {

namespace {

const QString Section = QStringLiteral("INI");
const QString SafeAccessLogin = QStringLiteral("SafeAccess");
const QString FreeAccessLogin = QStringLiteral("FreeAccess");
constexpr int Lowest = 60;   // "<"
constexpr int Highest = 124; // "|"
constexpr int MaxFiller = 9;

// The users file locked for a change. A file that is not there yet is not made for the lock: an
// empty users file left by a failed first write would ask for a login nobody has.
std::optional<platform::Result> lockForChange(platform::FileLock& lock, const QString& path)
{
    const platform::Result locked =
        lock.acquire(path, platform::FileLock::Mode::Exclusive, platform::FileLock::Create::Never);
    if (locked || lock.missing()) return std::nullopt;
    return platform::Result::failure(platform::fileNotWrittenText(path, locked.error));
}

int wrap(int x) { return x > Highest ? x - 64 : x; }

class Encoder {
public:
    Encoder()
    {
        out.append(char(randomCharacter()));
        filler();
    }
    void separator()
    {
        push(wrap(30 + last()));
        push(wrap(13 + last()));
    }
    void field(const QByteArray& bytes)
    {
        for (const char c : bytes) {
            const int b = quint8(c);
            push(wrap(11 * (b / 64) + last()));
            push(wrap(b % 64 + last()));
        }
    }
    // A filler never makes the separator's steps (30 then 13): a record whose filler did so could not be
    // read back, and the user it holds would be lost although the program said it was stored.
    void filler()
    {
        for (int k = platform::random(MaxFiller + 1); k > 0; --k) {
            int c = randomCharacter();
            while (out.size() >= 2 && step(quint8(out[out.size() - 2]), last()) == 30 && step(last(), c) == 13)
                c = randomCharacter();
            out.append(char(c));
        }
    }
    QByteArray out;

private:
    static int randomCharacter() { return Lowest + platform::random(64); }
    int last() const { return quint8(out.back()); }
    static int step(int from, int to) { return to >= from ? to - from : to - from + 64; }
    void push(int c) { out.append(char(c)); }
};

int checksum(const QByteArrayList& fields)
{
    int sum = 0;
    for (const QByteArray& field : fields)
        for (const char c : field)
            sum += quint8(c);
    return sum % 256;
}

// The four fields as stored: login, full name, password, and the access behind its checksum byte.
QByteArrayList storedFields(const UserRecord& record)
{
    auto orBlank = [](const QString& text) { return platform::toCp1250(text.isEmpty() ? QStringLiteral(" ") : text); };
    const QByteArray login = orBlank(record.Login);
    const QByteArray name = orBlank(record.FullName);
    const QByteArray password = orBlank(record.Password);
    const QByteArray access = platform::toCp1250(record.Access);
    return {login, name, password, char(checksum({login, name, password, access})) + access};
}

} // namespace

QString fieldText(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from].unicode() <= 0x20)
        ++from;
    while (to > from && text[to - 1].unicode() <= 0x20)
        --to;
    return text.mid(from, to - from);
}

QString MakeStr(const UserRecord& record)
{
    const QByteArrayList fields = storedFields(record);
    Encoder e;
    e.separator();
    e.field(fields[0]);
    for (const QByteArray& next : fields.mid(1)) {
        e.separator();
        e.filler();
        e.separator();
        e.field(next);
    }
    e.separator();
    e.filler();
    return QString::fromLatin1(e.out);
}

bool fitsUsersFile(const UserRecord& record)
{
    // The random start and the five fillers at their longest, eight separators, two characters a byte.
    qsizetype longest = 1 + 5 * MaxFiller + 8 * 2;
    for (const QByteArray& field : storedFields(record))
        longest += 2 * field.size();
    return longest <= platform::Profile::MaxValueLength;
}

std::optional<UserRecord> EvalStr(const QString& text)
{
    const QByteArray bytes = platform::toCp1250(text);
    if (bytes.size() < 2) return UserRecord{};
    QList<int> d;
    for (qsizetype k = 1; k < bytes.size(); ++k) {
        int step = quint8(bytes[k]) - quint8(bytes[k - 1]);
        if (step < 0) step += 64;
        d.append(step);
    }
    qsizetype at = 0;
    // The part of d from `at` up to the next separator; `at` moves past that separator.
    auto part = [&]() -> std::optional<QList<int>> {
        for (qsizetype i = at; i + 1 < d.size(); ++i)
            if (d[i] == 30 && d[i + 1] == 13) {
                QList<int> found = d.mid(at, i - at);
                at = i + 2;
                return found;
            }
        return std::nullopt;
    };
    auto decode = [](const QList<int>& pairs) -> std::optional<QByteArray> {
        if (pairs.size() % 2 != 0) return std::nullopt;
        QByteArray out;
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            out.append(char((pairs[i] / 11) * 64 + pairs[i + 1]));
        return out;
    };
    if (!part()) return std::nullopt; // the random start
    QByteArrayList fields;
    for (int f = 0; f < 4; ++f) {
        if (f > 0 && !part()) return std::nullopt; // a filler
        const auto pairs = part();
        if (!pairs) return std::nullopt;
        const auto field = decode(*pairs);
        if (!field) return std::nullopt;
        fields.append(*field);
    }
    QByteArray& access = fields[3];
    if (access.isEmpty()) return std::nullopt;
    const int stored = quint8(access.front());
    access.remove(0, 1);
    if (access.isEmpty() || checksum(fields) != stored) return std::nullopt;
    auto read = [](const QByteArray& bytes) { return fieldText(platform::fromCp1250(bytes)); };
    return UserRecord{read(fields[0]), read(fields[1]), read(fields[2]), read(fields[3])};
}

// Anything at the path counts: a users file that is not a readable file must not pass for none.
bool UsersFile::exists() const { return QFileInfo::exists(filePath); }

platform::Result UsersFile::readable() const
{
    const QString why = platform::Profile(filePath).readError();
    return why.isEmpty() ? platform::Result::success() : platform::Result::failure(why);
}

bool UsersFile::safeAccess() const
{
    const auto record = EvalStr(platform::Profile(filePath).readString(Section, QStringLiteral("0")));
    return record && record->Login == SafeAccessLogin;
}

platform::Result UsersFile::setSafeAccess(bool on)
{
    const QString blank = QStringLiteral(" ");
    return lockedWrite(0, MakeStr({on ? SafeAccessLogin : FreeAccessLogin, blank, blank, blank}));
}

QList<std::pair<int, UserRecord>> UsersFile::users() const
{
    const platform::Profile file(filePath);
    QList<std::pair<int, UserRecord>> found;
    for (int key = 1; key <= MaxUsers; ++key) {
        const QString value = file.readString(Section, QString::number(key));
        if (value.isEmpty()) continue;
        // A damaged record is left out: it is never listed and can never log in.
        if (const auto record = EvalStr(value); record && !record->Login.isEmpty()) found.append({key, *record});
    }
    return found;
}

QStringList UsersFile::logins() const
{
    QStringList names;
    for (const auto& [key, record] : users())
        names.append(record.Login);
    return names;
}

std::optional<platform::Result> UsersFile::add(const UserRecord& record)
{
    if (!fitsUsersFile(record)) return platform::Result::failure(platform::texts().userRecordTooLong);
    platform::FileLock lock;
    if (const auto refused = lockForChange(lock, filePath)) return *refused;
    const platform::Profile file(filePath);
    for (int key = 1; key <= MaxUsers; ++key)
        if (file.readString(Section, QString::number(key)).isEmpty()) return write(key, MakeStr(record));
    return std::nullopt;
}

platform::Result UsersFile::store(int key, const UserRecord& record)
{
    if (!fitsUsersFile(record)) return platform::Result::failure(platform::texts().userRecordTooLong);
    return lockedWrite(key, MakeStr(record));
}

platform::Result UsersFile::remove(int key) { return lockedWrite(key, QString()); }

platform::Result UsersFile::lockedWrite(int key, const QString& value)
{
    platform::FileLock lock;
    if (const auto refused = lockForChange(lock, filePath)) return *refused;
    return write(key, value);
}

platform::Result UsersFile::write(int key, const QString& value)
{
    // Made for its owner and group from the start: it is never readable by others, not even for a moment.
    platform::Profile file(filePath, platform::NewFile::Shared);
    return file.writeString(Section, QString::number(key), value);
}

} // namespace settings
