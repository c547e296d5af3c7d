// The main window's side of the device definition files: finding the file of the device on
// screen, loading it into the detailed setup window and tuning the main screen from it, and the
// command templates of the sequencer.
#include "app/TCekej.h"
#include "app/TForm1.h"
#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "config/Language.h"
#include "detailed/DefinitionModel.h"
#include "detailed/TDetailedSetup.h"
#include "operations/MethodProcedure.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

QString TForm1::deviceDefinitionFile(const config::LanguageState& shown, QString* problem) const
{
    const QString file = config::deviceDefinitionFile(windowScreen, shown);
    if (file.isEmpty()) return {};
    if (const auto why = detailed::definitionFileProblem(file)) {
        if (problem) *problem = *why;
        return {};
    }
    return file;
}

void TForm1::CheckDeviceDdf(const config::LanguageState& shown)
{
    QString problem;
    const bool usable = !deviceDefinitionFile(shown, &problem).isEmpty();
    if (!problem.isEmpty()) {
        // Said in the main window, whose read goes on without it: the file's name, why, and its faults.
        const QString name = config::deviceDefinitionFile(windowScreen, shown);
        windowScreen.addError(platform::texts().definitionUnusable.arg(QFileInfo(name).fileName(), problem));
        const QString faults = detailed::loadDefinition(name, 1.0).errors;
        for (const QString& line : faults.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            windowScreen.addError(line);
    } else if (!usable && !shown.DeviceDdfSuffix.isEmpty()) {
        // A device known in another language only: the user would otherwise never learn why its page is missing.
        if (const QStringList others = config::deviceDefinitionLanguages(windowScreen); !others.isEmpty()) {
            const QString wanted =
                form.Vyrobce->text() + u'-' + form.Typ->text() + u'-' + form.Verze->text() + shown.DeviceDdfSuffix;
            windowScreen.addError(
                platform::texts().definitionInOtherLanguages.arg(wanted, others.join(QStringLiteral(", "))));
        }
    }
    showDetailedSetup(usable);
}

void TForm1::rebuildDetailedItems(const config::LanguageState& shown)
{
    const QString file = deviceDefinitionFile(shown);
    if (file.isEmpty() || !DetailedSetup) return;
    const detailed::DefinitionModel model = detailed::loadDefinition(file, DetailedSetup->scaleFactor());
    applyDefinition(model);
    DetailedSetup->SetVariableItems(model);
    itemsLanguage = shown;
}

void TForm1::applyDefinition(const detailed::DefinitionModel& model)
{
    deviceScreen.selfTestMasks = model.selfTestMasks;
    outputs = {model.lowerOutputLabel, model.upperOutputLabel, model.lowerOutputDefault, model.upperOutputDefault,
               model.fixOffValue};

    // Only what the device's write list can write stays editable.
    for (QLineEdit* edit : {form.Zprava, form.Oznaceni, form.Popis, form.Datum, form.Tlumeni, form.Pocatek, form.Konec})
        edit->setReadOnly(true);
    form.Funkce->setVisible(false);
    form.Label20->setVisible(false);
    if (Cekej) Cekej->gauge()->setMaximum(model.readStepCount);
    const QHash<int, QList<QLineEdit*>> unlocked{{17, {form.Zprava}},
                                                 {18, {form.Oznaceni, form.Datum, form.Popis}},
                                                 {34, {form.Tlumeni}},
                                                 {35, {form.Pocatek, form.Konec}}};
    for (int command : model.writeCommands) {
        for (QLineEdit* edit : unlocked.value(command))
            edit->setReadOnly(false);
        if (command == 47) {
            form.Funkce->setVisible(true);
            form.Label20->setVisible(true);
        }
    }

    const QString table = config::tableFilePath(language);
    auto narrow = [&](QComboBox* list, const std::optional<QList<int>>& codes, const QString& section) {
        if (!codes) return;
        const QString shown = list->currentText();
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(config::codeTableNames(table, section, *codes));
        list->setCurrentIndex(list->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    narrow(form.Jednotky, model.units, QStringLiteral("Units"));
    narrow(form.Funkce, model.transferFunctions, QStringLiteral("TransferFunction"));
}

QString TForm1::detailText(const QString& item) const
{
    return DetailedSetup ? DetailedSetup->detailText(item) : QString();
}

void TForm1::setDetailText(const QString& item, const QString& text)
{
    if (DetailedSetup) DetailedSetup->setDetailText(item, text);
}

void TForm1::highlightDetail(const QString& item, bool differs)
{
    if (DetailedSetup) DetailedSetup->setItemColour(item, differs);
}

void TForm1::SetupPanelsChange()
{
    // The Detailed Setup page is never shown itself: choosing it opens the window.
    if (form.SetupPanels->currentWidget() != form.pDetailedSetup) return;
    DetailedSetupMenuClick();
    form.SetupPanels->setCurrentWidget(form.BasicSetup);
}

void TForm1::DetailedSetupMenuClick()
{
    platform::processMessages();
    config::TConfigRecord before;
    config::FromScreen(*this, before);
    DetailedSetup->resetChangeTracking();
    const quint64 clearingsBefore = clearings;
    while (true) {
        const bool confirmed = platform::dialogs().showModal(*DetailedSetup) == QDialog::Accepted;
        if (clearings != clearingsBefore) {
            // The connection was stopped under the window and the screen emptied: the edits went with
            // it, and putting the copy back would show a device the user has just cancelled.
            DetailedSetup->resetChangeTracking();
            return;
        }
        if (!confirmed) {
            if (!DetailedSetup->changedSinceOpen()) return;
            if (platform::dialogs().confirm(platform::texts().cancelChanges, platform::Buttons::YesNo) !=
                platform::Answer::Yes)
                continue;
            // Putting the copy back is no edit of the user's: the change flags stay as they were.
            const config::ChangeFlags kept = changes;
            config::SetScreen(*this, before, language);
            changes = kept;
            DetailedSetup->resetChangeTracking();
            return;
        }
        if (ReadOnlyUser) {
            platform::dialogs().message(platform::texts().noAuthorization);
            return;
        }
        if (!DetailedSetup->ConditionsOk(deviceDefinitionFile(language))) {
            platform::dialogs().error(platform::texts().wrongConfiguration);
            continue;
        }
        changes.DetailedChanged = true;
        if (platform::dialogs().confirm(platform::texts().writeNow, platform::Buttons::YesNoCancel) ==
            platform::Answer::Yes)
            writing.ZapisPrevClick();
        else
            form.ZapisPrev->setEnabled(true);
        return;
    }
}

void TForm1::DoNowClick(const QString& buttonName) { operations::runMethod(*this, templates, buttonName); }
