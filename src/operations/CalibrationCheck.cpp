#include "operations/CalibrationCheck.h"

#include "config/CodeTables.h"
#include "config/CommandCatalogue.h"
#include "config/DefinitionFile.h"
#include "platform/EventLoop.h"
#include "platform/SimulatorClient.h"
#include "platform/Texts.h"
#include "trend/TrendRecorder.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace operations {

using config::Control;

namespace {
const platform::Texts& t() { return platform::texts(); }

double valueOf(const config::DeviceState& state, Control control)
{
    return trend::TrendRecorder::parse(state.text(control)).first;
}
} // namespace

platform::Result SimulatorBench::ask(const QString& request, QString* answer)
{
    const platform::SimulatorAnswer said = platform::askSimulator(socketPath, request);
    if (!said.ok) return platform::Result::failure(t().benchFailed.arg(said.text));
    if (answer) *answer = said.text;
    return platform::Result::success();
}

platform::Result SimulatorBench::hold(double value)
{
    return ask(QStringLiteral("INPUT %1 %2").arg(device, QString::number(value, 'g', 10)));
}

platform::Result SimulatorBench::release() { return ask(QStringLiteral("RELEASE ") + device); }

std::optional<double> SimulatorBench::meter(QString* why)
{
    QString answer;
    if (const platform::Result asked = ask(QStringLiteral("METER ") + device, &answer); !asked) {
        if (why) *why = asked.error;
        return std::nullopt;
    }
    // "... a meter in the loop reads 4.015 mA": the number before the unit at the end.
    const QStringList words = answer.trimmed().split(u' ', Qt::SkipEmptyParts);
    bool ok = false;
    const double ma =
        words.size() >= 2 && words.last() == u"mA" ? QLocale::c().toDouble(words[words.size() - 2], &ok) : 0;
    if (!ok) {
        if (why) *why = t().benchFailed.arg(answer);
        return std::nullopt;
    }
    return ma;
}

std::optional<history::CalibrationRun> rangeOfDevice(const device::DeviceSession& session, QString* why)
{
    auto fail = [&](const QString& reason) -> std::optional<history::CalibrationRun> {
        if (why) *why = reason;
        return std::nullopt;
    };
    const config::DeviceState& state = session.state;
    history::CalibrationRun r;
    r.lower = valueOf(state, Control::Pocatek);
    r.upper = valueOf(state, Control::Konec);
    if (!std::isfinite(r.lower) || !std::isfinite(r.upper) || r.lower == r.upper) return fail(t().checkNoRange);
    const QString table = config::tableFilePath(session.language);
    const QString function = state.text(Control::Funkce).trimmed();
    const QString linear = config::codeTableNames(table, QStringLiteral("TransferFunction"), {0}).value(0);
    const QString root = config::codeTableNames(table, QStringLiteral("TransferFunction"), {1}).value(0);
    if (function == linear)
        r.function = history::TransferFunction::Linear;
    else if (function == root)
        r.function = history::TransferFunction::SquareRoot;
    else
        return fail(t().checkTransferFunction.arg(linear, root, function));
    r.unit = state.text(Control::Jednotky).trimmed();
    return r;
}

history::CalibrationRecord recordOfDevice(const device::DeviceSession& session)
{
    const config::DeviceState& state = session.state;
    history::CalibrationRecord r;
    r.manufacturer = state.text(Control::Vyrobce).trimmed();
    r.type = state.text(Control::Typ).trimmed();
    r.uniqueId = state.text(Control::UI).trimmed();
    r.tag = state.text(Control::Oznaceni).trimmed();
    if (state.has(Control::DlouheOznaceni)) r.longTag = state.text(Control::DlouheOznaceni).trimmed();
    return r;
}

CalibrationCheck::CalibrationCheck(device::DeviceSession& session, QObject* parent) : QObject(parent), session(session)
{
    using device::DeviceSession;
    connect(&session, &DeviceSession::valuesRead, this, &CalibrationCheck::reading);
    connect(&session, &DeviceSession::stopped, this, [this] {
        if (active) finish(End::DriverLost, t().checkConnectionStopped);
    });
    // A run measures the device as the on-line loop reads it: a procedure that takes the device in
    // between (a trim, a range set by the applied input, the loop test) changes what is measured.
    connect(&session, &DeviceSession::stepShown, this, [this] {
        if (active && !this->session.sequencer.online()) finish(End::Failed, t().checkProcedureRan);
    });
}

