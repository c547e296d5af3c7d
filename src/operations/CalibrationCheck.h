#pragma once
// One run of a calibration check on the device session: for each test point the input is applied (by
// the bench, or by the technician, who types what the calibrator shows), the check waits for the PV to
// settle on the on-line loop's readings (the session's valuesRead: values of the device state, never of a
// widget), then takes the PV and the loop current (as the device reports it, from the bench's meter, or
// typed from a meter in the loop). Nothing waits in a loop: each reading moves the run on. Stop, a
// connection that stops or a driver that goes away end the run; only points measured are in it.
#include "device/DeviceSession.h"
#include "history/CalibrationRecord.h"
#include "platform/Result.h"

#include <QObject>
#include <optional>

namespace operations {

// The calibrator on the sensor and the meter in the loop, when the program works them.
class CalibrationBench {
public:
    virtual ~CalibrationBench() = default;
    // Holds the sensor input at the value, in the PV's unit.
    virtual platform::Result hold(double value) = 0;
    virtual platform::Result release() = 0;
    // The loop current in mA; nothing, with why, when the meter gives none.
    virtual std::optional<double> meter(QString* why) = 0;
};

// The bench of the simulated devices of the driver on this computer (`pelmora --sim`), for the device
// at a polling address.
class SimulatorBench : public CalibrationBench {
public:
    SimulatorBench(QString socketPath, QString device) : socketPath(std::move(socketPath)), device(std::move(device)) {}
    platform::Result hold(double value) override;
    platform::Result release() override;
    std::optional<double> meter(QString* why) override;

private:
    platform::Result ask(const QString& request, QString* answer = nullptr);
    QString socketPath, device;
};

// What the technician is asked while a point is taken; nothing: he cancelled, which stops the run.
class CalibrationPrompts {
public:
    virtual ~CalibrationPrompts() = default;
    // The input applied for the nominal value, as the calibrator shows it.
    virtual std::optional<double> appliedInput(double nominal, const QString& unit) = 0;
    // The loop current a meter in the loop shows, mA.
    virtual std::optional<double> meterCurrent() = 0;
};

struct CheckSetup {
    enum class Input { Typed, Bench };
    enum class Current { Device, Typed, Bench };
    QList<double> percents = history::defaultPoints(false);
    double tolerance = 0.25; // % of span
    Input input = Input::Typed;
    Current current = Current::Device;
    // A point is taken this long after its input was applied; 0: once the PV has settled.
    int settleMs = 0;
};

// The range, unit and transfer function of the device in the session, as an empty run to check it
// against; nothing, with why, when its values cannot be checked (no range, a transfer function the check
// cannot work out the current for).
std::optional<history::CalibrationRun> rangeOfDevice(const device::DeviceSession& session, QString* why);
// Who the device in the session is, for the record of its check.
history::CalibrationRecord recordOfDevice(const device::DeviceSession& session);

class CalibrationCheck : public QObject {
    Q_OBJECT
public:
    // Readings that must agree, within a tenth of the tolerance, before a point is taken.
    static constexpr int SettledReadings = 3;

    enum class End { Complete, Stopped, DriverLost, Failed };

    explicit CalibrationCheck(device::DeviceSession& session, QObject* parent = nullptr);
    ~CalibrationCheck() override;

    // Begins a run against the range (a run of rangeOfDevice) on the on-line loop; false, with why, when it
    // cannot. The bench is needed when the setup works it; the prompts when something is typed. Both must
    // live until the run ends.
    bool start(const history::CalibrationRun& range, const CheckSetup& setup, CalibrationBench* bench,
               CalibrationPrompts* prompts, QString* why);
    // Ends the run (the window's Stop, its closing).
    void stop();
    bool running() const { return active; }
    const history::CalibrationRun& run() const { return taken; }
    // The point being worked on (its index into the setup's points).
    int pointIndex() const { return int(taken.points.size()); }

signals:
    void pointTaken(int index);
    void settling(int index, double pv);
    void ended(operations::CalibrationCheck::End end, const QString& why);

private:
    void applyPoint();
    void reading(int command);
    bool settled() const;
    void takePoint(double pv);
    void finish(End end, const QString& why = {});

    device::DeviceSession& session;
    CheckSetup setup;
    CalibrationBench* bench = nullptr;
    CalibrationPrompts* prompts = nullptr;
    history::CalibrationRun taken;
    bool active = false;
    bool held = false;         // the bench holds the input
    bool applying = false;     // the input is being applied: readings wait
    bool firstReading = false; // no reading yet since the input was applied
    double applied = 0;
    qint64 appliedAt = 0;
    QList<double> readings; // PV readings since the input was applied
};

} // namespace operations
