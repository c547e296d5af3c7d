#include "operations/ServiceProcedures.h"

#include "link/CommandMacro.h"
#include "operations/ValueInput.h"
#include "operations/WriteChecks.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace operations {

using config::Control;
using driverlink::Ending;
using driverlink::Procedure;
using platform::Answer;
using platform::Buttons;

namespace {
const platform::Texts& t() { return platform::texts(); }
constexpr int FixOutputCommand = 40;

bool confirmed(const QString& question, Buttons buttons)
{
    const Answer answer = platform::dialogs().confirm(question, buttons);
    return answer == Answer::Ok || answer == Answer::Yes;
}

std::optional<QString> askAddress() { return askInteger(t().enterAddress, QStringLiteral("0"), 0, 15); }
} // namespace

bool ServiceProcedures::allowed(Command command, bool clearErrors)
{
    if (!commandAllowed(host, command)) return false;
    if (clearErrors) host.deviceState().clearErrors();
    return true;
}

std::optional<Ending> ServiceProcedures::handOver(Procedure procedure, const QString& status, const QString& stepData,
                                                  bool wait)
{
    driverlink::Sequencer& sequencer = host.commandSequencer();
    // The connection may have ended while the user was being asked, or while the step in flight was
    // awaited: nothing is sent then.
    if (!sequencer.exchangeRunning() || !sequencer.begin(procedure, stepData))
        return sequencer.commError() ? Ending::CommunicationError : Ending::Stopped;
    if (!status.isEmpty()) host.setProgramStatus(status);
    if (!wait) return std::nullopt;
    return sequencer.wait();
}

void ServiceProcedures::record(const QString& activity, bool withSnapshot, const std::optional<Ending>& ending)
{
    if (ending && *ending != Ending::Online && *ending != Ending::CommunicationError) return;
    host.WriteDbIndex(activity, withSnapshot);
}

void ServiceProcedures::cancelled()
{
    driverlink::Sequencer& sequencer = host.commandSequencer();
    if (sequencer.exchangeRunning()) host.ItemsEnabled(true, true);
    sequencer.resumeOnline();
}

void ServiceProcedures::byAppliedInput(Command command, const QString& question, const QString& status,
                                       Procedure procedure, const QString& activity, bool withSnapshot, AppliedEnd end)
{
    if (!allowed(command)) return;
    host.ItemsEnabled(false, false);
    std::optional<Ending> ending;
    // A range end must lie within the sensor: the question says where, and an input beyond is not sent.
    const QString limits = end == AppliedEnd::Zero ? QString() : sensorLimitsHint(host.deviceState());
    std::optional<QString> refusal;
    if (!confirmed(limits.isEmpty() ? question : question + QStringLiteral("\r\n") + limits, Buttons::OkCancel))
        cancelled();
    else if (end != AppliedEnd::Zero && (refusal = appliedInputRefusal(host.deviceState(), end == AppliedEnd::Upper))) {
        platform::dialogs().error(*refusal);
        cancelled();
    } else {
        ending = handOver(procedure, status);
    }
    if (host.commandSequencer().exchangeRunning()) host.ItemsEnabled(true, true);
    record(activity, withSnapshot, ending);
}

void ServiceProcedures::NastaveniPocatkuClick()
{
    byAppliedInput(Command::LowerRangeValue, t().applyLowerRangeValue, t().settingLowerRangeValue,
                   Procedure::LowerRangeValue, t().activityChangedLrv, true, AppliedEnd::Lower);
}

void ServiceProcedures::NastaveniKonceClick()
{
    byAppliedInput(Command::UpperRangeValue, t().applyUpperRangeValue, t().settingUpperRangeValue,
                   Procedure::UpperRangeValue, t().activityChangedUrv, true, AppliedEnd::Upper);
}

