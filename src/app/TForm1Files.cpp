// The main window's configuration files: Save stores the configuration on screen, Open shows a
// stored one off-line, ready to be printed, saved again or written into a device.
#include "app/TForm1.h"
#include "config/ConfigurationFile.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "settings/Folders.h"
#include "settings/RecentFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using config::FileKind;

void TForm1::UlozClick()
{
    config::TConfigRecord record;
    config::captureRecord(session.state, record);
    record.setMagic(QStringLiteral("HART30File"));
    // The language of the texts on screen: an opened file of another language keeps its own, or its
    // unit and transfer function names would be read back in a language they do not belong to.
    const config::LanguageState& language = session.language;
    const bool ownLanguage =
        language.DataLanguage.isEmpty() || language.DataLanguage.left(2) == language.DdfLanguage.left(2);
    record.setDefLanguage(withDefinitionMarker(ownLanguage ? language.DdfLanguage : language.DataLanguage).left(3));
    const platform::Texts& texts = platform::texts();
    const QString path = platform::dialogs().saveFileName(texts.saveCaption, QString(), texts.saveFilter);
    if (path.isEmpty()) return;
    const platform::Result written = platform::writeFileOrExplain(path, record.toBytes());
    if (!written) {
        platform::dialogs().error(written.error);
        return;
    }
    fileShown(path);
}

void TForm1::fileShown(const QString& path)
{
    setWindowTitle(platform::texts().programCaptionWithFile.arg(QFileInfo(path).fileName()));
    changeRecentFiles([&path](platform::Profile& file) { return settings::rememberRecentFile(file, path); });
}

void TForm1::changeRecentFiles(const std::function<platform::Result(platform::Profile&)>& change)
{
    QString why;
    try {
        platform::Profile file(settings::settingsFile());
        if (const platform::Result changed = change(file); !changed) why = changed.error;
    } catch (const std::exception& error) {
        why = QString::fromStdString(error.what());
    }
    // Said on the status line: the file itself was opened or saved, and that is what the user asked for.
    if (!why.isEmpty()) session.setProgramStatus(platform::texts().recentFilesNotSaved.arg(why));
    showRecentFiles();
}

void TForm1::showRecentFiles()
{
    qDeleteAll(recentFileActions);
    recentFileActions.clear();
    QStringList files;
    try {
        files = settings::recentFiles(platform::Profile(settings::settingsFile()));
    } catch (const std::exception&) {
        // No working folder: no list (the settings start-up says why).
    }
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()), form.File1);
        action->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        connect(action, &QAction::triggered, this, [this, path = files[i]] {
            if (!QFileInfo::exists(path)) {
                platform::dialogs().error(platform::texts().fileUnreadable.arg(path));
                changeRecentFiles([&path](platform::Profile& file) { return settings::forgetRecentFile(file, path); });
                return;
            }
            if (leaveConnection()) openConfigurationFile(path);
        });
        form.File1->insertAction(form.Konec1, action);
        recentFileActions.append(action);
    }
    if (files.isEmpty()) return;
    recentFileActions.append(form.File1->insertSeparator(form.Konec1));
}

bool TForm1::leaveConnection()
{
    driverlink::Sequencer& sequencer = session.sequencer;
    sequencer.pause();
    if (session.state.changes.AreChanges() && !sequencer.commError() &&
        platform::dialogs().confirm(platform::texts().changesNotSavedInDevice, platform::Buttons::YesNoCancel) !=
            platform::Answer::Yes) {
        if (sequencer.exchangeRunning()) sequencer.proceed(); // the on-line reading goes on
        return false;
    }
    // Write in device! stays as it was until a configuration is shown: one that cannot be read leaves
    // nothing new to write.
    if (sequencer.exchangeRunning()) sequencer.stop(driverlink::StopSender::StopButton, false);
    form.Pripoj->setEnabled(true);
    form.Odpoj->setEnabled(false);
    return true;
}

QByteArray TForm1::withDefinitionMarker(const QByteArray& language) const
{
    // The third byte says whether the configuration was shown with a device definition file: what is on
    // screen decides, never a marker an earlier recording left behind.
    const bool definitionShown = form.SetupPanels->isTabVisible(form.SetupPanels->indexOf(form.pDetailedSetup));
    if (language.size() < 2) return language + '\xff';
    return language.left(2) + (definitionShown ? ' ' : '\xff');
}

void TForm1::showStoredConfiguration(const config::TConfigRecord& record, bool olderKind)
{
    ScreenFromFile = true;
    HourGlasCur(true);
    EnableMenu(false);
    // The lists and definition files of the record's language; the configured ones stay for what follows.
    config::LanguageState& language = session.language;
    config::LanguageState shown = language;
    if (!olderKind) shown.SetLanguageDdf(record.defLanguage());
    ClearAll(shown);
    session.state.clearErrors();
    ItemsEnabled(true, false);
    if (olderKind) {
        for (config::Field field : config::hart2Fields())
            config::showField(session.state, record, field);
    } else {
        session.showRecord(record, shown);
    }
    // An older file names no language: its texts are shown, and saved again, in the configured one.
    language.DataLanguage = olderKind ? language.DdfLanguage : record.defLanguage();
    form.SetupPanels->setCurrentWidget(form.InstrumentBox);
    for (QAction* action : {form.Uloz, form.Tiskni, form.TiskniPreview})
        action->setEnabled(true);
    form.ZapisPrev->setEnabled(true);
    session.state.changes.ClearChanged();
    HourGlasCur(false);
}

void TForm1::OpenFileClick()
{
    const platform::Texts& texts = platform::texts();
    const QString path = platform::dialogs().openFileName(texts.openCaption, QString(), texts.openFilter);
    if (path.isEmpty() || !leaveConnection()) return;
    openConfigurationFile(path);
}

void TForm1::openConfigurationFile(const QString& path)
{
    const platform::Texts& texts = platform::texts();
    QString why;
    const auto bytes = platform::readFileStart(path, config::LargestRecordSize, &why);
    const auto opened = bytes ? config::readConfiguration(*bytes) : std::nullopt;
    if (!opened) {
        platform::dialogs().error(texts.fileUnreadable.arg(path) + (why.isEmpty() ? QString() : u' ' + why));
        return;
    }
    if (opened->kind == FileKind::Hart1) {
        platform::dialogs().error(texts.oldestFile.arg(path));
        return;
    }
    if (opened->kind == FileKind::Hart2) platform::dialogs().warning(texts.oldFileWarning);
    showStoredConfiguration(opened->record, opened->kind == FileKind::Hart2);
    fileShown(path);
}
