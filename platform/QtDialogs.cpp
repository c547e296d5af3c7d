#include "platform/QtDialogs.h"

#include "platform/Texts.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace platform {

namespace {
QWidget* owner() { return QApplication::activeWindow(); }

bool askText(const QString& caption, const QString& prompt, QString& value, QLineEdit::EchoMode mode, int maxLength)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(mode);
    dialog.setTextValue(value);
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.textValue();
    return true;
}
} // namespace

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, texts().programCaption, text, QMessageBox::Ok, owner());
    box.exec();
}

void QtDialogs::information(const QString& text)
{
    QMessageBox::information(owner(), texts().captionInformation, text);
}

void QtDialogs::warning(const QString& text) { QMessageBox::warning(owner(), texts().captionWarning, text); }

void QtDialogs::error(const QString& text) { QMessageBox::critical(owner(), texts().captionError, text); }

Answer QtDialogs::confirm(const QString& text, Buttons buttons, Tone tone)
{
    QMessageBox::StandardButtons set;
    switch (buttons) {
    case Buttons::Ok: set = QMessageBox::Ok; break;
    case Buttons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
    case Buttons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    const auto answer = tone == Tone::Warning ? QMessageBox::warning(owner(), texts().captionWarning, text, set)
                                              : QMessageBox::question(owner(), texts().captionConfirm, text, set);
    switch (answer) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtDialogs::inputQuery(const QString& caption, const QString& prompt, QString& value)
{
    return askText(caption, prompt, value, QLineEdit::Normal, 32767);
}

bool QtDialogs::passwordQuery(const QString& caption, const QString& prompt, QString& value)
{
    return askText(caption, prompt, value, QLineEdit::Password, 255);
}

// The desktop's own dialog where it offers one. The extension of the filter's first pattern is added
// to a name typed without one, before the question about overwriting an existing file.
QString QtDialogs::chooseFile(bool save, const QString& caption, const QString& folder, const QString& filter)
{
    QString start = folder.isEmpty() ? lastFolder : folder;
    if (start.isEmpty()) {
        start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(start).isDir()) start = QDir::homePath();
    }
    QFileDialog dialog(owner(), caption, start, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    if (const auto match = firstPattern.match(filter); match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().first();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

bool QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner());
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogs::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return chooseFile(false, caption, folder, filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return chooseFile(true, caption, folder, filter);
}

int QtDialogs::showModal(QWidget& form)
{
    if (auto* dialog = qobject_cast<QDialog*>(&form)) return dialog->exec();
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    return 0;
}

} // namespace platform
