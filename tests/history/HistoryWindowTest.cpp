// The history window over real history files: what Show! and Compare! check before they act, group
// names as the entries keep them, the list's columns and time texts, a missing history folder, and the
// CSV export as a spreadsheet reads it.
#include "ScriptedDialogs.h"
#include "history/TDatabase.h"
#include "platform/Files.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using history::HistoryEntry;
using Kind = testing_support::ScriptedDialogs::Kind;
using platform::Answer;

namespace {

const platform::Texts& txt() { return platform::texts(); }

class Host : public history::HistoryHost {
public:
    QString folder;
    int leaves = 0;
    QStringList shown, compared; // the messages of the snapshots

    QString historyFolder() const override { return folder; }
    QString currentUser() const override { return QStringLiteral("Jan Novak"); }
    bool leaveConnection() override { return ++leaves, true; }
    void showSnapshot(const config::TConfigRecord& record) override
    {
        shown.append(record.text(config::Field::Message));
    }
    bool configurationOnScreen() const override { return true; }
    QByteArray dataLanguage() const override { return "en "; }
    QByteArray ddfLanguage() const override { return "en "; }
    void compareSnapshot(const config::TConfigRecord& record) override
    {
        compared.append(record.text(config::Field::Message));
    }
    void help() override {}
};

class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest() { host.folder = dir.path() + u'/'; }

    history::HistoryStore store() const
    {
        return history::HistoryStore(host.folder, txt().historyIndexFile, txt().historyDataFile);
    }
    static config::TConfigRecord snapshotOf(const QString& id, const QString& message)
    {
        config::TConfigRecord record;
        record.setMagic(QStringLiteral("HART30File"));
        record.setDefLanguage("en ");
        record.setText(config::Field::DeviceType, QStringLiteral("PR210"));
        record.setText(config::Field::Manufacturer, QStringLiteral("Ostrevo"));
        record.setText(config::Field::UniqueId, id);
        record.setText(config::Field::Message, message);
        return record;
    }
    void record(const QString& id, const QString& activity, bool withSnapshot)
    {
        HistoryEntry entry;
        entry.DeviceType = QStringLiteral("PR210");
        entry.Manufacturer = QStringLiteral("Ostrevo");
        entry.UniqueId = id;
        entry.Activity = activity;
        entry.Stamp = HistoryEntry::stampOf(QDateTime(QDate(2026, 12, 8), QTime(14, 3, 5)));
        std::optional<config::TConfigRecord> snapshot;
        if (withSnapshot) snapshot = snapshotOf(id, id + u'/' + activity);
        ASSERT_TRUE(store().record(entry, snapshot, txt().newGroup));
    }
    void select(int row) { window.Table->setCurrentIndex(window.Table->model()->index(row, 0)); }
    int rows() const { return window.Table->model()->rowCount(); }

    QTemporaryDir dir;
    testing_support::ScriptedDialogs dialogs;
    Host host;
    TDatabase window{host};
};

