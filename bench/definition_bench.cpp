// Loading a device definition file of realistic size and building every READ and WRITE step from it,
// as one read and one write of a device do. Each step opens the file once, so this is mostly file
// reading and INI lookups.
#include "detailed/CommandTemplates.h"
#include "detailed/DefinitionModel.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Frames = 10, Headings = 10, Labels = 20, Displays = 20, Edits = 20, Arguments = 10, Options = 20,
              Methods = 10, OptionsPerList = 12, Steps = 10;

QByteArray name(char letter, int number) { return letter + QByteArray::number(number).rightJustified(2, '0'); }

QByteArray sampleDefinition()
{
    QByteArray text = "[Definitions]\r\nLOV=3.8 mA\r\nUOV=20.5 mA\r\nTST1=255\r\nTST2=0\r\nTST3=1\r\n"
                      "Units=12 11 237 7 8 6 1 4 5 10 14 13\r\nTransferFunction=0 1\r\n";
    for (int i = 1; i <= Frames; ++i)
        text += name('P', i) + '=' + QByteArray::number(4 + (i - 1) * 110) + ",4,104,496\r\n";
    for (int i = 1; i <= Headings; ++i)
        text +=
            name('H', i) + '=' + QByteArray::number(10 + (i - 1) * 110) + ",12,Group " + QByteArray::number(i) + "\r\n";
    const auto field = [&text](char letter, int i, int top, int left, const QByteArray& rest) {
        text += name(letter, i) + '=' + QByteArray::number(top) + ',' + QByteArray::number(left) + rest + "\r\n";
        text += name(letter, i) + "H=Item " + name(letter, i) + "|What item " + name(letter, i) +
                " holds.\\NSee the device manual, chapter " + QByteArray::number(i) + ".\r\n";
    };
    for (int i = 1; i <= Labels; ++i)
        text += name('L', i) + '=' + QByteArray::number(36 + (i - 1) * 26) + ",12,Parameter number " +
                QByteArray::number(i) + ", in units\r\n";
    for (int i = 1; i <= Displays; ++i)
        field('V', i, 32 + (i - 1) * 26, 240, ",121");
    for (int i = 1; i <= Edits; ++i)
        field('E', i, 32 + (i - 1) * 26, 372, ",121");
    for (int i = 1; i <= Arguments; ++i)
        field('Q', i, 600 + (i - 1) * 26, 240, ",121");
    for (int i = 1; i <= Options; ++i)
        field('C', i, 700 + (i - 1) * 26, 240, ",145," + QByteArray::number(i % 2) + ",O" + name('X', i).mid(1));
    for (int i = 1; i <= Methods; ++i)
        field('B', i, 1300 + (i - 1) * 26, 12, QByteArray());

    for (int list = 1; list <= Options; ++list) {
        text += "[O" + name('X', list).mid(1) + "]\r\n";
        for (int code = 0; code < OptionsPerList; ++code)
            text += QByteArray::number(code * 3) + "=Option " + QByteArray::number(code) + " of list " +
                    QByteArray::number(list) + "_note\r\n";
    }
    text += "[Conditions]\r\n1=O01000003_O02000\r\n2=O01006_O03003006009\r\n";
    text += "[READ]\r\n";
    for (int k = 1; k <= Steps; ++k)
        text += QByteArray::number(k) + "=255_R" + QByteArray::number(129 + k) + "KBBFF_00" +
                QByteArray::number(k % 3) + '_' + name('C', 2 * k - 1) + '_' + name('C', 2 * k) + '_' +
                name('V', 2 * k - 1) + '_' + name('E', 2 * k) + '|' + name('V', 2 * k) + "\r\n";
    text += "[WRITE]\r\n";
    for (int k = 1; k <= Steps; ++k)
        text += QByteArray::number(k) + "=255_W" + QByteArray::number(149 + k) + "KBBFF_00" +
                QByteArray::number(k % 3) + '_' + name('C', 2 * k - 1) + '_' + name('C', 2 * k) + '_' +
                name('E', 2 * k - 1) + '_' + name('E', 2 * k) + "\r\n";
    text += "[B01METHOD]\r\nNAME=Restore factory settings\r\n1=255_C140_Q01\r\n[Printer]\r\nC01=30,47\r\n";
    return text;
}

