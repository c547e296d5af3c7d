#include "TForm1.h"
#include "ui/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    ui::QtDialogs dialogs;
    ui::setDialogs(&dialogs);
    TForm1 form;
    form.show();
    form.FormCreate();
    return QApplication::exec();
}
