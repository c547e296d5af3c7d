// The settings start-up and the Options dialog's OK steps, on a settings file in a temporary folder.
#include "FileSizeLimit.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Texts.h"
#include "settings/ConnectionPage.h"
#include "settings/Folders.h"
#include "settings/ProgramLanguage.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsFile.h"
#include "settings/TOptions.h"
#include "settings/Users.h"
#include "settings/WireChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Kind = testing_support::ScriptedDialogs::Kind;
using platform::Answer;

namespace {

const platform::Texts& txt() { return platform::texts(); }

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest()
    {
        platform::setProgramFolder(dir.path() + QStringLiteral("/bin/"));
        QDir().mkpath(dir.path() + QStringLiteral("/bin"));
        for (const char* table : {"TABEN.DDF", "TABCZ.DDF"})
            QFile(platform::programFolder() + QString::fromLatin1(table)).open(QIODevice::WriteOnly);
        options.record = [this](const QString& activity, bool) {
            recorded.append(activity + u'@' + options.DatabaseLocation->text());
        };
        options.historyMenuEnabled = [this](bool on) { historyMenu = on; };
        options.readOnlyUser = [this] { return readOnly; };
    }
    ~OptionsTest() override { platform::setProgramFolder({}); }

    QString settingsPath() const { return dir.path() + QStringLiteral("/Morvel Software/Tarvik/VELKOR.INI"); }
    void writeSettings(const QByteArray& content)
    {
        QDir().mkpath(dir.path() + QStringLiteral("/Morvel Software/Tarvik"));
        ASSERT_TRUE(platform::writeFileAtomically(settingsPath(), content));
    }
    QString stored(const char* key) const
    {
        return platform::Profile(settingsPath())
            .readString(QStringLiteral("Velkor"), QString::fromLatin1(key), QStringLiteral("<none>"));
    }
    // OK in the dialog after the user's changes.
    void confirmWith(const std::function<void()>& changes, Answer answer = Answer::Ok)
    {
        dialogs.expectModal(QStringLiteral("TOptions"), answer, changes);
    }

