#include "app/MainWindowLayout.h"
#include "app/TForm1.h"
#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/QtDialogs.h"
#include "platform/SocketChannel.h"
#include "settings/Folders.h"
#include "settings/ProgramLanguage.h"
#include "settings/SettingsFile.h"
#include "settings/TOptions.h"

#include <QFileInfo>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    // The program language holds from the start: every window and message is made in it.
    try {
        const settings::Settings chosen = settings::readSettings(platform::Profile(settings::settingsFile()));
        settings::installProgramLanguage(chosen.Language, platform::programFolder(),
                                         QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    } catch (const std::exception&) {
        // Without a working folder the English texts stay; the settings start-up says why.
    }
    platform::SocketChannel channel;
    TForm1 form(channel);
    form.FormCreate();
    form.createForms();
    if (form.Options->loginRefused()) {
        form.FormCloseQuery(); // ends as the Exit command does, the driver with it when the settings say so
        return 0;
    }
    centreOnScreen(form);
    form.show();
    return QApplication::exec();
}
