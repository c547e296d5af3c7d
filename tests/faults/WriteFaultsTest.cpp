// Every file the two programs write, refused by the kernel itself: a write past a file-size limit (as on
// a full disk), a folder of another user's that this user may only read (its files are that user's too:
// a file written in place, as the history is, is stopped by its own mode, not by its folder's), a folder
// that is gone by the time of the write.
// The writer says it failed (never that it succeeded), the user is told with the platform's reason, the
// files that were there stay byte for byte and nothing is made anywhere else; a history entry never
// points to a snapshot that is not there.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "ReadingWindow.h"
#include "ScriptedDialogs.h"
#include "UnprivilegedFileAccess.h"
#include "app/TCalibration.h"
#include "app/TForm1.h"
#include "history/CalibrationRecord.h"
#include "history/HistoryEntry.h"
#include "history/IndexCache.h"
#include "history/TDatabase.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"
#include "settings/Folders.h"
#include "settings/TOptions.h"
#include "settings/Users.h"
#include "sim/SimDevices.h"
#include "sim/SimStateFile.h"
#include "trend/TTrend.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

using Kind = testing_support::ScriptedDialogs::Kind;
using platform::Answer;

namespace {

const platform::Texts& txt() { return platform::texts(); }

enum class Fault { SizeLimit, ReadOnlyFolder, VanishedFolder };

const char* nameOf(Fault fault)
{
    return fault == Fault::SizeLimit        ? "SizeLimit"
           : fault == Fault::ReadOnlyFolder ? "ReadOnlyFolder"
                                            : "VanishedFolder";
}
void PrintTo(Fault fault, std::ostream* out) { *out << nameOf(fault); }

// What the platform says of each refusal.
QString reasonOf(Fault fault)
{
    const int error = fault == Fault::SizeLimit ? EFBIG : fault == Fault::ReadOnlyFolder ? EACCES : ENOENT;
    return QString::fromLocal8Bit(std::strerror(error));
}

// Everything under a folder by its path there: each file's bytes, each folder as a mark.
using Contents = std::map<std::string, std::string>;
const std::string FolderMark = "<folder>";

Contents contentsOf(const QString& root)
{
    Contents found;
    QDirIterator entries(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        std::string& held = found[QDir(root).relativeFilePath(entry.filePath()).toStdString()];
        QFile file(entry.filePath());
        if (entry.isDir())
            held = FolderMark;
        else
            held = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
    }
    return found;
}

// A folder's mode for the life of the object, the old one put back at the end.
class ScopedMode {
public:
    ScopedMode(const QString& folder, mode_t mode) : path(QFile::encodeName(folder))
    {
        struct stat found {};
        changed = ::stat(path.constData(), &found) == 0 && ::chmod(path.constData(), mode) == 0;
        saved = found.st_mode & 07777;
    }
    ~ScopedMode()
    {
        if (changed) ::chmod(path.constData(), saved);
    }
    ScopedMode(const ScopedMode&) = delete;
    ScopedMode& operator=(const ScopedMode&) = delete;
    bool active() const { return changed; }

private:
    QByteArray path;
    mode_t saved = 0;
    bool changed = false;
};

const QByteArray OldBytes = "what the file held before\r\n";

// The main window reading a device, with the history on: every writer of the program within reach.
class WriteFaults : public ::testing::TestWithParam<std::tuple<int, Fault>> {
public:
    WriteFaults()
    {
        testing_support::answerAsPressureTransmitter(driver);
        testing_support::openAndRead(session, window, channel, dialogs, clock, true);
    }
    ~WriteFaults() override { window.reset(); } // before the session it shows

    // A file the user chooses in a save dialog, there already.
    QString chosenFile(const char* name) const
    {
        const QString folder = this->folder.root() + QStringLiteral("/exports/");
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(platform::writeFileAtomically(folder + QString::fromLatin1(name), OldBytes));
        return folder + QString::fromLatin1(name);
    }
    QString sharedFolder() const { return window->Options->sharedFolder(); }

    ProgramFolder folder{"TABEN.DDF"};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    std::unique_ptr<device::DeviceSession> session;
    std::unique_ptr<TForm1> window;

