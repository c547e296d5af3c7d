#pragma once
// The program's look: the desktop's own style, except that a push button leaves at least a character's room
// on each side of its caption. Some styles size a button to its caption alone, and a long translation then
// touches the button's edge.
#include <QProxyStyle>

namespace platform {

class ProgramStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
};

// Makes it the style of the whole program (before any window is made).
void useProgramStyle();

} // namespace platform
