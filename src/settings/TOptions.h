#pragma once
// The Options dialog: the program settings on the page "Common Parameters" and the user
// administration on "Administration of Users". Made once at start-up, where it runs the settings
// start-up (FormCreate); Options1Click shows it and saves what was confirmed. While the program runs
// its controls are the current settings (whether to log, where, whether to end the driver).
#include "settings/WireChoice.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
namespace settings {
class ConnectionPage;
}

class TOptions : public QDialog {
    Q_OBJECT
public:
    explicit TOptions(QWidget* parent = nullptr);

    // What the dialog asks of the rest of the program.
    std::function<bool()> readOnlyUser;
    std::function<void(bool enable, bool showOnline)> itemsEnabled; // the main window's fields
    std::function<void(bool)> historyMenuEnabled;
    std::function<void()> historyRefresh;
    std::function<void(const QString& activity, bool withSnapshot)> record; // a history entry
    std::function<void()> help;
    // OK has stored another wire for the driver the program starts.
    std::function<void(const settings::WireChoice&)> wireChosen;
    // The login has accepted a user: the name history entries and protocols carry, and whether the
    // user may only read.
    std::function<void(const QString& fullName, bool readOnly)> loggedIn;

    // The settings start-up. False when a folder could not be made (said: the settings keep their defaults,
    // and the login is asked all the same), or the login refused the user: then the program ends
    // (loginRefused() says which).
    bool FormCreate();
    bool loginRefused() const { return refused; }
    // Shows the dialog with the settings as the file holds them and saves them on OK.
    void Options1Click();

    void SafeAccessClick();
    void DatabaseLogClick();
    void UsersClick();
    void bNewUserClick();
    void bChangePasswdClick();
    void bRemoveUserClick();

    // The current settings, as the controls hold them.
    bool driverAutoOff() const;
    bool databaseLog() const;
    // A scan of the loop asks polling addresses 0..63 (HART 6/7), not 0..15.
    bool hart7Loop() const;
    QString databaseLocation() const;
    QString sharedFolder() const { return SharedFolder; }
    // The wire as the settings file held it when the dialog last read it.
    settings::WireChoice wireChoice() const { return wire; }

    QTabWidget* OptionsPage = nullptr;
    QWidget* CommonParams = nullptr;
    QWidget* UserPanel = nullptr;
    settings::ConnectionPage* Connection = nullptr;
    QComboBox* Language = nullptr;
    QComboBox* LanguageDdf = nullptr;
    QCheckBox* DriverAutoOff = nullptr;
    QCheckBox* SafeAccess = nullptr;
    QCheckBox* DatabaseLog = nullptr;
    QLineEdit* DatabaseLocation = nullptr;
    QLineEdit* NetPath = nullptr;
    QCheckBox* LoopHart7 = nullptr;
    QComboBox* Users = nullptr;
    QLineEdit* UserName = nullptr;
    QLineEdit* OldPasswd = nullptr;
    QLineEdit* NewPasswd = nullptr;
    QLineEdit* RetypePasswd = nullptr;
    QCheckBox* UserReadOnly = nullptr;
    QPushButton* bNewUser = nullptr;
    QPushButton* bChangePasswd = nullptr;
    QPushButton* bRemoveUser = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Loads the controls from the settings file; false when the working folder cannot be made (said).
    bool loadControls();
    void selectWord(QComboBox* list, const QString& word);
    // Writes a key of the settings file; the platform's reason is shown once when it cannot.
    bool write(const QString& key, const QString& value);
    void showUserPanel(bool shown);
    void buildUserPanel();
    // The start-up login; false when the program must end.
    bool login();
    void fillUserList();
    void clearPasswords();
    QString currentLogin() const;

    bool LanguageChanged = false;
    bool refused = false;
    bool warningArmed = false;
    QString UsersFileName;
    QString SharedFolder;
    QString settingsPath;
    settings::WireChoice wire;
};
