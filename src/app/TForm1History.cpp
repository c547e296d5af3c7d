// The main window's side of the history: recording the activities of the device on screen, and what
// the history window asks of the main window to show and compare snapshots.
#include "app/TForm1.h"
#include "detailed/TDetailedSetup.h"
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
    QByteArray dataLanguage() const override { return window.session.language.DataLanguage; }
    QByteArray ddfLanguage() const override { return window.session.language.DdfLanguage; }
    void compareSnapshot(const config::TConfigRecord& record) override
    {
        window.HourGlasCur(true);
        window.showComparison(record);
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

void TForm1::showComparison(const config::TConfigRecord& record)
{
    const config::Comparison comparison = config::compareWithRecord(session.state, record);
    for (const auto& [control, differs] : comparison.values)
        windowScreen.highlight(control, differs);
    // Another device's snapshot leaves the detailed items as they are.
    if (DetailedSetup)
        for (const auto& [item, differs] : comparison.items)
            DetailedSetup->setItemColour(item, differs);
}

void TForm1::WriteDbIndex(const QString& activity, bool withSnapshot)
{
    using config::Control;
    const config::DeviceState& device = session.state;
    record({device.text(Control::Oznaceni), device.text(Control::Typ), device.text(Control::Vyrobce),
            device.text(Control::UI)},
           activity, withSnapshot);
}

void TForm1::recordFor(const RecordedDevice& device, const QString& activity) { record(device, activity, false); }

void TForm1::loopScanEnded(driverlink::Ending ending)
{
    // One entry for the loop, which is no device: only a scan that ran to its end says what is there.
    if (ending != driverlink::Ending::Online) return;
    record({}, platform::texts().activityLoopScanned.arg(session.loop.devices().size()), false, QString());
}

void TForm1::record(const RecordedDevice& device, const QString& activity, bool withSnapshot,
                    const std::optional<QString>& errorText)
{
    if (!Options || !Options->databaseLog()) return;
    history::HistoryEntry entry;
    entry.Tag = device.tag;
    entry.DeviceType = device.type;
    entry.Manufacturer = device.manufacturer;
    entry.UniqueId = device.uniqueId;
    config::LanguageState& language = session.language;
    entry.DefLanguage = language.DdfLanguage.left(3);
    entry.User = TiskEdit ? TiskEdit->configuredBy() : QString();
    entry.Activity = activity;
    entry.ErrorText = errorText.value_or(session.state.errors().value(0));
    entry.Stamp = history::HistoryEntry::stampOf(QDateTime::currentDateTime());
    entry.ScrambleByte = history::newScrambleByte();

    std::optional<config::TConfigRecord> snapshot;
    if (withSnapshot) {
        snapshot.emplace();
        config::captureRecord(session.state, *snapshot);
        snapshot->setMagic(QStringLiteral("HART30File"));
        language.DdfLanguage = withDefinitionMarker(language.DdfLanguage);
        snapshot->setDefLanguage(language.DdfLanguage.left(3));
    }
    const platform::Texts& texts = platform::texts();
    history::HistoryStore store(historyFolder(), texts.historyIndexFile, texts.historyDataFile);
    if (const platform::Result recorded = store.record(entry, snapshot, texts.newGroup); !recorded)
        platform::dialogs().error(recorded.error);
}