    QString path; // the file written
    history::IndexCache cache;
    std::vector<sim::SimTransmitter> devices;
    history::CalibrationRecord calibration;
};

using FaultNow = std::function<void()>;

struct Writer {
    const char* name;
    // Makes the file as it stands before the write; gives its path.
    std::function<QString(WriteFaults&)> makeOld;
    // What the writer tells of a failure with this reason: the user's message, the driver's log line, or
    // nothing (a cache has nobody to tell).
    std::function<QString(WriteFaults&, Fault, const QString& reason)> told;
    // Writes the file anew, the fault striking once the writer is set up; a message box it shows is
    // expected with the text `told`. Gives the writer's result where it returns one.
    std::function<std::optional<platform::Result>(WriteFaults&, const FaultNow&, const QString& told)> write;
    // The writer makes its folder again when it is missing (a cache, the simulator's state).
    bool remakesFolder = false;
};

QString fileNotWritten(WriteFaults& f, Fault, const QString& reason)
{
    return platform::fileNotWrittenText(f.path, reason);
}

const Writer writers[] = {
    {"ConfigurationFile", [](WriteFaults& f) { return f.chosenFile("pump.htf"); }, fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         f.dialogs.expect(Kind::SaveFile, txt().saveCaption, Answer::Ok, f.path);
         f.dialogs.expect(Kind::Error, told);
         faultNow();
         f.window->UlozClick();
         return std::nullopt;
     }},
    // The index and its snapshots, written in place: the snapshot fails first under a size limit, the
    // index (not this user's) under a read-only folder, its creation when the folder is gone.
    {"History",
     [](WriteFaults& f) {
         const QString index = f.sharedFolder() + txt().historyIndexFile;
         EXPECT_TRUE(QFileInfo::exists(index) && QFileInfo::exists(f.sharedFolder() + txt().historyDataFile))
             << "the read was not recorded with its snapshot";
         return index;
     },
     [](WriteFaults& f, Fault fault, const QString& reason) {
         const QString& failing = fault == Fault::SizeLimit ? f.sharedFolder() + txt().historyDataFile : f.path;
         return txt().historyNotRecorded.arg(failing, reason);
     },
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         f.dialogs.expect(Kind::Error, told);
         faultNow();
         static_cast<operations::OperationHost&>(*f.window).WriteDbIndex(txt().activityModified, true);
         return std::nullopt;
     }},
    {"HistoryIndexCache",
     [](WriteFaults& f) {
         const QString path = f.folder.root() + QStringLiteral("/cache/history.cache");
         f.cache.covered = history::EntrySize;
         f.cache.firstEntry = QByteArray(history::EntrySize, 'e');
         f.cache.newest.emplace("PR210", 0);
         history::storeIndexCache(path, f.cache);
         EXPECT_EQ(f.cache.stored, f.cache.covered);
         return path;
     },
     [](WriteFaults&, Fault, const QString&) { return QString(); },
     [](WriteFaults& f, const FaultNow& faultNow, const QString&) -> std::optional<platform::Result> {
         f.cache.covered = 2 * history::EntrySize;
         f.cache.newest.emplace("TM120", 1);
         faultNow();
         history::storeIndexCache(f.path, f.cache);
         // A cache not written is tried again: what it holds is not taken as stored.
         return f.cache.stored == f.cache.covered ? platform::Result::success() : platform::Result::failure({});
     },
     true},
    {"UsersFile",
     [](WriteFaults& f) {
         const QString path = f.sharedFolder() + txt().usersFileName;
         const auto added = settings::UsersFile(path).add({QStringLiteral("first"), QStringLiteral("First User"),
                                                           QStringLiteral("secret1"), QStringLiteral("WRITE")});
         EXPECT_TRUE(added && *added);
         return path;
     },
     fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         TOptions& options = *f.window->Options;
         options.Users->setEditText(QStringLiteral("newuser"));
         options.UserName->setText(QStringLiteral("New User"));
         options.NewPasswd->setText(QStringLiteral("secret2"));
         options.RetypePasswd->setText(QStringLiteral("secret2"));
         f.dialogs.expect(Kind::Error, told);
         faultNow();
         options.bNewUserClick();
         return std::nullopt;
     }},
    // Options reads where its settings file is before it opens; the fault strikes while it is open.
    {"SettingsFile",
     [](WriteFaults&) {
         const QString path = settings::settingsFile();
         EXPECT_TRUE(platform::Profile(path).writeString(settings::SettingsSection, QStringLiteral("NetPath"),
                                                         QStringLiteral("\\\\plant-pc")));
         return path;
     },
     fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         f.dialogs.expectModal(QStringLiteral("TOptions"), Answer::Ok, faultNow);
         f.dialogs.expect(Kind::Error, told);
         f.window->Options->Options1Click();
         return std::nullopt;
     }},
    {"SimulatorState",
     [](WriteFaults& f) {
         const QString path = f.folder.root() + QStringLiteral("/sim/state.json");
         f.devices.push_back(sim::makePressureTransmitter());
         f.devices.push_back(sim::makeTemperatureTransmitter());
         EXPECT_EQ(sim::saveState(path, f.devices), QString());
         return path;
     },
     [](WriteFaults&, Fault, const QString& reason) { return reason; },
     [](WriteFaults& f, const FaultNow& faultNow, const QString&) -> std::optional<platform::Result> {
         faultNow();
         const QString error = sim::saveState(f.path, f.devices);
         return error.isEmpty() ? platform::Result::success() : platform::Result::failure(error);
     },
     true},
    {"HistoryExport", [](WriteFaults& f) { return f.chosenFile("history.csv"); }, fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         f.dialogs.expectModal(QStringLiteral("TDatabase"), Answer::Cancel);
         f.window->Database->MenuHistoryClick(f.window->HistoryRefresh);
         f.dialogs.expect(Kind::SaveFile, txt().exportCaption, Answer::Ok, f.path);
         f.dialogs.expect(Kind::Error, told);
         faultNow();
         f.window->Database->ExportClick();
         return std::nullopt;
     }},
    {"TrendExport",
     [](WriteFaults& f) {
         f.clock.advance(5000); // some values on-line
         f.window->MenuTrendClick();
         return f.chosenFile("trend.csv");
     },
     fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString& told) -> std::optional<platform::Result> {
         f.dialogs.expect(Kind::SaveFile, txt().exportCaption, Answer::Ok, f.path);
         f.dialogs.expect(Kind::Error, told);
         faultNow();
         f.window->Trend->ExportClick();
         return std::nullopt;
     }},
    // Saved under a name of the moment the window makes its record: written here with the window's record.
    {"CalibrationFile",
     [](WriteFaults& f) {
         f.window->CalibrationCheckClick();
         f.calibration = f.window->Calibration->record();
         const QString path = f.window->Calibration->historyFolder() + history::calibrationFileName(f.calibration);
         EXPECT_TRUE(platform::writeFileAtomically(path, OldBytes));
         return path;
     },
     fileNotWritten,
     [](WriteFaults& f, const FaultNow& faultNow, const QString&) -> std::optional<platform::Result> {
         faultNow();
         return history::writeCalibrationFile(f.path, f.calibration);
     }},
};

