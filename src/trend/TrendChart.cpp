#include "trend/TrendChart.h"

#include "platform/Texts.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <climits>

namespace trend {

namespace {

constexpr int StripGap = 6;

QColor colourOf(Variable variable)
{
    static const QColor colours[VariableCount] = {QColor(0, 70, 200),   QColor(200, 30, 30), QColor(0, 140, 60),
                                                  QColor(130, 40, 170), QColor(210, 110, 0), QColor(0, 130, 140)};
    return colours[int(variable)];
}

// 1, 2 or 5 times a power of ten, at least the given step.
double niceStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= step) return factor * power;
    return 10 * power;
}

QString timeText(qint64 time) { return QDateTime::fromMSecsSinceEpoch(time).toString(QStringLiteral("HH:mm:ss")); }

} // namespace

TrendChart::TrendChart(const TrendStore& store, QWidget* parent) : QWidget(parent), store(store)
{
    setObjectName(QStringLiteral("Chart"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    measure();
}

void TrendChart::measure()
{
    const QFontMetrics metrics = fontMetrics();
    margins = {metrics.horizontalAdvance(QStringLiteral("-00000.000")) + 8, metrics.height() + 6, 10,
               metrics.height() + 8};
}

void TrendChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) measure();
    QWidget::changeEvent(event);
}

QSize TrendChart::sizeHint() const { return {fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 36}; }

QSize TrendChart::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 50, fontMetrics().height() * 14};
}

void TrendChart::setWindow(qint64 span, qint64 end)
{
    if (span == spanMs && end == endMs) return;
    spanMs = std::max<qint64>(span, 1000);
    endMs = end;
    update();
}

QList<Variable> TrendChart::strips() const
{
    QList<Variable> shown;
    for (int v = 0; v < VariableCount; ++v)
        if (store.has(Variable(v))) shown.append(Variable(v));
    return shown;
}

QRect TrendChart::plotArea() const
{
    return rect().adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
}

QRect TrendChart::stripArea(int index, int count) const
{
    const QRect plot = plotArea();
    const int height = (plot.height() - (count - 1) * StripGap) / std::max(count, 1);
    return {plot.left(), plot.top() + index * (height + StripGap), plot.width(), height};
}

double TrendChart::xOf(qint64 time) const
{
    const QRect plot = plotArea();
    return plot.left() + double(time - (endMs - spanMs)) * plot.width() / double(spanMs);
}

qint64 TrendChart::timeAt(int x) const
{
    const QRect plot = plotArea();
    return endMs - spanMs + qint64(double(x - plot.left()) * double(spanMs) / std::max(plot.width(), 1));
}

std::optional<qsizetype> TrendChart::nearest(qint64 time) const
{
    const qsizetype after = store.firstAtOrAfter(time);
    qsizetype best = -1;
    if (after < store.size()) best = after;
    if (after > 0 && (best < 0 || time - store.at(after - 1).time <= store.at(after).time - time)) best = after - 1;
    if (best < 0 || store.at(best).time < endMs - spanMs || store.at(best).time > endMs) return std::nullopt;
    return best;
}

TrendChart::Scale TrendChart::scaleOf(Variable variable) const
{
    Scale scale;
    const qsizetype first = store.firstAtOrAfter(endMs - spanMs);
    const qsizetype last = store.firstAtOrAfter(endMs + 1);
    // The unit of the newest value in the window (else the newest of all): values in another unit are left out.
    for (qsizetype i = last - 1; i >= 0; --i)
        if (store.at(i).has(variable)) {
            scale.unit = store.unit(store.at(i), variable);
            break;
        }
    double low = INFINITY, high = -INFINITY;
    for (qsizetype i = first; i < last; ++i) {
        const Sample& sample = store.at(i);
        if (!sample.has(variable) || store.unit(sample, variable) != scale.unit) continue;
        low = std::min(low, sample.value(variable));
        high = std::max(high, sample.value(variable));
    }
    if (variable == Variable::PVI) low = std::min(low, 4.0), high = std::max(high, 20.0);
    if (variable == Variable::PVP) low = std::min(low, 0.0), high = std::max(high, 100.0);
    if (low > high) low = 0, high = 1;
    // A steady value gets a band around it rather than a scale of nothing.
    const double least = std::max(std::abs(low + high) / 2 * 1e-3, 1e-6);
    if (high - low < least) {
        const double middle = (low + high) / 2;
        low = middle - least / 2;
        high = middle + least / 2;
    }
    const double margin = (high - low) * 0.05;
    scale.low = low - margin;
    scale.high = high + margin;
    return scale;
}

void TrendChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect plot = plotArea();
    const QList<Variable> shown = strips();
    if (shown.isEmpty() || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, platform::texts().trendNoValues);
        return;
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        drawStrip(painter, shown[i], stripArea(int(i), int(shown.size())));
    drawTimeAxis(painter, plot);
    drawReadout(painter, plot);
}

void TrendChart::drawStrip(QPainter& painter, Variable variable, const QRect& area) const
{
    const Scale scale = scaleOf(variable);
    const QFontMetrics metrics = fontMetrics();
    auto yOf = [&](double value) {
        return area.bottom() - (value - scale.low) * area.height() / (scale.high - scale.low);
    };
    painter.fillRect(area, palette().base());

    const qsizetype first = std::max<qsizetype>(store.firstAtOrAfter(endMs - spanMs) - 1, 0);
    const qsizetype last = std::min(store.firstAtOrAfter(endMs + 1) + 1, store.size());

    // Where the loop current was fixed, from each marked sample to the next.
    if (variable == Variable::PVI) {
        painter.save();
        painter.setClipRect(area);
        for (qsizetype i = first; i < last; ++i) {
            if (!(store.at(i).flags & Sample::FixedCurrent)) continue;
            qsizetype j = i;
            while (j + 1 < last && (store.at(j + 1).flags & Sample::FixedCurrent))
                ++j;
            // The band ends at the next sample, unless reading paused there.
            const bool next = j + 1 < store.size() && !(store.at(j + 1).flags & Sample::NewRun);
            const double from = xOf(store.at(i).time);
            const double to = next ? xOf(store.at(j + 1).time) : xOf(store.at(j).time) + 2;
            const QRectF band = QRectF(from, area.top(), std::max(to - from, 2.0), area.height()).intersected(area);
            painter.fillRect(band, QColor(255, 236, 150));
            painter.setPen(QColor(120, 90, 0));
            if (band.width() > metrics.horizontalAdvance(platform::texts().trendFixedCurrent) + 8)
                painter.drawText(band.adjusted(4, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom,
                                 platform::texts().trendFixedCurrent);
            i = j;
        }
        painter.restore();
    }

    // The scale: a grid line and a number at each step.
    const double step = niceStep((scale.high - scale.low) / 3);
    const int decimals = std::clamp(int(-std::floor(std::log10(step))), 0, 10);
    painter.setPen(palette().color(QPalette::Mid));
    for (double tick = std::ceil(scale.low / step) * step; tick <= scale.high; tick += step) {
        const int y = int(std::lround(yOf(tick)));
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect label(0, y - metrics.height() / 2, area.left() - 4, metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(std::abs(tick) < step / 2 ? 0.0 : tick, 'f', decimals));
    }

    // The line, a few points a pixel column: the first, lowest, highest and last value that fall into it.
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colourOf(variable), 1)); // a wider pen costs ten times the drawing
    QPolygonF line;
    int column = INT_MIN;
    double firstY = 0, lowY = 0, highY = 0, lastY = 0;
    auto flush = [&] {
        if (column == INT_MIN) return;
        line << QPointF(column, firstY) << QPointF(column, lowY) << QPointF(column, highY) << QPointF(column, lastY);
        column = INT_MIN;
    };
    auto draw = [&] {
        flush();
        if (line.size() > 4)
            painter.drawPolyline(line);
        else if (!line.isEmpty())
            painter.drawEllipse(line.front(), 1.5, 1.5);
        line.clear();
    };
    // A sample without the variable (a reply that did not carry it) is passed over; a new run or a value in
    // another unit ends the line.
    bool newRun = false;
    for (qsizetype i = first; i < last; ++i) {
        const Sample& sample = store.at(i);
        newRun = newRun || (sample.flags & Sample::NewRun);
        if (!sample.has(variable)) continue;
        const bool usable = store.unit(sample, variable) == scale.unit;
        if (!usable || newRun) draw();
        newRun = false;
        if (!usable) continue;
        const int x = int(std::floor(xOf(sample.time)));
        const double y = yOf(sample.value(variable));
        if (x != column) {
            flush();
            column = x;
            firstY = lowY = highY = y;
        }
        // Screen y grows downwards: the lowest value has the highest y.
        lowY = std::max(lowY, y);
        highY = std::min(highY, y);
        lastY = y;
    }
    draw();
    painter.restore();

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const QString caption = scale.unit.isEmpty() ? variableName(variable)
                                                 : variableName(variable) + QStringLiteral(" [") + scale.unit + u']';
    const QRect captionArea(area.left() + 1, area.top() + 1, metrics.horizontalAdvance(caption) + 8,
                            metrics.height() + 2);
    painter.fillRect(captionArea, QColor(255, 255, 255, 210));
    painter.setPen(colourOf(variable));
    painter.drawText(captionArea, Qt::AlignCenter, caption);
}