    QTemporaryDir dir;
    testing_support::ScopedEnvironment appData{"APPDATA", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", dir.path().toLocal8Bit()};
    testing_support::ScriptedDialogs dialogs;
    TOptions options;
    QStringList recorded;
    bool historyMenu = false;
    bool readOnly = false;
};

TEST_F(OptionsTest, AMissingOrGarbageSettingsFileGivesTheDefaults)
{
    const QByteArray overlong = QByteArray("[Velkor]\r\nDatabaseLog=") + QByteArray(100000, '1') + "\r\n";
    for (const QByteArray& content :
         QList<QByteArray>{QByteArray(), QByteArray("\x00\xff\x01[Velkor\r\nX", 14), overlong}) {
        if (!content.isEmpty()) writeSettings(content);
        TOptions fresh;
        ASSERT_TRUE(fresh.FormCreate());
        EXPECT_FALSE(fresh.SafeAccess->isChecked());
        EXPECT_FALSE(fresh.DatabaseLog->isChecked());
        EXPECT_TRUE(fresh.DatabaseLocation->text().isEmpty());
        EXPECT_EQ(fresh.Language->currentText(), QStringLiteral("english"));
        EXPECT_EQ(fresh.LanguageDdf->currentText(), QStringLiteral("english"));
    }
}

TEST_F(OptionsTest, TheStartUpReadsEveryKeyByItsRules)
{
    writeSettings("[Velkor]\r\nDriverAutoOff=0\r\nDatabaseLog= 1 \r\nDatabaseLocation=/var/log/tarvik\r\n"
                  "LanguageDdf=\xe8"
                  "esky\r\nNetPath=\\\\SERVIS\r\nLoopHart7= 1\r\n");
    ASSERT_TRUE(options.FormCreate());
    EXPECT_FALSE(options.DriverAutoOff->isChecked());
    EXPECT_TRUE(options.hart7Loop());
    EXPECT_TRUE(options.DatabaseLog->isChecked());
    EXPECT_TRUE(options.SafeAccess->isChecked()) << "logging names the user: safe access comes with it";
    EXPECT_TRUE(historyMenu);
    EXPECT_TRUE(options.DatabaseLocation->text().isEmpty()) << "a location without its closing separator counts";
    EXPECT_EQ(options.LanguageDdf->currentText(), QString::fromUtf8("\xc4\x8d"
                                                                    "esky"));
    EXPECT_EQ(options.NetPath->text(), QStringLiteral("\\\\SERVIS"));
    EXPECT_FALSE(options.OptionsPage->isTabVisible(options.OptionsPage->indexOf(options.UserPanel)));
    EXPECT_EQ(options.sharedFolder(), dir.path() + QStringLiteral("/ZUNEF/"));
    EXPECT_TRUE(QDir(options.sharedFolder()).exists());
}

TEST_F(OptionsTest, OkSavesEveryKeyAndALocationEndsInItsSeparator)
{
    ASSERT_TRUE(options.FormCreate());
    // A folder that is no whole path is refused and the dialog shown again.
    confirmWith([&] { options.DatabaseLocation->setText(QStringLiteral("D:\\logs\\")); });
    dialogs.expect(Kind::Message, txt().historyLocationNotAbsolute.arg(QStringLiteral("D:\\logs\\")));
    confirmWith([&] {
        options.NetPath->setText(QStringLiteral("\\\\plant-pc"));
        options.DatabaseLocation->setText(QStringLiteral(" /data/history "));
        options.DriverAutoOff->setChecked(false);
        options.LoopHart7->setChecked(true);
        options.LanguageDdf->setCurrentText(QString::fromUtf8("\xc4\x8d"
                                                              "esky"));
    });
    dialogs.expect(Kind::Message, txt().languageAfterRestart);
    options.Options1Click();
    EXPECT_EQ(stored("NetPath"), QStringLiteral("\\\\plant-pc"));
    EXPECT_EQ(stored("DatabaseLocation"), QStringLiteral("/data/history/"));
    EXPECT_EQ(stored("DriverAutoOff"), QStringLiteral("0"));
    EXPECT_EQ(stored("LoopHart7"), QStringLiteral("1"));
    EXPECT_EQ(stored("LanguageDdf"), QString::fromUtf8("\xc4\x8d"
                                                       "esky"));
    EXPECT_EQ(stored("Language"), QStringLiteral("english"));
    EXPECT_TRUE(recorded.isEmpty()) << "logging is off: nothing to record";
}

TEST_F(OptionsTest, TheDialogTakesTheHistoryLocationsTheSettingsFileTakes)
{
    ASSERT_TRUE(options.FormCreate());
    const struct {
        const char* typed;
        const char* saved; // nothing: refused
    } cases[] = {{"/data/logs\\", nullptr}, {"/data/lo\\gs/", nullptr}, {" /data/logs ", "/data/logs/"}, {"", ""}};
    for (const auto& c : cases) {
        const QString typed = QString::fromLatin1(c.typed);
        confirmWith([&] { options.DatabaseLocation->setText(typed); });
        if (!c.saved) {
            dialogs.expect(Kind::Message, txt().historyLocationNotAbsolute.arg(typed));
            confirmWith({}, Answer::Cancel);
        }
        options.Options1Click();
        const QString saved = stored("DatabaseLocation");
        if (c.saved) {
            EXPECT_EQ(saved, QString::fromLatin1(c.saved));
            EXPECT_EQ(settings::locationValue(saved), saved) << "the next start ignores " << c.typed;
        } else {
            EXPECT_EQ(saved, QStringLiteral("<none>"));
            EXPECT_TRUE(settings::locationValue(typed).isEmpty()) << "the next start takes " << c.typed;
        }
    }
}

TEST_F(OptionsTest, SafeAccessWithoutUsersAsksAgainAndCancelKeepsOnlyTheLanguages)
{
    ASSERT_TRUE(options.FormCreate());
    confirmWith([&] {
        options.SafeAccess->setChecked(true);
        options.NetPath->setText(QStringLiteral("\\\\other"));
    });
    dialogs.expect(Kind::Warning, txt().safeAccessWarning); // while the box is ticked
    dialogs.expect(Kind::Message, txt().noUserDefined);
    confirmWith({}, Answer::Cancel);
    options.Options1Click();
    EXPECT_EQ(stored("Language"), QStringLiteral("english"));
    EXPECT_EQ(stored("SafeAccess"), QStringLiteral("<none>"));
    EXPECT_EQ(stored("NetPath"), QStringLiteral("<none>"));
}

TEST_F(OptionsTest, AReadOnlyUserSavesOnlyTheLanguages)
{
    readOnly = true;
    ASSERT_TRUE(options.FormCreate());
    confirmWith([&] { EXPECT_FALSE(options.NetPath->isEnabled()); });
    dialogs.expect(Kind::Message, txt().noAuthorization);
    options.Options1Click();
    EXPECT_EQ(stored("LanguageDdf"), QStringLiteral("english"));
    EXPECT_EQ(stored("DriverAutoOff"), QStringLiteral("<none>"));
}

TEST_F(OptionsTest, TheConnectionPageStoresTheWireAndSaysOnceThatItChanged)
{
    QList<settings::WireChoice> chosen;
    options.wireChosen = [&](const settings::WireChoice& choice) { chosen.append(choice); };
    ASSERT_TRUE(options.FormCreate());
    settings::ConnectionPage& page = *options.Connection;
    EXPECT_TRUE(page.WireDriverSettings->isChecked()) << "a settings file without the keys leaves the driver's own";
    // A gateway without a host is refused and the dialog shown again on the page.
    confirmWith([&] { page.WireHartIp->setChecked(true); });
    dialogs.expect(Kind::Message, txt().wireNeedsHost.arg(QString()));
    confirmWith([&] {
        EXPECT_EQ(options.OptionsPage->currentWidget(), &page);
        page.HartIpHost->setText(QStringLiteral(" fe80::1 "));
        page.HartIpPort->setValue(5095);
        page.HartIpProtocol->setCurrentIndex(1);
    });
    options.Options1Click();
    EXPECT_EQ(stored("Wire"), QStringLiteral("hart-ip"));
    EXPECT_EQ(stored("HartIpHost"), QStringLiteral("fe80::1"));
    EXPECT_EQ(stored("HartIpPort"), QStringLiteral("5095"));
    EXPECT_EQ(stored("HartIpProtocol"), QStringLiteral("tcp"));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0], options.wireChoice());

    // Opened again it shows what was stored; OK without a change says nothing; a port typed is taken.
    confirmWith([&] { EXPECT_TRUE(page.WireHartIp->isChecked()); });
    options.Options1Click();
    EXPECT_EQ(chosen.size(), 1);
    confirmWith([&] {
        page.WireSerial->setChecked(true);
        page.SerialPort->setEditText(QStringLiteral("/tmp/ttyHART"));
    });
    options.Options1Click();
    EXPECT_EQ(stored("Wire"), QStringLiteral("serial"));
    EXPECT_EQ(stored("SerialPort"), QStringLiteral("/tmp/ttyHART"));
    EXPECT_EQ(stored("HartIpHost"), QStringLiteral("fe80::1")) << "kept for when the gateway is chosen again";
    EXPECT_EQ(chosen.size(), 2);
}

