#include "operations/MethodProcedure.h"

#include "detailed/DefinitionModel.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace operations {

void runMethod(OperationHost& host, detailed::DeviceTemplates& templates, const QString& buttonName)
{
    if (!commandAllowed(host, Command::DetailedSetupMethod)) return;
    templates.setMethodSection(buttonName + QStringLiteral("METHOD"));
    const QString name = detailed::methodName(templates.templateFile(), templates.MethodSection());
    if (platform::dialogs().confirm(platform::texts().performOperation, platform::Buttons::YesNoCancel,
                                    platform::Tone::Warning) != platform::Answer::Yes)
        return;
    config::DeviceState& device = host.deviceState();
    device.clearErrors();
    host.setProgramStatus(platform::texts().executingCommand);
    driverlink::Sequencer& sequencer = host.commandSequencer();
    using driverlink::Ending;
    const Ending ending = sequencer.run(driverlink::Procedure::Method);
    // A device that could not be reached has the method begun on it, as a service procedure has: not
    // successful, and recorded. One the user stopped or the driver never carried out is not recorded.
    if (ending != Ending::Online && ending != Ending::CommunicationError) {
        if (ending != Ending::Closing) platform::dialogs().warning(platform::texts().operationInterrupted);
        return;
    }
    if (device.errorCount() > 0 || ending == Ending::CommunicationError)
        platform::dialogs().warning(platform::texts().operationFailed);
    else
        platform::dialogs().information(platform::texts().operationDone);
    host.WriteDbIndex(name, true);
    if (ending == Ending::Online) sequencer.armTimeout();
}

} // namespace operations