TEST_P(WriteFaults, TheWriteFailsSaysWhyAndLeavesEveryFileAsItWas)
{
    const auto [index, fault] = GetParam();
    const Writer& writer = writers[index];
    path = writer.makeOld(*this);
    ASSERT_TRUE(QFileInfo::exists(path)) << "no old file to keep";
    const QString root = folder.root(), folderPath = QFileInfo(path).absolutePath();
    const std::string target = QDir(root).relativeFilePath(folderPath).toStdString(),
                      written = QDir(root).relativeFilePath(path).toStdString();
    const qint64 oldSize = QFileInfo(path).size();
    const QString told = writer.told(*this, fault, reasonOf(fault));
    Contents expected = contentsOf(root);
    if (fault == Fault::VanishedFolder)
        std::erase_if(expected, [&](const auto& entry) {
            return entry.first == target || entry.first.starts_with(target + '/');
        });

    std::optional<ScopedMode> traversable, readOnly;
    std::optional<testing_support::FileSizeLimit> limit;
    std::optional<testing_support::UnprivilegedFileAccess> asUser;
    if (fault == Fault::ReadOnlyFolder) traversable.emplace(root, 0755); // a temporary folder is its owner's alone
    bool struck = false;
    const FaultNow faultNow = [&] {
        struck = true;
        switch (fault) {
        case Fault::SizeLimit:
            limit.emplace(oldSize / 2); // less room than the file takes
            EXPECT_TRUE(limit->active());
            break;
        case Fault::ReadOnlyFolder:
            readOnly.emplace(folderPath, 0555);
            asUser.emplace();
            EXPECT_TRUE(traversable->active() && readOnly->active() && asUser->active());
            break;
        case Fault::VanishedFolder: EXPECT_TRUE(QDir(folderPath).removeRecursively()); break;
        }
    };
    const std::optional<platform::Result> reported = writer.write(*this, faultNow, told);
    asUser.reset(); // before anything is read back: the files are not that user's
    limit.reset();
    readOnly.reset();
    traversable.reset();
    ASSERT_TRUE(struck) << "the fault never struck";

    Contents found = contentsOf(root);
    if (fault == Fault::VanishedFolder && writer.remakesFolder) {
        ASSERT_TRUE(reported);
        EXPECT_TRUE(*reported) << reported->error.toStdString();
        EXPECT_TRUE(found.contains(written)) << "written nowhere";
        found.erase(written);
        found.erase(target);
    } else if (reported) {
        EXPECT_FALSE(*reported) << "a write that failed was reported as done";
        EXPECT_EQ(reported->error, told);
    }
    EXPECT_EQ(found, expected) << "a file changed or was made";
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFaults,
                         ::testing::Combine(::testing::Range(0, int(std::size(writers))),
                                            ::testing::Values(Fault::SizeLimit, Fault::ReadOnlyFolder,
                                                              Fault::VanishedFolder)),
                         [](const ::testing::TestParamInfo<WriteFaults::ParamType>& info) {
                             return std::string(writers[std::get<0>(info.param)].name) + '_' +
                                    nameOf(std::get<1>(info.param));
                         });

} // namespace
