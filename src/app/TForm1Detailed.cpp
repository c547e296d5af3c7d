// The main window's side of the device definition files: finding the file of the device on
// screen, loading it into the detailed setup window and tuning the main screen from it, and the
// command templates of the sequencer.
#include "app/BareWindows.h"
#include "app/TCekej.h"
#include "app/TForm1.h"
#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "config/Language.h"
#include "detailed/DefinitionModel.h"
#include "detailed/TDetailedSetup.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

QString TForm1::deviceDefinitionFile() const
{
    const QString path = config::deviceDefinitionPath(platform::programFolder(), form.Vyrobce->text(), form.Typ->text(),
                                                      form.Verze->text(), config::language().DeviceDdfSuffix);
    return !path.isEmpty() && platform::fileExists(path) ? path : QString();
}

QString TForm1::templateFile() const
{
    const QString device = deviceDefinitionFile();
    return device.isEmpty() ? tableFile() : device;
}

void TForm1::CheckDeviceDdf()
{
    const bool exists = !deviceDefinitionFile().isEmpty();
    if (exists) rebuildDetailedItems();
    showDetailedSetup(exists);
}

void TForm1::rebuildDetailedItems()
{
    const QString file = deviceDefinitionFile();
    if (file.isEmpty() || !DetailedSetup) return;
    const detailed::DefinitionModel model = detailed::loadDefinition(file, DetailedSetup->scaleFactor());
    applyDefinition(model);
    DetailedSetup->SetVariableItems(model);
}

void TForm1::applyDefinition(const detailed::DefinitionModel& model)
{
    LowerOutputLabel = model.lowerOutputLabel;
    UpperOutputLabel = model.upperOutputLabel;
    LowerOutputDefault = model.lowerOutputDefault;
    UpperOutputDefault = model.upperOutputDefault;
    FixOffValue = model.fixOffValue;
    SelfTestMask1 = model.selfTestMasks[0];
    SelfTestMask2 = model.selfTestMasks[1];
    SelfTestMask3 = model.selfTestMasks[2];

    // Only what the device's write list can write stays editable.
    for (QLineEdit* edit : {form.Zprava, form.Oznaceni, form.Popis, form.Datum, form.Tlumeni, form.Pocatek, form.Konec})
        edit->setReadOnly(true);
    form.Funkce->setVisible(false);
    form.Label20->setVisible(false);
    DetailedSetup->ReadStepCount = model.readStepCount;
    DetailedSetup->WriteStepCount = model.writeStepCount;
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

    const QString table = tableFile();
    auto narrow = [&](QComboBox* list, const std::optional<QList<int>>& codes, const QString& section) {
        if (!codes) return;
        const QString shown = list->currentText();
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(config::codeTableNames(table, section, *codes));
        const int index = list->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) list->setCurrentIndex(index);
    };
    narrow(form.Jednotky, model.units, QStringLiteral("Units"));
    narrow(form.Funkce, model.transferFunctions, QStringLiteral("TransferFunction"));
}

quint8 TForm1::GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand)
{
    return detailed::GetRWCommand(templateFile(), base, state, section, data, realCommand, *DetailedSetup);
}

void TForm1::EvalReadCommand(int base, int state, const QStringList& lines)
{
    detailed::EvalReadCommand(templateFile(), base, state, lines, *DetailedSetup);
}

int TForm1::ReadStepCount() { return DetailedSetup ? DetailedSetup->ReadStepCount : readStepCount; }

int TForm1::WriteStepCount() { return DetailedSetup ? DetailedSetup->WriteStepCount : writeStepCount; }

QString TForm1::MethodSection() { return DetailedSetup ? DetailedSetup->MethodSection : QString(); }

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
    while (true) {
        const bool confirmed = platform::dialogs().showModal(*DetailedSetup) == QDialog::Accepted;
        if (!confirmed) {
            if (!DetailedSetup->changedSinceOpen()) return;
            if (platform::dialogs().confirm(platform::texts().cancelChanges, platform::Buttons::YesNo) !=
                platform::Answer::Yes)
                continue;
            config::SetScreen(*this, before);
            DetailedSetup->resetChangeTracking();
            return;
        }
        if (ReadOnlyUser) {
            platform::dialogs().message(platform::texts().noAuthorization);
            return;
        }
        if (!DetailedSetup->ConditionsOk(deviceDefinitionFile())) {
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

void TForm1::DoNowClick(const QString& buttonName)
{
    if (ReadOnlyUser) {
        platform::dialogs().message(platform::texts().noAuthorization);
        return;
    }
    DetailedSetup->MethodSection = buttonName + QStringLiteral("METHOD");
    const QString name = detailed::methodName(deviceDefinitionFile(), DetailedSetup->MethodSection);
    if (platform::dialogs().confirm(platform::texts().performOperation, platform::Buttons::YesNoCancel) !=
        platform::Answer::Yes)
        return;
    form.Error->clear();
    sequencer.CommError = false;
    sequencer.ReplyTaken = true;
    form.ProgramStatus->setText(platform::texts().executingCommand);
    sequencer.waitForStepEnd();
    sequencer.Timer1.setEnabled(false);
    sequencer.SequencerState = 600;
    sequencer.Timer1.setEnabled(true);
    sequencer.waitForOnline();
    if (form.Error->count() > 0)
        platform::dialogs().warning(platform::texts().operationFailed);
    else
        platform::dialogs().information(platform::texts().operationDone);
    recordHistory(name, true);
    sequencer.TimeoutTimer.setEnabled(true);
}
