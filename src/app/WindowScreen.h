#pragma once
// The main window's controls bound to the device state: each value has its control of the same name
// (one table), shows what the state holds and follows its changes; what the user types or picks goes
// into the state, which sets the change flags. The colours of a comparison are the window's own.
#include "app/MainWindowLayout.h"
#include "config/DeviceState.h"

#include <QObject>
#include <array>

class WindowScreen : public QObject {
    Q_OBJECT
public:
    explicit WindowScreen(MainWindowLayout& form) : form(form) {}
    // Takes the widgets from the form once it has been set up.
    void takeWidgets();
    // Shows the state and follows it; the user's edits go into it. Handlers connected to the edits
    // before (their input rules) see each edit first.
    void bind(config::DeviceState& state);

    // Yellow when the value differs from a compared record, else its control's normal colour.
    void highlight(config::Control control, bool differs);
    QWidget* widget(config::Control control) const { return widgets[std::size_t(control)]; }

private:
    // Shows what the state holds for the value: its text, its list, whether it may be edited.
    void show(config::Control control);
    void showErrors();
    void markOwnEntry(QComboBox* combo, int own);

    MainWindowLayout& form;
    config::DeviceState* state = nullptr;
    std::array<QWidget*, config::ControlCount> widgets{};
    bool updating = false; // the window shows the state: no edit of the user's
};
