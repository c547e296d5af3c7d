#include "TForm1.h"
#include "ui/QtDialogs.h"
#include "ui/SocketChannel.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));
    ui::QtDialogs dialogs;
    ui::setDialogs(&dialogs);
    ui::SocketChannel channel;
    TForm1 form(channel);
    form.FormCreate();
    form.createForms();
    form.show();
    return QApplication::exec();
}
