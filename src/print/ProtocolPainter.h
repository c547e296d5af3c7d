#pragma once
// Draws the protocol's placed texts on any surface: a printer's page, a PDF file or the preview.
// Font sizes are found on the surface itself (the calibration text spans half the drawable width at
// size 14), so that the page keeps its proportions on every printer and in every window size. A text
// with a room of its own stays within it, wrapped and, when need be, set smaller.
#include "print/ProtocolLayout.h"

#include <QFont>
#include <QRect>
#include <optional>

class QPainter;

namespace print {

// The families the page is set in; metric-compatible with the classic Windows faces, installed with
// the program.
inline const QString SerifFamily = QStringLiteral("Liberation Serif");
inline const QString SansFamily = QStringLiteral("Liberation Sans");

// The point size of a relative size r: calibrated on the painter's surface for the given font.
int calibratedPointSize(QPainter& painter, QFont font, int drawableWidth, int relativeSize);

// Where a text's box of the given size goes for a place and an anchor; nothing for an anchor that
// draws nothing.
std::optional<QRect> placedBox(const QRect& drawable, double across, double down, int anchor, const QSize& textSize);

// Where each text of the page lands on the surface (an empty rect for one that draws nothing).
QList<QRect> protocolBoxes(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page);
void drawProtocol(QPainter& painter, const QRect& drawable, const QList<PlacedText>& page);

} // namespace print
