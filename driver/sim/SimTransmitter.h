#pragma once
// One simulated field device: takes a request already addressed to it and answers like the real
// transmitter would, from its configuration and a process model driven by the program's clock.
// It knows nothing of frames, timing or files; SimBus adds those.
//
// Two copies of the configuration: `working` is what the device runs with, `stored` what survives
// a restart (the state file). A device that keeps writes at once copies working to stored after
// every write; one with flags bit 2 only on command 39 (its polling address excepted, which goes to
// non-volatile memory at once). The configuration-changed flag is kept over a restart too.
// What a calibrator or a meter on the bench does (holding the sensor input, reading the loop
// current) is not the device's and is kept nowhere.
#include "sim/SimModel.h"

#include "hart/HartTypes.h"

#include <optional>

namespace sim {

class SimTransmitter {
public:
    SimTransmitter(DeviceModel model, Config factory);

    const DeviceModel& deviceModel() const { return model; }
    const QString& name() const { return model.name; }
    // Manufacturer id (6 bits), device type, device id.
    QByteArray longAddress() const;

    // The device's own short or long address.
    bool answers(const hart::Address& address) const;
    // Also the broadcast address, for command 11 with this device's tag.
    bool answers(const hart::Request& request) const;
    // The reply, or nothing when the device stays silent (command 11 with another tag).
    std::optional<hart::Reply> handle(const hart::Request& request);

    const Config& config() const { return working; }
    const Config& storedConfig() const { return stored; }
    const Config& factoryConfig() const { return factory; }
    // Starts up with a saved configuration and configuration-changed flag, as after power-on.
    void load(const Config& config, bool changed = false);
    // True once after the stored configuration or the configuration-changed flag changed (they
    // must be saved).
    bool takeStoredChange();
    bool configurationChanged() const { return configChanged; }
    // The write-protect jumper.
    void setWriteProtected(bool on);
    // The HART revision the device speaks (5, 6 or 7): the layout of its identity reply, and whether it
    // has a long tag. A device made for one revision keeps it.
    void setUniversalRevision(quint8 revision)
    {
        if (!model.revisionFixed) model.identity.universalRevision = revision;
    }

    // A calibrator holding the sensor input at a value in base units; nothing: the live process.
    void holdProcess(std::optional<double> base) { held = base; }
    std::optional<double> heldInput() const { return held; }
    // The unit the device shows measured values in, as a scale from the base unit.
    UnitScale pvScale() const;
    // The primary variable now, in base units.
    double primaryValue() const;
    bool multidrop() const { return working.pollingAddress != 0; }
    bool currentFixed() const { return multidrop() || fixedMa.has_value(); }
    // The current the device believes it drives (commands 2 and 3).
    double loopCurrentMa() const;
    // Percent of range as command 2 gives it: of the PV, or of the current fixed by command 40.
    double percentOfRange() const;
    // The current a meter in the loop would read: the device's current through the imperfect
    // output stage and the output trims.
    double analogOutputMa() const;

private:
    struct Answer {
        quint8 code = hart::rc::Success;
        QByteArray data;
    };
    using Handler = Answer (SimTransmitter::*)(const QByteArray& data);
    struct Command {
        quint8 number;
        int requestBytes;
        bool writes; // refused under write protection, sets "configuration changed"
        Handler handler;
        quint8 sinceRevision = 5; // a device of an older universal revision does not know it
    };
    static const Command* findCommand(quint8 number, bool withDisplay);

    bool tagMatches(const QByteArray& data) const;
    double sensorInput() const; // what the sensor reads of its input, before the zero trim, base units
    bool saturated() const;
    bool pvOutOfLimits() const;
    quint8 statusByte() const;
    QByteArray extendedStatus() const;
    void acceptWrite();
    void setConfigChanged(bool on);
    void reset();
    void setWorking(const Config& config);
    // 0, a limit error, "invalid span", or the warning "span too small" for a new range in base units.
    quint8 rangeCode(double upper, double lower) const;
    // For a range of which only the span can be wrong: 0, the warning, or "invalid span".
    quint8 spanCode(double upper, double lower) const;
    // 0, or why the PV now cannot become a range value (commands 36 and 37).
    quint8 appliedCode(double pv) const;
    Answer applyRange(double upper, double lower);
    Answer trimOutput(const QByteArray& data, double point);

    // Identity and reads (SimReadCommands.cpp)
    Answer identity(const QByteArray&);
    Answer readPrimary(const QByteArray&);
    Answer readCurrent(const QByteArray&);
    Answer readVariables(const QByteArray&);
    Answer readMessage(const QByteArray&);
    Answer readTagDescriptorDate(const QByteArray&);
    Answer readSensorInfo(const QByteArray&);
    Answer readOutputInfo(const QByteArray&);
    Answer readFinalAssembly(const QByteArray&);
    Answer readLongTag(const QByteArray&);
    Answer readStatus(const QByteArray&);
    Answer readBurstConfiguration(const QByteArray&);
    // Writes and device actions (SimWriteCommands.cpp)
    Answer writePollingAddress(const QByteArray&);
    Answer writeMessage(const QByteArray&);
    Answer writeTagDescriptorDate(const QByteArray&);
    Answer writeFinalAssembly(const QByteArray&);
    Answer writeLongTag(const QByteArray&);
    Answer writeDamping(const QByteArray&);
    Answer writeRange(const QByteArray&);
    Answer setUpperToApplied(const QByteArray&);
    Answer setLowerToApplied(const QByteArray&);
    Answer resetChangedFlag(const QByteArray&);
    Answer eepromControl(const QByteArray&);
    Answer fixCurrent(const QByteArray&);
    Answer selfTest(const QByteArray&);
    Answer deviceReset(const QByteArray&);
    Answer zeroTrim(const QByteArray&);
    Answer writeUnits(const QByteArray&);
    Answer trimLower(const QByteArray&);
    Answer trimUpper(const QByteArray&);
    Answer writeTransferFunction(const QByteArray&);
    Answer writeBurstCommand(const QByteArray&);
    Answer writeBurstMode(const QByteArray&);
    // Display, alarm currents and sensor trim points (SimDisplayCommands.cpp)
    Answer readDisplay(const QByteArray&);
    Answer writeDisplay(const QByteArray&);
    Answer readAlarmCurrents(const QByteArray&);
    Answer writeAlarmCurrents(const QByteArray&);
    Answer readTrimPoint(const QByteArray&);
    Answer writeTrimPoint(const QByteArray&);
    Answer restoreDisplayDefaults(const QByteArray&);

    static const Command Universal[];
    static const Command DisplayCommands[];

    DeviceModel model;
    Config factory;
    Config working;
    Config stored;
    bool storedChanged = false;
    // Run-time state, lost at a reset.
    std::optional<double> held;
    std::optional<double> fixedMa; // fixed by command 40
    bool configChanged = false;
    quint16 changeCounter = 0; // accepted writes since power-on (revision 6 and later)
    bool coldStart = false;
    bool selfTestResult = false; // a self test result waits to be read with command 48
    QByteArray statusLastRead;   // command 48 as last read: a difference means "more status"
};

} // namespace sim
