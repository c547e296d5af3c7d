// The bus of the simulated devices: routing, wire timing on the virtual clock, and keeping the
// devices' state over a restart.
#include "sim/SimBus.h"
#include "FileSizeLimit.h"
#include "SimTestSupport.h"
#include "hart/HartTiming.h"

#include "platform/VirtualClock.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

using namespace simtest;

namespace {

struct Outcome {
    bool done = false;
    std::optional<hart::Reply> reply;
    qint64 atMs = -1;
};

class SimBusTest : public testing::Test {
protected:
    // Starts a transaction whose outcome lands in the returned record.
    std::shared_ptr<Outcome> send(sim::SimBus& bus, const hart::Request& request)
    {
        auto outcome = std::make_shared<Outcome>();
        bus.transact(request, [this, outcome](std::optional<hart::Reply> reply) {
            outcome->done = true;
            outcome->reply = std::move(reply);
            outcome->atMs = clock.nowMs();
        });
        return outcome;
    }

    // A transaction that must be answered.
    hart::Reply exchange(sim::SimBus& bus, const hart::Request& request)
    {
        const auto outcome = send(bus, request);
        EXPECT_TRUE(clock.runUntil([&] { return outcome->done; }, 5000));
        EXPECT_TRUE(outcome->reply.has_value()) << "command " << int(request.command);
        return outcome->reply.value_or(hart::Reply{0xFF, 0xFF, {}});
    }

    QString statePath() const { return dir.filePath(QStringLiteral("simulated-devices.json")); }

