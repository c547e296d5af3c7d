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

namespace {
// The three fonts of the page, sized on the surface.
struct PageFonts {
    QFont title, heading, plain;
    const QFont& of(TextStyle style) const
    {
        return style == TextStyle::Title ? title : style == TextStyle::Heading ? heading : plain;
    }
};

PageFonts pageFonts(QPainter& painter, const QRect& drawable)
{
    PageFonts fonts{QFont(SerifFamily), QFont(SansFamily), {}};
    for (QFont* font : {&fonts.title, &fonts.heading}) {
        font->setBold(true);
        font->setUnderline(true);
    }
    fonts.title.setPointSize(calibratedPointSize(painter, fonts.title, drawable.width(), 14));
    fonts.heading.setPointSize(calibratedPointSize(painter, fonts.heading, drawable.width(), 7));
    fonts.plain = fonts.heading;
    fonts.plain.setBold(false);
    fonts.plain.setUnderline(false);
    return fonts;
}
} // namespace

QList<QRect> protocolBoxes(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page)
{
    const PageFonts fonts = pageFonts(painter, drawable);
    QList<QRect> boxes;
    for (const PlacedText& text : page) {
        const QFontMetrics metrics(fonts.of(text.style), painter.device());
        boxes.append(placedBox(drawable, text.across, text.down, text.anchor,
                               {metrics.horizontalAdvance(text.text), metrics.height()})
                         .value_or(QRect()));
    }
    return boxes;
}

void drawProtocol(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page)
{
    const PageFonts fonts = pageFonts(painter, drawable);
    const QList<QRect> boxes = protocolBoxes(painter, drawable, page);
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (boxes[i].isNull()) continue;
        const QFont& font = fonts.of(page[i].style);
        painter.setFont(font);
        painter.drawText(boxes[i].topLeft() + QPoint(0, QFontMetrics(font, painter.device()).ascent()), page[i].text);
    }
}

} // namespace print