CalibrationCheck::~CalibrationCheck()
{
    if (active) finish(End::Stopped);
}

bool CalibrationCheck::start(const history::CalibrationRun& range, const CheckSetup& with, CalibrationBench* benchUsed,
                             CalibrationPrompts* promptsUsed, QString* why)
{
    auto refuse = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    if (active) return refuse(t().checkRunning);
    if (!session.sequencer.online()) return refuse(t().checkNotOnline);
    if (!session.state.fixedCurrent().isEmpty()) return refuse(t().checkCurrentFixed);
    if (with.percents.isEmpty() || !(with.tolerance > 0)) return refuse(t().checkNoPoints);
    const bool needsBench = with.input == CheckSetup::Input::Bench || with.current == CheckSetup::Current::Bench;
    const bool needsPrompts = with.input == CheckSetup::Input::Typed || with.current == CheckSetup::Current::Typed;
    if ((needsBench && !benchUsed) || (needsPrompts && !promptsUsed)) return refuse(t().checkNoPoints);
    setup = with;
    bench = benchUsed;
    prompts = promptsUsed;
    taken = range;
    taken.points.clear();
    taken.complete = false;
    active = true;
    applyPoint();
    return true;
}

void CalibrationCheck::stop()
{
    if (active) finish(End::Stopped);
}

void CalibrationCheck::applyPoint()
{
    const double nominal = taken.lower + setup.percents[pointIndex()] / 100.0 * taken.span();
    readings.clear();
    applying = true;
    if (setup.input == CheckSetup::Input::Bench) {
        const platform::Result holding = bench->hold(nominal);
        held = held || holding.ok;
        if (!holding) return finish(End::Failed, holding.error);
        applied = nominal;
    } else {
        const std::optional<double> typed = prompts->appliedInput(nominal, taken.unit);
        if (!active) return; // stopped while the question was open
        if (!typed) return finish(End::Stopped);
        applied = *typed;
    }
    applying = false;
    firstReading = true;
    appliedAt = platform::eventLoop().nowMs();
}

bool CalibrationCheck::settled() const
{
    if (setup.settleMs > 0) return platform::eventLoop().nowMs() - appliedAt >= setup.settleMs;
    if (readings.size() < SettledReadings) return false;
    const auto last = readings.end() - SettledReadings;
    const auto [low, high] = std::minmax_element(last, readings.end());
    return (*high - *low) / std::abs(taken.span()) * 100.0 <= setup.tolerance / 10.0;
}

void CalibrationCheck::reading(int command)
{
    if (!active || applying) return;
    const config::CommandRow* row = config::catalogueRow(command);
    if (!row || std::none_of(row->reply.begin(), row->reply.end(),
                             [](const config::ReplyField& field) { return field.control == Control::PV; }))
        return;
    // The first reply after the input was applied may answer a command sent before: it does not count.
    if (std::exchange(firstReading, false)) return;
    const double pv = valueOf(session.state, Control::PV);
    if (!std::isfinite(pv)) return;
    readings.append(pv);
    emit settling(pointIndex(), pv);
    if (settled()) takePoint(pv);
}

void CalibrationCheck::takePoint(double pv)
{
    applying = true; // no reading counts while the current is asked for
    double current = valueOf(session.state, Control::PVI);
    if (setup.current == CheckSetup::Current::Bench) {
        QString why;
        const std::optional<double> ma = bench->meter(&why);
        if (!ma) return finish(End::Failed, why);
        current = *ma;
    } else if (setup.current == CheckSetup::Current::Typed) {
        const std::optional<double> ma = prompts->meterCurrent();
        if (!active) return;
        if (!ma) return finish(End::Stopped);
        current = *ma;
    }
    if (!std::isfinite(current)) return finish(End::Failed, t().checkNoCurrent);
    const double percent = setup.percents[pointIndex()];
    taken.points.append({percent, applied, pv, current});
    emit pointTaken(pointIndex() - 1);
    if (pointIndex() == setup.percents.size()) {
        taken.complete = true;
        return finish(End::Complete);
    }
    applyPoint();
}

void CalibrationCheck::finish(End end, const QString& why)
{
    active = false;
    applying = false;
    QString problem = why;
    if (std::exchange(held, false)) {
        // The input goes back to the process; a bench that cannot let go is said, after the run's own end.
        if (const platform::Result released = bench->release(); !released && problem.isEmpty())
            problem = released.error;
    }
    emit ended(end, problem);
}

} // namespace operations
