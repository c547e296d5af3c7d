#include "history/TDatabase.h"

#include "platform/CsvText.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/Environment.h"
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
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace history {

namespace {
constexpr int ColumnCount = 11;
constexpr int VisibleColumns = 9;
constexpr int SnapshotColumn = 9;
// Design widths of the visible columns and the row height, for a font 13 pixels high.
constexpr int ColumnWidths[VisibleColumns] = {115, 133, 142, 88, 82, 104, 67, 146, 189};
constexpr int DesignRowHeight = 16;
constexpr double DesignTextHeight = 13;

QStringList headings()
{
    const platform::Texts& t = platform::texts();
    return {t.headingDate,         t.headingUser, t.headingActivity, t.headingType,
            t.headingManufacturer, t.headingTag,  t.headingId,       t.headingGroup,
            t.headingError,        QString(),     QString()};
}

// The locale's long time without the time zone: a stamp is local time and records no zone.
QString longTimeFormat(const QLocale& locale)
{
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u't') format += c;
    }
    return format.trimmed();
}
} // namespace

QStringList rowTexts(const HistoryEntry& entry)
{
    const QLocale locale;
    const QDateTime when = entry.dateTime();
    return {locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
                locale.toString(when.time(), longTimeFormat(locale)),
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
    // The time in ISO 8601 reads the same in every locale.
    QString text = platform::csvLine(headings().mid(0, VisibleColumns));
    for (const HistoryEntry& entry : entries) {
        QStringList fields = rowTexts(entry).mid(0, VisibleColumns);
        fields[0] = entry.dateTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
        text += platform::csvLine(fields);
    }
    return platform::csvDocument(text);
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
    // The design sizes grow with the font, as the window's text does; never with the window. A heading
    // and the time are shown whole whatever the font's proportions.
    const double factor = std::max(1.0, Table->fontMetrics().height() / history::DesignTextHeight);
    Table->verticalHeader()->setDefaultSectionSize(int(std::lround(history::DesignRowHeight * factor)));
    const int padding = 2 * Table->fontMetrics().averageCharWidth();
    int timeWidth = 0;
    for (int month = 1; month <= 12; ++month) {
        HistoryEntry latest;
        latest.Stamp = HistoryEntry::stampOf(QDateTime(QDate(2000, month, 28), QTime(23, 58, 58)));
        timeWidth = std::max(timeWidth, Table->fontMetrics().horizontalAdvance(history::rowTexts(latest).first()));
    }
    int columnsWidth = 0;
    for (int column = 0; column < history::VisibleColumns; ++column) {
        const int designed = int(std::lround(history::ColumnWidths[column] * factor));
        const int content = column == 0 ? timeWidth + padding : 0;
        Table->setColumnWidth(column,
                              std::max({designed, content, Table->horizontalHeader()->sectionSizeHint(column)}));
        columnsWidth += Table->columnWidth(column);
    }
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
    // Wide enough for every column where the screen allows.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right() + 2 * Table->frameWidth() +
                        Table->verticalScrollBar()->sizeHint().width();
    const QScreen* screen = this->screen();
    const int widest = screen ? screen->availableGeometry().width() : columnsWidth + margins;
    resize(std::min(columnsWidth + margins, widest), 560);
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
    const history::HistoryStore files = store();
    QString why;
    const auto listing = files.list(filter, 999, &why);
    if (!listing) {
        // A missing index file is only a history not yet begun; a missing folder is a wrong location.
        const QString folder = host.historyFolder();
        if (!why.isEmpty())
            platform::dialogs().error(platform::folderExists(folder)
                                          ? platform::texts().fileUnreadable.arg(files.indexPath()) + u"\r\n" + why
                                          : platform::texts().historyFolderUnreadable.arg(folder, why));
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
    // The list holds names as the entries will keep them, so that a name picked later is the one stored.
    if (!platform::fitsCp1250(name)) {
        platform::dialogs().error(t.groupCharacters);
        return;
    }
    name = history::cutToRoom(name, history::GroupField);
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
        // Listed once it is recorded: a row the file does not hold would vanish at the next Apply!.
        if (const platform::Result appended = store().append(changed); !appended) {
            platform::dialogs().error(appended.error);
        } else {
            model->prepend(changed);
            Table->setCurrentIndex(model->index(0, 0));
        }
    }
    followSelection();
}

std::optional<TDatabase::SnapshotRead> TDatabase::readSelectedSnapshot()
{
    const platform::Texts& t = platform::texts();
    const history::HistoryStore files = store();
    if (!files.dataFileExists()) {
        platform::dialogs().message(t.databaseNotFound);
        return std::nullopt;
    }
    const HistoryEntry* selected = selectedEntry();
    if (!selected || selected->SnapshotIndex < 0) {
        platform::dialogs().message(t.notRecorded);
        return std::nullopt;
    }
    QString why;
    SnapshotRead read{files.snapshotOf(*selected, &why), files.dataPath(), {}};
    read.unreadable = t.fileUnreadable.arg(read.path) + (why.isEmpty() ? QString() : u"\r\n" + why);
    return read;
}

bool TDatabase::Show()
{
    // The connection is left only for a snapshot that can be shown.
    const auto read = readSelectedSnapshot();
    if (!read) return false;
    if (!read->record || read->record->magic() != QStringLiteral("HART30File")) {
        platform::dialogs().error(read->unreadable);
        return false;
    }
    if (!host.leaveConnection()) return false;
    host.showSnapshot(*read->record);
    return true;
}

bool TDatabase::Compare()
{
    const platform::Texts& t = platform::texts();
    if (!host.configurationOnScreen()) {
        platform::dialogs().message(t.nothingToCompare);
        return false;
    }
    const auto read = readSelectedSnapshot();
    if (!read) return false;
    const std::optional<config::TConfigRecord>& record = read->record;
    const QByteArray code = record ? record->defLanguage().left(2) : QByteArray();
    if (record && record->magic() == QStringLiteral("HART30File") && code == host.dataLanguage().left(2)) {
        host.compareSnapshot(*record);
        return true;
    }
    if (record && code != host.ddfLanguage().left(2))
        platform::dialogs().error(t.otherDefinitionLanguage.arg(read->path, QString::fromLatin1(code)));
    else
        platform::dialogs().error(read->unreadable);
    return false;
}

void TDatabase::ExportClick()
{
    const platform::Texts& t = platform::texts();
    const QString path = platform::dialogs().saveFileName(t.exportCaption, QString(), t.exportFilter);
    if (path.isEmpty()) return;
    if (const platform::Result written = platform::writeFileOrExplain(path, history::toCsv(model->entries)); !written)
        platform::dialogs().error(written.error);
}

void TDatabase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        host.help();
        return;
    }
    QDialog::keyPressEvent(event);
}
