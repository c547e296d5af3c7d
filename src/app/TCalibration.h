#pragma once
// The Calibration Check window: the test points, the tolerance, where the applied input and the loop
// current come from, and the as-found and as-left runs side by side with the largest error of each. A run
// is a CalibrationCheck on the device session; the window shows what it took and asks the technician what
// he must type. Between the runs the existing procedures (range by applied input, zero, output trims) are
// at hand as buttons bound to the main window's own commands. Save Record keeps the check beside the history
// (its file and an entry with the device's snapshot), Print Certificate prints it. The window is not modal;
// closing it stops a run.
#include "history/CalibrationRecord.h"
#include "operations/CalibrationCheck.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TCalibration : public QDialog, private operations::CalibrationPrompts {
    Q_OBJECT
public:
    explicit TCalibration(device::DeviceSession& session, const QList<QAction*>& procedures, QWidget* parent = nullptr);
    ~TCalibration() override;

    // Shows the window, or brings it to the front.
    void showCheck();

    // The record of the check as it stands: the device, both runs, the calibrator and the technician.
    history::CalibrationRecord record() const;

    // What the main window does for it: the technician's name, the folder of the history files, a history
    // entry of the device on screen with its snapshot, and the certificate printed.
    std::function<QString()> technician;
    std::function<QString()> historyFolder;
    std::function<void(const QString& activity)> recordActivity;
    std::function<void(const history::CalibrationRecord& record)> printCertificate;
    // The bench of the simulated devices; replaceable for tests.
    std::function<std::unique_ptr<operations::CalibrationBench>()> makeBench;

    void RunClick(bool asLeft);
    void StopClick();
    void SaveClick();
    void PrintClick();

    QLineEdit* Points = nullptr;
    QCheckBox* Falling = nullptr;
    QDoubleSpinBox* Tolerance = nullptr;
    QComboBox* InputSource = nullptr;   // typed, the simulated bench
    QComboBox* CurrentSource = nullptr; // the device, typed from a meter, the simulated meter
    QSpinBox* SettleTime = nullptr;     // seconds; 0: until the PV settles
    QPushButton* bAsFound = nullptr;
    QPushButton* bAsLeft = nullptr;
    QPushButton* bStop = nullptr;
    QWidget* Adjustments = nullptr; // the main window's procedures, out of reach while a run measures
    QTableWidget* AsFoundTable = nullptr;
    QTableWidget* AsLeftTable = nullptr;
    QLabel* AsFoundLargest = nullptr;
    QLabel* AsLeftLargest = nullptr;
    QLabel* CheckState = nullptr;
    QLineEdit* CalibratorMake = nullptr;
    QLineEdit* CalibratorSerial = nullptr;
    QLineEdit* CalibratorCertificate = nullptr;
    QDateEdit* CalibratorDue = nullptr;
    QLineEdit* Ambient = nullptr;
    QDateEdit* NextDue = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bPrint = nullptr;

    void reject() override;

private:
    // CalibrationPrompts
    std::optional<double> appliedInput(double nominal, const QString& unit) override;
    std::optional<double> meterCurrent() override;
    std::optional<double> askNumber(const QString& prompt, const QString& value);

    std::optional<QList<double>> points() const;
    // The run under way as the check has it now, shown.
    void takeRun();
    void showRun(bool asLeft);
    void ended(operations::CalibrationCheck::End end, const QString& why);
    void updateButtons();
    void rememberCalibrator();

    device::DeviceSession& session;
    operations::CalibrationCheck check;
    std::unique_ptr<operations::CalibrationBench> bench;
    history::CalibrationRecord checked; // the device and the runs made
    bool runningAsLeft = false;
};
