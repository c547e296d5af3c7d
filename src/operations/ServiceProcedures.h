#pragma once
// The service and calibration procedures of the Initialization, Configuration and Service menus.
// Each handler checks that it may run, asks what it needs, hands its procedure to the sequencer,
// waits for its end where it has to, and records the activity in the device's history (also when
// the user cancelled, and also when the procedure was cut short: the activity was begun).
#include "operations/OperationHost.h"

namespace operations {

class ServiceProcedures {
public:
    explicit ServiceProcedures(OperationHost& host) : host(host) {}

    // Initialization
    void Inicializaceoznaenm1Click();          // Initialization by Tag
    void Inicializacedotazovacadresou1Click(); // Initialization by Address
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
    // Hands the procedure over between two steps with its status text; waits for its end unless told not to.
    void handOver(driverlink::Procedure procedure, const QString& status, const QString& stepData = {},
                  bool wait = true);
    // The user cancelled before anything was sent: the fields come back and the on-line loop goes on.
    void cancelled();
    // Range setting and zeroing by the applied input: one question, then the procedure.
    void byAppliedInput(Command command, const QString& question, const QString& status,
                        driverlink::Procedure procedure, const QString& activity, bool withSnapshot);
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
    void record(const QString& activity, bool withSnapshot) { host.WriteDbIndex(activity, withSnapshot); }

    OperationHost& host;
};

} // namespace operations
