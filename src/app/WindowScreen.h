#pragma once
// The main window's controls as the sequencer and the reply decoder see them.
#include "app/MainWindowLayout.h"
#include "link/MainScreen.h"

class WindowScreen : public driverlink::MainScreen {
public:
    explicit WindowScreen(MainWindowLayout& form) : form(form) {}

    QString text(driverlink::Control control) const override;
    void setText(driverlink::Control control, const QString& text) override;
    void addError(const QString& entry) override;
    int errorCount() const override;
    void showErrorList() override;

private:
    QWidget* widget(driverlink::Control control) const;
    MainWindowLayout& form;
};
