#include "platform/ProgramStyle.h"

#include <QApplication>
#include <QStyleOptionButton>

#include <algorithm>

namespace platform {

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                     const QWidget* widget) const
{
    QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (type != CT_PushButton || !button || button->text.isEmpty()) return size;
    const int room = option->fontMetrics.horizontalAdvance(QLatin1Char('0'));
    const int frame =
        pixelMetric(PM_ButtonMargin, option, widget) + 2 * pixelMetric(PM_DefaultFrameWidth, option, widget);
    size.setWidth(std::max(size.width(), contents.width() + 2 * room + frame));
    return size;
}

void useProgramStyle() { QApplication::setStyle(new ProgramStyle); }

} // namespace platform
