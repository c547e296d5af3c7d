#pragma once
// The Trend window: the on-line values recorded by the TrendRecorder, drawn against time in a window of
// 1, 5 or 30 minutes that follows the newest sample. Pause freezes the view (the recording goes on) and
// lets the scroll bar go back through everything recorded; Resume follows the newest sample again. Export
// writes every recorded sample as CSV. The window is not modal: it stays open beside the main window while
// the technician works.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace trend {

class TrendChart;
class TrendRecorder;

class TTrend : public QDialog {
    Q_OBJECT
public:
    explicit TTrend(TrendRecorder& recorder, QWidget* parent = nullptr);

    // Shows the window, or brings it to the front.
    void showTrend();
    bool paused() const { return isPaused; }

    void PauseClick();
    void ExportClick();
    void TimeWindowChange();

    QComboBox* TimeWindow = nullptr;
    QPushButton* bPause = nullptr;
    QPushButton* bExport = nullptr;
    QLabel* Device = nullptr;
    TrendChart* Chart = nullptr;
    QScrollBar* Scroll = nullptr;

private:
    qint64 spanMs() const;
    // The view after a new sample, a new device or a change of the window: the newest sample at the right
    // edge unless paused; the scroll bar over all that is recorded.
    void follow();
    void scrolled(int value);

    TrendRecorder& recorder;
    bool isPaused = false;
    bool following = false; // the scroll bar is being set by follow(), not by the user
};

} // namespace trend
