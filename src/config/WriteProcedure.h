#pragma once
// Writing the configuration on screen into the connected device (Write in device!) and putting the
// first-read values back (Back to Initial Values). The handlers check and confirm, re-identify the
// device, then let the sequencer walk the write list and read the device back.
#include "config/ChangeFlags.h"
#include "config/TConfigRecord.h"
#include "link/Sequencer.h"

namespace config {

class WriteHost {
public:
    virtual ~WriteHost() = default;
    virtual bool linkOpen() = 0;
    virtual bool readOnlyUser() = 0;
    virtual bool screenFromFile() = 0;
    virtual ChangeFlags& changeFlags() = 0;
    virtual driverlink::Sequencer& commandSequencer() = 0;
    virtual driverlink::MainScreen& screen() = 0;
    virtual void clearErrors() = 0;
    virtual void ItemsEnabled(bool enable, bool showOnline) = 0;
    virtual void markHistoryForReload() = 0;
    virtual void recordHistory(const QString& activity, bool withSnapshot) = 0;
    virtual void showInitialConfig() = 0; // SetScreen(InitialConfig)
    virtual void enableWriteButton() = 0;
};

class WriteProcedure {
public:
    explicit WriteProcedure(WriteHost& host) : host(host) {}

    void ZapisPrevClick();
    void NavratHodnotm1Click();

private:
    bool allowed();
    // Starts a procedure of the sequencer as a write does.
    void startAt(quint16 state);

    WriteHost& host;
};

} // namespace config
