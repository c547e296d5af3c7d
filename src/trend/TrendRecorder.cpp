#include "trend/TrendRecorder.h"

#include "config/CommandCatalogue.h"
#include "platform/ReplyLayout.h"

#include <QDateTime>
#include <QLocale>

namespace trend {

using config::Control;

namespace {
// The controls of the variables, in the order of Variable.
constexpr Control Controls[VariableCount] = {Control::PV, Control::PVI, Control::PVP,
                                             Control::SV, Control::TV,  Control::FV};
// The driver's sentence for the status bit "loop current fixed".
const QString LoopCurrentFixed =
    QString::fromLatin1(replylayout::StatusSentences[replylayout::LoopCurrentFixedBit]).trimmed();
} // namespace

TrendRecorder::TrendRecorder(device::DeviceSession& session, QObject* parent)
    : QObject(parent), clock([] { return QDateTime::currentMSecsSinceEpoch(); }), session(session)
{
    using device::DeviceSession;
    connect(&session, &DeviceSession::valuesRead, this, &TrendRecorder::take);
    connect(&session, &DeviceSession::stopped, this, [this] { newRun = true; });
    connect(&session, &DeviceSession::cleared, this, [this] { newRun = true; });
    connect(&session, &DeviceSession::identityRead, this, &TrendRecorder::noteDevice);
    connect(&session, &DeviceSession::configurationRead, this, &TrendRecorder::noteDevice);
    connect(&session, &DeviceSession::newDeviceRead, this, [this] {
        store.clear();
        newRun = true;
        noteDevice();
        emit restarted();
    });
}

std::pair<double, QString> TrendRecorder::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    QString number = blank < 0 ? trimmed : trimmed.left(blank);
    const QString unit = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
    bool ok = false;
    const double value = QLocale::c().toDouble(number.replace(u',', u'.'), &ok);
    if (!ok || !std::isfinite(value)) return {std::nan(""), unit};
    return {value, unit};
}

void TrendRecorder::noteDevice()
{
    const config::DeviceState& state = session.state;
    QStringList parts;
    for (Control control : {Control::Vyrobce, Control::Typ, Control::Oznaceni, Control::UI})
        if (const QString text = state.text(control).trimmed(); !text.isEmpty()) parts.append(text);
    deviceText = parts.join(QStringLiteral(", "));
}

void TrendRecorder::take(int command)
{
    const config::CommandRow* row = config::catalogueRow(command);
    if (!row) return;
    Values values;
    values.fill(std::nan(""));
    Units units;
    for (const config::ReplyField& field : row->reply) {
        const auto variable = std::find(std::begin(Controls), std::end(Controls), field.control);
        if (variable == std::end(Controls)) continue;
        const auto i = std::size_t(variable - std::begin(Controls));
        std::tie(values[i], units[i]) = parse(session.state.text(field.control));
    }
    quint8 flags = 0;
    // The device's own status bit, or the current the program fixed (a loop test, a trim) until released.
    if (session.state.text(Control::Status).contains(LoopCurrentFixed) || !session.state.fixedCurrent().isEmpty())
        flags |= Sample::FixedCurrent;
    if (std::exchange(newRun, false)) flags |= Sample::NewRun;
    store.append(clock(), values, units, flags);
    emit sampled();
}

} // namespace trend
