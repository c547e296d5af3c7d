#pragma once
// The protocol's preview: the page drawn onto the window itself whenever it is shown, activated or
// clicked, in the window's proportions.
#include "print/ProtocolLayout.h"

#include <QDialog>
#include <functional>

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The page as it is to be drawn now.
    std::function<QList<print::PlacedText>()> page;
    std::function<void()> help;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};