void ServiceProcedures::NulovaniCidlaClick()
{
    byAppliedInput(Command::SensorZeroing, t().applyZero, t().zeroing, Procedure::SensorZero, t().activitySensorZero,
                   false, AppliedEnd::Zero);
}

void ServiceProcedures::initialize(Procedure procedure, const QString& stepData, const QString& pollAddress,
                                   const QString& status)
{
    host.beginConnection();
    driverlink::Sequencer& sequencer = host.commandSequencer();
    sequencer.begin(procedure, stepData);
    // Set once the step in progress has been answered, so that it is the new connection's address.
    host.deviceState().setText(Control::PollAddr, pollAddress);
    host.setProgramStatus(status);
    sequencer.armTimeout();
}

void ServiceProcedures::Inicializaceoznaenm1Click()
{
    if (!allowed(Command::InitializationByTag)) return;
    const auto tag = askValue(t().enterTag, QString(), [](const QString&) { return std::nullopt; });
    if (!tag) {
        cancelled();
        return;
    }
    host.deviceState().setText(Control::Oznaceni, *tag);
    initialize(Procedure::InitializeByTag, *tag, driverlink::UnknownAddress, t().searchingTag);
}

void ServiceProcedures::Inicializacedotazovacadresou1Click()
{
    if (!allowed(Command::InitializationByAddress)) return;
    const auto address = askAddress();
    if (!address) {
        cancelled();
        return;
    }
    initialize(Procedure::InitializeByAddress, *address, *address, t().executingCommand);
}

void ServiceProcedures::initializeAt(const QString& address)
{
    if (!allowed(Command::InitializationByAddress)) return;
    initialize(Procedure::InitializeByAddress, address, address, t().executingCommand);
}

void ServiceProcedures::ZmenaAdresyClick()
{
    if (!allowed(Command::AddressChanging)) return;
    std::optional<Ending> ending;
    if (const auto address = askAddress())
        ending = handOver(Procedure::ChangeAddress, t().executingCommand, *address);
    else
        cancelled();
    record(t().activityAddressChanged, true, ending);
}

void ServiceProcedures::TestPristrojeClick()
{
    if (!allowed(Command::DeviceTest)) return;
    record(t().activityDeviceTested, false, handOver(Procedure::DeviceTest, t().startingTest));
}

void ServiceProcedures::ResetPristrojeClick()
{
    if (!allowed(Command::DeviceReset)) return;
    record(t().activityDeviceReset, false, handOver(Procedure::DeviceReset, t().invokingReset));
}

void ServiceProcedures::NulujPriznakm1Click()
{
    if (!allowed(Command::ClearConfigurationChangedFlag)) return;
    record(t().activityFlagCleared, false,
           handOver(Procedure::ClearConfigurationChanged, t().executingCommand, {}, false));
}

void ServiceProcedures::Writefinalassemblynumber1Click()
{
    if (!allowed(Command::WriteFinalAssemblyNumber)) return;
    const auto number = askInteger(t().inputAssemblyNumber, host.deviceState().text(Control::VyrCislo), 0, 16777215);
    std::optional<Ending> notBegun;
    if (number)
        notBegun = handOver(Procedure::FinalAssemblyNumber, t().executingCommand, *number, false);
    else
        cancelled();
    // Recorded at once, with the configuration as it was before the change.
    record(t().activityAssemblyNumber, true, notBegun);
}

void ServiceProcedures::FixovaniVystupnihoProuduClick()
{
    if (!allowed(Command::EnterFixedOutput)) return;
    const QString fixOff = host.outputTexts().fixOffValue;
    std::optional<Ending> ending;
    const auto typed = [](const QString& text) { return currentRefusal(text, true); };
    if (const auto current = askValue(currentPrompt(true), normalised(fixOff), typed)) {
        ending = handOver(Procedure::FixedOutput, t().executingCommand, *current);
        if (!host.commandSequencer().exchangeRunning()) host.commandSequencer().pause();
    } else {
        cancelled();
    }
    record(t().activityFixedOutputOn, false, ending);
}

