// The users file: its record encoding, the list of users, and the start-up login.
#include "settings/Users.h"
#include "BlockedWorkingFolder.h"
#include "FileSizeLimit.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "platform/Encoding.h"
#include "platform/Environment.h"
#include "platform/Random.h"
#include "platform/Texts.h"
#include "settings/TOptions.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using settings::EvalStr;
using settings::MakeStr;
using settings::UserRecord;
using Kind = testing_support::ScriptedDialogs::Kind;
using platform::Answer;

namespace {

bool sameRecord(const UserRecord& a, const UserRecord& b)
{
    return a.Login == b.Login && a.FullName == b.FullName && a.Password == b.Password && a.Access == b.Access;
}

// An encoder written from the record format alone, with no random start but "<" and no fillers.
QString plainEncoding(const QList<QByteArray>& fields)
{
    QByteArray out("<");
    auto wrap = [](int x) { return x > 124 ? x - 64 : x; };
    auto push = [&](int c) { out.append(char(c)); };
    auto last = [&] { return int(quint8(out.back())); };
    auto separator = [&] {
        push(wrap(30 + last()));
        push(wrap(13 + last()));
    };
    for (int f = 0; f < 4; ++f) {
        separator();
        if (f > 0) separator(); // around an empty filler
        for (const char c : fields[f]) {
            const int b = quint8(c);
            push(wrap(11 * (b / 64) + last()));
            push(wrap(b % 64 + last()));
        }
    }
    separator();
    return QString::fromLatin1(out);
}

TEST(UserRecords, AKnownEncodingDecodesToItsFields)
{
    int sum = 0;
    for (const char* text : {"tech", "Jan Novak", "heslo1", "READ"})
        for (const char* c = text; *c; ++c)
            sum += quint8(*c);
    const QString encoded = plainEncoding({"tech", "Jan Novak", "heslo1", QByteArray(1, char(sum % 256)) + "READ"});
    const auto decoded = EvalStr(encoded);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(sameRecord(*decoded, {QStringLiteral("tech"), QStringLiteral("Jan Novak"), QStringLiteral("heslo1"),
                                      QStringLiteral("READ")}));
    QString tampered = encoded;
    tampered[tampered.size() - 3] = QChar(tampered[tampered.size() - 3].unicode() + 1);
    EXPECT_FALSE(EvalStr(tampered)) << "a record whose checksum does not fit was accepted";
}

TEST(UserRecords, EncodingRoundTripsEveryByteAndNeverTwiceAlike)
{
    platform::seedRandom(11);
    for (int n = 0; n < 2000; ++n) {
        // Any character of the code page but blanks and control characters, which trimming would take.
        auto text = [](int length) {
            QByteArray bytes;
            while (bytes.size() < length) {
                const QByteArray byte(1, char(33 + platform::random(223)));
                if (platform::toCp1250(platform::fromCp1250(byte)) == byte && byte != "\xa0") bytes.append(byte);
            }
            return platform::fromCp1250(bytes);
        };
        const UserRecord record{text(4 + n % 20), text(5 + n % 27), text(5 + n % 30),
                                n % 2 ? QStringLiteral("READ") : QStringLiteral("WRITE")};
        const QString first = MakeStr(record);
        EXPECT_NE(first, MakeStr(record));
        for (const QChar c : first)
            ASSERT_TRUE(c.unicode() >= 60 && c.unicode() <= 124);
        const auto decoded = EvalStr(first);
        ASSERT_TRUE(decoded) << "a stored user could not be read back: " << first.toStdString();
        EXPECT_TRUE(sameRecord(*decoded, record)) << n;
    }
    const auto safe =
        EvalStr(MakeStr({QStringLiteral("SafeAccess"), QStringLiteral(" "), QStringLiteral(" "), QStringLiteral(" ")}));
    ASSERT_TRUE(safe);
    EXPECT_EQ(safe->Login, QStringLiteral("SafeAccess"));
    EXPECT_TRUE(safe->FullName.isEmpty() && safe->Password.isEmpty() && safe->Access.isEmpty());
    EXPECT_FALSE(EvalStr(QStringLiteral("<<<<<<<<<<")));
}

class UsersTest : public ::testing::Test {
protected:
    UsersTest()
    {
        platform::setProgramFolder(dir.path() + u'/');
        options.loggedIn = [this](const QString& name, bool readOnly) {
            loggedName = name;
            loggedReadOnly = readOnly;
        };
    }
    ~UsersTest() override { platform::setProgramFolder({}); }
    settings::UsersFile users() const
    {
        return settings::UsersFile(dir.path() + QStringLiteral("/ZUNEF/") + platform::texts().usersFileName);
    }
    void addUsers()
    {
        QDir().mkpath(dir.path() + QStringLiteral("/ZUNEF"));
        ASSERT_TRUE(users().setSafeAccess(true));
        ASSERT_TRUE(*users().add({QStringLiteral("reader"), QStringLiteral("Rita Reader"), QStringLiteral("read1"),
                                  QStringLiteral("READ")}));
        ASSERT_TRUE(*users().add({QStringLiteral("writer"), QStringLiteral("Walt Writer"), QStringLiteral("write1"),
                                  QStringLiteral("WRITE")}));
    }
    void answerLogin(const char* login, const char* password)
    {
        dialogs.expect(Kind::Input, platform::texts().loginPrompt, Answer::Ok, QString::fromLatin1(login));
        dialogs.expect(Kind::Password, platform::texts().passwordPrompt, Answer::Ok, QString::fromLatin1(password));
    }

