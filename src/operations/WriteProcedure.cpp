#include "operations/WriteProcedure.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace operations {

using config::Control;
using driverlink::Ending;
using driverlink::Procedure;

namespace {
bool yes(const QString& question)
{
    return platform::dialogs().confirm(question, platform::Buttons::YesNoCancel) == platform::Answer::Yes;
}
} // namespace

void WriteProcedure::ZapisPrevClick()
{
    if (!commandAllowed(host, Command::WriteInDevice)) return;
    driverlink::Sequencer& s = host.commandSequencer();
    config::MainScreen& screen = host.screen();
    if (host.screenFromFile()) {
        if (!yes(platform::texts().writeDataFromFile)) return;
        screen.clearErrors();
        host.changeFlags().setAll();
    }
    if (!host.changeFlags().AreChanges() && !yes(platform::texts().noChangesWriteAnyway)) return;
    if (!yes(platform::texts().writeChangesToDevice)) return;

    screen.clearErrors();
    host.markHistoryForReload();
    const QString tag = screen.text(Control::Oznaceni);
    const QString uniqueId = screen.text(Control::UI);
    const QString manufacturer = screen.text(Control::Vyrobce);
    const QString type = screen.text(Control::Typ);

    // Make sure the device on the loop is still the one on screen.
    screen.setText(Control::ProgramStatus, platform::texts().executingCommand);
    if (!s.exchangeRunning()) host.enableStop(); // the write starts the connection again
    const int identitiesBefore = s.identitiesTaken();
    if (s.run(Procedure::Reidentify) != Ending::Online) {
        if (s.commError()) platform::dialogs().error(platform::texts().noDeviceConnected);
        return;
    }
    if (s.identitiesTaken() == identitiesBefore) {
        // The answer could not be read as an identity: the screen still shows the old device, and
        // comparing with it would write into whatever device is on the loop now.
        platform::dialogs().error(platform::texts().noDeviceConnected);
        return;
    }
    if (screen.text(Control::Vyrobce) != manufacturer || screen.text(Control::Typ) != type) {
        platform::dialogs().error(platform::texts().notCompatibleDevice);
        s.begin(Procedure::Read); // read the device now connected; the edits on screen are lost
        return;
    }
    if (screen.text(Control::UI) != uniqueId) {
        if (!yes(platform::texts().cloneConfiguration)) return;
        host.changeFlags().setAll();
    }

    screen.setText(Control::ProgramStatus, platform::texts().writingConfiguration);
    screen.clearErrors();
    screen.showErrorList();
    host.ItemsEnabled(false, false);
    const Ending ending = s.run(Procedure::Write);
    if (ending != Ending::Online && !s.writeListDone()) {
        // Stopped, refused or cut off: the device may hold part of the changes, and the change flags
        // stay set so that the user can write again.
        if (ending != Ending::Closing) platform::dialogs().warning(platform::texts().writeInterrupted);
        return;
    }
    // Written. When the read-back was stopped the screen no longer shows what the device holds, and
    // after the wait dialog's Stop it shows nothing at all: the entry names the device written to.
    const int errors = ending == Ending::Online ? screen.errorCount() : s.writeErrorCount();
    if (ending == Ending::Online)
        host.WriteDbIndex(platform::texts().activityModified, true);
    else
        host.recordFor({tag, type, manufacturer, uniqueId}, platform::texts().activityModified);
    if (errors > 0)
        platform::dialogs().warning(platform::texts().writtenWithErrors);
    else
        platform::dialogs().information(platform::texts().writtenIntoDevice);
    if (ending == Ending::Online) s.proceed(true);
}

void WriteProcedure::NavratHodnotm1Click()
{
    if (!commandAllowed(host, Command::BackToInitialValues)) return;
    if (yes(platform::texts().returnToOriginalValues)) {
        host.showInitialConfig();
        config::ChangeFlags& c = host.changeFlags();
        c.MessageChanged = c.TagChanged = c.DampingChanged = c.RangeChanged = c.UnitsChanged = c.DetailedChanged = true;
        host.enableWriteButton();
        if (yes(platform::texts().valuesRefreshedNotWritten)) ZapisPrevClick();
    }
    host.WriteDbIndex(platform::texts().activityReturned, true);
}

} // namespace operations
