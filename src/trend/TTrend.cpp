#include "trend/TTrend.h"

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "trend/TrendChart.h"
#include "trend/TrendRecorder.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimeZone>
#include <QVBoxLayout>

namespace trend {

namespace {

constexpr int WindowMinutes[] = {1, 5, 30};

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TTrend::TTrend(TrendRecorder& recorder, QWidget* parent) : QDialog(parent), recorder(recorder)
{
    setObjectName(QStringLiteral("TTrend"));
    setWindowTitle(tr("Trend"));
    setModal(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    TimeWindow = named(new QComboBox, "TimeWindow");
    TimeWindow->addItems({tr("1 minute"), tr("5 minutes"), tr("30 minutes")});
    bPause = named(new QPushButton(tr("Pause")), "bPause");
    bExport = named(new QPushButton(tr("Export...")), "bExport");
    for (QPushButton* button : {bPause, bExport})
        button->setAutoDefault(false);
    Device = named(new QLabel, "Device");
    Device->setTextFormat(Qt::PlainText);
    Chart = new TrendChart(recorder.store);
    Scroll = named(new QScrollBar(Qt::Horizontal), "Scroll");

    auto* controls = new QHBoxLayout;
    auto* caption = new QLabel(tr("Time window:"));
    caption->setBuddy(TimeWindow);
    controls->addWidget(caption);
    controls->addWidget(TimeWindow);
    controls->addWidget(bPause);
    controls->addWidget(bExport);
    controls->addSpacing(12);
    controls->addWidget(Device, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(Chart, 1);
    layout->addWidget(Scroll);

    connect(TimeWindow, &QComboBox::currentIndexChanged, this, [this] { TimeWindowChange(); });
    connect(bPause, &QPushButton::clicked, this, [this] { PauseClick(); });
    connect(bExport, &QPushButton::clicked, this, [this] { ExportClick(); });
    connect(Scroll, &QScrollBar::valueChanged, this, &TTrend::scrolled);
    // Nothing is drawn while the window is closed: the recording alone goes on.
    connect(&recorder, &TrendRecorder::sampled, this, [this] {
        if (isVisible()) follow();
    });
    connect(&recorder, &TrendRecorder::restarted, this, [this] {
        isPaused = false;
        bPause->setText(tr("Pause"));
        follow();
    });
    follow();
}

void TTrend::showTrend()
{
    follow();
    show();
    raise();
    activateWindow();
}

qint64 TTrend::spanMs() const { return qint64(WindowMinutes[std::max(TimeWindow->currentIndex(), 0)]) * 60000; }

void TTrend::follow()
{
    const TrendStore& store = recorder.store;
    Device->setText(recorder.device());
    const qint64 span = spanMs();
    const qint64 first = store.isEmpty() ? 0 : store.at(0).time;
    const qint64 newest = store.isEmpty() ? 0 : store.last().time;
    // Seconds from the first sample to the window's right edge; the first window ends a window after it.
    const int total = int((newest - first) / 1000);
    const int least = std::min(int(span / 1000), total);
    following = true;
    Scroll->setRange(least, total);
    Scroll->setPageStep(int(span / 1000));
    Scroll->setSingleStep(std::max(int(span / 10000), 1));
    if (!isPaused) Scroll->setValue(total);
    following = false;
    Chart->setWindow(span, isPaused ? Chart->end() : std::max(newest, first + span));
    Chart->update(); // a new sample within the same window
}

void TTrend::scrolled(int value)
{
    if (following) return;
    // Going back in time holds the view where the user put it.
    if (!isPaused) PauseClick();
    const TrendStore& store = recorder.store;
    if (store.isEmpty()) return;
    const qint64 span = spanMs();
    Chart->setWindow(span, std::max(store.at(0).time + qint64(value) * 1000, store.at(0).time + span));
}

void TTrend::PauseClick()
{
    isPaused = !isPaused;
    bPause->setText(isPaused ? tr("Resume") : tr("Pause"));
    if (!isPaused) follow();
}

void TTrend::TimeWindowChange()
{
    if (!isPaused) {
        follow();
        return;
    }
    // A paused view keeps its right edge.
    const qint64 end = Chart->end();
    follow();
    Chart->setWindow(spanMs(), end);
}

void TTrend::ExportClick()
{
    const platform::Texts& t = platform::texts();
    if (recorder.store.isEmpty()) {
        platform::dialogs().message(t.trendNoValues);
        return;
    }
    const QString path = platform::dialogs().saveFileName(t.exportCaption, QString(), t.exportFilter);
    if (path.isEmpty()) return;
    if (const platform::Result written =
            platform::writeFileOrExplain(path, recorder.store.toCsv(QTimeZone::systemTimeZone()));
        !written)
        platform::dialogs().error(written.error);
}

} // namespace trend
