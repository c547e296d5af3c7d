#include "sim/SimStateFile.h"

#include "hart/HartEncoding.h"
#include "platform/Environment.h"
#include "platform/Files.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>

namespace sim {

namespace {
constexpr int FormatVersion = 1;
// Beside the configuration: the device's configuration-changed flag.
constexpr char ChangedKey[] = "configurationChanged";

// Reads one entry after another into a configuration; an entry that does not pass keeps the default.
class EntryReader {
public:
    EntryReader(const QJsonObject& object, const QString& device, QStringList& problems)
        : object(object), device(device), problems(problems)
    {
    }

    // apply(value) stores the value and says whether it was usable.
    template <typename Apply> void entry(const char* key, Apply apply)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) return;
        if (!apply(value))
            problems << device + u": unusable entry \"" + QLatin1String(key) + u"\", the factory setting stays";
    }

    template <typename T> void integer(const char* key, T& field, qint64 low, qint64 high)
    {
        entry(key, [&](const QJsonValue& v) {
            const double d = v.toDouble(std::nan(""));
            if (!v.isDouble() || d != std::floor(d) || d < double(low) || d > double(high)) return false;
            field = T(d);
            return true;
        });
    }

    void number(const char* key, double& field, double low, double high)
    {
        entry(key, [&](const QJsonValue& v) {
            if (!v.isDouble() || v.toDouble() < low || v.toDouble() > high) return false;
            field = v.toDouble();
            return true;
        });
    }

    void boolean(const char* key, bool& field)
    {
        entry(key, [&](const QJsonValue& v) {
            if (!v.isBool()) return false;
            field = v.toBool();
            return true;
        });
    }

    void text(const char* key, QString& field, int characters)
    {
        entry(key, [&](const QJsonValue& v) {
            if (!v.isString() || !hart::packAscii(v.toString(), characters)) return false;
            field = v.toString().toUpper();
            return true;
        });
    }

private:
    const QJsonObject& object;
    QString device;
    QStringList& problems;
};
// A file nothing could be read from moves aside before the next save writes over it:
// "<file>.broken-<yyyyMMdd-HHmmss>". Says where it went, for the end of the problem's line.
QString keepAside(QFile& file)
{
    file.close();
    const QString stem = file.fileName() + QStringLiteral(".broken-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = stem;
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = stem + u'-' + QString::number(n);
    if (!file.rename(kept)) return u"; it could not be kept aside (" + file.errorString() + u")";
    return u"; the file is kept as " + kept;
}
} // namespace

QJsonObject configToJson(const Config& c)
{
    QJsonObject o;
    o[u"tag"] = c.tag;
    o[u"longTag"] = c.longTag;
    o[u"descriptor"] = c.descriptor;
    o[u"message"] = c.message;
    o[u"date"] = c.date.toString(Qt::ISODate);
    o[u"finalAssemblyNumber"] = qint64(c.finalAssemblyNumber);
    o[u"pvUnit"] = c.pvUnit;
    o[u"upperRange"] = c.upperRange;
    o[u"lowerRange"] = c.lowerRange;
    o[u"damping"] = c.damping;
    o[u"transferFunction"] = c.transferFunction;
    o[u"pollingAddress"] = c.pollingAddress;
    o[u"outputTrimOffset"] = c.outputTrimOffset;
    o[u"outputTrimGain"] = c.outputTrimGain;
    o[u"zeroOffset"] = c.zeroOffset;
    o[u"sensorTrimPoints"] = QJsonArray{c.sensorTrimPoints[0], c.sensorTrimPoints[1]};
    o[u"burstCommand"] = c.burstCommand;
    o[u"burstMode"] = c.burstMode;
    o[u"displayMode"] = c.displayMode;
    o[u"displayDecimals"] = c.displayDecimals;
    o[u"alarmLowCurrent"] = c.alarmLowMa;
    o[u"alarmHighCurrent"] = c.alarmHighMa;
    o[u"writeProtect"] = c.writeProtect;
    return o;
}

