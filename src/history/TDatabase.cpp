#include "history/TDatabase.h"

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Texts.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace history {

namespace {
constexpr int ColumnCount = 11;
constexpr int VisibleColumns = 9;
constexpr int SnapshotColumn = 9;
// Design widths of the visible columns.
constexpr int ColumnWidths[VisibleColumns] = {115, 133, 142, 88, 82, 104, 67, 146, 189};

QStringList headings()
{
    const platform::Texts& t = platform::texts();
    return {t.headingDate,         t.headingUser, t.headingActivity, t.headingType,
            t.headingManufacturer, t.headingTag,  t.headingId,       t.headingGroup,
            t.headingError,        QString(),     QString()};
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
} // namespace

QStringList rowTexts(const HistoryEntry& entry)
{
    const QLocale locale;
    const QDateTime when = entry.dateTime();
    return {locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
                locale.toString(when.time(), QLocale::LongFormat),
            entry.User,
            entry.Activity,
            entry.DeviceType,
            entry.Manufacturer,
            entry.Tag,
            entry.UniqueId,
            entry.Group,
            entry.ErrorText,
            QString::number(entry.SnapshotIndex),
            QString::fromLatin1(entry.DefLanguage.left(2))};
}

QByteArray toCsv(const QList<HistoryEntry>& entries)
{
    auto line = [](const QStringList& fields) -> QString {
        QStringList quoted;
        for (qsizetype i = 0; i < VisibleColumns; ++i)
            quoted.append(csvField(fields.value(i)));
        return quoted.join(u',') + QStringLiteral("\r\n");
    };
    QString text = line(headings());
    for (const HistoryEntry& entry : entries)
        text += line(rowTexts(entry));
    return text.toUtf8();
}

} // namespace history

// The listed entries, newest first.
class HistoryModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    QList<history::HistoryEntry> entries;

    void reset(QList<history::HistoryEntry> listed)
    {
        beginResetModel();
        entries = std::move(listed);
        endResetModel();
    }
    void prepend(const history::HistoryEntry& entry)
    {
        beginInsertRows({}, 0, 0);
        entries.prepend(entry);
        endInsertRows();
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(entries.size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : history::ColumnCount; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.row() >= entries.size()) return {};
        return history::rowTexts(entries.at(index.row())).value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return history::headings().value(section);
    }
};

using history::HistoryEntry;
using history::HistoryFilter;

TDatabase::TDatabase(history::HistoryHost& host, QWidget* parent) : QDialog(parent), host(host)
{
    setObjectName(QStringLiteral("TDatabase"));
    setWindowTitle(tr("History"));
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    Filter = named(new QComboBox, "Filter");
    Filter->addItems({tr("None"), tr("Selected device"), tr("Group"), tr("Search in GROUP column "),
                      tr("Search in TAG column"), tr("Search in USER column")});
    cParameter = named(new QComboBox, "cParameter");
    eParameter = named(new QLineEdit, "eParameter");
    bApply = named(new QPushButton(tr("Apply!")), "bApply");
    Groups = named(new QComboBox, "Groups");
    bNewGroup = named(new QPushButton(tr("Add new group!")), "bNewGroup");
    bChange = named(new QPushButton(tr("Change group!")), "bChange");
    bShow = named(new QPushButton(tr("Show!")), "bShow");
    bCompare = named(new QPushButton(tr("Compare!")), "bCompare");
    bExport = named(new QPushButton(tr("Export...")), "bExport");
    Table = named(new QTableView, "Table");
    model = new HistoryModel(this);
    Table->setModel(model);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 4);
    Table->setColumnHidden(history::SnapshotColumn, true);
    Table->setColumnHidden(history::SnapshotColumn + 1, true);

    auto* filterLabel = new QLabel(tr("Filter:"));
    filterLabel->setBuddy(Filter);
    auto* groupsLabel = new QLabel(tr("Groups:"));
    groupsLabel->setBuddy(Groups);
    auto* controls = new QGridLayout;
    controls->addWidget(filterLabel, 0, 0);
    controls->addWidget(Filter, 1, 0);
    controls->addWidget(cParameter, 1, 1);
    controls->addWidget(eParameter, 1, 1);
    controls->addWidget(bApply, 1, 2);
    controls->addWidget(groupsLabel, 0, 3);
    controls->addWidget(Groups, 1, 3);
    controls->addWidget(bNewGroup, 1, 4);
    controls->addWidget(bChange, 1, 5);
    auto* actions = new QHBoxLayout;
    actions->addWidget(bShow);
    actions->addWidget(bCompare);
    actions->addStretch();
    actions->addWidget(bExport);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(Table, 1);
    layout->addLayout(actions);
    resize(960, 560);
    cParameter->hide();
    eParameter->hide();

    connect(Filter, &QComboBox::currentIndexChanged, this, [this] { FilterChange(); });
    connect(bApply, &QPushButton::clicked, this, [this] { bApplyClick(); });
    connect(bNewGroup, &QPushButton::clicked, this, [this] { bNewGroupClick(); });
    connect(bChange, &QPushButton::clicked, this, [this] { bChangeClick(); });
    connect(Groups, &QComboBox::currentIndexChanged, this, [this] { copyGroups(); });
    connect(bShow, &QPushButton::clicked, this, [this] {
        if (Show()) accept();
    });
    connect(Table, &QTableView::doubleClicked, this, [this] {
        if (Show()) accept();
    });
    connect(bCompare, &QPushButton::clicked, this, [this] {
        if (Compare()) accept();
    });
    connect(bExport, &QPushButton::clicked, this, [this] { ExportClick(); });
    connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { TableClick(); });
}

