#pragma once
// What the procedures of the menus need of the main window: the sequencer and the device state of its
// session, and a few window actions. The window implements it; tests use a fake.
#include "config/DeviceState.h"
#include "link/Sequencer.h"

#include <span>

namespace operations {

// The texts and currents of the output trims and the fixed output, from the device definition
// (LOV, UOV, LDV, UDV, DZV) or their defaults.
struct OutputTexts {
    QString lowerOutputLabel;
    QString upperOutputLabel;
    QString lowerOutputDefault;
    QString upperOutputDefault;
    QString fixOffValue;
};
// What they are for a device without a definition file.
OutputTexts defaultOutputTexts();

class OperationHost {
public:
    virtual ~OperationHost() = default;
    virtual bool linkOpen() const = 0;
    virtual bool readOnlyUser() const = 0;
    // The configuration on screen was opened from a file or taken from the history.
    virtual bool screenFromFile() const = 0;
    virtual driverlink::Sequencer& commandSequencer() = 0;
    // The device's values, change flags and error list.
    virtual config::DeviceState& deviceState() = 0;
    // The status line: what the program is doing.
    virtual void setProgramStatus(const QString& text) = 0;

    virtual void ItemsEnabled(bool enable, bool showOnline) = 0;
    // A connection starts without Read! (an initialisation): Stop! enabled, the Device Info page shown.
    virtual void beginConnection() = 0;
    // A procedure starts a stopped connection: Stop! is the way to end it.
    virtual void enableStop() = 0;
    virtual OutputTexts outputTexts() const = 0;
    virtual void enableWriteButton() = 0;
    virtual void markHistoryForReload() = 0;
    // Shows the initial-values snapshot.
    virtual void showInitialConfig() = 0;
    // Records an activity of the device on screen in its history, with a snapshot of the
    // configuration shown or without.
    virtual void WriteDbIndex(const QString& activity, bool withSnapshot) = 0;
    // Records an activity of a device the screen no longer shows (a Stop has emptied it), without
    // a snapshot.
    struct RecordedDevice {
        QString tag, type, manufacturer, uniqueId;
    };
    virtual void recordFor(const RecordedDevice& device, const QString& activity) = 0;
};

// The commands that act on a device, from the menus and buttons.
enum class Command {
    WriteInDevice,
    BackToInitialValues,
    LowerRangeValue,
    UpperRangeValue,
    SensorZeroing,
    AddressChanging,
    ClearConfigurationChangedFlag,
    WriteFinalAssemblyNumber,
    EnterFixedOutput,
    ExitFixedOutput,
    TrimLowerOutput,
    TrimUpperOutput,
    SetBurstFunction,
    EnterBurstMode,
    ExitBurstMode,
    DetailedSetupMethod,
    DeviceTest,
    DeviceReset,
    InitializationByTag,
    InitializationByAddress,
    ScanLoop,
};
// The commands a user with read-only access is refused ("You don't have authorization to do this!"):
// the one table of them.
std::span<const Command> readOnlyRefusals();
bool refusedToReadOnlyUser(Command command);

// The checks every device command starts with: the driver link ("Driver not found!") and the user's
// right to run it. False when refused (the user has been told).
bool commandAllowed(OperationHost& host, Command command);

} // namespace operations
