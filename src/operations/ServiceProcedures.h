#pragma once
// The service and calibration procedures of the Initialization, Configuration and Service menus.
// Each handler checks that it may run, asks what it needs, hands its procedure to the sequencer,
// waits for its end where it has to, and records the activity in the device's history (also when
// the user cancelled, and when the device could not be reached: the activity was begun; not when the
// user stopped it, the driver took no command or went away, or the program ended, for then the
// screen may no longer show the device and the entry would pass for done).
#include "operations/OperationHost.h"

#include <optional>

namespace operations {

class ServiceProcedures {
public:
    explicit ServiceProcedures(OperationHost& host) : host(host) {}

    // Initialization
    void Inicializaceoznaenm1Click();          // Initialization by Tag
    void Inicializacedotazovacadresou1Click(); // Initialization by Address
    // Initialization by Address at an address known already (a device chosen from a scan of the loop).
    void initializeAt(const QString& address);
    // Configuration
    void NastaveniPocatkuClick(); // Lower Range Value
    void NastaveniKonceClick();   // Upper Range Value
    void NulovaniCidlaClick();    // Sensor Zeroing
    void ZmenaAdresyClick();      // Address Changing
    // Service
    void TestPristrojeClick();             // Device Test
    void ResetPristrojeClick();            // Device Reset
    void NulujPriznakm1Click();            // Clear Configuration Changed Flag
    void Writefinalassemblynumber1Click(); // Write Final Assembly Number
    void FixovaniVystupnihoProuduClick();  // Enter Fixed Output Status (LoopTest)
    void ZrusfixovaniprouduClick();        // Exit Fixed Output Status
    void Trimovani4mAClick();              // Trim DAC Lower Output Value
    void Trimovani20mAClick();             // Trim DAC Upper Output Value
    void NastaveniBURSTfunkceClick();      // Set Burst Function
    void ZapnutiBURSTmoduClick();          // Enter Burst Mode
    void VypnutiBURSTmoduClick();          // Exit Burst mode

private:
    // The checks every handler starts with, and the error list emptied.
    bool allowed(Command command, bool clearErrors = true);
    // Hands the procedure over between two steps with its status text; waits for its end unless told
    // not to, and then says how it ended.
    std::optional<driverlink::Ending> handOver(driverlink::Procedure procedure, const QString& status,
                                               const QString& stepData = {}, bool wait = true);
    // The user cancelled before anything was sent: the fields come back and the on-line loop goes on.
    void cancelled();
    // Range setting and zeroing by the applied input: one question, then the procedure. A range end
    // is checked against the sensor's limits first.
    enum class AppliedEnd { Zero, Lower, Upper };
    void byAppliedInput(Command command, const QString& question, const QString& status,
                        driverlink::Procedure procedure, const QString& activity, bool withSnapshot, AppliedEnd end);
    // An initialisation: a connection starting at the procedure, without waiting for it.
    void initialize(driverlink::Procedure procedure, const QString& stepData, const QString& pollAddress,
                    const QString& status);
    struct Trim {
        Command command;
        QString question;
        QString status;
        QString outputDefault; // the current the device is fixed at
        QString outputLabel;   // shown in place of the loop current while the user measures
        driverlink::Procedure procedure;
        bool cancelAtQuestionResumes; // the upper trim goes back to the on-line loop at once
        QString releaseOnCancel;      // the current that releases the output when the value is cancelled
        QString activity;
    };
    void trim(const Trim& trim);
    // Records the activity unless the procedure waited for ended without having happened.
    void record(const QString& activity, bool withSnapshot,
                const std::optional<driverlink::Ending>& ending = std::nullopt);

    OperationHost& host;
};

} // namespace operations
