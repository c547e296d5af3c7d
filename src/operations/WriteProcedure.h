#pragma once
// Writing the configuration on screen into the connected device (Write in device!) and putting the
// first-read values back (Back to Initial Values). The handlers check and confirm, re-identify the
// device, then let the sequencer walk the write list and read the device back.
#include "operations/OperationHost.h"

namespace operations {

class WriteProcedure {
public:
    explicit WriteProcedure(OperationHost& host) : host(host) {}

    void ZapisPrevClick();
    void NavratHodnotm1Click();

private:
    OperationHost& host;
};

} // namespace operations