// The items as a window holds them after a read: every box shows an option of its list.
class BenchItems : public detailed::ItemAccess {
public:
    QString itemText(const QString& name) const override
    {
        if (name.startsWith(u'C')) return QStringLiteral("Option 4 of list %1").arg(name.mid(1).toInt());
        return texts.value(name, QStringLiteral("12.5"));
    }
    void setItemText(const QString& name, const QString& text) override { texts.insert(name, text); }
    QString comboListSection(int n) const override { return QStringLiteral("O%1").arg(n, 2, 10, QLatin1Char('0')); }
    QStringList comboEntries(int) const override { return {}; }
    void selectComboEntry(int, int) override {}
    void replaceComboEntries(int, const QStringList&, int) override {}
    bool comboWritable(int n) const override { return n % 2 == 1; }
    void appendError(const QString& line) override { errors += line; }

    QHash<QString, QString> texts;
    QString errors;
};

struct Sample {
    Sample()
    {
        path = dir.filePath(QStringLiteral("Maker-Type-1-EN.DDF"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(sampleDefinition());
    }
    QTemporaryDir dir;
    QString path;
};

// Sends every step; the data lines of all steps together.
qsizetype buildAllSteps(const QString& path, BenchItems& items, int steps = Steps)
{
    qsizetype length = 0;
    for (const auto& [section, base] :
         {std::pair{QStringLiteral("READ"), 200}, std::pair{QStringLiteral("WRITE"), 299}})
        for (int k = 1; k <= steps; ++k) {
            QString data = QStringLiteral("16\r\n");
            quint8 real = 0;
            benchmark::DoNotOptimize(detailed::GetRWCommand(path, base, base + k, section, data, real, items));
            length += data.size();
        }
    return length;
}

void BM_LoadDefinition(benchmark::State& state)
{
    const Sample sample;
    for (auto _ : state) {
        const detailed::DefinitionModel model = detailed::loadDefinition(sample.path, 1.0);
        benchmark::DoNotOptimize(model.items.size());
    }
}
BENCHMARK(BM_LoadDefinition)->Unit(benchmark::kMicrosecond);

void BM_BuildAllTemplates(benchmark::State& state)
{
    const Sample sample;
    BenchItems items;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildAllSteps(sample.path, items));
}
BENCHMARK(BM_BuildAllTemplates)->Unit(benchmark::kMicrosecond);

void BM_LoadAndBuildAll(benchmark::State& state)
{
    const Sample sample;
    BenchItems items;
    for (auto _ : state) {
        const detailed::DefinitionModel model = detailed::loadDefinition(sample.path, 1.0);
        benchmark::DoNotOptimize(model.items.size());
        benchmark::DoNotOptimize(buildAllSteps(sample.path, items));
    }
    state.counters["items"] = double(detailed::loadDefinition(sample.path, 1.0).items.size());
    if (!items.errors.isEmpty()) state.SkipWithError("the sample definition has faults");
}
BENCHMARK(BM_LoadAndBuildAll)->Unit(benchmark::kMicrosecond);

// The definition file shipped for the simulated pressure transmitter: every step of its lists.
void BM_ShippedDefinitionLoadAndBuildAll(benchmark::State& state)
{
    const QString path = QStringLiteral(TARVIK_DATA_DIR "/Ostrevo-PR210-3-EN.DDF");
    BenchItems items;
    for (auto _ : state) {
        const detailed::DefinitionModel model = detailed::loadDefinition(path, 1.0);
        benchmark::DoNotOptimize(model.items.size());
        benchmark::DoNotOptimize(buildAllSteps(path, items, std::max(model.readStepCount, model.writeStepCount)));
    }
    const detailed::DefinitionModel model = detailed::loadDefinition(path, 1.0);
    state.counters["items"] = double(model.items.size());
    state.counters["steps"] = double(model.readStepCount + model.writeStepCount);
    if (!model.found) state.SkipWithError("the shipped definition file is missing");
}
BENCHMARK(BM_ShippedDefinitionLoadAndBuildAll)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