void ServiceProcedures::ZrusfixovaniprouduClick()
{
    if (!allowed(Command::ExitFixedOutput, false)) return;
    record(t().activityFixedOutputOff, false,
           handOver(Procedure::FixedOutput, t().executingCommand, normalised(host.outputTexts().fixOffValue)));
}

void ServiceProcedures::trim(const Trim& trim)
{
    if (!allowed(trim.command)) return;
    driverlink::Sequencer& sequencer = host.commandSequencer();
    if (!confirmed(trim.question, Buttons::OkCancel)) {
        if (trim.cancelAtQuestionResumes)
            cancelled();
        else
            host.ItemsEnabled(true, true);
        record(trim.activity, false);
        return;
    }
    // The device fixes its output at the end value; the user measures the loop current. A device that
    // did not fix it has nothing to measure, and trimming it by that reading would spoil its output.
    std::optional<Ending> ending = handOver(Procedure::TrimFixOutput, trim.status, trim.outputDefault);
    if (ending == Ending::Online && sequencer.refused(FixOutputCommand)) {
        host.ItemsEnabled(true, true);
    } else if (ending == Ending::Online) {
        for (Control online : {Control::PV, Control::PVI, Control::PVP, Control::SV, Control::TV, Control::FV})
            host.deviceState().setText(online, QString());
        host.deviceState().setText(Control::PVI, trim.outputLabel);
        const auto typed = [](const QString& text) { return currentRefusal(text, false); };
        if (const auto measured = askValue(currentPrompt(false), normalised(trim.outputDefault), typed)) {
            handOver(trim.procedure, t().executingCommand, *measured, false);
        } else {
            host.ItemsEnabled(true, true);
            handOver(Procedure::FixedOutput, QString(), trim.releaseOnCancel, false);
        }
        ending = sequencer.wait();
    }
    record(trim.activity, false, ending);
}

void ServiceProcedures::Trimovani4mAClick()
{
    const OutputTexts output = host.outputTexts();
    trim({Command::TrimLowerOutput, t().switchToManualLower, t().trimmingLower, output.lowerOutputDefault,
          output.lowerOutputLabel, Procedure::TrimLowerOutput, false, output.fixOffValue, t().activityLowerTrim});
}

void ServiceProcedures::Trimovani20mAClick()
{
    const OutputTexts output = host.outputTexts();
    trim({Command::TrimUpperOutput, t().switchToManualUpper, t().trimmingUpper, output.upperOutputDefault,
          output.upperOutputLabel, Procedure::TrimUpperOutput, true, QStringLiteral("0.00"), t().activityUpperTrim});
}

void ServiceProcedures::NastaveniBURSTfunkceClick()
{
    if (!allowed(Command::SetBurstFunction)) return;
    std::optional<Ending> ending;
    if (const auto code = askInteger(t().enterBurstCode, QStringLiteral("1"), 0, 255))
        ending = handOver(Procedure::BurstFunction, t().executingCommand, *code);
    else
        cancelled();
    record(t().activityBurstFunction, false, ending);
}

void ServiceProcedures::ZapnutiBURSTmoduClick()
{
    if (!allowed(Command::EnterBurstMode)) return;
    std::optional<Ending> ending;
    if (confirmed(t().enableBurst, Buttons::YesNoCancel))
        ending = handOver(Procedure::BurstModeOn, t().executingCommand);
    else
        cancelled();
    record(t().activityBurstOn, false, ending);
}

void ServiceProcedures::VypnutiBURSTmoduClick()
{
    if (!allowed(Command::ExitBurstMode)) return;
    std::optional<Ending> ending;
    if (confirmed(t().disableBurst, Buttons::YesNoCancel))
        ending = handOver(Procedure::BurstModeOff, t().executingCommand);
    else
        cancelled();
    record(t().activityBurstOff, false, ending);
}

} // namespace operations
