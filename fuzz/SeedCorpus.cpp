// Writes the seed inputs of every harness into a folder (one subfolder per harness): what the program
// and the driver themselves write and send, taken from the simulated transmitters. The corpora in
// fuzz/corpus began as this program's output and grew by fuzzing.
//
//   fuzz_seeds FOLDER
#include "codec/CommandCodec.h"
#include "codec/NameTables.h"
#include "config/DeviceState.h"
#include "config/Language.h"
#include "config/RecordMapping.h"
#include "config/SequencerView.h"
#include "detailed/DefinitionModel.h"
#include "detailed/DefinitionState.h"
#include "hart/HartFrame.h"
#include "hart/HartIp.h"
#include "history/CalibrationRecord.h"
#include "history/HistoryStore.h"
#include "history/IndexCache.h"
#include "link/CommandMacro.h"
#include "platform/ChannelProtocol.h"
#include "platform/Encoding.h"
#include "platform/Profile.h"
#include "session/DriverSession.h"
#include "settings/Users.h"
#include "sim/SimBus.h"
#include "sim/SimStateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {
QString out;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void seed(const char* harness, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(out + QLatin1String(harness));
    QFile file(out + QLatin1String(harness) + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s cannot be written\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray withLength(const QByteArray& part)
{
    const int size = int(qMin(part.size(), qsizetype(0xFFFF)));
    return QByteArray(1, char(size & 0xFF)) + char(size >> 8) + part.left(size);
}

// The simulated devices answer at once; every transaction is kept.
class RecordingBus : public hart::Bus {
public:
    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override
    {
        const std::optional<hart::Reply> reply = devices.answer(request);
        transactions.append({request, reply});
        done(reply);
    }
    sim::SimBus devices{QString()};
    QList<std::pair<hart::Request, std::optional<hart::Reply>>> transactions;
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const QString data = QStringLiteral(TARVIK_DATA_DIR "/");
    QTemporaryDir work;

    for (const char* language : {"EN", "CZ", "DE"}) {
        const QString table = QStringLiteral("TAB%1.DDF").arg(QLatin1String(language));
        seed("table", table, readAll(data + table));
    }

    // Every command the program sends, to each simulated transmitter, through the driver's session.
    codec::NameTables names;
    names.loadTableFile(data + QStringLiteral("TABEN.DDF"));
    RecordingBus bus;
    session::DriverSession session(bus, names);
    QList<std::pair<QByteArray, QString>> replies;
    const QList<std::pair<int, QStringList>> commands{
        {0, {}},
        {1, {}},
        {2, {}},
        {3, {}},
        {12, {}},
        {13, {}},
        {14, {}},
        {15, {}},
        {16, {}},
        {20, {}},
        {48, {}},
        {33, {QStringLiteral("0"), QStringLiteral("1")}},
        {34, {QStringLiteral("0.5")}},
        {35, {QStringLiteral("kPa"), QStringLiteral("1000"), QStringLiteral("0")}},
        {40, {QStringLiteral("12")}},
        {255, {QStringLiteral("R140K"), QStringLiteral("0")}}};
    for (int address : {0, 1, 2})
        for (const auto& [command, fields] : commands) {
            const QByteArray macro =
                platform::toCp1250(driverlink::commandMacro(command, QString::number(address), fields));
            session.execute(macro, [&](const QString& text) { replies.append({macro, text}); });
        }
    for (int i = 0; i < replies.size(); ++i) {
        const auto& [macro, text] = replies[i];
        const QByteArray reply = platform::toCp1250(text);
        const QString name = QStringLiteral("%1").arg(i, 3, 10, QChar(u'0'));
        seed("reply", name, reply + (i % 5 == 0 ? QByteArrayLiteral("\0ResponseCode=11") : QByteArray()));
        seed("link", name + QStringLiteral("-driver"),
             platform::channel::encode("OK") + platform::channel::encodeWithPayload("DATA", reply) +
                 platform::channel::encodeWithPayload("NOTIFY", reply));
        seed("link", name + QStringLiteral("-program"),
             QByteArray(1, char(i)) + platform::channel::encode("CONNECT", "Pelmora DdeHartServer") +
                 platform::channel::encodeWithPayload("EXECUTE", macro) +
                 platform::channel::encode("REQUEST", "DdeHartCommand"));
    }
    for (int i = 0; i < bus.transactions.size(); ++i) {
        const auto& [request, reply] = bus.transactions[i];
        const QString name = QStringLiteral("%1").arg(i, 3, 10, QChar(u'0'));
        if (reply) {
            seed("codec", name, QByteArray(1, char(request.command)) + '\0' + reply->data);
            const hart::Frame frame = hart::replyFrame(hart::requestFrame(request, true), *reply, false);
            seed("frame", name,
                 QByteArray(1, char(i % 3 == 0 ? 0 : 20)) + "\x01\x02" + hart::encodeFrame(frame, 5) +
                     hart::encodeFrame(hart::requestFrame(request, true), 20));
            hart::ip::Message message{hart::ip::MessageType::Response, hart::ip::MessageId::TokenPassingPdu, 0,
                                      quint16(i), hart::encodePdu(frame)};
            seed("hartip", name, QByteArray(1, char(i * 7)) + hart::ip::encode(message));
            seed("session", name,
                 platform::toCp1250(driverlink::commandMacro(request.command, QStringLiteral("0"))) + '\0' +
                     platform::toCp1250(driverlink::commandMacro(0, QStringLiteral("1"))) + '\0' + '\x01' +
                     char(reply->responseCode) + char(reply->deviceStatus) + char(reply->data.size()) + reply->data);
        }
    }
    seed("codec", QStringLiteral("template"),
         QByteArrayLiteral("\x81\x01W129BB\0"
                           "3\r\n1\0\x03\x01"));
    seed("hartip", QStringLiteral("initiate"),
         QByteArray(1, '\x08') + hart::ip::encode({hart::ip::MessageType::Request, hart::ip::MessageId::SessionInitiate,
                                                   0, 1, hart::ip::sessionInitiateBody(true, 60000)}));

    // The pressure transmitter as the program holds it, and the files made from it.
    config::DeviceState state;
    config::SequencerView view(state);
    const QString definition = data + QStringLiteral("Ostrevo-PR210-3-EN.DDF");
    detailed::defineItems(state.items, detailed::loadDefinition(definition, 1.0));
    for (const auto& [macro, text] : replies.mid(0, commands.size())) {
        const QStringList lines = driverlink::replyLines(text);
        view.showIdentity(lines);
        view.showReply(lines, QString());
    }
    for (const char* ddf : {"EN", "CZ", "DE"}) {
        const QString file = QStringLiteral("Ostrevo-PR210-3-%1.DDF").arg(QLatin1String(ddf));
        seed("definition", file, readAll(data + file) + '\0' + platform::toCp1250(replies.value(4).second));
    }
    config::TConfigRecord record;
    config::captureRecord(state, record);
    record.setDefLanguage(QByteArrayLiteral("en "));
    seed("configuration", QStringLiteral("pt101.htf"), record.toBytes());
    seed("configuration", QStringLiteral("hart20.htf"), QByteArrayLiteral("HART20File") + QByteArray(1766, ' '));
    seed("configuration", QStringLiteral("hart10.htf"), QByteArrayLiteral("HART file") + QByteArray(221, '\0'));

    history::HistoryStore store(work.path() + u'/', QStringLiteral("VELKOR.IDX"), QStringLiteral("VELKOR.DDX"));
    for (int i = 0; i < 4; ++i) {
        history::HistoryEntry entry;
        entry.DeviceType = QStringLiteral("PR210");
        entry.Manufacturer = QStringLiteral("Ostrevo");
        entry.UniqueId = QStringLiteral("66231%1").arg(i % 2);
        entry.Tag = QStringLiteral("PT-10%1").arg(i);
        entry.User = QStringLiteral("service");
        entry.Activity = i % 2 ? QStringLiteral("Configuration read") : QStringLiteral("Device reset");
        entry.Stamp = 46000 + i;
        entry.ScrambleByte = history::newScrambleByte();
        store.record(entry, record, QStringLiteral("new"));
    }
    const QByteArray cache = readAll(history::indexCacheFile(store.indexPath()));
    seed("history", QStringLiteral("four-entries"),
         withLength(readAll(store.indexPath())) + withLength(readAll(store.dataPath())) + cache);

    settings::UsersFile users(work.path() + QStringLiteral("/KWRT-US.PIF"));
    users.setSafeAccess(true);
    users.add({QStringLiteral("novak"), QStringLiteral("Jan Novák"), QStringLiteral("heslo"), QStringLiteral("WRITE")});
    users.add({QStringLiteral("reader"), QStringLiteral("Ann Reader"), QStringLiteral("pw"), QStringLiteral("READ")});
    seed("users", QStringLiteral("KWRT-US.PIF"), readAll(users.path()));

    platform::Profile settingsFile(work.path() + QStringLiteral("/VELKOR.INI"));
    for (const auto& [key, value] : QList<std::pair<const char*, const char*>>{{"DriverAutoOff", "1"},
                                                                               {"SafeAccess", "0"},
                                                                               {"DatabaseLog", "1"},
                                                                               {"DatabaseLocation", "/srv/history/"},
                                                                               {"Language", "english"},
                                                                               {"LanguageDdf", "deutsch"},
                                                                               {"NetPath", "\\\\plant-pc"},
                                                                               {"LoopHart7", "1"}})
        settingsFile.writeString(QStringLiteral("Velkor"), QLatin1String(key), QLatin1String(value));
    seed("profile", QStringLiteral("VELKOR.INI"), readAll(settingsFile.path()));

    history::CalibrationRecord calibration;
    calibration.manufacturer = QStringLiteral("Ostrevo");
    calibration.type = QStringLiteral("PR210");
    calibration.uniqueId = QStringLiteral("662316");
    calibration.tag = QStringLiteral("PT-101");
    calibration.taken = QDateTime(QDate(2026, 12, 9), QTime(10, 30));
    calibration.technician = QStringLiteral("Jan Novák");
    calibration.calibrator = {QStringLiteral("Calib 7"), QStringLiteral("C-1001"), QStringLiteral("CERT-42"),
                              QDate(2027, 6, 1)};
    calibration.nextDue = QDate(2027, 12, 9);
    for (history::CalibrationRun* run : {&calibration.asFound, &calibration.asLeft}) {
        run->lower = 0;
        run->upper = 1000;
        run->unit = QStringLiteral("kPa");
        for (double percent : history::defaultPoints(false))
            run->points.append({percent, percent * 10, percent * 10 + 0.3, 4 + percent * 0.16});
        run->complete = true;
    }
    seed("calibration", history::calibrationFileName(calibration), history::calibrationFileBytes(calibration));

    const QString simState = work.path() + QStringLiteral("/simulated-devices.json");
    sim::saveState(simState, bus.devices.devices());
    seed("simstate", QStringLiteral("simulated-devices.json"), readAll(simState));
    std::printf("Seeds written to %s\n", qPrintable(out));
    return 0;
}
