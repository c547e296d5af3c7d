// A technician's session recorded in the history, and the history window that lists, shows, compares
// and exports it.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ProgramFolder.h"
#include "ReadingWindow.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "app/TCalibration.h"
#include "app/TForm1.h"
#include "history/TDatabase.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"
#include "settings/Folders.h"
#include "settings/TOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <gtest/gtest.h>

using Kind = testing_support::ScriptedDialogs::Kind;
using platform::Answer;

namespace {

const platform::Texts& txt() { return platform::texts(); }

class HistoryFlowTest : public ::testing::Test {
protected:
    HistoryFlowTest()
    {
        testing_support::answerAsPressureTransmitter(driver);
        testing_support::openAndRead(session, window, channel, dialogs, clock, true);
    }
    // The rows of the history window as "activity|group|snapshot".
    QStringList rows() const
    {
        QStringList out;
        const QAbstractItemModel* model = window->Database->Table->model();
        for (int row = 0; row < model->rowCount(); ++row)
            out.append(model->index(row, 2).data().toString() + u'|' + model->index(row, 7).data().toString() + u'|' +
                       model->index(row, 9).data().toString());
        return out;
    }

    ProgramFolder folder{"TABEN.DDF"};
    testing_support::ScopedEnvironment programData{"PROGRAMDATA", folder.root().toLocal8Bit()};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    std::unique_ptr<device::DeviceSession> session;
    std::unique_ptr<TForm1> window;
};

TEST_F(HistoryFlowTest, ASessionIsListedNewestFirstAndItsSnapshotsComeBack)
{
    window->form.Tlumeni->setText(QStringLiteral("2.5"));
    dialogs.expect(Kind::Confirm, txt().writeChangesToDevice, Answer::Yes);
    dialogs.expect(Kind::Information, txt().writtenIntoDevice);
    window->writing.ZapisPrevClick();
    window->service.TestPristrojeClick();

    dialogs.expectModal(QStringLiteral("TDatabase"), Answer::Cancel);
    window->Database->MenuHistoryClick(window->HistoryRefresh);
    EXPECT_EQ(rows(), (QStringList{txt().activityDeviceTested + QStringLiteral("|new|-1"),
                                   txt().activityModified + QStringLiteral("|new|1"),
                                   txt().activityConnected + QStringLiteral("|new|0")}));

    // The first snapshot on the main screen: the damping as it was read.
    window->Database->Table->setCurrentIndex(window->Database->Table->model()->index(2, 0));
    dialogs.expect(Kind::Confirm, txt().changesNotSavedInDevice, Answer::Yes);
    window->form.Tlumeni->setText(QStringLiteral("9")); // unsaved: the question comes
    ASSERT_TRUE(window->Database->Show());
    EXPECT_EQ(window->form.Tlumeni->text(), QStringLiteral("0.5"));
    EXPECT_TRUE(window->ScreenFromFile);

    window->form.Tlumeni->setText(QStringLiteral("7"));
    window->Database->Table->setCurrentIndex(window->Database->Table->model()->index(1, 0));
    ASSERT_TRUE(window->Database->Compare());
    EXPECT_EQ(window->form.Tlumeni->palette().color(QPalette::Base), QColor(255, 255, 0))
        << "the damping that differs is not marked";
    EXPECT_NE(window->form.Pocatek->palette().color(QPalette::Base), QColor(255, 255, 0));
}

// A calibrator on the sensor whose input the driver's PV shows 1 kPa high, and a meter in the loop.
class Bench : public operations::CalibrationBench {
public:
    explicit Bench(testing_support::FakeDriver& driver) : driver(driver) {}
    platform::Result hold(double value) override
    {
        held = value;
        driver.replies[3][2] = QString::number(value + 1.0);
        return platform::Result::success();
    }
    platform::Result release() override { return platform::Result::success(); }
    std::optional<double> meter(QString*) override { return 4.0 + 0.016 * held; }

private:
    testing_support::FakeDriver& driver;
    double held = 0;
};

TEST_F(HistoryFlowTest, ACalibrationCheckIsKeptInItsFileWithTheCalibratorAndListedForTheDevice)
{
    window->CalibrationCheckClick();
    TCalibration& check = *window->Calibration;
    check.makeBench = [this] { return std::make_unique<Bench>(driver); };
    check.InputSource->setCurrentIndex(1);   // the simulated bench
    check.CurrentSource->setCurrentIndex(2); // its meter
    check.CalibratorMake->setText(QStringLiteral("Kalibra"));
    EXPECT_FALSE(check.bAsLeft->isEnabled()) << "an as left without an as found";
    check.bAsFound->click();
    EXPECT_FALSE(check.Adjustments->isEnabled()) << "a procedure could change the device under the run";
    ASSERT_TRUE(clock.runUntil([&] { return check.bAsFound->isEnabled(); }, 300000));
    EXPECT_TRUE(check.Adjustments->isEnabled());
    ASSERT_EQ(check.AsFoundTable->rowCount(), 5);
    EXPECT_EQ(check.AsFoundTable->item(4, 3)->text(), QStringLiteral("0.100")) << "PV error, % of span";
    EXPECT_EQ(check.AsFoundLargest->text(), txt().checkLargest.arg(QStringLiteral("0.100")));
    EXPECT_TRUE(check.bAsLeft->isEnabled());
    check.bSave->click();

    const QDir history(window->Options->sharedFolder());
    const QStringList files = history.entryList({QStringLiteral("CAL_PR210_662316_*.txt")});
    ASSERT_EQ(files.size(), 1) << history.path().toStdString();
    QFile file(history.filePath(files[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto record = history::parseCalibrationFile(file.readAll());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->asFound.points.size(), 5);
    EXPECT_TRUE(record->asFound.complete);
    EXPECT_TRUE(record->asLeft.points.isEmpty());
    EXPECT_EQ(record->calibrator.make, QStringLiteral("Kalibra"));
    EXPECT_EQ(platform::Profile(settings::settingsFile())
                  .readString(settings::SettingsSection, QStringLiteral("CalibratorMake")),
              QStringLiteral("Kalibra"))
        << "typed once, offered at the next check";

    dialogs.expectModal(QStringLiteral("TDatabase"), Answer::Cancel);
    window->Database->MenuHistoryClick(window->HistoryRefresh);
    EXPECT_EQ(rows().value(0), txt().activityCalibrationCheck + QStringLiteral("|new|1")) << "with its snapshot";
}

TEST_F(HistoryFlowTest, AGroupChangeIsRecordedAndTheExportReadsBack)
{
    window->Options->DatabaseLog->setChecked(false); // a group change is recorded all the same
    dialogs.expectModal(QStringLiteral("TDatabase"), Answer::Cancel);
    window->Database->MenuHistoryClick(window->HistoryRefresh);
    dialogs.expect(Kind::Input, txt().groupNamePrompt, Answer::Ok, QStringLiteral("Boiler house"));
    window->Database->bNewGroupClick();
    dialogs.expect(Kind::Confirm, txt().changeGroupTo.arg(QStringLiteral("Boiler house")), Answer::Yes);
    window->Database->bChangeClick();
    dialogs.expect(Kind::Confirm, txt().changeGroupTo.arg(QStringLiteral("Boiler house")), Answer::Yes);
    dialogs.expect(Kind::Error, txt().actualGroup);
    window->Database->bChangeClick();
    window->Database->bApplyClick();
    EXPECT_EQ(rows().first(), txt().activityGroupChanged + QStringLiteral("|Boiler house|0"));

    const QString csv = folder.root() + QStringLiteral("/history.csv");
    dialogs.expect(Kind::SaveFile, txt().exportCaption, Answer::Ok, csv);
    window->Database->ExportClick();
    const QStringList lines = QString::fromUtf8(*platform::readFileStart(csv, 100000)).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(txt().headingDate));
    EXPECT_TRUE(lines[1].contains(QStringLiteral(",Boiler house,"))) << lines[1].toStdString();
    EXPECT_EQ(lines[1].count(u','), 8) << "nine visible columns";
}

} // namespace
