#include "FakeHost.h"

#include "link/CommandMacro.h"

using config::Control;

FakeHost::FakeHost(config::DeviceState& state, config::SequencerView& view) : state(state)
{
    state.setEntries(Control::Jednotky, units, -1);
    state.setEntries(Control::Funkce, functions, -1);
    view.programStatus = [this](const QString& text) { programStatus = text; };
    view.errorListShown = [this] { errorListShown = true; };
    view.stepState = [this](quint16 step) { stepStates.append(step); };
    view.replyCheck = [this](const QString& text) { replyCheck = text; };
}

void FakeHost::setupWaitGauge(bool shown, int maximum, bool writing)
{
    gaugeShown = shown;
    gaugeMaximum = maximum;
    gaugeWriting = writing;
}

void FakeHost::ClearAll()
{
    ++clears;
    state.clearValues();
}

quint8 FakeTemplates::GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand)
{
    const QStringList& list = section == QStringLiteral("READ")    ? readList
                              : section == QStringLiteral("WRITE") ? writeList
                                                                   : methodList;
    const int k = state - base;
    if (k < 1 || k > list.size()) return 254;
    const QStringList parts = list[k - 1].split(u':');
    if (parts.size() == 3) {
        realCommand = quint8(parts[1].toInt());
        data += parts[2] + driverlink::CrLf;
        return 255;
    }
    return quint8(parts[0].toInt());
}

QList<int> FakeTemplates::writeListCommands()
{
    QList<int> commands;
    for (const QString& step : writeList) {
        const QStringList parts = step.split(u':');
        commands.append(parts.value(parts.size() == 3 ? 1 : 0).toInt());
    }
    return commands;
}

bool FakeTemplates::EvalReadCommand(int, int state, const QStringList&)
{
    evaluatedStates.append(state);
    return !refuseOnce.remove(state);
}
