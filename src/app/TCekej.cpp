#include "app/TCekej.h"

#include <QCloseEvent>
#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

namespace {
// The width the dialog was designed for; longer texts (a larger font, a translation) widen it.
constexpr int designWidth = 331;
} // namespace

TCekej::TCekej(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TCekej"));
    setWindowTitle(tr("Information"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    PrvniRadek = new QLabel(tr("Wait until the command will be done!"), this);
    PrvniRadek->setObjectName(QStringLiteral("PrvniRadek"));

    DruhyRadek = new QLabel(this);
    DruhyRadek->setObjectName(QStringLiteral("DruhyRadek"));
    DruhyRadek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DruhyRadek->setTextFormat(Qt::PlainText);
    // Two lines are always reserved, so the dialog does not grow when a write result arrives.
    DruhyRadek->setMinimumHeight(2 * DruhyRadek->fontMetrics().lineSpacing());

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    setGaugeColour(QColor(0, 0, 255));

    bStop = new QPushButton(tr("Stop"), this);
    bStop->setObjectName(QStringLiteral("bStop"));
    // The dialog pops up while the user may still be typing: a stray Enter must not cancel the procedure.
    bStop->setAutoDefault(false);
    bStop->setDefault(false);
    connect(bStop, &QPushButton::clicked, this, [this] {
        done(QDialog::Accepted);
        emit stopClicked();
    });

    // The spacers around Stop are collapsed while the gauge is shown and share the row when it is hidden.
    gaugeRow = new QHBoxLayout;
    gaugeRow->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this));
    leftOfStop = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    rightOfStop = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    gaugeRow->addWidget(Gauge1, 1);
    gaugeRow->addItem(leftOfStop);
    gaugeRow->addWidget(bStop);
    gaugeRow->addItem(rightOfStop);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(2 * grid->verticalSpacing() + 4);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(PrvniRadek, 0, 1);
    grid->addWidget(DruhyRadek, 1, 1);
    grid->addLayout(gaugeRow, 2, 0, 1, 2);
    const QMargins m = grid->contentsMargins();
    grid->addItem(new QSpacerItem(designWidth - m.left() - m.right(), 0, QSizePolicy::Fixed, QSizePolicy::Fixed), 3, 0,
                  1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    showGauge(true);
}

void TCekej::showGauge(bool shown)
{
    Gauge1->setVisible(shown);
    if (shown) {
        // A box layout puts no spacing next to a spacer item, so the gap to the gauge is the spacer's own width.
        leftOfStop->changeSize(gaugeRow->spacing(), 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        rightOfStop->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    } else {
        leftOfStop->changeSize(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
        rightOfStop->changeSize(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    }
    gaugeRow->invalidate();
}

void TCekej::setGaugeColour(const QColor& colour)
{
    // A style sheet, not the palette: several styles paint the chunk in their own accent colour.
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid palette(mid); border-radius: 2px;"
                                         " background: palette(base); }"
                                         " QProgressBar::chunk { background-color: %1; }")
                              .arg(colour.name()));
}

void TCekej::setSecondLine(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    DruhyRadek->setText(shown);
}

void TCekej::keyPressEvent(QKeyEvent* event)
{
    // Only Stop ends a procedure; Escape would close the dialog and leave the procedure running unseen.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCekej::closeEvent(QCloseEvent* event)
{
    // Closing from the window manager (Alt+F4) is refused for the same reason; the program closes it itself.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