TEST(WireChoice, EachWireGivesTheDriversOptionsAndTheStatusLine)
{
    using Kind = settings::WireChoice::Kind;
    const platform::Texts& t = txt();
    auto choice = [](Kind kind, const char* port, const char* host, bool tcp) {
        settings::WireChoice c;
        c.kind = kind;
        c.serialPort = QString::fromLatin1(port);
        c.hartIpHost = QString::fromLatin1(host);
        c.tcp = tcp;
        return c;
    };
    const struct {
        settings::WireChoice choice;
        QStringList arguments;
        QString status;
    } cases[] = {
        {choice(Kind::DriverSettings, "/dev/ttyS0", "", false), {}, t.wireDriverSettings},
        {choice(Kind::Simulator, "", "gw", false), {QStringLiteral("--sim")}, t.wireSimulated},
        {choice(Kind::Serial, "/dev/ttyUSB0", "gw", true),
         {QStringLiteral("--serial"), QStringLiteral("/dev/ttyUSB0")},
         t.wireSerial.arg(QStringLiteral("/dev/ttyUSB0"))},
        {choice(Kind::HartIp, "", "10.0.0.7", false),
         {QStringLiteral("--hart-ip"), QStringLiteral("10.0.0.7:5094")},
         t.wireHartIp.arg(QStringLiteral("10.0.0.7")).arg(5094).arg(QStringLiteral("UDP"))},
        {choice(Kind::HartIp, "", "fe80::1", true),
         {QStringLiteral("--hart-ip"), QStringLiteral("[fe80::1]:5094"), QStringLiteral("--tcp")},
         t.wireHartIp.arg(QStringLiteral("fe80::1")).arg(5094).arg(QStringLiteral("TCP"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status.toStdString());
        EXPECT_EQ(settings::driverArguments(c.choice), c.arguments);
        EXPECT_EQ(settings::wireStatus(c.choice, {true, true, {}}), c.status);
        EXPECT_EQ(settings::wireStatus(c.choice, {true, false, {}}), t.wireRunningDriver);
        EXPECT_EQ(settings::wireStatus(c.choice, {true, false, QStringLiteral("\\\\plant")}),
                  t.wireNetDriver.arg(QStringLiteral("\\\\plant")));
        EXPECT_EQ(settings::wireStatus(c.choice, {false, false, {}}), t.wireNoDriver);
    }
    for (const char* host : {"", "gate way", "10.0.0.7:5094", "[fe80::1]"})
        EXPECT_EQ(settings::wireChoiceProblem(choice(Kind::HartIp, "", host, false)),
                  t.wireNeedsHost.arg(QString::fromLatin1(host)));
    EXPECT_EQ(settings::wireChoiceProblem(choice(Kind::Serial, " ", "", false)), t.wireNeedsPort);
}

TEST_F(OptionsTest, StoppingOrMovingTheHistoryIsRecordedInTheOldPlace)
{
    writeSettings("[Velkor]\r\nDatabaseLog=1\r\nSafeAccess=1\r\nDatabaseLocation=/old/\r\n");
    ASSERT_TRUE(options.FormCreate());
    ASSERT_TRUE(settings::UsersFile(options.sharedFolder() + txt().usersFileName)
                    .add({QStringLiteral("tech"), QStringLiteral("Jan Novak"), QStringLiteral("secret"),
                          QStringLiteral("WRITE")}));
    confirmWith([&] { options.DatabaseLocation->setText(QStringLiteral("/new")); });
    options.Options1Click();
    EXPECT_EQ(recorded, QStringList{txt().activityLocationChanged + QStringLiteral("@/old/")});
    EXPECT_EQ(stored("DatabaseLocation"), QStringLiteral("/new/"));

    recorded.clear();
    confirmWith([&] { options.DatabaseLog->setChecked(false); });
    options.Options1Click();
    EXPECT_EQ(recorded, QStringList{txt().activityLogStopped + QStringLiteral("@/new/")});
    EXPECT_EQ(stored("DatabaseLog"), QStringLiteral("0"));
}

TEST(RecentFiles, TheNewestFirstEachOnceAtMostFourAndOnlyWhatTheCodePageHolds)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/VELKOR.INI");
    platform::Profile file(path);
    const QString czech = QString::fromUtf8("/data/m\xc4\x9b\xc5\x99"
                                            "en\xc3\xad.htf"); // měření: in the code page
    for (const QString& name : {QStringLiteral("/a.htf"), QStringLiteral("/b.htf"), czech, QStringLiteral("/d.htf"),
                                QStringLiteral("/e.htf"), czech, QString::fromUtf8("/\xe6\xb8\xac.htf")})
        ASSERT_TRUE(settings::rememberRecentFile(file, name));
    const QStringList expected{czech, QStringLiteral("/e.htf"), QStringLiteral("/d.htf"), QStringLiteral("/b.htf")};
    EXPECT_EQ(settings::recentFiles(platform::Profile(path)), expected);
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("RecentFile1=/data/m\xec\xf8\x65n\xed.htf\r\n")) << "not in the code page";

    ASSERT_TRUE(settings::forgetRecentFile(file, QStringLiteral("/e.htf")));
    EXPECT_EQ(settings::recentFiles(platform::Profile(path)),
              (QStringList{czech, QStringLiteral("/d.htf"), QStringLiteral("/b.htf")}));
}

