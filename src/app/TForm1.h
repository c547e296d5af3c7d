#pragma once
// The main window. For now it opens the driver link at start-up and shows what the driver says;
// the device pages, the sequencer and the menus grow into it.
#include "link/DriverLink.h"
#include "ui/SocketChannel.h"

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;

class TForm1 : public QMainWindow, public driverlink::LinkView {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Opens the driver link; called once the window is up.
    void FormCreate();

    void showReplyLines(const QStringList& lines) override;
    void showCommandText(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ui::SocketChannel channel;
    driverlink::DriverLink link;
    QLabel* ProgramStatus;
    QPlainTextEdit* DdeDat;
    QLabel* Label27;
};
