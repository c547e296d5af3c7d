#pragma once
// What replies mean to the main screen and what the write steps carry from it: the link's view of
// the screen model. Identity, status and data lines land in their controls; a write command takes
// the texts of its group of values, and only when that group was changed.
#include "config/ChangeFlags.h"
#include "config/MainScreen.h"
#include "link/SequencerHost.h"

#include <array>
#include <functional>

namespace config {

class DeviceScreen : public driverlink::SequencerScreen {
public:
    DeviceScreen(MainScreen& screen, const ChangeFlags& changes) : screen(screen), changes(changes) {}

    // The self-test masks of the device definition (TST1..TST3); 0 without one.
    std::array<quint16, 3> selfTestMasks{};
    // The message reply has come: the device definition is looked up.
    std::function<void()> messageRead;

    QString pollAddress() const override { return screen.text(Control::PollAddr); }
    void setPollAddress(const QString& address) override { screen.setText(Control::PollAddr, address); }
    void setProgramStatus(const QString& text) override { screen.setText(Control::ProgramStatus, text); }
    void addError(const QString& entry) override { screen.addError(entry); }
    int errorCount() const override { return screen.errorCount(); }
    void showErrorList() override { screen.showErrorList(); }
    void showStepState(quint16 state) override { screen.setText(Control::Label30, QString::number(state)); }
    void showReplyCheck(const QString& text) override { screen.setText(Control::Label26, text); }

    void showIdentity(const QStringList& lines) override;
    void showReply(const QStringList& lines) override;
    std::optional<QStringList> writeData(int command) override;

private:
    MainScreen& screen;
    const ChangeFlags& changes;
};

} // namespace config
