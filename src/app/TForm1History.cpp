// The main window's side of the history: recording the activities of the device on screen, and what
// the history window asks of the main window to show and compare snapshots.
#include "app/TForm1.h"
#include "history/HistoryStore.h"
#include "history/TDatabase.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"
#include "print/TTiskEdit.h"
#include "settings/TOptions.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

class TForm1::HistoryLink : public history::HistoryHost {
public:
    explicit HistoryLink(TForm1& window) : window(window) {}

    QString historyFolder() const override { return window.historyFolder(); }
    QString currentUser() const override { return window.TiskEdit ? window.TiskEdit->configuredBy() : QString(); }
    bool leaveConnection() override { return window.leaveConnection(); }
    void showSnapshot(const config::TConfigRecord& record) override { window.showStoredConfiguration(record); }
    bool configurationOnScreen() const override { return window.form.ZapisPrev->isEnabled(); }
    QByteArray dataLanguage() const override { return window.language.DataLanguage; }
    QByteArray ddfLanguage() const override { return window.language.DdfLanguage; }
    void compareSnapshot(const config::TConfigRecord& record) override
    {
        window.HourGlasCur(true);
        config::CompareScreen(window, record);
        window.form.SetupPanels->setCurrentWidget(window.form.InstrumentBox);
        window.HourGlasCur(false);
    }
    void help() override { window.Obsah1Click(); }

private:
    TForm1& window;
};

history::HistoryHost& TForm1::historyLink()
{
    if (!historyHost) historyHost = std::make_unique<HistoryLink>(*this);
    return *historyHost;
}

QString TForm1::historyFolder() const
{
    if (!Options) return {};
    const QString location = Options->databaseLocation().trimmed();
    return location.isEmpty() ? Options->sharedFolder() : location;
}

void TForm1::WriteDbIndex(const QString& activity, bool withSnapshot)
{
    record({form.Oznaceni->text(), form.Typ->text(), form.Vyrobce->text(), form.UI->text()}, activity, withSnapshot);
}

void TForm1::recordFor(const RecordedDevice& device, const QString& activity) { record(device, activity, false); }

void TForm1::record(const RecordedDevice& device, const QString& activity, bool withSnapshot)
{
    if (!Options || !Options->databaseLog()) return;
    history::HistoryEntry entry;
    entry.Tag = device.tag;
    entry.DeviceType = device.type;
    entry.Manufacturer = device.manufacturer;
    entry.UniqueId = device.uniqueId;
    entry.DefLanguage = language.DdfLanguage.left(3);
    entry.User = TiskEdit ? TiskEdit->configuredBy() : QString();
    entry.Activity = activity;
    entry.ErrorText = form.Error->count() > 0 ? form.Error->item(0)->text() : QString();
    entry.Stamp = history::HistoryEntry::stampOf(QDateTime::currentDateTime());
    entry.ScrambleByte = history::newScrambleByte();

    std::optional<config::TConfigRecord> snapshot;
    if (withSnapshot) {
        snapshot.emplace();
        config::FromScreen(*this, *snapshot);
        snapshot->setMagic(QStringLiteral("HART30File"));
        // The marker says whether the configuration was shown with a device definition file.
        const bool definitionShown = form.SetupPanels->isTabVisible(form.SetupPanels->indexOf(form.pDetailedSetup));
        if (language.DdfLanguage.size() >= 2)
            language.DdfLanguage = language.DdfLanguage.left(2) + (definitionShown ? ' ' : '\xff');
        else
            language.DdfLanguage = language.DdfLanguage + '\xff';
        snapshot->setDefLanguage(language.DdfLanguage.left(3));
    }
    const platform::Texts& texts = platform::texts();
    history::HistoryStore store(historyFolder(), texts.historyIndexFile, texts.historyDataFile);
    if (const platform::Result recorded = store.record(entry, snapshot, texts.newGroup); !recorded)
        platform::dialogs().error(recorded.error);
}
