#include "operations/OperationHost.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

#include <algorithm>

namespace operations {

OutputTexts defaultOutputTexts()
{
    const platform::Texts& texts = platform::texts();
    return {texts.detailedLowerOutputLabel, texts.detailedUpperOutputLabel, texts.detailedLowerOutputDefault,
            texts.detailedUpperOutputDefault, texts.detailedFixOffValue};
}

namespace {
// Reading, searching, testing and resetting a device stay open to everyone; what changes a device's
// configuration or output does not.
constexpr Command ReadOnlyRefusals[] = {
    Command::WriteInDevice,
    Command::BackToInitialValues,
    Command::LowerRangeValue,
    Command::UpperRangeValue,
    Command::SensorZeroing,
    Command::AddressChanging,
    Command::ClearConfigurationChangedFlag,
    Command::WriteFinalAssemblyNumber,
    Command::EnterFixedOutput,
    Command::ExitFixedOutput,
    Command::TrimLowerOutput,
    Command::TrimUpperOutput,
    Command::SetBurstFunction,
    Command::EnterBurstMode,
    Command::ExitBurstMode,
    Command::DetailedSetupMethod,
};
} // namespace

std::span<const Command> readOnlyRefusals() { return ReadOnlyRefusals; }

bool refusedToReadOnlyUser(Command command)
{
    return std::ranges::find(ReadOnlyRefusals, command) != std::end(ReadOnlyRefusals);
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
