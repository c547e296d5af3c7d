#pragma once
// The history window: the recorded activities newest first, filtered on Apply!, with the devices'
// groups, a snapshot put back on the main screen (Show!) or compared with it (Compare!), and the list
// exported for a spreadsheet. The list is a model over the entries of one listing, so it costs the
// same however long the history is. What it needs of the main window comes through HistoryHost.
#include "history/HistoryStore.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class HistoryModel;

namespace history {

class HistoryHost {
public:
    virtual ~HistoryHost() = default;
    // The folder of the history files, ending in a separator.
    virtual QString historyFolder() const = 0;
    // The user a group change is recorded under.
    virtual QString currentUser() const = 0;
    // Stops the connection so that a snapshot can be shown; false when the user keeps it.
    virtual bool leaveConnection() = 0;
    virtual void showSnapshot(const config::TConfigRecord& record) = 0;
    // Whether a configuration is on the main screen to compare with, its language and the configured one.
    virtual bool configurationOnScreen() const = 0;
    virtual QByteArray dataLanguage() const = 0;
    virtual QByteArray ddfLanguage() const = 0;
    virtual void compareSnapshot(const config::TConfigRecord& record) = 0;
    virtual void help() = 0;
};

// The entries as the list shows them: the columns of the history table, 9 and 10 hidden.
QStringList rowTexts(const HistoryEntry& entry);
// The listed rows as CSV for a spreadsheet, the visible columns with their headings: UTF-8 after its
// byte-order mark, times in ISO 8601, quoted where needed, a cell that would be taken for a formula
// kept a text.
QByteArray toCsv(const QList<HistoryEntry>& entries);

} // namespace history

class TDatabase : public QDialog {
    Q_OBJECT
public:
    explicit TDatabase(history::HistoryHost& host, QWidget* parent = nullptr);
    ~TDatabase() override;

    // Opens the window; the list is refilled first when the main window asks for it.
    void MenuHistoryClick(bool& historyRefresh);

    void FillTable();
    bool Show();
    bool Compare();
    void bApplyClick() { FillTable(); }
    void bChangeClick();
    void bNewGroupClick();
    void FilterChange();
    void TableClick();
    void ExportClick();

    QComboBox* Filter = nullptr;
    QComboBox* cParameter = nullptr;
    QLineEdit* eParameter = nullptr;
    QPushButton* bApply = nullptr;
    QComboBox* Groups = nullptr;
    QPushButton* bNewGroup = nullptr;
    QPushButton* bChange = nullptr;
    QPushButton* bShow = nullptr;
    QPushButton* bCompare = nullptr;
    QPushButton* bExport = nullptr;
    QTableView* Table = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    history::HistoryStore store() const;
    const history::HistoryEntry* selectedEntry() const;
    // The selected row's snapshot for Show! and Compare!, when it is of the row's device; nothing when
    // the data file is missing or the row has no snapshot (the user has been told).
    struct SnapshotRead {
        std::optional<config::TConfigRecord> record;
        QString path;       // the data file
        QString unreadable; // what to say when the record cannot be used: the file and why
    };
    std::optional<SnapshotRead> readSelectedSnapshot();
    // Selects in Groups the group of the selected row and copies Groups into cParameter.
    void followSelection();
    void copyGroups();
    void addGroup(const QString& name);

    history::HistoryHost& host;
    HistoryModel* model = nullptr;
};
