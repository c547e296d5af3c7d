#include "config/WriteProcedure.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace config {

using driverlink::Control;
using driverlink::Sequencer;

namespace {
bool yes(const QString& question)
{
    return platform::dialogs().confirm(question, platform::Buttons::YesNoCancel) == platform::Answer::Yes;
}
} // namespace

bool WriteProcedure::allowed()
{
    if (!host.linkOpen()) {
        platform::dialogs().message(platform::texts().driverNotFound);
        return false;
    }
    if (host.readOnlyUser()) {
        platform::dialogs().message(platform::texts().noAuthorization);
        return false;
    }
    return true;
}

void WriteProcedure::startAt(quint16 state)
{
    Sequencer& s = host.commandSequencer();
    s.ExchangeRunning = true;
    s.Timer1.setEnabled(false);
    s.SequencerState = state;
    s.Timer1.setEnabled(true);
}

void WriteProcedure::ZapisPrevClick()
{
    if (!allowed()) return;
    Sequencer& s = host.commandSequencer();
    driverlink::MainScreen& screen = host.screen();
    if (host.screenFromFile()) {
        if (!yes(platform::texts().writeDataFromFile)) return;
        host.clearErrors();
        s.CommError = false;
        host.changeFlags().setAll();
    }
    if (!host.changeFlags().AreChanges() && !yes(platform::texts().noChangesWriteAnyway)) return;
    if (!yes(platform::texts().writeChangesToDevice)) return;

    host.clearErrors();
    s.CommError = false;
    host.markHistoryForReload();
    const QString uniqueId = screen.text(Control::UI);
    const QString manufacturer = screen.text(Control::Vyrobce);
    const QString type = screen.text(Control::Typ);

    // Make sure the device on the loop is still the one on screen.
    if (s.ExchangeRunning) s.waitForStepEnd();
    s.ReplyTaken = true;
    s.CommError = false;
    screen.setText(Control::ProgramStatus, platform::texts().executingCommand);
    startAt(250);
    if (!s.waitForOnline()) {
        s.ExchangeRunning = false;
        if (s.CommError) platform::dialogs().error(platform::texts().noDeviceConnected);
        return;
    }
    if (screen.text(Control::Vyrobce) != manufacturer || screen.text(Control::Typ) != type) {
        s.ExchangeRunning = false;
        platform::dialogs().error(platform::texts().notCompatibleDevice);
        s.ReplyTaken = true;
        s.CommError = false;
        startAt(200); // read the device now connected; the edits on screen are lost
        return;
    }
    if (screen.text(Control::UI) != uniqueId) {
        if (!yes(platform::texts().cloneConfiguration)) return;
        host.changeFlags().setAll();
    }

    screen.setText(Control::ProgramStatus, platform::texts().writingConfiguration);
    host.clearErrors();
    screen.showErrorList();
    host.ItemsEnabled(false, false);
    s.ReplyTaken = true;
    s.CommError = false;
    s.waitForStepEnd();
    startAt(300);
    const bool completed = s.waitForOnline();
    if (completed) host.recordHistory(platform::texts().activityModified, true);
    if (screen.errorCount() > 0)
        platform::dialogs().warning(platform::texts().writtenWithErrors);
    else
        platform::dialogs().information(platform::texts().writtenIntoDevice);
    if (!completed) return; // the connection was stopped: nothing is to be restarted
    s.Timer1.setEnabled(true);
    s.TimeoutTimer.setEnabled(true);
}

void WriteProcedure::NavratHodnotm1Click()
{
    if (!allowed()) return;
    if (yes(platform::texts().returnToOriginalValues)) {
        host.showInitialConfig();
        ChangeFlags& c = host.changeFlags();
        c.MessageChanged = c.TagChanged = c.DampingChanged = c.RangeChanged = c.UnitsChanged = c.DetailedChanged = true;
        host.enableWriteButton();
        if (yes(platform::texts().valuesRefreshedNotWritten)) ZapisPrevClick();
    }
    host.recordHistory(platform::texts().activityReturned, true);
}

} // namespace config
