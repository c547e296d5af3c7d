#include "settings/TOptions.h"

#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/Environment.h"
#include "platform/Random.h"
#include "platform/Texts.h"
#include "settings/ConnectionPage.h"
#include "settings/Folders.h"
#include "settings/ProgramLanguage.h"
#include "settings/SettingsFile.h"
#include "settings/Users.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The executable's base name, by which the program-language modules are named.
QString programBaseName() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

} // namespace

TOptions::TOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOptions"));
    setWindowTitle(tr("Options"));

    OptionsPage = named(new QTabWidget(this), "OptionsPage");
    OptionsPage->setElideMode(Qt::ElideNone); // both pages' captions whole: the dialog grows to them
    OptionsPage->setUsesScrollButtons(false);
    CommonParams = named(new QWidget, "CommonParams");
    UserPanel = named(new QWidget, "UserPanel");
    OptionsPage->addTab(CommonParams, tr("Common Parameters"));
    OptionsPage->addTab(UserPanel, tr("Administration of Users"));
    Connection = new settings::ConnectionPage;
    OptionsPage->insertTab(OptionsPage->indexOf(UserPanel), Connection, Connection->title());

    Language = named(new QComboBox, "Language");
    LanguageDdf = named(new QComboBox, "LanguageDdf");
    DriverAutoOff = named(new QCheckBox(tr("Close driver when communicator exits")), "DriverAutoOff");
    SafeAccess = named(new QCheckBox(tr("Safe access with password")), "SafeAccess");
    DatabaseLog = named(new QCheckBox(tr("Log changes to history file")), "DatabaseLog");
    DatabaseLocation = named(new QLineEdit, "DatabaseLocation");
    NetPath = named(new QLineEdit, "NetPath");
    LoopHart7 =
        named(new QCheckBox(tr("The loop has HART 6/7 devices (Scan Loop asks polling addresses 0..63)")), "LoopHart7");

    auto* common = new QVBoxLayout(CommonParams);
    auto captioned = [&](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption);
        label->setBuddy(control);
        common->addWidget(label);
        common->addWidget(control);
    };
    captioned(tr("Language of the program "), Language);
    captioned(tr("Language of definition files (*.ddf)"), LanguageDdf);
    for (QCheckBox* box : {DriverAutoOff, SafeAccess, DatabaseLog})
        common->addWidget(box);
    captioned(tr("Location of history log files:"), DatabaseLocation);
    captioned(tr("Net path to driver if netdde is used:"), NetPath);
    common->addWidget(LoopHart7);
    common->addStretch();

    auto* buttons = new QDialogButtonBox;
    OKBtn = named(buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole), "OKBtn");
    CancelBtn = named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OptionsPage);
    layout->addWidget(buttons);

    buildUserPanel();
    connect(SafeAccess, &QCheckBox::toggled, this, [this] { SafeAccessClick(); });
    connect(DatabaseLog, &QCheckBox::toggled, this, [this] { DatabaseLogClick(); });
    for (QComboBox* list : {Language, LanguageDdf})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { LanguageChanged = true; });
}

void TOptions::buildUserPanel()
{
    Users = named(new QComboBox, "Users");
    Users->setEditable(true);
    Users->lineEdit()->setMaxLength(settings::MaxLoginLength);
    UserName = named(new QLineEdit, "UserName");
    UserName->setMaxLength(settings::MaxFullNameLength);
    OldPasswd = named(new QLineEdit, "OldPasswd");
    NewPasswd = named(new QLineEdit, "NewPasswd");
    RetypePasswd = named(new QLineEdit, "RetypePasswd");
    for (QLineEdit* password : {OldPasswd, NewPasswd, RetypePasswd}) {
        password->setEchoMode(QLineEdit::Password);
        password->setMaxLength(settings::MaxPasswordLength);
    }
    UserReadOnly = named(new QCheckBox(tr("Read only access")), "UserReadOnly");
    bNewUser = named(new QPushButton(tr("Add New User")), "bNewUser");
    bChangePasswd = named(new QPushButton(tr("Change")), "bChangePasswd");
    bRemoveUser = named(new QPushButton(tr("Remove User")), "bRemoveUser");
    auto* form = new QFormLayout(UserPanel);
    form->addRow(tr("User login"), Users);
    form->addRow(tr("User name"), UserName);
    form->addRow(tr("Old password"), OldPasswd);
    form->addRow(tr("New password"), NewPasswd);
    form->addRow(tr("Retype password"), RetypePasswd);
    form->addRow(UserReadOnly);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {bNewUser, bChangePasswd, bRemoveUser})
        buttons->addWidget(button);
    form->addRow(buttons);
    connect(Users, &QComboBox::activated, this, [this] { UsersClick(); });
    connect(bNewUser, &QPushButton::clicked, this, [this] { bNewUserClick(); });
    connect(bChangePasswd, &QPushButton::clicked, this, [this] { bChangePasswdClick(); });
    connect(bRemoveUser, &QPushButton::clicked, this, [this] { bRemoveUserClick(); });
}