void TrendChart::drawTimeAxis(QPainter& painter, const QRect& plot) const
{
    const QFontMetrics metrics = fontMetrics();
    static constexpr qint64 Steps[] = {1000,  2000,   5000,   10000,  15000,  30000,
                                       60000, 120000, 300000, 600000, 900000, 1800000};
    const int fitting = std::max(plot.width() / (metrics.horizontalAdvance(QStringLiteral("00:00:00")) * 2), 1);
    qint64 step = Steps[std::size(Steps) - 1];
    for (qint64 candidate : Steps)
        if (spanMs / candidate <= fitting) {
            step = candidate;
            break;
        }
    const qint64 begin = endMs - spanMs;
    const int y = plot.bottom() + 2;
    for (qint64 tick = (begin + step - 1) / step * step; tick <= endMs; tick += step) {
        const int x = int(std::lround(xOf(tick)));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(x, y, x, y + 4);
        painter.setPen(palette().color(QPalette::WindowText));
        const QString text = timeText(tick);
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(std::clamp(x - width / 2, 0, this->width() - width), y + 4 + metrics.ascent(), text);
    }
}

std::optional<qsizetype> TrendChart::nearestWith(qsizetype index, Variable variable) const
{
    // The replies take turns in carrying a variable: its value is among the few samples around.
    constexpr qsizetype Reach = 8;
    const qint64 time = store.at(index).time;
    std::optional<qsizetype> best;
    for (qsizetype i = std::max<qsizetype>(index - Reach, 0); i < std::min(index + Reach + 1, store.size()); ++i) {
        const Sample& sample = store.at(i);
        if (!sample.has(variable) || sample.time < endMs - spanMs || sample.time > endMs) continue;
        if (!best || std::abs(sample.time - time) < std::abs(store.at(*best).time - time)) best = i;
    }
    return best;
}

QStringList TrendChart::readout(int x) const
{
    const QRect plot = plotArea();
    if (x < plot.left() || x > plot.right()) return {};
    const auto index = nearest(timeAt(x));
    if (!index) return {};
    QStringList lines{timeText(store.at(*index).time)};
    for (Variable variable : strips()) {
        const auto with = nearestWith(*index, variable);
        if (!with) {
            lines.append(QString());
            continue;
        }
        const Sample& sample = store.at(*with);
        lines.append(
            QString(valueText(sample.values[std::size_t(variable)]) + u' ' + store.unit(sample, variable)).trimmed());
    }
    return lines;
}

void TrendChart::drawReadout(QPainter& painter, const QRect& plot) const
{
    if (!pointerX) return;
    const QStringList lines = readout(*pointerX);
    const auto index = nearest(timeAt(*pointerX));
    if (lines.isEmpty() || !index) return;
    const QFontMetrics metrics = fontMetrics();
    const int x = int(std::lround(xOf(store.at(*index).time)));
    painter.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    painter.drawLine(x, plot.top(), x, plot.bottom());
    auto box = [&](const QString& text, int top, const QColor& colour) {
        const int width = metrics.horizontalAdvance(text) + 8;
        const int left = x + 4 + width > plot.right() ? x - 4 - width : x + 4;
        const QRect area(left, top, width, metrics.height() + 2);
        painter.fillRect(area, QColor(255, 255, 255, 230));
        painter.setPen(colour);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        painter.drawText(area, Qt::AlignCenter, text);
    };
    box(lines.front(), 1, palette().color(QPalette::WindowText));
    const QList<Variable> shown = strips();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (lines.value(i + 1).isEmpty()) continue;
        const QRect area = stripArea(int(i), int(shown.size()));
        box(lines.value(i + 1), area.bottom() - metrics.height() - 4, colourOf(shown[i]));
    }
}

void TrendChart::mouseMoveEvent(QMouseEvent* event)
{
    pointerX = int(event->position().x());
    update();
}

void TrendChart::leaveEvent(QEvent*)
{
    pointerX.reset();
    update();
}

} // namespace trend
