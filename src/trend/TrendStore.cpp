#include "trend/TrendStore.h"

#include "platform/CsvText.h"
#include "platform/Texts.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <charconv>

namespace trend {

namespace {

QString joined(const Units& units)
{
    QString key;
    for (const QString& unit : units)
        key += unit + QChar(0);
    return key;
}

} // namespace

TrendStore::TrendStore(qsizetype capacity) : capacity(std::max<qsizetype>(capacity, 4)) {}

quint32 TrendStore::unitSet(const Units& units)
{
    if (!samples.empty() && unitSets[samples.back().units] == units) return samples.back().units;
    const QString key = joined(units);
    if (const auto found = unitSetIndex.constFind(key); found != unitSetIndex.cend()) return *found;
    unitSets.push_back(units);
    return unitSetIndex[key] = quint32(unitSets.size() - 1);
}

void TrendStore::append(qint64 time, const Values& values, const Units& units, quint8 flags)
{
    if (size() == capacity) thin();
    if (samples.size() == samples.capacity())
        samples.reserve(std::size_t(std::min(capacity, std::max<qsizetype>(1024, 2 * size()))));
    Sample sample;
    sample.time = samples.empty() ? time : std::max(time, samples.back().time);
    for (int i = 0; i < VariableCount; ++i) {
        const float value = float(values[std::size_t(i)]);
        sample.values[std::size_t(i)] = std::isfinite(value) ? value : std::nanf(""); // beyond a float: none
    }
    sample.units = unitSet(units);
    sample.flags = flags;
    for (int i = 0; i < VariableCount; ++i)
        present[std::size_t(i)] = present[std::size_t(i)] || sample.has(Variable(i));
    samples.push_back(sample);
}

void TrendStore::thin()
{
    // Every other sample of the older half goes; a new run that began at a dropped sample begins at the
    // next one kept, so that no line is drawn across a pause in reading.
    const std::size_t older = samples.size() / 2;
    std::size_t kept = 0;
    bool carriedRun = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i < older && i % 2 == 1) {
            carriedRun = carriedRun || (samples[i].flags & Sample::NewRun);
            continue;
        }
        samples[kept] = samples[i];
        if (carriedRun) samples[kept].flags |= Sample::NewRun;
        carriedRun = false;
        ++kept;
    }
    samples.resize(kept);
    ++thinned;

    // Unit sets no sample uses any more go too: they are bounded by the samples.
    std::vector<qint64> renumbered(unitSets.size(), -1);
    std::vector<Units> used;
    for (Sample& sample : samples) {
        qint64& number = renumbered[sample.units];
        if (number < 0) {
            number = qint64(used.size());
            used.push_back(std::move(unitSets[sample.units]));
        }
        sample.units = quint32(number);
    }
    unitSets = std::move(used);
    unitSetIndex.clear();
    for (std::size_t i = 0; i < unitSets.size(); ++i)
        unitSetIndex.insert(joined(unitSets[i]), quint32(i));
}

void TrendStore::clear()
{
    samples.clear();
    samples.shrink_to_fit();
    unitSets.clear();
    unitSetIndex.clear();
    present = {};
    thinned = 0;
}

qsizetype TrendStore::firstAtOrAfter(qint64 time) const
{
    return std::lower_bound(samples.begin(), samples.end(), time,
                            [](const Sample& sample, qint64 t) { return sample.time < t; }) -
           samples.begin();
}

qsizetype TrendStore::memoryBytes() const
{
    qsizetype bytes = qsizetype(samples.capacity() * sizeof(Sample) + unitSets.capacity() * sizeof(Units));
    for (const Units& units : unitSets)
        for (const QString& unit : units)
            bytes += unit.capacity() * qsizetype(sizeof(QChar));
    return bytes;
}

QByteArray TrendStore::toCsv(const QTimeZone& zone) const
{
    struct Column {
        Variable variable;
        QString unit;
    };
    QList<Column> columns;
    for (int v = 0; v < VariableCount; ++v) {
        const auto variable = Variable(v);
        if (!has(variable)) continue;
        QStringList seen;
        for (const Sample& sample : samples)
            if (sample.has(variable) && !seen.contains(unit(sample, variable))) seen.append(unit(sample, variable));
        for (const QString& u : seen)
            columns.append({variable, u});
    }
    QStringList head{platform::texts().trendTime};
    for (const Column& column : columns)
        head.append(column.unit.isEmpty() ? variableName(column.variable)
                                          : variableName(column.variable) + QStringLiteral(" (") + column.unit + u')');
    QString text = platform::csvLine(head);
    for (const Sample& sample : samples) {
        QStringList row{QDateTime::fromMSecsSinceEpoch(sample.time, zone).toString(Qt::ISODateWithMs)};
        for (const Column& column : columns)
            row.append(sample.has(column.variable) && unit(sample, column.variable) == column.unit
                           ? valueText(sample.values[std::size_t(column.variable)])
                           : QString());
        // Time stamps and numbers of our own making need no quoting, and a negative value must stay a number
        // rather than be kept a text as a cell beginning with a minus would.
        text += row.join(u',') + QStringLiteral("\r\n");
    }
    return platform::csvDocument(text);
}

QString valueText(float value)
{
    // What the driver sent, as far as a float keeps it.
    char text[64];
    const auto [end, error] = std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    if (error != std::errc()) return QString::number(double(value));
    return QString::fromLatin1(text, end - text);
}

QString variableName(Variable variable)
{
    const platform::Texts& t = platform::texts();
    switch (variable) {
    case Variable::PV: return t.trendPrimaryVariable;
    case Variable::PVI: return t.trendLoopCurrent;
    case Variable::PVP: return t.trendPercentOfRange;
    case Variable::SV: return t.trendSecondaryVariable;
    case Variable::TV: return t.trendTertiaryVariable;
    case Variable::FV: return t.trendFourthVariable;
    }
    return {};
}

} // namespace trend
