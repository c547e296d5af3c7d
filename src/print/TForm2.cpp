#include "print/TForm2.h"

#include "print/ProtocolPainter.h"

#include <QKeyEvent>
#include <QPainter>

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Preview"));
    setFixedSize(515, 609);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void TForm2::paintEvent(QPaintEvent*)
{
    if (!page) return;
    QPainter painter(this);
    print::drawProtocol(painter, rect(), page());
}

void TForm2::mousePressEvent(QMouseEvent*) { update(); }

bool TForm2::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) update();
    return QDialog::event(event);
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (help) help();
        return;
    }
    QDialog::keyPressEvent(event); // Escape closes
}
