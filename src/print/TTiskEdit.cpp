#include "print/TTiskEdit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTiskEdit::TTiskEdit(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTiskEdit"));
    setWindowTitle(tr("Note and Signature"));
    NastaveniProvedl = new QLineEdit;
    NastaveniProvedl->setObjectName(QStringLiteral("NastaveniProvedl"));
    Poznamka = new QLineEdit;
    Poznamka->setObjectName(QStringLiteral("Poznamka"));
    Poznamka->setMinimumWidth(360);
    Button1 = new QPushButton(tr("Ok"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"));
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto* box = new QGroupBox;
    auto* fields = new QFormLayout(box);
    auto* configuredLabel = new QLabel(tr("&Configured by:"));
    configuredLabel->setBuddy(NastaveniProvedl);
    auto* noteLabel = new QLabel(tr("&Note:"));
    noteLabel->setBuddy(Poznamka);
    fields->addRow(configuredLabel, NastaveniProvedl);
    fields->addRow(noteLabel, Poznamka);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QString TTiskEdit::configuredBy() const { return NastaveniProvedl->text(); }

QString TTiskEdit::note() const { return Poznamka->text(); }

void TTiskEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    NastaveniProvedl->setFocus();
}

void TTiskEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (help) help();
        return;
    }
    QDialog::keyPressEvent(event);
}
