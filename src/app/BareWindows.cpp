#include "app/BareWindows.h"

TDatabase::TDatabase(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDatabase"));
    setWindowTitle(tr("History"));
}

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Preview"));
}

TTiskEdit::TTiskEdit(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTiskEdit"));
    setWindowTitle(tr("Print Note"));
}