    QTemporaryDir dir;
    testing_support::ScopedEnvironment appData{"APPDATA", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", dir.path().toLocal8Bit()};
    testing_support::ScriptedDialogs dialogs;
    TOptions options;
    QString loggedName;
    bool loggedReadOnly = false;
};

TEST_F(UsersTest, TheLoginAcceptsARegisteredUserAndEndsTheProgramOtherwise)
{
    addUsers();
    answerLogin("reader", "read1");
    EXPECT_TRUE(options.FormCreate());
    EXPECT_EQ(loggedName, QStringLiteral("Rita Reader"));
    EXPECT_TRUE(loggedReadOnly);

    TOptions wrongPassword;
    answerLogin("writer", "nope!");
    dialogs.expect(Kind::Message, platform::texts().passwordRejected);
    EXPECT_FALSE(wrongPassword.FormCreate());
    EXPECT_TRUE(wrongPassword.loginRefused());

    TOptions unknown;
    answerLogin("nobody", "whatever");
    EXPECT_FALSE(unknown.FormCreate()) << "an unknown login is ended without a word";
    EXPECT_TRUE(unknown.loginRefused());

    TOptions cancelled;
    dialogs.expect(Kind::Input, platform::texts().loginPrompt, Answer::Cancel);
    EXPECT_FALSE(cancelled.FormCreate());
}

TEST_F(UsersTest, AddingUsersChecksInOrderAndNeverClaimsAFullList)
{
    ASSERT_TRUE(options.FormCreate());
    auto tryAdd = [&](const char* login, const char* name, const char* password, const QString& message) {
        options.Users->setEditText(QString::fromLatin1(login));
        options.UserName->setText(QString::fromLatin1(name));
        options.NewPasswd->setText(QString::fromLatin1(password));
        options.RetypePasswd->setText(QString::fromLatin1(password));
        dialogs.expect(Kind::Message, message);
        options.bNewUserClick();
    };
    const platform::Texts& t = platform::texts();
    // Blanks around a field count for nothing: the record gives the field back without them.
    tryAdd("", "Jan Novak", "heslo1", t.enterUser);
    tryAdd("    ", "Jan Novak", "heslo1", t.enterUser);
    tryAdd("abc", "Jan Novak", "heslo1", t.loginTooShort);
    tryAdd(" abc ", "Jan Novak", "heslo1", t.loginTooShort);
    tryAdd("jnovak", "Jan", "heslo1", t.enterFullName);
    tryAdd("jnovak", "  Jan    ", "heslo1", t.enterFullName);
    tryAdd("jnovak", "Jan Novak", "hesl", t.passwordsDiffer);
    tryAdd("jnovak", "Jan Novak", "  hesl  ", t.passwordsDiffer);
    options.Users->setEditText(QStringLiteral("jnovak"));
    options.UserName->setText(QStringLiteral("Jan Novak"));
    options.NewPasswd->setText(
        QString::fromUtf8("\xd0\xbf\xd0\xb0\xd1\x80\xd0\xbe\xd0\xbb\xd1\x8c")); // no code-page letters
    options.RetypePasswd->setText(options.NewPasswd->text());
    dialogs.expect(Kind::Message, t.usersFileCharacters);
    options.bNewUserClick();
    tryAdd("jnovak", "Jan Novak", "heslo1", t.userAdded);
    tryAdd("jnovak", "Jan Novak", "heslo1", t.loginUsed);
    tryAdd(" jnovak", "Jan Novak", "heslo1", t.loginUsed);
    for (int n = 2; n <= settings::MaxUsers; ++n)
        ASSERT_TRUE(users().add({QStringLiteral("user%1").arg(n), QStringLiteral("User Number"),
                                 QStringLiteral("secret"), QStringLiteral("WRITE")}));
    tryAdd("onemore", "One More", "heslo1", t.usersFull);
    EXPECT_EQ(users().users().size(), settings::MaxUsers);
    EXPECT_EQ(QFile::permissions(dir.path() + QStringLiteral("/ZUNEF/") + t.usersFileName) &
                  (QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions())
        << "the users file is readable by everyone";
}

// Refused by the kernel as on a full disk (here past a file-size limit), an added user is not claimed
// and every user already there stays; a file that others could read (as older versions made it) is
// theirs no more once it is written.
TEST_F(UsersTest, AUserIsAddedWholeOrNotAtAllAndTheFileIsNotLeftToOthers)
{
    addUsers();
    answerLogin("writer", "write1");
    ASSERT_TRUE(options.FormCreate());
    const QString path = users().path();
    const QByteArray encoded = QFile::encodeName(path);
    ASSERT_EQ(::chmod(encoded.constData(), 0664), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const auto add = [&] {
        options.Users->setEditText(QStringLiteral("newuser"));
        options.UserName->setText(QStringLiteral("New User"));
        options.NewPasswd->setText(QStringLiteral("secret1"));
        options.RetypePasswd->setText(QStringLiteral("secret1"));
        options.bNewUserClick();
    };
    {
        testing_support::FileSizeLimit limit(before.size());
        ASSERT_TRUE(limit.active());
        dialogs.expect(Kind::Error, platform::texts().fileNotWritten.arg(path) + QStringLiteral("\r\n") +
                                        testing_support::FileSizeLimit::reason());
        add();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(options.Users->findText(QStringLiteral("newuser")), -1);

    dialogs.expect(Kind::Message, platform::texts().userAdded);
    add();
    EXPECT_TRUE(users().logins().contains(QStringLiteral("newuser")));
    struct stat written {};
    ASSERT_EQ(::stat(encoded.constData(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, 0660u);
}

TEST_F(UsersTest, ARecordLongerThanTheUsersFileHoldsIsRefusedAndTheDialogTakesNoLongerFields)
{
    ASSERT_TRUE(options.FormCreate());
    const auto tooLong =
        users().add({QStringLiteral("jnovak"), QString(1000, u'N'), QStringLiteral("heslo1"), QStringLiteral("WRITE")});
    ASSERT_TRUE(tooLong);
    EXPECT_FALSE(*tooLong) << "a record the file would cut was stored";
    EXPECT_EQ(tooLong->error, platform::texts().userRecordTooLong);

    options.Users->setEditText(QString(1000, u'l'));
    options.UserName->setText(QString(1000, u'N'));
    options.NewPasswd->setText(QString(1000, u'p'));
    options.RetypePasswd->setText(QString(1000, u'p'));
    dialogs.expect(Kind::Message, platform::texts().userAdded);
    options.bNewUserClick();
    const auto listed = users().users();
    ASSERT_EQ(listed.size(), 1) << "the user added is not in the file";
    EXPECT_EQ(listed[0].second.Login, QString(settings::MaxLoginLength, u'l'));
    EXPECT_EQ(listed[0].second.FullName, QString(settings::MaxFullNameLength, u'N'));
    EXPECT_EQ(listed[0].second.Password, QString(settings::MaxPasswordLength, u'p'));
}

TEST_F(UsersTest, WithoutAWorkingFolderTheLoginIsAskedAllTheSame)
{
    addUsers();
    const testing_support::BlockedWorkingFolder noWorkingFolder(dir.path());
    dialogs.expect(Kind::Error, noWorkingFolder.message());
    answerLogin("writer", "nope!");
    dialogs.expect(Kind::Message, platform::texts().passwordRejected);
    EXPECT_FALSE(options.FormCreate());
    EXPECT_TRUE(options.loginRefused());
}

TEST_F(UsersTest, AUsersFileThatCannotBeReadLetsNobodyIn)
{
    QDir().mkpath(users().path()); // something there, but no file to read
    QFile folder(users().path());
    ASSERT_FALSE(folder.open(QIODevice::ReadOnly));
    dialogs.expect(Kind::Error, platform::texts().usersFileUnreadable.arg(users().path(), folder.errorString()));
    EXPECT_FALSE(options.FormCreate());
    EXPECT_TRUE(options.loginRefused());
}

TEST_F(UsersTest, RemovingAUserNeedsItsPasswordAndLeavesOneWhileSafeAccessIsOn)
{
    addUsers();
    answerLogin("writer", "write1");
    ASSERT_TRUE(options.FormCreate());
    options.Users->setEditText(QStringLiteral("reader"));
    options.OldPasswd->setText(QStringLiteral("wrong"));
    dialogs.expect(Kind::Message, platform::texts().passwordRejected);
    options.bRemoveUserClick();
    EXPECT_TRUE(users().logins().contains(QStringLiteral("reader")));
    options.Users->setEditText(QStringLiteral("reader"));
    options.OldPasswd->setText(QStringLiteral("read1"));
    options.bRemoveUserClick();
    EXPECT_EQ(users().logins(), QStringList{QStringLiteral("writer")});
    // The file has safe access on: with nobody left the next start would let nobody in.
    options.Users->setEditText(QStringLiteral("writer"));
    options.OldPasswd->setText(QStringLiteral("write1"));
    dialogs.expect(Kind::Message, platform::texts().lastUserNeeded);
    options.bRemoveUserClick();
    EXPECT_EQ(users().logins(), QStringList{QStringLiteral("writer")});
}

TEST_F(UsersTest, TwoProgramsAddingUsersAtOnceLoseNone)
{
    addUsers();
    constexpr int EachAdds = 40;
    const auto addMany = [this](const char* prefix) {
        for (int n = 0; n < EachAdds; ++n) {
            const auto added =
                users().add({QString::fromLatin1(prefix) + QString::number(n), QStringLiteral("Some One"),
                             QStringLiteral("secret1"), QStringLiteral("READ")});
            if (!added || !*added) return false;
        }
        return true;
    };
    const pid_t other = ::fork();
    ASSERT_GE(other, 0) << std::strerror(errno);
    if (other == 0) ::_exit(addMany("child") ? 0 : 1);
    const bool mine = addMany("parent");
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(mine);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(users().logins().size(), 2 + 2 * EachAdds);
}

} // namespace
