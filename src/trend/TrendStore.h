#pragma once
// The samples of a trend: the on-line values as the on-line loop read them, each with its time, the units
// they were read in and whether the loop current was fixed then. Memory is bounded by a number of samples
// (Capacity): a store that is full thins its older half to every other sample, so the newest half always
// keeps every sample (hours at the on-line rate, far more than the longest time window shows) while a day
// and more stays in it at a coarser step, and never more than Capacity samples are held.
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <vector>

class QTimeZone;

namespace trend {

// The values a trend follows, in the order of its strips and its columns.
enum class Variable { PV, PVI, PVP, SV, TV, FV };
inline constexpr int VariableCount = 6;

using Values = std::array<double, VariableCount>; // NaN: no value
using Units = std::array<QString, VariableCount>;

struct Sample {
    enum Flag : quint8 {
        FixedCurrent = 1, // the device said its loop current was fixed (a loop test, a trim, multidrop)
        NewRun = 2,       // the first sample after a pause in reading: no line joins it to the one before
    };
    qint64 time = 0; // milliseconds since the epoch
    std::array<float, VariableCount> values{};
    quint32 units = 0; // which of the store's unit sets
    quint8 flags = 0;

    double value(Variable variable) const { return values[std::size_t(variable)]; }
    bool has(Variable variable) const { return !std::isnan(value(variable)); }
};

class TrendStore {
public:
    // 262144 samples of 40 bytes: 10 MiB; at the on-line rate of two to three samples a second a day fits
    // whole before the first thinning.
    static constexpr qsizetype Capacity = qsizetype(1) << 18;

    explicit TrendStore(qsizetype capacity = Capacity);

    // Adds a sample; a time before the newest sample's (the computer's clock was set back) is taken as
    // the newest, so the samples stay in order.
    void append(qint64 time, const Values& values, const Units& units, quint8 flags = 0);
    void clear();

    qsizetype size() const { return qsizetype(samples.size()); }
    bool isEmpty() const { return samples.empty(); }
    const Sample& at(qsizetype index) const { return samples[std::size_t(index)]; }
    const Sample& last() const { return samples.back(); }
    const Units& units(const Sample& sample) const { return unitSets[sample.units]; }
    QString unit(const Sample& sample, Variable variable) const { return units(sample)[std::size_t(variable)]; }
    // The first sample at or after the time (size() when none is).
    qsizetype firstAtOrAfter(qint64 time) const;
    // Whether any sample has a value of the variable: a device without it gets no strip and no column.
    bool has(Variable variable) const { return present[std::size_t(variable)]; }
    // How often the store has thinned its older half.
    int thinnings() const { return thinned; }
    // The bytes the store holds: its samples and unit sets.
    qsizetype memoryBytes() const;

    // The samples for a spreadsheet: the time stamp in ISO 8601 in the given zone, then one column for each
    // variable in each unit it had (a value read in another unit goes into a column of its own), headed by
    // the variable's name and its unit; a variable never read has no column.
    QByteArray toCsv(const QTimeZone& zone) const;

private:
    quint32 unitSet(const Units& units);
    void thin();

    qsizetype capacity;
    std::vector<Sample> samples;
    std::vector<Units> unitSets;
    QHash<QString, quint32> unitSetIndex; // the units joined by a NUL
    std::array<bool, VariableCount> present{};
    int thinned = 0;
};

// The shortest text that reads back as the stored value, never in exponent form.
QString valueText(float value);
// The variable's name as the trend window and the spreadsheet head it.
QString variableName(Variable variable);

} // namespace trend
