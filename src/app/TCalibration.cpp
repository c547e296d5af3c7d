#include "app/TCalibration.h"

#include "platform/ChannelProtocol.h"
#include "platform/Dialogs.h"
#include "platform/Profile.h"
#include "platform/Texts.h"
#include "print/CertificateLayout.h"
#include "settings/Folders.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using operations::CalibrationCheck;
using operations::CheckSetup;

namespace {
template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

const platform::Texts& t() { return platform::texts(); }

QString fixed(double value, int decimals) { return QLocale::c().toString(value, 'f', decimals); }

// The calibrator's keys of the settings file: typed once, offered again at every check.
const QString MakeKey = QStringLiteral("CalibratorMake");
const QString SerialKey = QStringLiteral("CalibratorSerial");
const QString CertificateKey = QStringLiteral("CalibratorCertificate");
const QString DueKey = QStringLiteral("CalibratorDue");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

TCalibration::TCalibration(device::DeviceSession& session, const QList<QAction*>& procedures, QWidget* parent)
    : QDialog(parent), session(session), check(session)
{
    setObjectName(QStringLiteral("TCalibration"));
    setWindowTitle(tr("Calibration Check"));
    makeBench = [&session]() -> std::unique_ptr<operations::CalibrationBench> {
        namespace channel = platform::channel;
        return std::make_unique<operations::SimulatorBench>(
            channel::localSocketPath(channel::LocalService, channel::LocalTopic),
            session.state.text(config::Control::PollAddr).trimmed());
    };

    Points = named(new QLineEdit(QStringLiteral("0, 25, 50, 75, 100")), "Points");
    Falling = named(new QCheckBox(tr("Falling too")), "Falling");
    Tolerance = named(new QDoubleSpinBox, "Tolerance");
    Tolerance->setRange(0.001, 100);
    Tolerance->setDecimals(3);
    Tolerance->setValue(0.25);
    InputSource = named(new QComboBox, "InputSource");
    InputSource->addItems({tr("Typed from the calibrator"), tr("Simulated bench")});
    CurrentSource = named(new QComboBox, "CurrentSource");
    CurrentSource->addItems({tr("As the device reports it"), tr("Typed from a meter"), tr("Simulated meter")});
    SettleTime = named(new QSpinBox, "SettleTime");
    SettleTime->setRange(0, 600);
    SettleTime->setSpecialValueText(tr("until the PV settles"));
    auto* setup = new QFormLayout;
    setup->addRow(tr("Test points (% of range):"), Points);
    setup->addRow(QString(), Falling);
    setup->addRow(tr("Tolerance (% of span):"), Tolerance);
    setup->addRow(tr("Applied input:"), InputSource);
    setup->addRow(tr("Loop current:"), CurrentSource);
    setup->addRow(tr("Settling time (s):"), SettleTime);

    CalibratorMake = named(new QLineEdit, "CalibratorMake");
    CalibratorSerial = named(new QLineEdit, "CalibratorSerial");
    CalibratorCertificate = named(new QLineEdit, "CalibratorCertificate");
    CalibratorDue = named(new QDateEdit(QDate::currentDate()), "CalibratorDue");
    Ambient = named(new QLineEdit, "Ambient");
    NextDue = named(new QDateEdit(QDate::currentDate().addYears(1)), "NextDue");
    for (QDateEdit* date : {CalibratorDue, NextDue}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(DateFormat);
    }
    auto* calibrator = new QFormLayout;
    calibrator->addRow(tr("Calibrator make:"), CalibratorMake);
    calibrator->addRow(tr("Serial number:"), CalibratorSerial);
    calibrator->addRow(tr("Certificate:"), CalibratorCertificate);
    calibrator->addRow(tr("Certificate due:"), CalibratorDue);
    calibrator->addRow(tr("Ambient conditions:"), Ambient);
    calibrator->addRow(tr("Next check due:"), NextDue);
    try {
        const platform::Profile file(settings::settingsFile());
        const QString section = settings::SettingsSection;
        CalibratorMake->setText(file.readString(section, MakeKey));
        CalibratorSerial->setText(file.readString(section, SerialKey));
        CalibratorCertificate->setText(file.readString(section, CertificateKey));
        if (const QDate due = QDate::fromString(file.readString(section, DueKey), DateFormat); due.isValid())
            CalibratorDue->setDate(due);
    } catch (const std::exception&) {
        // No working folder: nothing remembered (the settings start-up says why).
    }

    auto* top = new QHBoxLayout;
    auto* setupBox = new QGroupBox(tr("Check"));
    setupBox->setLayout(setup);
    auto* calibratorBox = new QGroupBox(tr("Calibrator"));
    calibratorBox->setLayout(calibrator);
    top->addWidget(setupBox);
    top->addWidget(calibratorBox);

    auto makeTable = [](const char* name) {
        auto* table = named(new QTableWidget(0, int(print::checkColumns().size())), name);
        table->setHorizontalHeaderLabels(print::checkColumns());
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        return table;
    };
    AsFoundTable = makeTable("AsFoundTable");
    AsLeftTable = makeTable("AsLeftTable");
    AsFoundLargest = named(new QLabel, "AsFoundLargest");
    AsLeftLargest = named(new QLabel, "AsLeftLargest");
    auto* tables = new QHBoxLayout;
    for (const auto& [caption, table, largest] : {std::tuple{t().checkAsFound, AsFoundTable, AsFoundLargest},
                                                  std::tuple{t().checkAsLeft, AsLeftTable, AsLeftLargest}}) {
        auto* box = new QGroupBox(caption);
        auto* column = new QVBoxLayout(box);
        column->addWidget(table);
        column->addWidget(largest);
        tables->addWidget(box);
    }

    bAsFound = named(new QPushButton(tr("Run As Found")), "bAsFound");
    bAsLeft = named(new QPushButton(tr("Run As Left")), "bAsLeft");
    bStop = named(new QPushButton(tr("Stop")), "bStop");
    bSave = named(new QPushButton(tr("Save Record")), "bSave");
    bPrint = named(new QPushButton(tr("Print Certificate...")), "bPrint");
    auto* runs = new QHBoxLayout;
    for (QPushButton* button : {bAsFound, bAsLeft, bStop})
        runs->addWidget(button);
    runs->addStretch();
    runs->addWidget(bSave);
    runs->addWidget(bPrint);
    // The adjustments between the runs are the main window's own commands, with their checks and history.
    // They have a row of their own: their captions are long in some languages.
    Adjustments = named(new QWidget, "Adjustments");
    auto* adjustments = new QHBoxLayout(Adjustments);
    adjustments->setContentsMargins(0, 0, 0, 0);
    for (QAction* procedure : procedures) {
        auto* button = new QToolButton;
        button->setDefaultAction(procedure);
        adjustments->addWidget(button);
    }
    adjustments->addStretch();
    CheckState = named(new QLabel, "CheckState");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(runs);
    layout->addWidget(Adjustments);
    layout->addWidget(CheckState);
    layout->addLayout(tables, 1);
    resize(1100, 640);

    connect(bAsFound, &QPushButton::clicked, this, [this] { RunClick(false); });
    connect(bAsLeft, &QPushButton::clicked, this, [this] { RunClick(true); });
    connect(bStop, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(bSave, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(bPrint, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(&check, &CalibrationCheck::pointTaken, this, [this] { takeRun(); });
    connect(&check, &CalibrationCheck::settling, this, [this](int index, double pv) {
        CheckState->setText(tr("Point %1: PV %2, settling ...").arg(index + 1).arg(pv));
    });
    connect(&check, &CalibrationCheck::ended, this, &TCalibration::ended);
    updateButtons();
}

// A run still going ends before the bench it works goes away.
TCalibration::~TCalibration() { check.stop(); }

void TCalibration::showCheck()
{
    show();
    raise();
    activateWindow();
}

std::optional<QList<double>> TCalibration::points() const
{
    QList<double> percents;
    for (const QString& part : Points->text().split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const double percent = QLocale::c().toDouble(part.trimmed(), &ok);
        if (!ok || percent < -25 || percent > 125) return std::nullopt;
        percents.append(percent);
    }
    if (percents.isEmpty()) return std::nullopt;
    if (Falling->isChecked())
        for (qsizetype i = percents.size() - 2; i >= 0; --i)
            percents.append(percents[i]);
    return percents;
}

void TCalibration::RunClick(bool asLeft)
{
    QString why;
    const std::optional<history::CalibrationRun> range = operations::rangeOfDevice(session, &why);
    const std::optional<QList<double>> percents = points();
    if (!percents) why = t().checkPointsInvalid;
    if (!range || !percents) return platform::dialogs().error(why);
    CheckSetup setup;
    setup.percents = *percents;
    setup.tolerance = Tolerance->value();
    setup.input = InputSource->currentIndex() == 1 ? CheckSetup::Input::Bench : CheckSetup::Input::Typed;
    setup.current = std::array{CheckSetup::Current::Device, CheckSetup::Current::Typed,
                               CheckSetup::Current::Bench}[std::clamp(CurrentSource->currentIndex(), 0, 2)];
    setup.settleMs = SettleTime->value() * 1000;
    const bool benchUsed = setup.input == CheckSetup::Input::Bench || setup.current == CheckSetup::Current::Bench;
    bench = benchUsed ? makeBench() : nullptr;
    // A new as found begins a new check: the as left of the one before belongs to it.
    if (!asLeft) checked = operations::recordOfDevice(session);
    runningAsLeft = asLeft;
    if (!check.start(*range, setup, bench.get(), this, &why)) {
        platform::dialogs().error(why);
        return updateButtons();
    }
    takeRun();
    updateButtons();
}

void TCalibration::StopClick() { check.stop(); }

void TCalibration::reject()
{
    check.stop();
    QDialog::reject();
}

void TCalibration::showRun(bool asLeft)
{
    const history::CalibrationRun& run = asLeft ? checked.asLeft : checked.asFound;
    checked.tolerance = Tolerance->value();
    QTableWidget* table = asLeft ? AsLeftTable : AsFoundTable;
    table->setRowCount(int(run.points.size()));
    for (int row = 0; row < run.points.size(); ++row) {
        const history::CalibrationPoint& p = run.points[row];
        const QStringList cells = print::checkCells(checked, run, p);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    QLabel* largest = asLeft ? AsLeftLargest : AsFoundLargest;
    largest->setText(run.points.isEmpty() ? QString() : t().checkLargest.arg(fixed(checked.largestError(run), 3)));
}

void TCalibration::takeRun()
{
    (runningAsLeft ? checked.asLeft : checked.asFound) = check.run();
    showRun(runningAsLeft);
}

void TCalibration::ended(CalibrationCheck::End end, const QString& why)
{
    takeRun();
    bench.reset();
    CheckState->setText(end == CalibrationCheck::End::Complete ? tr("The run is complete.")
                                                               : tr("The run was ended before its last point."));
    updateButtons();
    if (!why.isEmpty()) platform::dialogs().error(why);
}

void TCalibration::updateButtons()
{
    const bool running = check.running();
    bAsFound->setEnabled(!running);
    bAsLeft->setEnabled(!running && !checked.asFound.points.isEmpty());
    bStop->setEnabled(running);
    Adjustments->setEnabled(!running);
    bSave->setEnabled(!running && !checked.asFound.points.isEmpty());
    bPrint->setEnabled(bSave->isEnabled());
}

std::optional<double> TCalibration::askNumber(const QString& prompt, const QString& value)
{
    QString text = value;
    while (platform::dialogs().inputQuery(windowTitle(), prompt, text)) {
        bool ok = false;
        const double number = QLocale::c().toDouble(text.trimmed().replace(u',', u'.'), &ok);
        if (ok && std::isfinite(number)) return number;
        platform::dialogs().error(t().notANumber.arg(text));
    }
    return std::nullopt;
}

std::optional<double> TCalibration::appliedInput(double nominal, const QString& unit)
{
    return askNumber(t().applyCheckInput.arg(QLocale::c().toString(nominal), unit), QLocale::c().toString(nominal));
}

std::optional<double> TCalibration::meterCurrent() { return askNumber(t().typeMeterCurrent, QString()); }

history::CalibrationRecord TCalibration::record() const
{
    history::CalibrationRecord r = checked;
    r.tolerance = Tolerance->value();
    r.technician = technician ? technician() : QString();
    r.calibrator = {CalibratorMake->text().trimmed(), CalibratorSerial->text().trimmed(),
                    CalibratorCertificate->text().trimmed(), CalibratorDue->date()};
    r.ambient = Ambient->text().trimmed();
    r.nextDue = NextDue->date();
    r.taken = QDateTime::currentDateTime();
    return r;
}

void TCalibration::rememberCalibrator()
{
    try {
        platform::Profile file(settings::settingsFile());
        const QString section = settings::SettingsSection;
        file.beginBatch();
        for (const auto& [key, value] : {std::pair{MakeKey, CalibratorMake->text().trimmed()},
                                         {SerialKey, CalibratorSerial->text().trimmed()},
                                         {CertificateKey, CalibratorCertificate->text().trimmed()},
                                         {DueKey, CalibratorDue->date().toString(DateFormat)}})
            file.writeString(section, key, value);
        if (const platform::Result written = file.flush(); !written) CheckState->setText(written.error);
    } catch (const std::exception& error) {
        CheckState->setText(QString::fromStdString(error.what()));
    }
}

void TCalibration::SaveClick()
{
    rememberCalibrator();
    const history::CalibrationRecord r = record();
    const QString folder = historyFolder ? historyFolder() : QString();
    const QString path = folder + history::calibrationFileName(r);
    if (const platform::Result written = history::writeCalibrationFile(path, r); !written)
        return platform::dialogs().error(written.error);
    if (recordActivity) recordActivity(t().activityCalibrationCheck);
    CheckState->setText(t().checkSaved.arg(path));
}

void TCalibration::PrintClick()
{
    rememberCalibrator();
    if (printCertificate) printCertificate(record());
}
