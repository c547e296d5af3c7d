// The menu command table, and the menus as a user meets them in the main window.
#include "app/MenuCommands.h"
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "app/TForm1.h"
#include "device/DeviceSession.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString str(const char* text) { return QString::fromUtf8(text); }

// Names in a readable order, for comparing as sets.
std::string sorted(QStringList names)
{
    names.sort();
    return names.join(u' ').toStdString();
}

TEST(MenuCommandTable, EveryCommandIsNamedOnceHasAHandlerAndEveryRefusalIsReachable)
{
    QSet<QString> names;
    QSet<MenuId> menus;
    for (const MenuOfCommands& menu : menusOfCommands()) {
        menus.insert(menu.id);
        if (menu.name) names.insert(str(menu.name));
    }
    QSet<MenuId> menusWithCommands;
    for (const MenuCommand& command : menuCommands()) {
        SCOPED_TRACE(command.name);
        EXPECT_FALSE(names.contains(str(command.name))) << "named twice";
        names.insert(str(command.name));
        EXPECT_NE(command.handler, nullptr);
        EXPECT_TRUE(menus.contains(command.menu));
        // A line stands between two groups of a menu, never above its first command or on the menu bar.
        EXPECT_FALSE(command.separatorBefore &&
                     (command.menu == MenuId::Bar || !menusWithCommands.contains(command.menu)));
        menusWithCommands.insert(command.menu);
    }

    // Write in device! and the method buttons of the detailed setup are buttons; every other command a
    // read-only user is refused is in a menu.
    for (const operations::Command refused : operations::readOnlyRefusals()) {
        if (refused == operations::Command::WriteInDevice || refused == operations::Command::DetailedSetupMethod)
            continue;
        EXPECT_TRUE(std::ranges::any_of(menuCommands(), [&](const MenuCommand& c) { return c.command == refused; }))
            << "refused command " << int(refused) << " is in no menu";
    }
}

// Says No or Cancel to every question and closes every window with OK, noting what it was shown: what a
// command refuses is seen whatever the others go on to ask.
class AnsweringDialogs final : public platform::Dialogs {
public:
    AnsweringDialogs() : previous(&platform::dialogs()) { platform::setDialogs(this); }
    ~AnsweringDialogs() override { platform::setDialogs(previous); }

    void message(const QString& text) override { shown.append(text); }
    void information(const QString& text) override { shown.append(text); }
    void warning(const QString& text) override { shown.append(text); }
    void error(const QString& text) override { shown.append(text); }
    platform::Answer confirm(const QString& text, platform::Buttons, platform::Tone) override
    {
        shown.append(text);
        return platform::Answer::No;
    }
    bool inputQuery(const QString&, const QString& prompt, QString&) override { return note(prompt); }
    bool passwordQuery(const QString&, const QString& prompt, QString&) override { return note(prompt); }
    QString openFileName(const QString& caption, const QString&, const QString&) override
    {
        note(caption);
        return {};
    }
    QString saveFileName(const QString& caption, const QString&, const QString&) override
    {
        note(caption);
        return {};
    }
    bool choosePrinter(QPrinter&) override { return note(str("print")); }
    int showModal(QWidget& form) override
    {
        note(form.objectName());
        return QDialog::Accepted;
    }

    QStringList shown;

private:
    bool note(const QString& text)
    {
        shown.append(text);
        return false;
    }
    platform::Dialogs* previous;
};

// The commands as the user finds them: on the menu bar and in its menus.
QList<QAction*> menuBarCommands(QMainWindow& window)
{
    QList<QAction*> commands;
    for (QAction* top : window.menuBar()->actions()) {
        if (!top->menu()) commands.append(top);
        for (QAction* action : top->menu() ? top->menu()->actions() : QList<QAction*>{})
            if (!action->isSeparator()) commands.append(action);
    }
    return commands;
}

