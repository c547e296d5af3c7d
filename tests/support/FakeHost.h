#pragma once
// A main window for the sequencer's tests: controls are texts in a map, the lists know their
// entries, and every window-level operation is recorded.
#include "link/SequencerHost.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <functional>

class FakeHost : public driverlink::SequencerHost, public driverlink::MainScreen {
public:
    FakeHost();

    // MainScreen
    QString text(driverlink::Control control) const override { return texts.value(control); }
    void setText(driverlink::Control control, const QString& text) override;
    void addError(const QString& entry) override { errors.append(entry); }
    int errorCount() const override { return int(errors.size()); }
    void showErrorList() override { errorListShown = true; }

    // SequencerHost
    driverlink::MainScreen& screen() override { return *this; }
    void setupWaitGauge(bool shown, int maximum, bool writing) override;
    void setWaitSecondLine(const QString& text) override { waitSecondLine = text; }
    void showWaitDialog() override { ++waitDialogShown; }
    void closeWaitDialog() override { ++waitDialogClosed; }
    void HourGlasCur(bool on) override { hourGlass = on; }
    void ClearAll() override;
    quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) override;
    void EvalReadCommand(int base, int state, const QStringList& lines) override;
    int ReadStepCount() override { return int(readList.size()); }
    int WriteStepCount() override { return int(writeList.size()); }
    QString MethodSection() override { return QStringLiteral("B01METHOD"); }
    bool isChanged(driverlink::ChangeGroup group) override
    {
        return isChangedHook ? isChangedHook(group) : changed.contains(group);
    }
    quint16 selfTestMask(int byte) override { return masks[byte]; }
    void CaptureInitialConfig() override { ++captures; }
    void sequenceEnded() override
    {
        ++sequenceEnds;
        if (sequenceEndedHook) sequenceEndedHook();
    }
    void CheckDeviceDdf() override { ++ddfChecks; }
    void OdpojClick(driverlink::StopSender sender) override
    {
        stops.append(sender);
        if (onStop) onStop();
    }
    std::function<void()> onStop;
    std::function<void()> sequenceEndedHook;
    std::function<bool(driverlink::ChangeGroup)> isChangedHook;

    QMap<driverlink::Control, QString> texts;
    QStringList units{QStringLiteral("bar"), QStringLiteral("kPa"), QStringLiteral("psi")};
    QStringList functions{QStringLiteral("Linear"), QStringLiteral("Square root")};
    QStringList errors;
    bool errorListShown = false;
    QString waitSecondLine;
    int waitDialogShown = 0;
    int waitDialogClosed = 0;
    bool hourGlass = false;
    bool gaugeShown = false;
    int gaugeMaximum = -1;
    bool gaugeWriting = false;
    int clears = 0;
    int captures = 0;
    int sequenceEnds = 0;
    int ddfChecks = 0;
    QList<driverlink::StopSender> stops;
    QList<int> evaluatedStates;
    QSet<driverlink::ChangeGroup> changed;
    quint16 masks[3] = {0, 0, 0};
    // Plain templates; an entry "255:130:W130" is an extended template for command 130.
    QStringList readList{QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15"),
                         QStringLiteral("16")};
    QStringList writeList{QStringLiteral("17"), QStringLiteral("18"), QStringLiteral("34"),
                          QStringLiteral("44"), QStringLiteral("35"), QStringLiteral("47")};
    QStringList methodList;
};
