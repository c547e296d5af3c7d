// The sequencer's interpreter of the procedure tables (ProcedureSteps.h): the step of the current state
// opens the wait dialog and prepares what it says, chooses its command and data, or, sending nothing,
// does its hook and moves the state on.
#include "link/CommandMacro.h"
#include "link/Sequencer.h"
#include "platform/ChannelProtocol.h"
#include "platform/ReplyLayout.h"
#include "platform/Texts.h"

namespace driverlink {

void Sequencer::takeStep(QString& data)
{
    const Step* step = stepAt(SequencerState);
    if (!step) {
        // A state without a step (the idle one above all) sends nothing, whatever command went out last.
        CommandCode = NoCommand;
        return;
    }
    openStep(*step);
    if (chooseCommand(*step, data)) {
        if (step->awaitIn) SequencerState = step->awaitIn;
        return;
    }
    CommandCode = NoCommand;
    finishStep(*step);
}

void Sequencer::openStep(const Step& step)
{
    switch (step.wait) {
    case Wait::Keep: break;
    case Wait::NoGauge: BeginWait(false, false); break;
    case Wait::ReadGauge: BeginWait(false, true); break;
    case Wait::WriteGauge: BeginWait(true, false); break;
    }
    if (step.prepare & prepare::StartWriteList) {
        WriteListDone = false;
        WroteSomething = false;
    }
    if (step.prepare & prepare::ClearPages) host.ClearAll();
    if (step.prepare & prepare::ShowErrorList) screen.showErrorList();
    if (step.status) screen.setProgramStatus(platform::texts().*step.status);
}

bool Sequencer::chooseCommand(const Step& step, QString& data)
{
    if (step.fromTemplates()) return templateCommand(step.source, data);
    if (step.source == Source::None || !holds(step.when)) return false;
    if (step.source == Source::TagSearch) {
        data = CrLf + TagAddress + CrLf + dataField(StepData);
    } else if (step.source == Source::ScanAddress) {
        data = addressPart(pollingAddressText(scanAddress()));
        if (step.command == 0) {
            data += platform::channel::ScanRequest;
            ScanAnswered = false;
            ScanRevision = 0;
        }
    } else if (step.source == Source::StepData) {
        data += dataField(StepData);
    } else if (step.data) {
        data += QLatin1StringView(step.data);
    }
    CommandCode = step.command;
    return true;
}

bool Sequencer::holds(When when) const
{
    const bool eepromAsked = DeviceFlags & 2;
    switch (when) {
    case When::Always: return true;
    case When::EepromAsked: return eepromAsked;
    case When::EepromAskedAfterWrite: return eepromAsked && WroteSomething;
    case When::DeviceHasLongTag: return UniversalRevision >= replylayout::LongTagRevision;
    case When::ScanRange: return scanAddress() <= StepData.toInt();
    case When::ScanAnswered: return ScanAnswered;
    case When::ScanLongTag: return ScanAnswered && ScanRevision >= replylayout::LongTagRevision;
    }
    return false;
}

bool Sequencer::templateCommand(Source list, QString& data)
{
    quint8 code = NoCommand;
    if (list == Source::ReadList)
        code = templateStep(states::ReadBase, QStringLiteral("READ"), data);
    else if (list == Source::MethodList)
        code = templateStep(states::MethodBase, templates.MethodSection(), data);
    else
        code = writeStep(data);
    if (code == NoCommand) return false;
    CommandCode = code;
    return true;
}

quint8 Sequencer::templateStep(int base, const QString& section, QString& data)
{
    host.setWaitGaugePosition(SequencerState - base - 1);
    return templates.GetRWCommand(base, SequencerState, section, data, realCommand);
}

quint8 Sequencer::writeStep(QString& data)
{
    const quint8 code = templateStep(states::WriteBase, QStringLiteral("WRITE"), data);
    if (code == NoCommand) return NoCommand;
    // Guarded by the number the template gives: an extended template (255) is device-specific.
    const auto fields = screen.writeData(code);
    if (!fields) return NoCommand; // its group of values is unchanged
    data += fields->join(CrLf);
    WroteSomething = true;
    return code;
}

void Sequencer::finishStep(const Step& step)
{
    const quint16 next = step.next == FollowingState ? quint16(SequencerState + 1) : step.next;
    switch (step.hook) {
    case Hook::None: break;
    case Hook::EndWait: EndWait(); break;
    case Hook::EndWaitAfterWriting: EndWaitAfterWriting(); break;
    case Hook::WriteListEnd:
        WriteListDone = true;
        WriteErrors = screen.errorCount();
        EndWaitAfterWriting();
        break;
    case Hook::AdoptAddress:
        // A device that refused the new address keeps its old one, and so does the on-line loop.
        if (!CommandRefused) screen.setPollAddress(StepData);
        EndWait();
        break;
    case Hook::ReleaseFixedCurrent: StepData = QStringLiteral("0"); break;
    case Hook::ReadEnd: endRead(next); return;
    case Hook::MethodEnd: endSequence(next, false); return;
    case Hook::ScanEnd: endScan(Ending::Online); return;
    }
    SequencerState = next;
}

void Sequencer::endRead(quint16 next)
{
    // Without a single read step only the identity is known: that is no configuration to keep.
    const QString problem = SequencerState == states::ReadBase + 1 ? templates.readProblem() : QString();
    if (problem.isEmpty()) host.CaptureInitialConfig();
    endSequence(next, true);
    if (!problem.isEmpty()) host.readIncomplete(problem);
}

} // namespace driverlink
