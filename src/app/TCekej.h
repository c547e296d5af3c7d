#pragma once
// The wait dialog. The sequencer shows it modally while a procedure runs: a fixed first line, a second line for
// the result of a write, a progress gauge (blue while reading, red while writing) and a Stop button that cancels
// the procedure. The dialog closes itself on Stop and then tells the main window through stopClicked().
#include <QDialog>

class QColor;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpacerItem;

class TCekej : public QDialog {
    Q_OBJECT
public:
    explicit TCekej(QWidget* parent = nullptr);

    // Shown: the gauge fills the row and Stop stands to its right. Hidden: Stop alone, centred.
    void showGauge(bool shown);
    void setGaugeColour(const QColor& colour);
    QProgressBar* gauge() const { return Gauge1; }
    // The driver's line breaks (CR LF) are shown as line breaks; there is room for two lines.
    void setSecondLine(const QString& text);

    QLabel* PrvniRadek;
    QLabel* DruhyRadek;
    QProgressBar* Gauge1;
    QPushButton* bStop;

signals:
    void stopClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QHBoxLayout* gaugeRow;
    QSpacerItem* leftOfStop;
    QSpacerItem* rightOfStop;
};
