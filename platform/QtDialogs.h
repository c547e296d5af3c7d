#pragma once
// The real dialogs: Qt message boxes, input dialogs and file choosers, parented to the active window. A
// file chooser asked for no folder starts where the last one chose a file, at first in the user's
// documents folder (never in the folder the program happened to be started from).
#include "platform/Dialogs.h"

namespace platform {

class QtDialogs final : public Dialogs {
public:
    void message(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons, Tone tone) override;
    bool inputQuery(const QString& caption, const QString& prompt, QString& value) override;
    bool passwordQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;
    int showModal(QWidget& form) override;

private:
    QString chooseFile(bool save, const QString& caption, const QString& folder, const QString& filter);
    QString lastFolder; // for this run of the program only
};

} // namespace platform