void TOptions::clearPasswords()
{
    for (QLineEdit* password : {OldPasswd, NewPasswd, RetypePasswd})
        password->clear();
}

void TOptions::fillUserList()
{
    Users->clear();
    Users->addItems(settings::UsersFile(UsersFileName).logins());
    Users->setCurrentIndex(-1);
    Users->setEditText(QString());
}

// The login typed or chosen as a record would hold it: " writer" is the user "writer".
QString TOptions::currentLogin() const { return settings::fieldText(Users->currentText()); }

void TOptions::UsersClick()
{
    clearPasswords();
    for (const auto& [key, user] : settings::UsersFile(UsersFileName).users())
        if (user.Login == currentLogin()) {
            UserName->setText(user.FullName);
            UserReadOnly->setChecked(user.Access != QStringLiteral("WRITE"));
        }
}

namespace {
// What the users file cannot hold would be lost on the way: a password that can never be typed again.
bool storable(const QStringList& texts)
{
    for (const QString& text : texts)
        if (!platform::fitsCp1250(text)) return false;
    return true;
}
} // namespace

void TOptions::bNewUserClick()
{
    const platform::Texts& t = platform::texts();
    // Checked as stored: a record gives its fields back without the blanks around them.
    const QString login = currentLogin();
    const QString name = settings::fieldText(UserName->text());
    const QString password = settings::fieldText(NewPasswd->text());
    settings::UsersFile users(UsersFileName);
    auto refuse = [](const QString& why) { platform::dialogs().message(why); };
    if (login.isEmpty()) return refuse(t.enterUser);
    if (users.logins().contains(login)) return refuse(t.loginUsed);
    if (login.size() < 4) return refuse(t.loginTooShort);
    if (name.size() < 5) return refuse(t.enterFullName);
    if (NewPasswd->text() != RetypePasswd->text() || password.size() <= 4) return refuse(t.passwordsDiffer);
    if (!storable({login, name, password})) return refuse(t.usersFileCharacters);
    const QString access = UserReadOnly->isChecked() ? QStringLiteral("READ") : QStringLiteral("WRITE");
    const auto stored = users.add({login, name, password, access});
    if (!stored) return refuse(t.usersFull);
    if (!*stored) return platform::dialogs().error(stored->error);
    clearPasswords();
    Users->addItem(login);
    platform::dialogs().message(t.userAdded);
}

void TOptions::bChangePasswdClick()
{
    const platform::Texts& t = platform::texts();
    settings::UsersFile users(UsersFileName);
    const QString access = UserReadOnly->isChecked() ? QStringLiteral("READ") : QStringLiteral("WRITE");
    const QString newPassword = settings::fieldText(NewPasswd->text());
    for (const auto& [key, user] : users.users()) {
        if (user.Login != currentLogin()) continue;
        if (user.Password != settings::fieldText(OldPasswd->text())) {
            platform::dialogs().message(OldPasswd->text().isEmpty() ? t.enterOldPassword : t.passwordRejected);
            continue;
        }
        const bool keepPassword = NewPasswd->text().isEmpty();
        if (!keepPassword && (NewPasswd->text() != RetypePasswd->text() || newPassword.size() <= 4)) {
            platform::dialogs().message(t.passwordsDiffer);
            continue;
        }
        if (!storable({UserName->text(), newPassword})) return platform::dialogs().message(t.usersFileCharacters);
        const platform::Result stored =
            users.store(key, {user.Login, UserName->text(), keepPassword ? user.Password : newPassword, access});
        if (!stored) return platform::dialogs().error(stored.error);
        clearPasswords();
        platform::dialogs().message(keepPassword ? t.userChanged : t.passwordChanged);
        return;
    }
}

void TOptions::bRemoveUserClick()
{
    const platform::Texts& t = platform::texts();
    if (OldPasswd->text().isEmpty()) return platform::dialogs().message(t.enterOldPassword);
    settings::UsersFile users(UsersFileName);
    const auto all = users.users();
    QList<int> keys;
    for (const auto& [key, user] : all) {
        if (user.Login != currentLogin()) continue;
        if (user.Password != settings::fieldText(OldPasswd->text()))
            return platform::dialogs().message(t.passwordRejected);
        keys.append(key);
    }
    // With safe access on, somebody must be left to log in: the users file keeps the removal even when the
    // dialog is cancelled, and the next start would let nobody in.
    if (!keys.isEmpty() && keys.size() == all.size() && (SafeAccess->isChecked() || users.safeAccess()))
        return platform::dialogs().message(t.lastUserNeeded);
    for (const int key : keys)
        if (const platform::Result removed = users.remove(key); !removed)
            return platform::dialogs().error(removed.error);
    UserName->clear();
    clearPasswords();
    UserReadOnly->setChecked(false);
    fillUserList();
}

