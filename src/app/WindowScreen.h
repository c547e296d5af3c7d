#pragma once
// The main window's controls as the rest of the program sees them: the screen model by name, and the
// diagnostic controls the driver link writes to. One table maps each name to its widget.
#include "app/MainWindowLayout.h"
#include "config/MainScreen.h"
#include "link/DriverLink.h"

#include <array>

class WindowScreen : public config::MainScreen, public driverlink::LinkView {
public:
    explicit WindowScreen(MainWindowLayout& form) : form(form) {}
    // Takes the widgets from the form once it has been set up.
    void bind();

    QString text(config::Control control) const override;
    void setText(config::Control control, const QString& text) override;
    void highlight(config::Control control, bool differs) override;
    void addError(const QString& entry) override;
    int errorCount() const override;
    void clearErrors() override;
    void showErrorList() override;

    // LinkView
    void showReplyLines(const QStringList& lines) override;
    void showCommandText(const QString& text) override;

    QWidget* widget(config::Control control) const { return widgets[std::size_t(control)]; }

private:
    MainWindowLayout& form;
    std::array<QWidget*, std::size_t(config::Control::Label30) + 1> widgets{};
};
