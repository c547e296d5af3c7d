// The main window's side of the detailed setup: opening the window on the configuration shown,
// confirming or putting back what was changed in it, and the method buttons.
#include "app/TForm1.h"
#include "detailed/TDetailedSetup.h"
#include "operations/MethodProcedure.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Texts.h"

#include <QPushButton>
#include <QTabWidget>

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
    config::captureRecord(session.state, before);
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
            const config::ChangeFlags kept = session.state.changes;
            // In the language the items were laid out in: a file or snapshot of another language has its own.
            session.showRecord(before, session.itemsLanguage);
            session.state.changes = kept;
            DetailedSetup->resetChangeTracking();
            return;
        }
        if (ReadOnlyUser) {
            platform::dialogs().message(platform::texts().noAuthorization);
            return;
        }
        if (!DetailedSetup->ConditionsOk(session.definitionFile(session.itemsLanguage))) {
            platform::dialogs().error(platform::texts().wrongConfiguration);
            continue;
        }
        session.state.changes.DetailedChanged = true;
        if (platform::dialogs().confirm(platform::texts().writeNow, platform::Buttons::YesNoCancel) ==
            platform::Answer::Yes)
            writing.ZapisPrevClick();
        else
            form.ZapisPrev->setEnabled(true);
        return;
    }
}

void TForm1::DoNowClick(const QString& buttonName) { operations::runMethod(*this, session.templates, buttonName); }

operations::OutputTexts TForm1::outputTexts() const
{
    // From the device definition, or the defaults without one.
    const detailed::DefinitionModel& model = session.definition();
    if (!model.found) return operations::defaultOutputTexts();
    return {model.lowerOutputLabel, model.upperOutputLabel, model.lowerOutputDefault, model.upperOutputDefault,
            model.fixOffValue};
}
