#include "TForm1.h"

#include "link/CommandMacro.h"
#include "ui/Environment.h"
#include "ui/Profile.h"
#include "ui/Texts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), link(channel, this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::texts().programCaption);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* statusGroup = new QGroupBox(QStringLiteral("Program Status Messages"), central);
    auto* statusLayout = new QVBoxLayout(statusGroup);
    ProgramStatus = new QLabel(statusGroup);
    ProgramStatus->setObjectName(QStringLiteral("ProgramStatus"));
    statusLayout->addWidget(ProgramStatus);
    layout->addWidget(statusGroup);

    DdeDat = new QPlainTextEdit(central);
    DdeDat->setObjectName(QStringLiteral("DdeDat"));
    DdeDat->setReadOnly(true);
    DdeDat->setAccessibleName(QStringLiteral("Driver reply"));
    layout->addWidget(DdeDat);
    Label27 = new QLabel(central);
    Label27->setObjectName(QStringLiteral("Label27"));
    layout->addWidget(Label27);
    setCentralWidget(central);
    resize(640, 420);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    ui::Profile settings(ui::userConfigFolder() + QStringLiteral("VELKOR.INI"));
    link.setServiceApplication(
        driverlink::serviceApplication(settings.readString(QStringLiteral("Velkor"), QStringLiteral("NetPath"))));
    if (link.DoNewLink())
        ProgramStatus->setText(QStringLiteral("Connected to the HART driver (%1).").arg(link.serviceApplication()));
    else
        ProgramStatus->setText(ui::texts().driverNotFound);
}

void TForm1::showReplyLines(const QStringList& lines) { DdeDat->setPlainText(lines.join(u'\n')); }

void TForm1::showCommandText(const QString& text) { Label27->setText(text); }

void TForm1::closeEvent(QCloseEvent* event)
{
    link.close();
    event->accept();
}
