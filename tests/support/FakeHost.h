#pragma once
// A main window for the sequencer's tests: the device state is a real one, every window-level
// operation is recorded, and the templates are plain lists.
#include "config/DeviceState.h"
#include "config/SequencerView.h"
#include "link/SequencerHost.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <functional>

class FakeHost : public driverlink::SequencerHost {
public:
    // The state's lists hold units and functions; the view's hooks are recorded here.
    FakeHost(config::DeviceState& state, config::SequencerView& view);

    // SequencerHost
    void setupWaitGauge(bool shown, int maximum, bool writing) override;
    void setWaitGaugePosition(int position) override { gaugePositions.append(position); }
    void setWaitSecondLine(const QString& text) override { waitSecondLine = text; }
    void showWaitDialog() override { ++waitDialogShown; }
    void closeWaitDialog() override { ++waitDialogClosed; }
    void HourGlasCur(bool on) override { hourGlass = on; }
    void ClearAll() override;
    void CaptureInitialConfig() override { ++captures; }
    void sequenceEnded(bool configurationRead) override
    {
        ++sequenceEnds;
        lastEndWasRead = configurationRead;
        if (sequenceEndedHook) sequenceEndedHook();
    }
    void readIncomplete(const QString& problem) override { incomplete.append(problem); }
    bool confirmStop() override { return !keepConnection; }
    void connectionStopped(driverlink::StopSender sender) override { stops.append(sender); }
    void scanReply(int address, const QStringList& lines) override { scanReplies.append({address, lines}); }
    void scanEnded(driverlink::Ending ending) override { scanEndings.append(ending); }
    QList<std::pair<int, QStringList>> scanReplies;
    QList<driverlink::Ending> scanEndings;
    std::function<void()> sequenceEndedHook;
    bool lastEndWasRead = false;

    config::DeviceState& state;
    QStringList units{QStringLiteral("bar"), QStringLiteral("kPa"), QStringLiteral("psi")};
    QStringList functions{QStringLiteral("Linear"), QStringLiteral("Square root")};
    QString programStatus;
    QString replyCheck; // the diagnostic of the reply's command beside the expected one
    QList<quint16> stepStates;
    bool errorListShown = false;
    QString waitSecondLine;
    int waitDialogShown = 0;
    int waitDialogClosed = 0;
    bool hourGlass = false;
    bool gaugeShown = false;
    int gaugeMaximum = -1;
    bool gaugeWriting = false;
    QList<int> gaugePositions;
    int clears = 0;
    int captures = 0;
    int sequenceEnds = 0;
    bool keepConnection = false;
    QStringList incomplete;
    QList<driverlink::StopSender> stops;
};

// Plain templates from lists; an entry "255:130:W130" is an extended template for command 130.
class FakeTemplates : public driverlink::TemplateSource {
public:
    quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) override;
    bool EvalReadCommand(int base, int state, const QStringList& lines) override;
    int ReadStepCount() override { return int(readList.size()); }
    int WriteStepCount() override { return int(writeList.size()); }
    QList<int> writeListCommands() override;
    QString MethodSection() const override { return QStringLiteral("B01METHOD"); }
    QString readProblem() override { return readList.isEmpty() ? QStringLiteral("no read list") : QString(); }

    QStringList readList{QStringLiteral("12"), QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15"),
                         QStringLiteral("16")};
    QStringList writeList{QStringLiteral("17"), QStringLiteral("18"), QStringLiteral("34"),
                          QStringLiteral("44"), QStringLiteral("35"), QStringLiteral("47")};
    QStringList methodList;
    QList<int> evaluatedStates;
    // Read steps whose reply is refused once (the step then goes out again).
    QSet<int> refuseOnce;
};