bool TOptions::login()
{
    const platform::Texts& t = platform::texts();
    const settings::UsersFile users(UsersFileName);
    if (!users.safeAccess()) return true;
    QString name;
    if (!platform::dialogs().inputQuery(t.loginCaption, t.loginPrompt, name)) return false;
    name = settings::fieldText(name);
    if (name.isEmpty()) return false;
    QString password;
    if (!platform::dialogs().passwordQuery(t.loginCaption, t.passwordPrompt, password)) return false;
    password = settings::fieldText(password);
    if (password.isEmpty()) return false;
    for (const auto& [key, user] : users.users()) {
        if (user.Login != name) continue;
        if (user.Password != password) {
            platform::dialogs().message(t.passwordRejected);
            return false;
        }
        if (loggedIn) loggedIn(user.FullName, user.Access.contains(QStringLiteral("READ")));
        return true;
    }
    return false; // an unknown login ends the program without a word
}

bool TOptions::driverAutoOff() const { return DriverAutoOff->isChecked(); }

bool TOptions::hart7Loop() const { return LoopHart7->isChecked(); }
bool TOptions::databaseLog() const { return DatabaseLog->isChecked(); }
QString TOptions::databaseLocation() const { return DatabaseLocation->text(); }

void TOptions::showUserPanel(bool shown) { OptionsPage->setTabVisible(OptionsPage->indexOf(UserPanel), shown); }

void TOptions::SafeAccessClick()
{
    if (readOnlyUser && readOnlyUser()) {
        showUserPanel(false);
        return;
    }
    if (SafeAccess->isChecked()) {
        showUserPanel(true);
        if (warningArmed) platform::dialogs().warning(platform::texts().safeAccessWarning);
    } else {
        showUserPanel(false);
        DatabaseLog->setChecked(false);
    }
}

void TOptions::DatabaseLogClick()
{
    // History entries name the logged-in user.
    if (DatabaseLog->isChecked()) SafeAccess->setChecked(true);
}

void TOptions::selectWord(QComboBox* list, const QString& word)
{
    const int index = list->findText(word, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) list->setCurrentIndex(index);
}

bool TOptions::loadControls()
{
    try {
        settingsPath = settings::settingsFile();
    } catch (const std::exception& error) {
        platform::dialogs().error(QString::fromStdString(error.what()));
        return false;
    }
    const settings::Settings s = settings::readSettings(platform::Profile(settingsPath));
    DriverAutoOff->setChecked(s.DriverAutoOff);
    {
        const bool armed = std::exchange(warningArmed, false);
        SafeAccess->setChecked(s.SafeAccess);
        SafeAccessClick();
        warningArmed = armed;
    }
    DatabaseLog->setChecked(s.DatabaseLog);
    DatabaseLocation->setText(s.DatabaseLocation);
    selectWord(Language, s.Language);
    selectWord(LanguageDdf, s.LanguageDdf);
    NetPath->setText(s.NetPath);
    wire = settings::readWireChoice(platform::Profile(settingsPath));
    Connection->load(wire);
    LoopHart7->setChecked(s.LoopHart7);
    return true;
}

bool TOptions::FormCreate()
{
    platform::seedRandomFromClock();
    if (itemsEnabled) itemsEnabled(false, false);
    const QString folder = platform::dataFolder();
    LanguageDdf->addItems(settings::definitionLanguages(folder));
    Language->addItems(settings::programLanguages(folder, programBaseName()));
    // Without a working folder the settings keep their defaults (said once, here), but who may use the
    // program is still the users file's to say.
    const bool settingsRead = loadControls();
    showUserPanel(false);
    if (historyMenuEnabled) historyMenuEnabled(DatabaseLog->isChecked());
    if (historyRefresh) historyRefresh();
    SharedFolder = settings::SecFilePath();
    UsersFileName = SharedFolder + platform::texts().usersFileName;
    if (const settings::UsersFile users(UsersFileName); users.exists()) {
        // A users file that cannot be read must not pass for one without safe access.
        if (const platform::Result readable = users.readable(); !readable) {
            platform::dialogs().error(platform::texts().usersFileUnreadable.arg(UsersFileName, readable.error));
            refused = true;
            return false;
        }
        if (!login()) {
            refused = true;
            return false;
        }
    }
    if (!settingsRead) return false;
    if (!SharedFolder.isEmpty()) {
        if (const platform::Result made = settings::makeProgramFolder(SharedFolder); !made) {
            platform::dialogs().error(made.error);
            return false;
        }
    }
    fillUserList();
    if (readOnlyUser && readOnlyUser()) showUserPanel(false);
    return true;
}

