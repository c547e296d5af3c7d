// The calibration check: the errors it works out, its runs on the device session's readings (settling,
// a bench, Stop, a lost connection) and the file it keeps.
#include "operations/CalibrationCheck.h"
#include "PressureSession.h"

#include <gtest/gtest.h>

using history::CalibrationPoint;
using history::CalibrationRecord;
using history::TransferFunction;
using operations::CalibrationCheck;
using operations::CheckSetup;

namespace {

struct ErrorCase {
    const char* name;
    TransferFunction function;
    double lower, upper;
    CalibrationPoint point; // percent, applied, pv, current
    double expected, pvError, currentError;
    bool pass;
};

class CalibrationErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(CalibrationErrors, InPercentOfSpanAgainstTheTolerance)
{
    const ErrorCase& c = GetParam();
    history::CalibrationRun run;
    run.function = c.function;
    run.lower = c.lower;
    run.upper = c.upper;
    const history::PointResult r = CalibrationRecord{}.result(run, c.point);
    EXPECT_NEAR(r.expectedCurrent, c.expected, 1e-9);
    EXPECT_NEAR(r.pvError, c.pvError, 1e-9);
    EXPECT_NEAR(r.currentError, c.currentError, 1e-9);
    EXPECT_EQ(r.pass, c.pass);
}

constexpr auto L = TransferFunction::Linear;
constexpr auto R = TransferFunction::SquareRoot;
INSTANTIATE_TEST_SUITE_P(
    Check, CalibrationErrors,
    testing::Values(ErrorCase{"LinearMid", L, 0, 1000, {50, 500, 501, 12.016}, 12, 0.1, 0.1, true},
                    ErrorCase{"PvAtTolerance", L, 0, 1000, {50, 500, 502.5, 12}, 12, 0.25, 0, true},
                    // 0.25000000000000006 in doubles: at the tolerance as the technician works it out
                    ErrorCase{"PvAtToleranceRoundedUp", L, 0, 100, {0.3, 0.3, 0.55, 4.048}, 4.048, 0.25, 0, true},
                    ErrorCase{"PvBeyondTolerance", L, 0, 1000, {50, 500, 502.51, 12}, 12, 0.251, 0, false},
                    ErrorCase{"CurrentAtTolerance", L, 0, 1000, {100, 1000, 1000, 19.96}, 20, 0, -0.25, true},
                    ErrorCase{"CurrentBeyondTolerance", L, 0, 1000, {100, 1000, 1000, 19.959}, 20, 0, -0.25625, false},
                    ErrorCase{"OffsetRange", L, -100, 100, {25, -50, -50.2, 8}, 8, -0.1, 0, true},
                    ErrorCase{"RootQuarterIsHalf", R, 0, 1000, {25, 250, 250, 12.008}, 12, 0, 0.05, true},
                    ErrorCase{"RootBelowZero", R, 0, 1000, {0, -10, -10, 4}, 4, 0, 0, true},
                    ErrorCase{"RootTop", R, 0, 1000, {100, 1000, 999, 20}, 20, -0.1, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalibrationRecord, LargestErrorKeepsItsSignAndAPassNeedsEveryPointOfACompleteRun)
{
    CalibrationRecord record;
    history::CalibrationRun run{0, 1000, {}, L, {{0, 0, 1, 4.0}, {100, 1000, 1000, 19.952}}, true};
    EXPECT_NEAR(record.largestError(run), -0.3, 1e-9);
    EXPECT_FALSE(record.passed(run));
    run.points[1].current = 20.0;
    EXPECT_NEAR(record.largestError(run), 0.1, 1e-9);
    EXPECT_TRUE(record.passed(run));
    run.complete = false;
    EXPECT_FALSE(record.passed(run)) << "a stopped run";
}

// A calibrator on the sensor that the fake driver's PV follows, with a settling the test gives.
class FakeBench : public operations::CalibrationBench {
public:
    platform::Result hold(double value) override
    {
        held.append(value);
        return platform::Result::success();
    }
    platform::Result release() override
    {
        ++releases;
        return platform::Result::success();
    }
    std::optional<double> meter(QString*) override { return 4.0 + 16.0 * held.last() / 1000.0 + 0.01; }
    QList<double> held;
    int releases = 0;
};

class CalibrationRunTest : public testing::Test, protected PressureSession {
protected:
    void SetUp() override
    {
        const auto device = driver.respond;
        // Command 3 reads the held input, plus what the test makes the sensor do; the current of a
        // device with an exact output.
        driver.respond = [this, device](const testing_support::SentCommand& sent) {
            QStringList lines = device(sent);
            if (sent.command != 3 || bench.held.isEmpty()) return lines;
            ++replies;
            const double pv = bench.held.last() + (sensor ? sensor(replies) : 0.0);
            lines[0] = QString::number(4.0 + 16.0 * pv / 1000.0);
            lines[2] = QString::number(pv);
            return lines;
        };
        session.open("en", {});
        session.read();
        ASSERT_TRUE(clock.runUntil([&] { return session.sequencer.online(); }, 60000));
        QString why;
        const auto of = operations::rangeOfDevice(session, &why);
        ASSERT_TRUE(of) << why.toStdString();
        range = *of;
        QObject::connect(&check, &CalibrationCheck::ended, [this](CalibrationCheck::End how, const QString& why) {
            end = how;
            endWhy = why;
        });
    }
    void TearDown() override { session.sequencer.stop(driverlink::StopSender::StopButton, false); }

    bool runUntilEnded()
    {
        return clock.runUntil([&] { return end.has_value(); }, 300000);
    }

    CalibrationCheck check{session};
    FakeBench bench;
    std::function<double(int reply)> sensor;
    int replies = 0;
    history::CalibrationRun range;
    std::optional<CalibrationCheck::End> end;
    QString endWhy;
};

TEST_F(CalibrationRunTest, TheDevicesRangeUnitAndFunctionAreWhatARunIsCheckedAgainst)
{
    EXPECT_EQ(range.lower, 0);
    EXPECT_EQ(range.upper, 1000);
    EXPECT_EQ(range.unit, QStringLiteral("kPa"));
    EXPECT_EQ(range.function, TransferFunction::Linear);
    EXPECT_EQ(operations::recordOfDevice(session).tag, QStringLiteral("PT-101"));
    session.state.setText(config::Control::Funkce, QStringLiteral("Square"));
    QString why;
    EXPECT_FALSE(operations::rangeOfDevice(session, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("Square root")) && why.endsWith(QStringLiteral("not for Square.")))
        << why.toStdString();
}

TEST_F(CalibrationRunTest, APointIsTakenOnceThePvHasSettled)
{
    // After each new input the sensor rings down: 2, -1.6, 1.28 ... kPa, each reply of the point.
    int pointStart = 0;
    sensor = [&](int reply) { return 2.0 * std::pow(-0.8, reply - pointStart); };
    QList<int> takenAt;
    QObject::connect(&check, &CalibrationCheck::pointTaken, [&](int) {
        takenAt.append(replies - pointStart);
        pointStart = replies;
    });
    CheckSetup setup;
    setup.input = CheckSetup::Input::Bench;
    setup.current = CheckSetup::Current::Bench;
    QString why;
    ASSERT_TRUE(check.start(range, setup, &bench, nullptr, &why)) << why.toStdString();
    ASSERT_TRUE(runUntilEnded());

    EXPECT_EQ(*end, CalibrationCheck::End::Complete);
    EXPECT_EQ(bench.held, (QList<double>{0, 250, 500, 750, 1000}));
    EXPECT_EQ(bench.releases, 1);
    const history::CalibrationRun& run = check.run();
    ASSERT_EQ(run.points.size(), 5);
    EXPECT_TRUE(run.complete);
    // The band is a tenth of 0.25 % of 1000 kPa: the 12th to 14th readings are the first three within
    // 0.25 kPa of each other (the first reading after the input never counts).
    EXPECT_EQ(takenAt, QList<int>(5, 14));
    for (const CalibrationPoint& p : run.points) {
        EXPECT_NEAR(p.pv - p.applied, 2.0 * std::pow(-0.8, 14), 0.005) << "as the state shows it";
        EXPECT_NEAR(p.current, 4.01 + 0.016 * p.applied, 1e-9) << "from the bench's meter";
    }
}

TEST_F(CalibrationRunTest, ASetTimeTakesTheFirstReadingAfterItAndTheDevicesCurrent)
{
    sensor = [](int reply) { return reply % 2 ? 5.0 : -5.0; }; // never settles
    CheckSetup setup;
    setup.percents = {10, 90};
    setup.input = CheckSetup::Input::Bench;
    setup.settleMs = 4000;
    qint64 started = clock.nowMs();
    QList<qint64> takenAfter;
    QObject::connect(&check, &CalibrationCheck::pointTaken, [&](int) {
        takenAfter.append(clock.nowMs() - started);
        started = clock.nowMs();
    });
    ASSERT_TRUE(check.start(range, setup, &bench, nullptr, nullptr));
    ASSERT_TRUE(runUntilEnded());
    ASSERT_EQ(check.run().points.size(), 2);
    for (qint64 after : takenAfter) {
        EXPECT_GE(after, 4000);
        EXPECT_LT(after, 6000);
    }
    for (const CalibrationPoint& p : check.run().points)
        EXPECT_NEAR(p.current, 4.0 + 0.016 * p.pv, 1e-3) << "as the device reported it";
}

TEST_F(CalibrationRunTest, StopAndALostConnectionKeepOnlyWhatWasMeasured)
{
    CheckSetup setup;
    setup.input = CheckSetup::Input::Bench;
    using End = CalibrationCheck::End;
    // The Stop button, a procedure taking the device, and the connection stopped.
    for (const End how : {End::Stopped, End::Failed, End::DriverLost}) {
        SCOPED_TRACE(int(how));
        ASSERT_TRUE(clock.runUntil([&] { return session.sequencer.online(); }, 60000));
        end.reset();
        bench.held.clear();
        bench.releases = 0;
        bool takeDevice = false;
        QMetaObject::Connection stopAtSecond = QObject::connect(&check, &CalibrationCheck::pointTaken, [&](int index) {
            if (index != 1) return;
            if (how == End::DriverLost)
                session.sequencer.stop(driverlink::StopSender::StopButton, false);
            else if (how == End::Failed)
                takeDevice = true; // as a menu command does, once this reply has been handled
            else
                check.stop();
        });
        ASSERT_TRUE(check.start(range, setup, &bench, nullptr, nullptr));
        ASSERT_TRUE(clock.runUntil([&] { return end || takeDevice; }, 300000));
        if (takeDevice) session.sequencer.begin(driverlink::Procedure::DeviceTest);
        ASSERT_TRUE(runUntilEnded());
        QObject::disconnect(stopAtSecond);
        EXPECT_EQ(*end, how);
        EXPECT_FALSE(check.running());
        EXPECT_EQ(check.run().points.size(), 2);
        EXPECT_FALSE(check.run().complete);
        EXPECT_EQ(bench.releases, 1) << "the input goes back to the process";
        EXPECT_EQ(bench.held.size(), 3) << "the third point was applied, never measured";
    }
    QString why;
    EXPECT_FALSE(check.start(range, setup, &bench, nullptr, &why)) << "not on-line";
    EXPECT_FALSE(why.isEmpty());
}

// The technician types what the calibrator and the meter show; a question he cancels stops the run.
class TypedReadings : public operations::CalibrationPrompts {
public:
    std::optional<double> appliedInput(double nominal, const QString& unit) override
    {
        asked.append(QString::number(nominal) + u' ' + unit);
        if (asked.size() == 3) return std::nullopt;
        return nominal + 0.5;
    }
    std::optional<double> meterCurrent() override { return 12.5; }
    QStringList asked;
};

TEST_F(CalibrationRunTest, TypedReadingsAreTakenAndACancelledQuestionStopsTheRun)
{
    TypedReadings typed;
    CheckSetup setup;
    setup.current = CheckSetup::Current::Typed;
    ASSERT_TRUE(check.start(range, setup, nullptr, &typed, nullptr));
    ASSERT_TRUE(runUntilEnded());
    EXPECT_EQ(*end, CalibrationCheck::End::Stopped);
    EXPECT_EQ(typed.asked,
              (QStringList{QStringLiteral("0 kPa"), QStringLiteral("250 kPa"), QStringLiteral("500 kPa")}));
    ASSERT_EQ(check.run().points.size(), 2);
    EXPECT_EQ(check.run().points[1].applied, 250.5) << "as typed";
    EXPECT_EQ(check.run().points[1].current, 12.5);
    EXPECT_NEAR(check.run().points[1].pv, 506.2, 1e-3) << "the device's PV";
}

TEST(CalibrationFile, RoundTripInWindows1250)
{
    CalibrationRecord r;
    r.manufacturer = QStringLiteral("Ostrevo");
    r.type = QStringLiteral("PR210");
    r.uniqueId = QStringLiteral("662316");
    r.tag = QStringLiteral("PT-101");
    r.longTag = QString::fromUtf8("Čerpadlo = výtlak; řada 2");
    r.tolerance = 0.1;
    r.taken = QDateTime(QDate(2026, 12, 9), QTime(15, 4, 5));
    r.technician = QString::fromUtf8("Jiří Novák");
    r.calibrator = {QStringLiteral("Kalibra"), QStringLiteral("SN 77"), QStringLiteral("C-12/2026"), QDate(2027, 6, 1)};
    r.ambient = QStringLiteral("23 C\r\n45 %");
    r.nextDue = QDate(2027, 12, 9);
    r.asFound = {-100, 1000.5, QStringLiteral("kPa"), R, {{0, -100, -99.123456789, 4.0151}, {100, 1000.5, 1001, 20.03}},
                 true};
    r.asLeft = {0, 1000.5, QStringLiteral("kPa"), L, {{0, 0, 0, 4.0}}, false};

    const QByteArray bytes = history::calibrationFileBytes(r);
    EXPECT_TRUE(bytes.contains("LongTag=\xc8"
                               "erpadlo = v\xfdtlak; \xf8"
                               "ada 2\r\n"))
        << "Windows-1250";
    QString why;
    const auto back = history::parseCalibrationFile(bytes, &why);
    ASSERT_TRUE(back) << why.toStdString();
    r.ambient = QStringLiteral("23 C  45 %"); // one line
    EXPECT_EQ(history::calibrationFileBytes(*back), history::calibrationFileBytes(r));
    EXPECT_EQ(back->asFound.points[0].pv, -99.123456789);
    EXPECT_FALSE(back->asLeft.complete);
    EXPECT_EQ(back->asFound.function, R);
    EXPECT_EQ(back->asLeft.lower, 0) << "each run's own range";
    EXPECT_EQ(history::calibrationFileName(r), QStringLiteral("CAL_PR210_662316_20261209-150405.txt"));

    const char* const bad[] = {
        "[Calibration check]\r\nTolerance=x\r\n",
        "[Calibration check]\r\n[As found]\r\nPoints=2\r\n1=1;2;3;4\r\n",
        "[Calibration check]\r\n[As left]\r\n1=1;2;3\r\n",
        "[Calibration check]\r\n[As left]\r\nUpper=0\r\nLower=0\r\nComplete=1\r\n",
        "[Calibration check]\r\n[As found]\r\nUpper=0\r\nLower=0\r\n",
        "[Calibration check]\r\n[As left]\r\nTransferFunction=4\r\n",
        "Tag=x\r\n",
    };
    for (const char* bytes : bad)
        EXPECT_FALSE(history::parseCalibrationFile(bytes)) << bytes;
}

} // namespace