class MenuCommandsTest : public ::testing::Test {
protected:
    MenuCommandsTest()
    {
        dialogs.allowModal(str("TCekej"));
        testing_support::answerAsPressureTransmitter(driver);
        window.session.link.startDriver = [] { return false; };
        window.FormCreate();
        window.createForms();
    }
    void read()
    {
        window.PripojClick();
        ASSERT_TRUE(clock.runUntil([&] { return !window.form.Pripoj->isEnabled(); }, 60000)) << "the read never ended";
    }

    ProgramFolder folder{"TABEN.DDF"};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    device::DeviceSession session{channel};
    TForm1 window{session};
};

TEST_F(MenuCommandsTest, EnableMenuSwitchesTheDeviceCommandsAndNothingElse)
{
    const QStringList deviceCommands =
        str("TiskniPreview Tiskni Uloz NastaveniPocatku NastaveniKonce NulovaniCidla ZmenaAdresy DetailedSetupMenu "
            "TestPristroje ResetPristroje NulujPriznakm1 Writefinalassemblynumber1 FixovaniVystupnihoProudu "
            "Zrusfixovaniproudu Trimovani4mA Trimovani20mA NastaveniBURSTfunkce ZapnutiBURSTmodu VypnutiBURSTmodu "
            "CalibrationCheck")
            .split(u' ');
    for (QAction* command : menuBarCommands(window))
        command->setVisible(true); // as for a device with a definition file: a hidden command reads as disabled
    for (const bool enable : {true, false}) {
        for (QAction* command : menuBarCommands(window))
            command->setEnabled(!enable);
        window.EnableMenu(enable);
        QStringList switched;
        for (QAction* command : menuBarCommands(window))
            if (command->isEnabled() == enable) switched.append(command->objectName());
        EXPECT_EQ(sorted(switched), sorted(deviceCommands)) << (enable ? "enabled" : "disabled");
    }
}

TEST_F(MenuCommandsTest, AReadOnlyUserIsRefusedWhatChangesADeviceAndNothingElse)
{
    read();
    window.ReadOnlyUser = true;
    window.form.MenuHistory->setEnabled(true); // as with history logging on
    AnsweringDialogs answers;
    QStringList chosen, refused;
    auto choose = [&](QObject* command, const std::function<void()>& run) {
        SCOPED_TRACE(command->objectName().toStdString());
        chosen.append(command->objectName());
        answers.shown.clear();
        const qsizetype sent = driver.sent.size();
        run();
        if (!answers.shown.contains(platform::texts().noAuthorization)) return;
        refused.append(command->objectName());
        EXPECT_EQ(driver.sent.size(), sent) << "a refused command reached the device";
    };
    for (QAction* command : menuBarCommands(window))
        if (command->isVisible() && command->isEnabled()) choose(command, [command] { command->trigger(); });
    choose(window.form.ZapisPrev, [this] { window.form.ZapisPrev->click(); });

    // Those of the menus and Write in device!; Options lets a read-only user change the languages only.
    const QStringList expected =
        str("ZapisPrev NavratHodnotm1 NastaveniPocatku NastaveniKonce NulovaniCidla ZmenaAdresy NulujPriznakm1 "
            "Writefinalassemblynumber1 FixovaniVystupnihoProudu Zrusfixovaniproudu Trimovani4mA Trimovani20mA "
            "NastaveniBURSTfunkce ZapnutiBURSTmodu VypnutiBURSTmodu Options1")
            .split(u' ');
    EXPECT_EQ(sorted(refused), sorted(expected));

    // The table names the device command behind each of them, whose refusal the user met.
    for (const MenuCommand& command : menuCommands()) {
        if (!chosen.contains(str(command.name)) || str(command.name) == str("Options1")) continue;
        EXPECT_EQ(refused.contains(str(command.name)),
                  command.command && operations::refusedToReadOnlyUser(*command.command))
            << command.name;
    }
}

} // namespace
