#pragma once
// The main window's menus as one table: every command with the menu it stands in, its name and caption,
// what runs it, the device command whose checks it makes (the driver link, a read-only user's refusal) and
// when it can be chosen, in the order the user sees them. MainWindowLayout builds the menus from it, TForm1
// connects them to their handlers and EnableMenu switches the commands that need a device. A new command is
// a row here and a member of the layout.
#include "operations/OperationHost.h"

#include <optional>
#include <span>

class QAction;
class QMenu;
class TForm1;
struct MainWindowLayout;

// When a command can be chosen.
enum class Availability {
    Always,
    WithDevice,        // while a device is connected: switched by EnableMenu
    WithInitialValues, // once a read has kept a device's first values
    WithHistoryLog,    // while history logging was on at start-up: switched by the Options dialog
};

// The menus of the menu bar from left to right; Bar stands for the commands on the bar itself.
enum class MenuId { File, Initialization, Configuration, Service, View, Bar, Help };

struct MenuOfCommands {
    MenuId id;
    const char* name;    // its objectName; nullptr for the bar
    const char* caption; // English, translated in MainWindowLayout's context
    QMenu* MainWindowLayout::*member;
};

struct MenuCommand {
    const char* name;    // its objectName, which is also the name of its member in the layout
    const char* caption; // English, translated in MainWindowLayout's context
    MenuId menu;
    QAction* MainWindowLayout::*member;
    void (*handler)(TForm1&);
    Availability enabled = Availability::Always;
    // The device command it runs: its handler refuses it without a driver, and to a read-only user when
    // operations::refusedToReadOnlyUser says so. Options refuses a read-only user at its OK, by itself.
    std::optional<operations::Command> command = std::nullopt;
    bool separatorBefore = false; // a line between it and the command above
    int shortcut = 0;             // a Qt::Key, 0 for none
    bool visible = true;          // false: shown only while the program offers it (a device definition exists)
};

// In the order of the menu bar.
std::span<const MenuOfCommands> menusOfCommands();
// In menu order, and within a menu from top to bottom.
std::span<const MenuCommand> menuCommands();
