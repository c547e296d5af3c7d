#pragma once
// The program's surroundings for an end-to-end test: its folders in a temporary directory (so the
// driver it starts keeps its socket and state there), dialogs scripted, and a real-time wait.
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>
#include <functional>

namespace e2e {

struct ProgramUnderTest {
    ProgramUnderTest() { dialogs.allowModal(QStringLiteral("TCekej")); }

    QTemporaryDir dir;
    testing_support::ScopedEnvironment runtime{"XDG_RUNTIME_DIR", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment data{"XDG_DATA_HOME", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment state{"XDG_STATE_HOME", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment appData{"APPDATA", dir.path().toLocal8Bit()};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", dir.path().toLocal8Bit()}; // the users file
    testing_support::ScopedEnvironment config{"XDG_CONFIG_HOME", dir.path().toLocal8Bit()};  // the driver's settings
    testing_support::ScriptedDialogs dialogs;
};

// Handles events until done() holds or the time is up; false when it did not hold.
bool waitAtMost(int ms, const std::function<bool()>& done);

} // namespace e2e
