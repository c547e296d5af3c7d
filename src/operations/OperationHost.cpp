#include "operations/OperationHost.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace operations {

OutputTexts defaultOutputTexts()
{
    const platform::Texts& texts = platform::texts();
    return {texts.detailedLowerOutputLabel, texts.detailedUpperOutputLabel, texts.detailedLowerOutputDefault,
            texts.detailedUpperOutputDefault, texts.detailedFixOffValue};
}

bool refusedToReadOnlyUser(Command command)
{
    // Reading, searching, testing and resetting a device stay open to everyone; what changes a
    // device's configuration or output does not.
    switch (command) {
    case Command::WriteInDevice:
    case Command::BackToInitialValues:
    case Command::LowerRangeValue:
    case Command::UpperRangeValue:
    case Command::SensorZeroing:
    case Command::AddressChanging:
    case Command::ClearConfigurationChangedFlag:
    case Command::WriteFinalAssemblyNumber:
    case Command::EnterFixedOutput:
    case Command::ExitFixedOutput:
    case Command::TrimLowerOutput:
    case Command::TrimUpperOutput:
    case Command::SetBurstFunction:
    case Command::EnterBurstMode:
    case Command::ExitBurstMode:
    case Command::DetailedSetupMethod: return true;
    case Command::DeviceTest:
    case Command::DeviceReset:
    case Command::InitializationByTag:
    case Command::InitializationByAddress: return false;
    }
    return true;
}

bool commandAllowed(OperationHost& host, Command command)
{
    // A menu command while another procedure waits for its end (a write re-identifying the device,
    // the trim fixing its output) would take the sequencer from under it: it is not taken.
    if (host.commandSequencer().procedureWaiting()) return false;
    // A method button exists only in the detailed setup of a device read through the driver.
    if (command != Command::DetailedSetupMethod && !host.linkOpen()) {
        platform::dialogs().message(platform::texts().driverNotFound);
        return false;
    }
    if (refusedToReadOnlyUser(command) && host.readOnlyUser()) {
        platform::dialogs().message(platform::texts().noAuthorization);
        return false;
    }
    return true;
}

} // namespace operations