// The second change would first shrink the file (the new path in the first place), then grow it past the
// limit (the old path moved down): the list is written whole, never left half changed.
TEST(RecentFiles, ASettingsFileThatCannotBeWrittenSaysWhyAndStaysAsItWas)
{
    const std::pair<QByteArray, QString> changes[] = {
        {"[Velkor]\r\nRecentFile1=/a.htf\r\n", QStringLiteral("/data/pump.htf")},
        {"[Velkor]\r\nRecentFile1=/data/pumps/discharge.htf\r\n", QStringLiteral("/a.htf")},
    };
    for (const auto& [before, remembering] : changes) {
        SCOPED_TRACE(before.toStdString());
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/VELKOR.INI");
        ASSERT_TRUE(platform::writeFileAtomically(path, before));
        platform::Profile file(path);
        {
            testing_support::FileSizeLimit full(before.size());
            ASSERT_TRUE(full.active());
            const platform::Result remembered = settings::rememberRecentFile(file, remembering);
            EXPECT_FALSE(remembered);
            EXPECT_TRUE(remembered.error.contains(testing_support::FileSizeLimit::reason()))
                << remembered.error.toStdString();
        }
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        EXPECT_EQ(raw.readAll(), before);
    }
}

TEST(ProgramLanguages, OfferedWhenTheirModuleExistsAndFoundByTheLongerNameFirst)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    for (const char* name : {"tarvik.DE", "tarvik.CSY", "tarvik.DEU", "tarvik.FR"})
        QFile(folder + QString::fromLatin1(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(settings::programLanguages(folder, QStringLiteral("tarvik")),
              (QStringList{QString::fromUtf8("\xc4\x8d"
                                             "esky"),
                           QStringLiteral("deutsch"), QStringLiteral("english"), QStringLiteral("francais")}));
    EXPECT_EQ(settings::programLanguageModule(QStringLiteral("deutsch"), folder, QStringLiteral("tarvik")),
              folder + QStringLiteral("tarvik.DEU"));
    EXPECT_EQ(settings::programLanguageModule(QStringLiteral("francais"), folder, QStringLiteral("tarvik")),
              folder + QStringLiteral("tarvik.FR"));
    EXPECT_TRUE(settings::programLanguageModule(QStringLiteral("english"), folder, QStringLiteral("tarvik")).isEmpty());
}

TEST(SharedFolder, FromProgramDataElseFromTheUsersApplicationDataElseTheDataFolder)
{
    {
        testing_support::ScopedEnvironment programData{"PROGRAMDATA", "/srv/programdata"};
        EXPECT_EQ(settings::SecFilePath(), QStringLiteral("/srv/programdata/ZUNEF/"));
    }
    testing_support::ScopedEnvironment noProgramData{"PROGRAMDATA", ""};
    {
        testing_support::ScopedEnvironment appData{"APPDATA", "/home/tech/Application Data"};
        testing_support::ScopedEnvironment allUsers{"ALLUSERSPROFILE", "/srv/All Users"};
        EXPECT_EQ(settings::SecFilePath(), QStringLiteral("/srv/All Users/Application Data/ZUNEF/"));
    }
    testing_support::ScopedEnvironment dataHome{"XDG_DATA_HOME", "/home/tech/.local/share"};
    qunsetenv("APPDATA");
    EXPECT_EQ(settings::SecFilePath(), QStringLiteral("/home/tech/.local/share/ZUNEF/"));
}

} // namespace