bool TOptions::write(const QString& key, const QString& value)
{
    platform::Profile file(settingsPath);
    const platform::Result written = file.writeString(settings::SettingsSection, key, value);
    if (!written) platform::dialogs().error(written.error);
    return bool(written);
}

void TOptions::Options1Click()
{
    if (!loadControls()) return;
    const bool wasLogging = DatabaseLog->isChecked();
    const QString oldLocation = DatabaseLocation->text();
    const bool readOnly = readOnlyUser && readOnlyUser();
    for (QWidget* control : std::initializer_list<QWidget*>{DriverAutoOff, SafeAccess, DatabaseLog, DatabaseLocation,
                                                            NetPath, Connection, LoopHart7})
        control->setEnabled(!readOnly);

    LanguageChanged = false;
    while (true) {
        warningArmed = true;
        const bool confirmed = platform::dialogs().showModal(*this) == QDialog::Accepted;
        warningArmed = false;
        if (!confirmed) return;
        if (!write(QStringLiteral("Language"), Language->currentText()) ||
            !write(QStringLiteral("LanguageDdf"), LanguageDdf->currentText()))
            return;
        if (readOnly) {
            platform::dialogs().message(platform::texts().noAuthorization);
            return;
        }
        if (SafeAccess->isChecked() && settings::UsersFile(UsersFileName).users().isEmpty()) {
            platform::dialogs().message(platform::texts().noUserDefined);
            continue;
        }
        // The settings file takes the same locations at the next start.
        if (!settings::typedLocation(DatabaseLocation->text())) {
            platform::dialogs().message(
                platform::texts().historyLocationNotAbsolute.arg(DatabaseLocation->text().trimmed()));
            continue;
        }
        if (const QString problem = settings::wireChoiceProblem(Connection->choice()); !problem.isEmpty()) {
            OptionsPage->setCurrentWidget(Connection);
            platform::dialogs().message(problem);
            continue;
        }
        break;
    }
    // A settings file that cannot be written stops the saving at its first failure: one message, not one a key.
    if (!write(QStringLiteral("DriverAutoOff"), settings::flagText(DriverAutoOff->isChecked())) ||
        !write(QStringLiteral("SafeAccess"), settings::flagText(SafeAccess->isChecked())) ||
        !write(QStringLiteral("DatabaseLog"), settings::flagText(DatabaseLog->isChecked())))
        return;

    // The last entries of a history that stops or moves belong to the old place.
    if (wasLogging && !DatabaseLog->isChecked()) {
        const QString newLocation = DatabaseLocation->text();
        DatabaseLocation->setText(oldLocation);
        const QSignalBlocker quiet(DatabaseLog);
        DatabaseLog->setChecked(true);
        if (record) record(platform::texts().activityLogStopped, false);
        DatabaseLog->setChecked(false);
        DatabaseLocation->setText(newLocation);
    }
    const QString typed = DatabaseLocation->text();
    if (typed.trimmed() != oldLocation) {
        DatabaseLocation->setText(oldLocation);
        if (record && DatabaseLog->isChecked()) record(platform::texts().activityLocationChanged, false);
    }
    const QString location = settings::typedLocation(typed).value_or(QString());
    DatabaseLocation->setText(location);
    if (!write(QStringLiteral("DatabaseLocation"), location) ||
        !write(QStringLiteral("Language"), Language->currentText()) ||
        !write(QStringLiteral("LanguageDdf"), LanguageDdf->currentText()) ||
        !write(QStringLiteral("NetPath"), NetPath->text()) ||
        !write(QStringLiteral("LoopHart7"), settings::flagText(LoopHart7->isChecked())))
        return;
    const settings::WireChoice chosen = Connection->choice();
    for (const auto& [key, value] : settings::wireChoiceKeys(chosen))
        if (!write(key, value)) return;
    if (chosen != std::exchange(wire, chosen) && wireChosen) wireChosen(chosen);
    if (const platform::Result stored = settings::UsersFile(UsersFileName).setSafeAccess(SafeAccess->isChecked());
        !stored)
        platform::dialogs().error(stored.error);
    if (LanguageChanged) platform::dialogs().message(platform::texts().languageAfterRestart);
}

void TOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        if (help) help();
        return;
    }
    QDialog::keyPressEvent(event);
}
