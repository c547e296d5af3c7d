#include "print/ProtocolPainter.h"

#include "detailed/TokenReaders.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <memory>

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

// Below this share of its style's size a text is not set smaller: it would no longer be read.
constexpr double SmallestShare = 0.25;
constexpr double ShrinkStep = 0.9;

// A text set on the surface: in its style's font as one line, or within its room, wrapped at the
// words (within a word when one is wider than the room) and set smaller until the lines fit.
struct SetText {
    QFont font;
    std::unique_ptr<QTextLayout> lines; // nothing for a text set as one line
    QSize size;
};

SetText setText(QPainter& painter, const QRect& drawable, const PageFonts& fonts, const PlacedText& text)
{
    SetText set{fonts.of(text.style), nullptr, {}};
    if (text.width <= 0) {
        const QFontMetrics metrics(set.font, painter.device());
        set.size = {metrics.horizontalAdvance(text.text), metrics.height()};
        return set;
    }
    const double width = text.width * drawable.right() / 100.0;
    const double height = text.height * drawable.bottom() / 100.0;
    const double fullSize = set.font.pointSizeF();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (double size = fullSize;; size *= ShrinkStep) {
        set.font.setPointSizeF(size);
        set.lines = std::make_unique<QTextLayout>(text.text, set.font, painter.device());
        set.lines->setTextOption(option);
        set.lines->beginLayout();
        double used = 0, widest = 0;
        for (QTextLine line = set.lines->createLine(); line.isValid(); line = set.lines->createLine()) {
            line.setLineWidth(width);
            line.setPosition({0, used});
            used += line.height();
            widest = std::max(widest, line.naturalTextWidth());
        }
        set.lines->endLayout();
        set.size = {int(std::ceil(widest)), int(std::ceil(used))};
        if (used <= height || size * ShrinkStep < fullSize * SmallestShare) return set;
    }
}
} // namespace

QList<QRect> protocolBoxes(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page)
{
    const PageFonts fonts = pageFonts(painter, drawable);
    QList<QRect> boxes;
    for (const PlacedText& text : page)
        boxes.append(
            placedBox(drawable, text.across, text.down, text.anchor, setText(painter, drawable, fonts, text).size)
                .value_or(QRect()));
    return boxes;
}

void drawProtocol(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page)
{
    const PageFonts fonts = pageFonts(painter, drawable);
    for (const PlacedText& text : page) {
        const SetText set = setText(painter, drawable, fonts, text);
        const auto box = placedBox(drawable, text.across, text.down, text.anchor, set.size);
        if (!box) continue;
        painter.setFont(set.font);
        if (set.lines)
            set.lines->draw(&painter, box->topLeft());
        else
            painter.drawText(box->topLeft() + QPoint(0, QFontMetrics(set.font, painter.device()).ascent()), text.text);
    }
}

} // namespace print
