#pragma once
// The device state as the sequencer and its reply decoder see it: a reply's values go into the state
// as the command catalogue maps them, and a write step takes the values of its command's request from
// the state, only when the command's change flag is set. What the sequencer says besides the device's
// values (the status line, the diagnostics, that the error list is to be seen) goes to the hooks.
#include "config/DeviceState.h"
#include "link/SequencerHost.h"

#include <array>
#include <functional>

namespace config {

class SequencerView : public driverlink::SequencerScreen {
public:
    explicit SequencerView(DeviceState& state) : state(state) {}

    // The self-test masks of the device definition (TST1..TST3); 0 without one.
    std::array<quint16, 3> selfTestMasks{};
    // The message reply has come: the device definition is looked up.
    std::function<void()> messageRead;
    // A reply's values have been taken: the identity (0, 11) or any other command's.
    std::function<void(int command)> replyTaken;
    std::function<void(const QString&)> programStatus;
    std::function<void()> errorListShown;
    // Diagnostics nobody sees: the state of each step, the reply's command beside the expected one.
    std::function<void(quint16)> stepState;
    std::function<void(const QString&)> replyCheck;

    QString pollAddress() const override { return state.text(Control::PollAddr); }
    void setPollAddress(const QString& address) override { state.setText(Control::PollAddr, address); }
    void setProgramStatus(const QString& text) override { call(programStatus, text); }
    void addError(const QString& entry) override { state.addError(entry); }
    int errorCount() const override { return state.errorCount(); }
    void showErrorList() override
    {
        if (errorListShown) errorListShown();
    }
    void showStepState(quint16 step) override { call(stepState, step); }
    void showReplyCheck(const QString& text) override { call(replyCheck, text); }

    void showIdentity(const QStringList& lines) override;
    void showReply(const QStringList& lines, const QString& stepData) override;
    std::optional<QStringList> writeData(int command) override;

private:
    template <typename Hook, typename Value> static void call(const Hook& hook, const Value& value)
    {
        if (hook) hook(value);
    }
    void selfTest(const QStringList& lines, bool testRefused);

    DeviceState& state;
    bool selfTestRefused = false; // the reply before was the device refusing its self test
};

} // namespace config
