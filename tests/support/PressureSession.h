#pragma once
// A device session without any window, on the fake driver answering as the simulated pressure
// transmitter, with the English table and the transmitter's definition file in the program folder, on
// the virtual clock.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "device/DeviceSession.h"
#include "platform/VirtualClock.h"

struct PressureSession {
    PressureSession() { testing_support::answerAsPressureTransmitter(driver); }

    ProgramFolder folder{"TABEN.DDF", "Ostrevo-PR210-3-EN.DDF"};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    device::DeviceSession session{channel};
};
