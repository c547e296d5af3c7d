#include "FakeHost.h"

#include "link/CommandMacro.h"

using config::Control;

FakeHost::FakeHost() { texts[Control::PollAddr] = QStringLiteral("0"); }

void FakeHost::setText(Control control, const QString& text)
{
    if (control == Control::Jednotky || control == Control::Funkce) {
        const QStringList& entries = control == Control::Jednotky ? units : functions;
        QString selected = entries.value(0);
        for (const QString& entry : entries)
            if (entry == text) selected = entry;
        texts[control] = selected;
        return;
    }
    texts[control] = text;
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
    const QString address = texts.value(Control::PollAddr);
    texts.clear();
    texts[Control::PollAddr] = address;
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

bool FakeTemplates::EvalReadCommand(int, int state, const QStringList&)
{
    evaluatedStates.append(state);
    return !refuseOnce.remove(state);
}
