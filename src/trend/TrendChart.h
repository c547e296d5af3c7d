#pragma once
// The trend drawn: one strip for each variable the device has, one above the other on a common time axis,
// each scaled to its own values in the unit it was last read in (the loop current at least 4 to 20 mA and
// the percent of range at least 0 to 100 %, so that a fixed current reads as what it is). Spans where the
// loop current was fixed are shaded in its strip. The pointer over the chart shows the values at its time.
// Drawing costs at most a few points per pixel column, however many samples the time window holds.
#include "trend/TrendStore.h"

#include <QMargins>
#include <QWidget>
#include <optional>

namespace trend {

class TrendChart : public QWidget {
    Q_OBJECT
public:
    explicit TrendChart(const TrendStore& store, QWidget* parent = nullptr);

    // The time window: its length and the time at its right edge (milliseconds since the epoch).
    void setWindow(qint64 spanMs, qint64 endMs);
    qint64 span() const { return spanMs; }
    qint64 end() const { return endMs; }

    // The variables with a strip, top to bottom.
    QList<Variable> strips() const;
    // What the pointer at this x shows: the time, then a line for each strip ("12.5 kPa"); empty outside
    // the samples.
    QStringList readout(int x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Scale {
        double low = 0;
        double high = 1;
        QString unit;
    };
    // The room of the scales' numbers and the time axis around the plot, measured once for each font: every
    // sample drawn asks where its time lies.
    void measure();
    QRect plotArea() const;
    QRect stripArea(int index, int count) const;
    qint64 timeAt(int x) const;
    double xOf(qint64 time) const;
    // The sample nearest to the time within the window; nothing when the window holds none.
    std::optional<qsizetype> nearest(qint64 time) const;
    // The sample nearest to the given one that has a value of the variable.
    std::optional<qsizetype> nearestWith(qsizetype index, Variable variable) const;
    Scale scaleOf(Variable variable) const;
    void drawStrip(class QPainter& painter, Variable variable, const QRect& area) const;
    void drawTimeAxis(QPainter& painter, const QRect& plot) const;
    void drawReadout(QPainter& painter, const QRect& plot) const;

    const TrendStore& store;
    qint64 spanMs = 60000;
    qint64 endMs = 0;
    std::optional<int> pointerX;
    QMargins margins;
};

} // namespace trend
