#include "print/ProtocolPainter.h"

#include "detailed/TokenReaders.h"

#include <QFontMetrics>
#include <QPainter>

namespace print {

namespace {
const QString CalibrationText = QStringLiteral("Pokusny retezec pro kalibraci tisku");
constexpr int LowestSize = 1;
constexpr int HighestSize = 400;

int textWidth(QPainter& painter, const QFont& font, const QString& text)
{
    return QFontMetrics(font, painter.device()).horizontalAdvance(text);
}

int place(double percent, int edge) { return detailed::roundHalfToEven(percent * edge / 100.0); }
} // namespace

int calibratedPointSize(QPainter& painter, QFont font, int drawableWidth, int relativeSize)
{
    const int half = drawableWidth / 2;
    int size = 10;
    font.setPointSize(size);
    if (textWidth(painter, font, CalibrationText) >= half) {
        while (size > LowestSize) {
            font.setPointSize(--size);
            if (textWidth(painter, font, CalibrationText) < half) break;
        }
    } else {
        while (size < HighestSize) {
            font.setPointSize(++size);
            if (textWidth(painter, font, CalibrationText) > half) break;
        }
    }
    return std::max(LowestSize, detailed::roundHalfToEven(size * relativeSize / 14.0));
}

std::optional<QRect> placedBox(const QRect& drawable, double across, double down, int anchor, const QSize& textSize)
{
    const int x = place(across, drawable.right());
    const int y = place(down, drawable.bottom());
    const int w = textSize.width(), h = textSize.height();
    switch (anchor) {
    case 0: return QRect(x, y, w, h);
    case 1: return QRect(x - w, y, w, h);
    case 2: return QRect(x - w / 2, y, w, h);
    case 3: return QRect(x, y - h, w, h);
    case 4: return QRect(x - w, y - h, w, h);
    case 5: return QRect(x - w / 2, y - h, w, h);
    case 6: return QRect(x - w / 2, y - h / 2, w, h);
    default: return std::nullopt;
    }
}

void drawProtocol(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page)
{
    QFont title(SerifFamily);
    title.setBold(true);
    title.setUnderline(true);
    title.setPointSize(calibratedPointSize(painter, title, drawable.width(), 14));
    QFont heading(SansFamily);
    heading.setBold(true);
    heading.setUnderline(true);
    heading.setPointSize(calibratedPointSize(painter, heading, drawable.width(), 7));
    QFont plain = heading;
    plain.setBold(false);
    plain.setUnderline(false);

    for (const PlacedText& text : page) {
        const QFont& font = text.style == TextStyle::Title ? title : text.style == TextStyle::Heading ? heading : plain;
        painter.setFont(font);
        const QFontMetrics metrics(font, painter.device());
        const auto box = placedBox(drawable, text.across, text.down, text.anchor,
                                   {metrics.horizontalAdvance(text.text), metrics.height()});
        if (box) painter.drawText(box->topLeft() + QPoint(0, metrics.ascent()), text.text);
    }
}

} // namespace print