    platform::VirtualClock clock;
    QTemporaryDir dir;
};

TEST_F(SimBusTest, ReplyArrivesAfterTheFrameTime)
{
    sim::SimBus bus(QString{});
    const hart::Request request{hart::Address::shortFrame(0), 0, {}};
    const int frameMs = hart::transactionMs(request, hart::Reply{0, 0, QByteArray(12, '\0')});
    const auto outcome = send(bus, request);
    EXPECT_TRUE(bus.isBusy());
    clock.advance(frameMs - 1);
    EXPECT_FALSE(outcome->done);
    clock.advance(1);
    ASSERT_TRUE(outcome->done);
    ASSERT_TRUE(outcome->reply.has_value());
    EXPECT_EQ(byteAt(*outcome->reply, 2), 210);
    EXPECT_FALSE(bus.isBusy());
}

TEST_F(SimBusTest, TransactionsQueueBehindEachOther)
{
    sim::SimBus bus(QString{});
    const hart::Request first{hart::Address::shortFrame(0), 0, {}};
    const hart::Request second{hart::Address::shortFrame(1), 3, {}};
    const int firstMs = hart::transactionMs(first, hart::Reply{0, 0, QByteArray(12, '\0')});
    const int secondMs = hart::transactionMs(second, hart::Reply{0, 0, QByteArray(24, '\0')});

    const auto a = send(bus, first);
    const auto b = send(bus, second);
    ASSERT_TRUE(clock.runUntil([&] { return b->done; }, 5000));
    EXPECT_EQ(a->atMs, firstMs);
    EXPECT_EQ(b->atMs, firstMs + secondMs);
    ASSERT_TRUE(b->reply.has_value());
    EXPECT_EQ(b->reply->data.size(), 24);
}

TEST_F(SimBusTest, ACallbackMayStartTheNextTransaction)
{
    sim::SimBus bus(QString{});
    const hart::Request request{hart::Address::shortFrame(0), 1, {}};
    std::shared_ptr<Outcome> chained;
    bus.transact(request, [&](std::optional<hart::Reply>) { chained = send(bus, request); });
    ASSERT_TRUE(clock.runUntil([&] { return chained && chained->done; }, 5000));
    EXPECT_TRUE(chained->reply.has_value());
}

TEST_F(SimBusTest, NobodyAtTheAddress)
{
    sim::SimBus bus(QString{});
    QList<int> silence; // a command 0, then a scan's
    for (const bool scan : {false, true}) {
        const hart::Request request{hart::Address::shortFrame(7), 0, {}, scan};
        const int silentMs = hart::transactionMs(request, std::nullopt);
        silence.append(silentMs);
        const auto outcome = send(bus, request);
        clock.advance(silentMs - 1);
        EXPECT_FALSE(outcome->done) << "the master is still retrying";
        clock.advance(1);
        EXPECT_TRUE(outcome->done);
        EXPECT_FALSE(outcome->reply.has_value());
    }
    EXPECT_EQ(silence[0], silence[1] * (1 + hart::timing::Retries)) << "a scan's empty address costs one try";
}

TEST_F(SimBusTest, Routing)
{
    sim::SimBus bus(QString{});
    struct Case {
        const char* name;
        hart::Request request;
        int deviceType; // -1: nobody answers
    };
    const Case cases[] = {
        {"short 0", {hart::Address::shortFrame(0), 0, {}}, 210},
        {"short 1", {hart::Address::shortFrame(1), 0, {}}, 120},
        {"long PR210", {hart::Address::longFrame(bytes({110 & 0x3F, 210, 0x0A, 0x1B, 0x2C})), 0, {}}, 210},
        {"long TM120", {hart::Address::longFrame(bytes({110 & 0x3F, 120, 0x0B, 0x2C, 0x3D})), 0, {}}, 120},
        {"long, wrong id", {hart::Address::longFrame(bytes({110 & 0x3F, 120, 0x0A, 0x1B, 0x2C})), 0, {}}, -1},
        {"tag TT-205", {hart::Address::broadcast(), 11, packed(QStringLiteral("TT-205"), 8)}, 120},
        {"tag PT-101", {hart::Address::broadcast(), 11, packed(QStringLiteral("PT-101"), 8)}, 210},
        {"unknown tag", {hart::Address::broadcast(), 11, packed(QStringLiteral("PT-102"), 8)}, -1},
        {"broadcast, not 11", {hart::Address::broadcast(), 0, {}}, -1},
    };
    for (const auto& c : cases) {
        const auto outcome = send(bus, c.request);
        ASSERT_TRUE(clock.runUntil([&] { return outcome->done; }, 10000)) << c.name;
        if (c.deviceType < 0) {
            EXPECT_FALSE(outcome->reply.has_value()) << c.name;
        } else {
            ASSERT_TRUE(outcome->reply.has_value()) << c.name;
            EXPECT_EQ(byteAt(*outcome->reply, 2), c.deviceType) << c.name;
        }
    }
}

TEST_F(SimBusTest, StateSurvivesARestart)
{
    const QByteArray tdd = packed(QStringLiteral("PT-555"), 8) + packed(QStringLiteral("NEW"), 16) + bytes({2, 3, 124});
    const hart::Address pr210 = hart::Address::shortFrame(0);
    const hart::Address tm120 = hart::Address::shortFrame(1);
    const hart::Address tm120Moved = hart::Address::shortFrame(5);
    {
        sim::SimBus bus(statePath());
        EXPECT_FALSE(QFile::exists(statePath())) << "nothing written before a change";
        ASSERT_EQ(exchange(bus, {pr210, 18, tdd}).responseCode, 0);
        EXPECT_TRUE(QFile::exists(statePath()));
        ASSERT_EQ(exchange(bus, {pr210, 35, bytes({6}) + floats({100.0, 0.0})}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {pr210, 19, bytes({1, 2, 3})}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {pr210, 108, bytes({2})}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {pr210, 109, bytes({1})}).responseCode, 0);
        bus.device(QStringLiteral("PR210"))->holdProcess(20.0);
        ASSERT_EQ(exchange(bus, {pr210, 43, {}}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {pr210, 40, floats({4.0})}).responseCode, 0);
        const double meter = bus.device(QStringLiteral("PR210"))->analogOutputMa();
        ASSERT_EQ(exchange(bus, {pr210, 45, floats({meter})}).responseCode, 0);

        ASSERT_EQ(exchange(bus, {tm120, 34, floats({3.0})}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {tm120, 39, bytes({0})}).responseCode, 0);
        ASSERT_EQ(exchange(bus, {tm120, 34, floats({9.0})}).responseCode, 0); // never burned
        ASSERT_EQ(exchange(bus, {tm120, 6, bytes({5})}).responseCode, 0);     // kept without command 39
        ASSERT_EQ(exchange(bus, {tm120Moved, 38, {}}).responseCode, 0);
    }
    sim::SimBus bus(statePath());
    EXPECT_EQ(exchange(bus, {pr210, 13, {}}).data, tdd);
    const hart::Reply output = exchange(bus, {pr210, 15, {}});
    EXPECT_EQ(byteAt(output, 2), 6);
    EXPECT_FLOAT_EQ(floatAt(output, 3), 100.0f);
    EXPECT_TRUE(output.deviceStatus & hart::status::ConfigChanged);
    EXPECT_EQ(exchange(bus, {pr210, 16, {}}).data, bytes({1, 2, 3}));
    EXPECT_EQ(exchange(bus, {pr210, 105, {}}).data.left(2), bytes({1, 2}));
    sim::SimTransmitter& pressure = *bus.device(QStringLiteral("PR210"));
    EXPECT_FALSE(pressure.heldInput().has_value()) << "the calibrator is no part of the device";
    EXPECT_FALSE(exchange(bus, {pr210, 2, {}}).deviceStatus & hart::status::CurrentFixed);
    pressure.holdProcess(20.0);
    EXPECT_EQ(floatAt(exchange(bus, {pr210, 1, {}}), 1), 0.0f) << "the zero trim";
    ASSERT_EQ(exchange(bus, {pr210, 40, floats({4.0})}).responseCode, 0);
    EXPECT_NEAR(pressure.analogOutputMa(), 4.0, 1e-4) << "the output trim";

    const hart::Reply moved = exchange(bus, {tm120Moved, 15, {}});
    EXPECT_FLOAT_EQ(floatAt(moved, 11), 3.0f);
    EXPECT_FALSE(moved.deviceStatus & hart::status::ConfigChanged);
    const auto old = send(bus, {tm120, 0, {}});
    ASSERT_TRUE(clock.runUntil([&] { return old->done; }, 5000));
    EXPECT_FALSE(old->reply.has_value()) << "still at the old address";
}

TEST_F(SimBusTest, AChangeWhoseSaveFailedIsSavedWithTheNextTransaction)
{
    sim::SimBus bus(statePath());
    const hart::Address pr210 = hart::Address::shortFrame(0);
    ASSERT_EQ(exchange(bus, {pr210, 34, floats({2.0})}).responseCode, 0);
    const qint64 before = QFileInfo(statePath()).size();
    {
        testing_support::FileSizeLimit limit(before / 2);
        ASSERT_TRUE(limit.active());
        const auto quiet = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        ASSERT_EQ(exchange(bus, {pr210, 34, floats({7.0})}).responseCode, 0);
        qInstallMessageHandler(quiet);
    }
    exchange(bus, {pr210, 1, {}}); // a read changes nothing, but the disk has room again
    QFile file(statePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(file.readAll())[u"devices"][u"PR210"][u"damping"].toDouble(), 7.0);
}

TEST_F(SimBusTest, TwoDevicesAtOneAddressGarbleEachOther)
{
    sim::SimBus bus(QString{});
    ASSERT_EQ(exchange(bus, {hart::Address::shortFrame(0), 6, bytes({1})}).responseCode, 0);
    const auto outcome = send(bus, {hart::Address::shortFrame(1), 0, {}});
    ASSERT_TRUE(clock.runUntil([&] { return outcome->done; }, 5000));
    EXPECT_FALSE(outcome->reply.has_value());
    const hart::Address pr210 = hart::Address::longFrame(bus.device(QStringLiteral("PR210"))->longAddress());
    EXPECT_EQ(exchange(bus, {pr210, 0, {}}).responseCode, 0) << "its long address is its own";
}

TEST_F(SimBusTest, CorruptStateFileGivesDefaultsAndAWarning)
{
    {
        QFile file(statePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\"devices\": {\"PR210\": {\"tag\": ");
    }
    static QStringList warnings;
    warnings.clear();
    const auto previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg) warnings << text;
    });
    sim::SimBus bus(statePath());
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(statePath()));
    EXPECT_EQ(bus.device(QStringLiteral("PR210"))->config().tag, QStringLiteral("PT-101"));

    // The next change writes a sound file again.
    ASSERT_EQ(exchange(bus, {hart::Address::shortFrame(0), 34, floats({2.0})}).responseCode, 0);
    QFile file(statePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QJsonDocument::fromJson(file.readAll()).isObject());
}

} // namespace
