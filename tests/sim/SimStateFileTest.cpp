// Reading and writing the state file of the simulated devices, good entries and bad.
#include "sim/SimStateFile.h"
#include "sim/SimDevices.h"

#include "platform/VirtualClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using sim::Config;

namespace {

class SimStateFileTest : public testing::Test {
protected:
    QString write(const QByteArray& content, const QString& name = QStringLiteral("state.json"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    platform::VirtualClock clock;
    QTemporaryDir dir;
    std::vector<sim::SimTransmitter> devices = [] {
        std::vector<sim::SimTransmitter> list;
        list.push_back(sim::makePressureTransmitter());
        list.push_back(sim::makeTemperatureTransmitter());
        return list;
    }();
};

TEST_F(SimStateFileTest, EveryEntryRoundTrips)
{
    const auto& model = devices[0].deviceModel();
    Config c = devices[0].factoryConfig();
    c.tag = QStringLiteral("A@B[C]");
    c.longTag = QString::fromUtf8("Au\u00dfenring 7, Kessel \u00c4 \u00f1 \u00ff");
    c.descriptor = QStringLiteral("0123456789ABCDEF");
    c.message = QStringLiteral("ALL PRINTABLE !\"#$%&'()*+,-./:;<");
    c.date = QDate(1999, 12, 31);
    c.finalAssemblyNumber = 16777215;
    c.pvUnit = 6;
    c.upperRange = 1234.5;
    c.lowerRange = -99.25;
    c.damping = 60.0;
    c.transferFunction = 1;
    c.pollingAddress = 15;
    c.outputTrimOffset = -0.0152;
    c.outputTrimGain = 0.9993;
    c.zeroOffset = 12.5;
    c.sensorTrimPoints = {-50.0, 1500.0};
    c.burstCommand = 9;
    c.burstMode = true;
    c.displayMode = 3;
    c.displayDecimals = 4;
    c.alarmLowMa = 3.5;
    c.alarmHighMa = 23.0;
    c.writeProtect = true;
    ASSERT_FALSE(c == devices[0].factoryConfig());

    QStringList problems;
    const Config back = sim::configFromJson(sim::configToJson(c), model, devices[0].factoryConfig(), problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(back == c);
}

struct BadEntry {
    const char* name;
    const char* key;
    QJsonValue value;
};
void PrintTo(const BadEntry& c, std::ostream* out) { *out << c.name; }

class SimBadEntryTest : public SimStateFileTest, public testing::WithParamInterface<BadEntry> {};

TEST_P(SimBadEntryTest, KeepsTheDefaultAndSaysSo)
{
    const auto& c = GetParam();
    QJsonObject object = sim::configToJson(devices[0].factoryConfig());
    object[u"damping"] = 7.5; // a good entry next to the bad one
    object[QLatin1String(c.key)] = c.value;

    QStringList problems;
    const Config read = sim::configFromJson(object, devices[0].deviceModel(), devices[0].factoryConfig(), problems);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QLatin1String(c.key))) << problems[0].toStdString();
    Config expected = devices[0].factoryConfig();
    expected.damping = 7.5;
    EXPECT_TRUE(read == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SimBadEntryTest,
    testing::Values(
        BadEntry{"TagTooLong", "tag", QStringLiteral("PT-101-EXTRA")},
        BadEntry{"TagNotPackable", "tag", QStringLiteral("PT\u00e9")}, BadEntry{"TagNotText", "tag", 101},
        BadEntry{"MessageTooLong", "message", QString(33, u'A')},
        BadEntry{"LongTagTooLong", "longTag", QString(33, u'a')},
        BadEntry{"LongTagNotLatin1", "longTag", QStringLiteral("\u010c-1")},
        BadEntry{"DateImpossible", "date", QStringLiteral("2024-02-30")},
        BadEntry{"DateBefore1900", "date", QStringLiteral("1899-12-31")},
        BadEntry{"FinalAssemblyTooLarge", "finalAssemblyNumber", 16777216},
        BadEntry{"FinalAssemblyFraction", "finalAssemblyNumber", 1.5}, BadEntry{"UnitOfTemperature", "pvUnit", 32},
        BadEntry{"UnitAsText", "pvUnit", QStringLiteral("kPa")}, BadEntry{"UpperBeyondSensor", "upperRange", 1600.5},
        BadEntry{"LowerBeyondSensor", "lowerRange", -100.5}, BadEntry{"TransferFunction", "transferFunction", 2},
        BadEntry{"PollingAddress", "pollingAddress", 16}, BadEntry{"NegativePollingAddress", "pollingAddress", -1},
        BadEntry{"TrimGain", "outputTrimGain", 1.5}, BadEntry{"ZeroOffset", "zeroOffset", 100.0},
        BadEntry{"TrimPointsCount", "sensorTrimPoints", QJsonArray{1.0}},
        BadEntry{"TrimPointBeyondSensor", "sensorTrimPoints", QJsonArray{0.0, 2000.0}},
        BadEntry{"BurstCommand", "burstCommand", 4}, BadEntry{"BurstModeAsNumber", "burstMode", 1},
        BadEntry{"DisplayMode", "displayMode", 4}, BadEntry{"AlarmLow", "alarmLowCurrent", 3.0},
        BadEntry{"AlarmHigh", "alarmHighCurrent", 24.0},
        BadEntry{"WriteProtectAsText", "writeProtect", QStringLiteral("yes")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimStateFileTest, TemperatureRulesApplyToTheTemperatureDevice)
{
    QJsonObject object;
    object[u"pvUnit"] = 12;
    object[u"transferFunction"] = 1;
    object[u"upperRange"] = 850.0;
    QStringList problems;
    const Config read = sim::configFromJson(object, devices[1].deviceModel(), devices[1].factoryConfig(), problems);
    EXPECT_EQ(problems.size(), 2);
    EXPECT_EQ(read.pvUnit, 32);
    EXPECT_EQ(read.transferFunction, 0);
    EXPECT_EQ(read.upperRange, 850.0);
}

TEST_F(SimStateFileTest, WholeFiles)
{
    struct Case {
        const char* name;
        QByteArray content;
        int problems;
        const char* pressureTag; // after loading
        bool keptAside;          // nothing could be read: the file moved away from the next save
    };
    const Case cases[] = {
        {"Empty", "", 1, "PT-101", true},
        {"Garbage", "\x01\x02{{not json", 1, "PT-101", true},
        {"CutShort", R"({"version": 1, "devices": {"PR210": {"tag": "PT)", 1, "PT-101", true},
        {"Array", "[1, 2]", 1, "PT-101", true},
        {"NoDevices", R"({"version": 1})", 1, "PT-101", true},
        {"DeviceNotObject", R"({"devices": {"PR210": 5}})", 1, "PT-101", false},
        {"UnknownDevice", R"({"devices": {"XX999": {}, "PR210": {"tag": "PT-7"}}})", 1, "PT-7", false},
        {"OtherVersion", R"({"version": 9, "devices": {"PR210": {"tag": "PT-8"}}})", 1, "PT-8", false},
        {"Good", R"({"version": 1, "devices": {"PR210": {"tag": "pt-9"}}})", 0, "PT-9", false},
    };
    const QRegularExpression keptName(QStringLiteral(R"(^state\.json\.broken-\d{8}-\d{6}$)"));
    for (const auto& c : cases) {
        devices[0].load(devices[0].factoryConfig());
        const QString path = write(c.content, QLatin1String(c.name) + u"/state.json");
        const QStringList problems = sim::loadState(path, devices);
        EXPECT_EQ(problems.size(), c.problems) << c.name << ": " << problems.join(u'\n').toStdString();
        EXPECT_EQ(devices[0].config().tag, QLatin1String(c.pressureTag)) << c.name;
        EXPECT_TRUE(devices[1].config() == devices[1].factoryConfig()) << c.name;

        const QFileInfoList kept = QDir(QFileInfo(path).absolutePath()).entryInfoList({QStringLiteral("*.broken-*")});
        EXPECT_EQ(QFileInfo::exists(path), !c.keptAside) << c.name;
        ASSERT_EQ(kept.size(), c.keptAside ? 1 : 0) << c.name;
        if (!c.keptAside) continue;
        EXPECT_TRUE(keptName.match(kept[0].fileName()).hasMatch()) << kept[0].fileName().toStdString();
        QFile file(kept[0].filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.content) << c.name;
        EXPECT_TRUE(problems.value(0).contains(kept[0].filePath())) << problems.value(0).toStdString();
    }
}

TEST_F(SimStateFileTest, EachBrokenFileIsKeptApart)
{
    for (int i = 0; i < 2; ++i)
        sim::loadState(write("{"), devices);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("state.json.broken-*")}).size(), 2);
}

TEST_F(SimStateFileTest, MissingFileIsNoProblem)
{
    EXPECT_TRUE(sim::loadState(dir.filePath(QStringLiteral("none.json")), devices).isEmpty());
    EXPECT_TRUE(devices[0].config() == devices[0].factoryConfig());
}

TEST_F(SimStateFileTest, SaveCreatesTheFolderAndLoadsBack)
{
    Config changed = devices[1].factoryConfig();
    changed.tag = QStringLiteral("TT-300");
    changed.upperRange = 400.0;
    devices[1].load(changed);
    const QString path = dir.filePath(QStringLiteral("a/b/state.json"));
    EXPECT_EQ(sim::saveState(path, devices), QString());

    std::vector<sim::SimTransmitter> fresh;
    fresh.push_back(sim::makePressureTransmitter());
    fresh.push_back(sim::makeTemperatureTransmitter());
    EXPECT_TRUE(sim::loadState(path, fresh).isEmpty());
    EXPECT_TRUE(fresh[1].config() == changed);
    EXPECT_TRUE(fresh[0].config() == fresh[0].factoryConfig());
}

TEST_F(SimStateFileTest, ASaveWhoseFolderCannotBeMadeSaysWhy)
{
    const QString blocker = write("a file, not a folder");
    EXPECT_EQ(sim::saveState(blocker + u"/state.json", devices),
              u"cannot create the folder " + blocker + u": " + QString::fromLocal8Bit(std::strerror(EEXIST)));
}

} // namespace
