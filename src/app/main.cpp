#include "app/MainWindowLayout.h"
#include "app/TForm1.h"
#include "platform/QtDialogs.h"
#include "platform/SocketChannel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    platform::QtDialogs dialogs;
    platform::setDialogs(&dialogs);
    platform::SocketChannel channel;
    TForm1 form(channel);
    form.FormCreate();
    form.createForms();
    centreOnScreen(form);
    form.show();
    return QApplication::exec();
}
