#pragma once
// The window of a scan of the loop: a progress bar over the polling addresses, Stop, and the list of the
// devices that answered (address, manufacturer, device type, revision, unique identifier, tag, long tag),
// with a warning when one device answers at two addresses. It shows the device session's scan as the
// session tells of it and runs nothing itself but the session's Stop; Connect (or a double-click on a
// device) closes it with the device's polling address chosen, which the main window then initialises.
// Closing it stops a scan under way.
#include "link/Procedures.h"

#include <QDialog>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
namespace device {
class DeviceSession;
}

class TLoopScan : public QDialog {
    Q_OBJECT
public:
    explicit TLoopScan(device::DeviceSession& session, QWidget* parent = nullptr);

    // Makes the window ready for a scan that is about to begin: an empty list, nothing chosen.
    void prepare();
    // The polling address of the device chosen with Connect, as a command carries it.
    std::optional<QString> chosenAddress() const { return chosen; }
    bool scanRunning() const { return running; }

    QProgressBar* ScanProgress = nullptr;
    QLabel* ScanState = nullptr;
    QTableWidget* ScanResults = nullptr;
    QLabel* ScanWarning = nullptr;
    QPushButton* ScanStop = nullptr;
    QPushButton* ScanConnect = nullptr;
    QPushButton* ScanClose = nullptr;

    void reject() override;

private:
    void showScan();
    void scanEnded(driverlink::Ending ending);
    void connectChosen();
    void updateButtons();

    device::DeviceSession& session;
    bool running = false;
    std::optional<QString> chosen;
};