TEST_F(HistoryWindowTest, ShowAndCompareActOnlyOnTheEntrysOwnSnapshot)
{
    record(QStringLiteral("A"), QStringLiteral("Connected"), true);      // snapshot 0
    record(QStringLiteral("A"), QStringLiteral("Device tested"), false); // none
    record(QStringLiteral("B"), QStringLiteral("Connected"), true);      // snapshot 1
    // The data file cut and grown again: A's snapshot is now one of B's.
    const QByteArray ofB = snapshotOf(QStringLiteral("B"), QStringLiteral("B/Connected")).toBytes();
    ASSERT_TRUE(platform::writeFileAtomically(store().dataPath(), ofB + ofB));
    window.FillTable();
    ASSERT_EQ(rows(), 3);
    HistoryEntry ofA;
    ofA.DeviceType = QStringLiteral("PR210");
    ofA.Manufacturer = QStringLiteral("Ostrevo");
    ofA.UniqueId = QStringLiteral("A");
    ofA.SnapshotIndex = 0;
    QString why;
    ASSERT_FALSE(store().snapshotOf(ofA, &why));
    const QString foreign = txt().fileUnreadable.arg(store().dataPath()) + QStringLiteral("\r\n") + why;

    const struct {
        const char* name;
        int row;
        bool compare;
        Kind kind;
        QString text; // empty: no message
        bool done;
    } cases[] = {
        {"Show! of an entry without snapshot", 1, false, Kind::Message, txt().notRecorded, false},
        {"Show! of another device's snapshot", 2, false, Kind::Error, foreign, false},
        {"Compare! with another device's snapshot", 2, true, Kind::Error, foreign, false},
        {"Show! of the entry's own snapshot", 0, false, Kind::Message, {}, true},
        {"Compare! with the entry's own snapshot", 0, true, Kind::Message, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.leaves = 0;
        host.shown.clear();
        host.compared.clear();
        if (!c.text.isEmpty()) dialogs.expect(c.kind, c.text);
        select(c.row);
        EXPECT_EQ(c.compare ? window.Compare() : window.Show(), c.done);
        EXPECT_EQ(host.leaves, c.done && !c.compare ? 1 : 0) << "the connection was left for nothing";
        EXPECT_EQ(host.shown.size() + host.compared.size(), c.done ? 1 : 0);
        EXPECT_TRUE(dialogs.done());
    }
    EXPECT_EQ(host.compared, QStringList{QStringLiteral("B/Connected")});
}

TEST_F(HistoryWindowTest, AGroupNameIsListedAsTheEntriesKeepItAndOnlyARecordedChangeIsListed)
{
    record(QStringLiteral("A"), QStringLiteral("Connected"), true);
    window.FillTable();
    const QString longName = QStringLiteral("Boiler house, north wing, second floor"); // 38 characters
    dialogs.expect(Kind::Input, txt().groupNamePrompt, Answer::Ok, longName);
    window.bNewGroupClick();
    EXPECT_EQ(window.Groups->currentText(), longName.left(32));
    dialogs.expect(Kind::Confirm, txt().changeGroupTo.arg(longName.left(32)), Answer::Yes);
    window.bChangeClick();
    window.bApplyClick();
    EXPECT_EQ(window.Groups->findText(longName.left(32)), window.Groups->currentIndex());
    EXPECT_EQ(window.Groups->count(), 2) << "new, and the name once";
    dialogs.expect(Kind::Confirm, txt().changeGroupTo.arg(longName.left(32)), Answer::Yes);
    dialogs.expect(Kind::Error, txt().actualGroup);
    window.bChangeClick(); // the name picked again is the device's group: nothing to record

    dialogs.expect(Kind::Input, txt().groupNamePrompt, Answer::Ok, QStringLiteral("Kotelna \u2192 sever"));
    dialogs.expect(Kind::Error, txt().groupCharacters);
    window.bNewGroupClick();
    EXPECT_EQ(window.Groups->count(), 2);

    // The index file cannot be written: the change is not listed either.
    const int listed = rows();
    ASSERT_TRUE(QFile::remove(store().indexPath()));
    ASSERT_TRUE(QDir().mkdir(store().indexPath()));
    const platform::Result failure = store().append(HistoryEntry());
    ASSERT_FALSE(failure);
    window.Groups->setCurrentIndex(window.Groups->findText(txt().newGroup));
    dialogs.expect(Kind::Confirm, txt().changeGroupTo.arg(txt().newGroup), Answer::Yes);
    dialogs.expect(Kind::Error, failure.error);
    window.bChangeClick();
    EXPECT_EQ(rows(), listed);
}

TEST_F(HistoryWindowTest, AMissingHistoryFolderIsReportedOnceWithItsReason)
{
    host.folder = dir.path() + QStringLiteral("/gone/");
    dialogs.expect(Kind::Error,
                   txt().historyFolderUnreadable.arg(host.folder, QString::fromLocal8Bit(strerror(ENOENT))));
    dialogs.expectModal(QStringLiteral("TDatabase"), Answer::Cancel);
    bool refresh = true;
    window.MenuHistoryClick(refresh);

    host.folder = dir.path() + u'/'; // a history not begun yet: nothing to say
    window.bApplyClick();
    EXPECT_TRUE(dialogs.done());
}

TEST_F(HistoryWindowTest, ColumnsFollowTheFontNotTheWindowAndTheTimeHasNoZone)
{
    QList<int> widths;
    for (const int windowWidth : {700, 1600}) {
        TDatabase shown(host);
        shown.resize(windowWidth, 560);
        shown.show();
        QList<int> these;
        for (int column = 0; column < 9; ++column) {
            these.append(shown.Table->columnWidth(column));
            EXPECT_GE(these.last(), shown.Table->horizontalHeader()->sectionSizeHint(column))
                << "the heading of column " << column << " is cut";
        }
        if (!widths.isEmpty()) {
            EXPECT_EQ(these, widths) << "the columns changed with the window's width";
        }
        widths = these;
        shown.hide();
    }

    HistoryEntry entry;
    entry.Stamp = HistoryEntry::stampOf(QDateTime(QDate(2026, 12, 8), QTime(14, 3, 5)));
    const QString when = history::rowTexts(entry).first();
    EXPECT_GT(widths[0], window.Table->fontMetrics().horizontalAdvance(when)) << "the time is cut";
    EXPECT_TRUE(when.contains(QStringLiteral(":05"))) << when.toStdString();
    EXPECT_FALSE(when.contains(entry.dateTime().timeZoneAbbreviation())) << when.toStdString();
}

TEST(HistoryCsv, CellsStayTextsAndTheFileSaysItIsUtf8)
{
    HistoryEntry entry;
    entry.Stamp = HistoryEntry::stampOf(QDateTime(QDate(2026, 12, 8), QTime(14, 3, 5)));
    entry.User = QStringLiteral("+420 Jiří");
    entry.Activity = QStringLiteral("-x");
    entry.DeviceType = QStringLiteral("@SUM(A1)");
    entry.Manufacturer = QStringLiteral("Ostrevo");
    entry.Tag = QStringLiteral("=HYPERLINK(\"http://x\")");
    entry.UniqueId = QStringLiteral("a=b");
    entry.Group = QStringLiteral("\tnew");
    const QByteArray csv = history::toCsv({entry});
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_EQ(
        QString::fromUtf8(csv).split(QStringLiteral("\r\n")).value(1),
        QStringLiteral("2026-12-08T14:03:05,'+420 Jiří,'-x,'@SUM(A1),Ostrevo,\"'=HYPERLINK(\"\"http://x\"\")\",a=b,"
                       "'\tnew,"));
}

} // namespace
