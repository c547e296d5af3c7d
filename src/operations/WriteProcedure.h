#pragma once
// Writing the configuration on screen into the connected device (Write in device!) and putting the
// first-read values back (Back to Initial Values). The handlers check and confirm, re-identify the
// device, then let the sequencer walk the write list and read the device back. A write the device or
// the driver could not take whole is refused before anything of it is sent.
#include "operations/OperationHost.h"

namespace operations {

class WriteProcedure {
public:
    explicit WriteProcedure(OperationHost& host) : host(host) {}

    void ZapisPrevClick();
    void NavratHodnotm1Click();

private:
    // Says why the changed values cannot be written, if they cannot.
    bool refused();

    OperationHost& host;
};

} // namespace operations
