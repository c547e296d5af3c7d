#pragma once
// Where the flows through the main window begin: the window on a new session of the fake channel, the
// device the fake driver answers as read, the wait dialog allowed.
#include "FakeChannel.h"
#include "ScriptedDialogs.h"
#include "app/TForm1.h"
#include "platform/VirtualClock.h"
#include "settings/TOptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// The history is recorded when asked. A window that was open goes first: it shows the session it replaces.
inline void openAndRead(std::unique_ptr<device::DeviceSession>& session, std::unique_ptr<TForm1>& window,
                        FakeChannel& channel, ScriptedDialogs& dialogs, platform::VirtualClock& clock,
                        bool history = false)
{
    dialogs.allowModal(QStringLiteral("TCekej"));
    window.reset();
    session = std::make_unique<device::DeviceSession>(channel);
    window = std::make_unique<TForm1>(*session);
    window->session.link.startDriver = [] { return false; };
    window->FormCreate();
    window->createForms();
    window->Options->DatabaseLog->setChecked(history);
    window->PripojClick();
    EXPECT_TRUE(clock.runUntil([&] { return !window->form.Pripoj->isEnabled(); }, 120000));
}

} // namespace testing_support
