// The trend's store over a simulated day of on-line samples: its memory and thinnings at the end, the time
// an append takes, a 30-minute window drawn from the full store (what the open window costs for each
// sample), and the CSV of everything kept. A plain timed program, with figures printed and nothing
// asserted; without DISPLAY it runs offscreen.
//   trend_bench [samples a second] [hours]
#include "trend/TrendChart.h"
#include "trend/TrendStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTimeZone>
#include <cmath>
#include <cstdio>

namespace {

// The resident memory of this process, in KiB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double rate = argc > 1 ? std::atof(argv[1]) : 3.0;
    const double hours = argc > 2 ? std::atof(argv[2]) : 24.0;
    const auto samples = qint64(rate * hours * 3600);
    const qint64 stepMs = qint64(1000 / rate);

    // The replies take turns: command 2 carries the current and the percent, command 3 the current and the
    // variables, as the on-line loop of the pressure transmitter reads them.
    const double none = std::nan("");
    const trend::Units units{QStringLiteral("kPa"), QStringLiteral("mA"), QStringLiteral("%"),
                             QString::fromUtf8("\xc2\xb0"
                                               "C")};
    const long residentBefore = residentKb();
    trend::TrendStore store;
    const qint64 start = 1'700'000'000'000;
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; i < samples; ++i) {
        const double wave = std::sin(double(i) / 300.0);
        const double current = 12 + 4 * wave;
        const trend::Values values = i % 2 ? trend::Values{500 + 100 * wave, current, none, 21.5 + wave, none, none}
                                           : trend::Values{none, current, (current - 4) / 0.16, none, none, none};
        store.append(start + i * stepMs, values, units, i % 3600 == 0 ? trend::Sample::NewRun : 0);
    }
    const double appendNs = double(timer.nsecsElapsed()) / double(samples);
    std::printf("Trend store, %.1f hours at %.1f samples a second (%lld samples)\n", hours, rate,
                static_cast<long long>(samples));
    std::printf("  samples kept:      %lld of at most %lld (%d thinnings)\n", static_cast<long long>(store.size()),
                static_cast<long long>(trend::TrendStore::Capacity), store.thinnings());
    std::printf("  memory:            %.2f MiB\n", double(store.memoryBytes()) / (1024.0 * 1024.0));
    std::printf("  resident memory:   %.2f MiB more than before the first sample\n",
                double(residentKb() - residentBefore) / 1024.0);
    std::printf("  append:            %.0f ns a sample (mean)\n", appendNs);

    trend::TrendChart chart(store);
    chart.resize(1000, 600);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (const int minutes : {1, 5, 30}) {
        chart.setWindow(qint64(minutes) * 60000, store.last().time);
        constexpr int Paints = 50;
        timer.restart();
        for (int i = 0; i < Paints; ++i)
            chart.render(&image);
        std::printf("  %2d-minute window drawn (1000 x 600): %.2f ms\n", minutes,
                    double(timer.nsecsElapsed()) / 1e6 / Paints);
    }
    timer.restart();
    const QByteArray csv = store.toCsv(QTimeZone::systemTimeZone());
    std::printf("  CSV of all kept:   %.1f MiB in %.0f ms\n", double(csv.size()) / (1024.0 * 1024.0),
                double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
