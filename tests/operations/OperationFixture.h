#pragma once
// The procedures of the menus against the in-process driver: the sequencer of SequencerFixture, and
// a main window that records what the procedures ask of it. The device has been read and the
// on-line loop runs when a test begins.
#include "SequencerFixture.h"
#include "operations/OperationHost.h"

// A history entry as recorded here: the activity, and "+snapshot" when one was stored with it.
inline QString historyEntry(const QString& activity, bool withSnapshot)
{
    return withSnapshot ? activity + QStringLiteral(" +snapshot") : activity;
}

class OperationFixture : public SequencerFixture, public operations::OperationHost {
protected:
    OperationFixture()
    {
        answerAsPressureTransmitter();
        host.sequenceEndedHook = [this] {
            if (host.lastEndWasRead) changes.ClearChanged();
        };
        startRead();
        runUntil([&] { return host.sequenceEnds == 1; });
        driver.sent.clear();
    }

    bool linkOpen() const override { return open; }
    bool readOnlyUser() const override { return readOnly; }
    bool screenFromFile() const override { return fromFile; }
    driverlink::Sequencer& commandSequencer() override { return sequencer; }
    config::DeviceState& deviceState() override { return state; }
    void setProgramStatus(const QString& text) override { host.programStatus = text; }
    void ItemsEnabled(bool enable, bool) override { fieldsEnabled = enable; }
    void beginConnection() override { ++connectionsBegun; }
    void enableStop() override { stopEnabled = true; }
    operations::OutputTexts outputTexts() const override { return outputs; }
    void enableWriteButton() override { writeEnabled = true; }
    void markHistoryForReload() override { historyReload = true; }
    void showInitialConfig() override { ++initialShown; }
    void WriteDbIndex(const QString& activity, bool withSnapshot) override
    {
        history.append(entry(activity, withSnapshot));
    }
    void recordFor(const RecordedDevice& device, const QString& activity) override
    {
        history.append(activity + u" for " + device.uniqueId);
    }
    static QString entry(const QString& activity, bool withSnapshot) { return historyEntry(activity, withSnapshot); }

    // The commands sent, without the on-line reading between the steps.
    QList<int> procedureCommands() const
    {
        QList<int> sent = driver.commands();
        sent.removeAll(2);
        sent.removeAll(3);
        return sent;
    }

    bool stopEnabled = false;
    bool open = true, readOnly = false, fromFile = false, fieldsEnabled = true, historyReload = false,
         writeEnabled = false;
    int initialShown = 0;
    int connectionsBegun = 0;
    operations::OutputTexts outputs = operations::defaultOutputTexts();
    QStringList history;
};
