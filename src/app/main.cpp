#include "app/MainWindowLayout.h"
#include "app/TForm1.h"
#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/ProgramStyle.h"
#include "platform/QtDialogs.h"
#include "platform/SocketChannel.h"
#include "platform/TerminationSignals.h"
#include "settings/Folders.h"
#include "settings/ProgramLanguage.h"
#include "settings/SettingsFile.h"
#include "settings/TOptions.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

namespace {
// Off unless asked for with QT_LOGGING_RULES="tarvik.startup.info=true": marks the moment the main
// window has been shown, for measuring the start-up.
Q_LOGGING_CATEGORY(startupLog, "tarvik.startup", QtWarningMsg)
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    platform::useProgramStyle();
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    // The program language holds from the start: every window and message is made in it.
    try {
        const settings::Settings chosen = settings::readSettings(platform::Profile(settings::settingsFile()));
        settings::installProgramLanguage(chosen.Language, platform::dataFolder(),
                                         QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    } catch (const std::exception&) {
        // Without a working folder the English texts stay; the settings start-up says why.
    }
    platform::SocketChannel channel;
    device::DeviceSession session(channel);
    TForm1 form(session);
    // A logout or a kill from now on ends the program through the window's closing, even at the login.
    platform::onTerminationSignals([&form] { form.terminationRequested(); });
    form.FormCreate();
    form.createForms();
    if (form.Options->loginRefused() || form.endRequested()) {
        form.FormCloseQuery(); // ends as the Exit command does, the driver with it when the settings say so
        return 0;
    }
    centreOnScreen(form);
    form.show();
    QTimer::singleShot(0, &form, [] { qCInfo(startupLog, "main window shown"); });
    return QApplication::exec();
}