Config configFromJson(const QJsonObject& object, const DeviceModel& model, const Config& defaults,
                      QStringList& problems)
{
    Config c = defaults;
    EntryReader read(object, model.name, problems);
    const double low = model.lowerSensorLimit;
    const double high = model.upperSensorLimit;

    read.text("tag", c.tag, limits::TagChars);
    read.entry("longTag", [&](const QJsonValue& v) {
        const QString text = v.toString();
        if (!v.isString() || text.size() > limits::LongTagChars ||
            std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() > 0xFF || ch.isNull(); }))
            return false;
        c.longTag = text;
        return true;
    });
    read.text("descriptor", c.descriptor, limits::DescriptorChars);
    read.text("message", c.message, limits::MessageChars);
    read.entry("date", [&](const QJsonValue& v) {
        const QDate date = QDate::fromString(v.toString(), Qt::ISODate);
        if (!hart::encodeDate(date)) return false;
        c.date = date;
        return true;
    });
    read.integer("finalAssemblyNumber", c.finalAssemblyNumber, 0, limits::MaxFinalAssembly);
    read.entry("pvUnit", [&](const QJsonValue& v) {
        const int code = v.toInt(-1);
        if (!v.isDouble() || code < 0 || code > 255 || !model.allowsUnit(quint8(code))) return false;
        c.pvUnit = quint8(code);
        return true;
    });
    read.number("upperRange", c.upperRange, low, high);
    read.number("lowerRange", c.lowerRange, low, high);
    read.number("damping", c.damping, 0.0, limits::MaxDamping);
    read.entry("transferFunction", [&](const QJsonValue& v) {
        const int code = v.toInt(-1);
        if (!v.isDouble() || code < 0 || code > 255 || !model.allowsTransferFunction(quint8(code))) return false;
        c.transferFunction = quint8(code);
        return true;
    });
    read.integer("pollingAddress", c.pollingAddress, 0, limits::MaxPollingAddress);
    read.number("outputTrimOffset", c.outputTrimOffset, -limits::MaxTrimOffsetMa, limits::MaxTrimOffsetMa);
    read.number("outputTrimGain", c.outputTrimGain, limits::MinTrimGain, limits::MaxTrimGain);
    const double maxZero = limits::ZeroTrimShare * model.sensorSpan();
    read.number("zeroOffset", c.zeroOffset, -maxZero, maxZero);
    read.entry("sensorTrimPoints", [&](const QJsonValue& v) {
        const QJsonArray points = v.toArray();
        if (!v.isArray() || points.size() != 2) return false;
        for (const auto& p : points)
            if (!p.isDouble() || p.toDouble() < low || p.toDouble() > high) return false;
        c.sensorTrimPoints = {points[0].toDouble(), points[1].toDouble()};
        return true;
    });
    read.entry("burstCommand", [&](const QJsonValue& v) {
        const int command = v.toInt(-1);
        if (!v.isDouble() || command < 0 || command > 255 || !limits::isBurstCommand(quint8(command))) return false;
        c.burstCommand = quint8(command);
        return true;
    });
    read.boolean("burstMode", c.burstMode);
    read.integer("displayMode", c.displayMode, 0, limits::MaxDisplayMode);
    read.integer("displayDecimals", c.displayDecimals, 0, limits::MaxDecimals);
    read.number("alarmLowCurrent", c.alarmLowMa, limits::AlarmLowMin, limits::AlarmLowMax);
    read.number("alarmHighCurrent", c.alarmHighMa, limits::AlarmHighMin, limits::AlarmHighMax);
    read.boolean("writeProtect", c.writeProtect);
    return c;
}

QStringList loadState(const QString& path, std::vector<SimTransmitter>& devices)
{
    QFile file(path);
    if (path.isEmpty() || !file.exists()) return {};
    const QString start = u"simulated devices state " + path + u": ";
    const QString factory = QStringLiteral(", using the factory settings");
    if (!file.open(QIODevice::ReadOnly)) return {start + file.errorString() + factory + keepAside(file)};

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return {start + u"not valid JSON (" + error.errorString() + u")" + factory + keepAside(file)};
    const QJsonObject root = document.object();
    const QJsonValue listed = root.value(u"devices");
    if (!document.isObject() || !listed.isObject())
        return {start + u"no \"devices\" object" + factory + keepAside(file)};

    QStringList problems;
    if (root.value(u"version").toInt(FormatVersion) != FormatVersion)
        problems << start + u"unknown version, reading what fits";
    const QJsonObject saved = listed.toObject();
    for (auto it = saved.begin(); it != saved.end(); ++it) {
        auto device = std::find_if(devices.begin(), devices.end(), [&](const auto& d) { return d.name() == it.key(); });
        if (device == devices.end()) {
            problems << start + u"unknown device \"" + it.key() + u"\" left out";
            continue;
        }
        if (!it.value().isObject()) {
            problems << start + it.key() + u" is not an object, using its factory settings";
            continue;
        }
        QStringList found;
        const QJsonObject entries = it.value().toObject();
        const Config config = configFromJson(entries, device->deviceModel(), device->factoryConfig(), found);
        bool changed = false;
        EntryReader(entries, device->name(), found).boolean(ChangedKey, changed);
        device->load(config, changed);
        for (const QString& problem : found)
            problems << start + problem;
    }
    return problems;
}

QString saveState(const QString& path, const std::vector<SimTransmitter>& devices)
{
    QJsonObject saved;
    for (const auto& device : devices) {
        QJsonObject entries = configToJson(device.storedConfig());
        entries[QLatin1String(ChangedKey)] = device.configurationChanged();
        saved[device.name()] = entries;
    }
    QJsonObject root;
    root[u"version"] = FormatVersion;
    root[u"devices"] = saved;

    const QString folder = QFileInfo(path).absolutePath();
    if (const platform::Result made = platform::makeFolder(folder); !made)
        return u"cannot create the folder " + folder + u": " + made.error;
    // On a full disk the old file stays: the devices keep what they had at the next start.
    const platform::Result written =
        platform::writeFileAtomically(path, QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (written) return {};
    return written.error.isEmpty() ? QStringLiteral("the file could not be written") : written.error;
}

} // namespace sim
