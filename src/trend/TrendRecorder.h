#pragma once
// Records the trend of the device session: every time the on-line loop has read values (the session's
// valuesRead), the values that reply carried become one sample of the store, each number as the device
// state holds it with the unit it was read in (a value the reply did not carry stays empty in that sample,
// rather than be repeated), and with the mark that the loop current was fixed when the device's status
// says so. A
// stop or an emptied screen begins a new run (no line joins across it); a read that finds another device
// begins a new recording, so that one trend never mixes two devices.
#include "device/DeviceSession.h"
#include "trend/TrendStore.h"

#include <QObject>
#include <functional>

namespace trend {

class TrendRecorder : public QObject {
    Q_OBJECT
public:
    explicit TrendRecorder(device::DeviceSession& session, QObject* parent = nullptr);

    TrendStore store;
    // The time of a sample, in milliseconds since the epoch; replaceable for tests.
    std::function<qint64()> clock;
    // Who the samples are of: manufacturer, type, tag and unique identifier as last read.
    QString device() const { return deviceText; }

    // A value of the state as the trend takes it: the number before the first blank and the unit after it;
    // nothing (NaN) for a text that is no finite number.
    static std::pair<double, QString> parse(const QString& text);

signals:
    void sampled();
    void restarted(); // the store was emptied for another device

private:
    void take(int command);
    void noteDevice();

    device::DeviceSession& session;
    QString deviceText;
    bool newRun = true;
};

} // namespace trend
