#include "operations/WriteProcedure.h"

#include "operations/WriteChecks.h"
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
    config::DeviceState& device = host.deviceState();
    if (host.screenFromFile()) {
        if (!yes(platform::texts().writeDataFromFile)) return;
        device.clearErrors();
        host.deviceState().changes.setAll();
    }
    if (!host.deviceState().changes.AreChanges() && !yes(platform::texts().noChangesWriteAnyway)) return;
    if (refused()) return;
    if (!yes(platform::texts().writeChangesToDevice)) return;

    device.clearErrors();
    host.markHistoryForReload();
    const QString tag = device.text(Control::Oznaceni);
    const QString uniqueId = device.text(Control::UI);
    const QString manufacturer = device.text(Control::Vyrobce);
    const QString type = device.text(Control::Typ);

    // Make sure the device on the loop is still the one on screen.
    host.setProgramStatus(platform::texts().executingCommand);
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
    if (device.text(Control::Vyrobce) != manufacturer || device.text(Control::Typ) != type) {
        platform::dialogs().error(platform::texts().notCompatibleDevice);
        s.begin(Procedure::Read); // read the device now connected; the edits on screen are lost
        return;
    }
    if (device.text(Control::UI) != uniqueId) {
        // Until the user agrees to the clone the screen stays the device it was read from: a later
        // write must ask again, not take the other device for the one on screen.
        const auto keepScreensDevice = [&] { device.setText(Control::UI, uniqueId); };
        if (!yes(platform::texts().cloneConfiguration)) return keepScreensDevice();
        host.deviceState().changes.setAll();
        if (refused()) return keepScreensDevice(); // a clone writes every value: nothing of it has been sent yet
    }

    host.setProgramStatus(platform::texts().writingConfiguration);
    device.clearErrors(); // the list is hidden with the fields until the read-back shows it
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
    const int errors = ending == Ending::Online ? device.errorCount() : s.writeErrorCount();
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

bool WriteProcedure::refused()
{
    driverlink::Sequencer& s = host.commandSequencer();
    const std::optional<QString> why = writeRefusal(host.deviceState(), s.writeListCommands());
    if (why) platform::dialogs().error(*why);
    return why.has_value();
}

void WriteProcedure::NavratHodnotm1Click()
{
    if (!commandAllowed(host, Command::BackToInitialValues)) return;
    if (yes(platform::texts().returnToOriginalValues)) {
        host.showInitialConfig();
        config::ChangeFlags& c = host.deviceState().changes;
        c.MessageChanged = c.TagChanged = c.DampingChanged = c.RangeChanged = c.UnitsChanged = c.DetailedChanged = true;
        c.LongTagChanged = host.deviceState().has(config::Control::DlouheOznaceni);
        host.enableWriteButton();
        if (yes(platform::texts().valuesRefreshedNotWritten)) ZapisPrevClick();
    }
    host.WriteDbIndex(platform::texts().activityReturned, true);
}

} // namespace operations