TDatabase::~TDatabase() = default;

history::HistoryStore TDatabase::store() const
{
    const platform::Texts& t = platform::texts();
    return history::HistoryStore(host.historyFolder(), t.historyIndexFile, t.historyDataFile);
}

const HistoryEntry* TDatabase::selectedEntry() const
{
    const int row = Table->currentIndex().row();
    return row >= 0 && row < model->entries.size() ? &model->entries.at(row) : nullptr;
}

void TDatabase::MenuHistoryClick(bool& historyRefresh)
{
    if (historyRefresh) {
        Filter->setCurrentIndex(HistoryFilter::None);
        FillTable();
        followSelection();
        cParameter->hide();
        eParameter->hide();
        historyRefresh = false;
    }
    platform::dialogs().showModal(*this);
}

void TDatabase::FillTable()
{
    HistoryFilter filter;
    filter.kind = Filter->currentIndex();
    if (const HistoryEntry* selected = selectedEntry()) {
        filter.deviceType = selected->DeviceType;
        filter.manufacturer = selected->Manufacturer;
        filter.uniqueId = selected->UniqueId;
    }
    filter.group = cParameter->currentText();
    filter.search = eParameter->text();
    QString why;
    const auto listing = store().list(filter, 999, &why);
    if (!listing) {
        if (!why.isEmpty()) platform::dialogs().error(why);
        return;
    }
    model->reset(listing->entries);
    for (const QString& group : listing->groups)
        if (Groups->findText(group, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) addGroup(group);
    if (!model->entries.isEmpty()) Table->setCurrentIndex(model->index(0, 0));
}

void TDatabase::addGroup(const QString& name)
{
    // The list stays sorted.
    int at = 0;
    while (at < Groups->count() && Groups->itemText(at) < name)
        ++at;
    const QSignalBlocker quiet(Groups);
    Groups->insertItem(at, name);
}

void TDatabase::copyGroups()
{
    const QSignalBlocker quiet(cParameter);
    cParameter->clear();
    for (int i = 0; i < Groups->count(); ++i)
        cParameter->addItem(Groups->itemText(i));
    cParameter->setCurrentIndex(Groups->currentIndex());
}

void TDatabase::followSelection()
{
    const HistoryEntry* selected = selectedEntry();
    int found = -1;
    if (selected)
        for (int i = 0; i < Groups->count(); ++i)
            if (Groups->itemText(i).trimmed() == selected->Group.trimmed()) found = i;
    {
        const QSignalBlocker quiet(Groups);
        Groups->setCurrentIndex(found);
    }
    copyGroups();
}

void TDatabase::TableClick() { followSelection(); }

void TDatabase::FilterChange()
{
    eParameter->clear();
    const int kind = Filter->currentIndex();
    cParameter->setVisible(kind == HistoryFilter::Group);
    eParameter->setVisible(kind >= HistoryFilter::SearchGroup);
}

void TDatabase::bNewGroupClick()
{
    const platform::Texts& t = platform::texts();
    QString name;
    if (!platform::dialogs().inputQuery(t.newGroupCaption, t.groupNamePrompt, name)) {
        copyGroups();
        return;
    }
    for (int i = 0; i < Groups->count(); ++i)
        if (Groups->itemText(i).trimmed() == name.trimmed()) {
            platform::dialogs().error(t.groupExists);
            return;
        }
    addGroup(name);
    Groups->setCurrentIndex(Groups->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    copyGroups();
}

void TDatabase::bChangeClick()
{
    const platform::Texts& t = platform::texts();
    const QString group = Groups->currentText();
    if (platform::dialogs().confirm(t.changeGroupTo.arg(group), platform::Buttons::YesNoCancel) ==
        platform::Answer::Yes) {
        if (group.isEmpty()) {
            platform::dialogs().message(t.typeOrSelectGroup);
            return;
        }
        const HistoryEntry* selected = selectedEntry();
        if (!selected) return;
        // The newest entry of the device that has a snapshot, else the selected one.
        HistoryEntry changed = *selected;
        for (const HistoryEntry& entry : model->entries)
            if (entry.sameDevice(selected->DeviceType, selected->Manufacturer, selected->UniqueId) &&
                entry.SnapshotIndex >= 0) {
                changed = entry;
                break;
            }
        if (changed.Group == group) {
            platform::dialogs().error(t.actualGroup);
            return;
        }
        changed.Group = group;
        changed.Activity = t.activityGroupChanged;
        changed.Stamp = HistoryEntry::stampOf(QDateTime::currentDateTime());
        changed.User = host.currentUser();
        changed.ScrambleByte = history::newScrambleByte();
        model->prepend(changed);
        Table->setCurrentIndex(model->index(0, 0));
        if (const platform::Result appended = store().append(changed); !appended)
            platform::dialogs().error(appended.error);
    }
    followSelection();
}

std::optional<config::TConfigRecord> TDatabase::selectedSnapshot()
{
    const platform::Texts& t = platform::texts();
    const HistoryEntry* selected = selectedEntry();
    if (!selected || selected->SnapshotIndex < 0) {
        platform::dialogs().message(t.notRecorded);
        return std::nullopt;
    }
    const history::HistoryStore files = store();
    QString why;
    const auto record = files.snapshotOf(*selected, &why);
    if (!record || record->magic() != QStringLiteral("HART30File")) {
        platform::dialogs().error(t.fileUnreadable.arg(files.dataPath()) + (why.isEmpty() ? QString() : u"\r\n" + why));
        return std::nullopt;
    }
    return record;
}

bool TDatabase::Show()
{
    if (!store().dataFileExists()) {
        platform::dialogs().message(platform::texts().databaseNotFound);
        return false;
    }
    if (!host.leaveConnection()) return false;
    const auto record = selectedSnapshot();
    if (!record) return false;
    host.showSnapshot(*record);
    return true;
}

bool TDatabase::Compare()
{
    const platform::Texts& t = platform::texts();
    if (!host.configurationOnScreen()) {
        platform::dialogs().message(t.nothingToCompare);
        return false;
    }
    if (!store().dataFileExists()) {
        platform::dialogs().message(t.databaseNotFound);
        return false;
    }
    const HistoryEntry* selected = selectedEntry();
    if (!selected || selected->SnapshotIndex < 0) {
        platform::dialogs().message(t.notRecorded);
        return false;
    }
    const history::HistoryStore files = store();
    const auto record = files.snapshot(selected->SnapshotIndex);
    const QByteArray code = record ? record->defLanguage().left(2) : QByteArray();
    if (record && record->magic() == QStringLiteral("HART30File") && code == host.dataLanguage().left(2)) {
        host.compareSnapshot(*record);
        return true;
    }
    if (record && code != host.ddfLanguage().left(2))
        platform::dialogs().error(t.otherDefinitionLanguage.arg(files.dataPath(), QString::fromLatin1(code)));
    else
        platform::dialogs().error(t.fileUnreadable.arg(files.dataPath()));
    return false;
}

void TDatabase::ExportClick()
{
    const platform::Texts& t = platform::texts();
    const QString path = platform::dialogs().saveFileName(t.exportCaption, QString(), t.exportFilter);
    if (path.isEmpty()) return;
    if (const platform::Result written = platform::writeFileAtomically(path, history::toCsv(model->entries)); !written)
        platform::dialogs().error(t.fileNotWritten.arg(path) + QStringLiteral("\r\n") + written.error);
}

void TDatabase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (columnsScaled) return;
    // The design widths are for a list 553 pixels wide: they grow with the list as it is shown.
    const double factor = std::max(1.0, Table->viewport()->width() / 553.0);
    for (int column = 0; column < history::VisibleColumns; ++column)
        Table->setColumnWidth(column, int(std::lround(history::ColumnWidths[column] * factor)));
    columnsScaled = true;
}

void TDatabase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        host.help();
        return;
    }
    QDialog::keyPressEvent(event);
}
