#pragma once
// Every question and notice the program puts to the user goes through the current Dialogs object:
// real Qt dialogs in the program, a scripted double in tests.
#include <QString>

class QPrinter;
class QWidget;

namespace platform {

enum class Answer { Ok, Cancel, Yes, No };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
// A question asks; a warning asks about something that cannot be undone.
enum class Tone { Question, Warning };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain notice with an OK button.
    virtual void message(const QString& text) = 0;
    // A notice with the information icon.
    virtual void information(const QString& text) = 0;
    // A warning, with the warning icon and an OK button.
    virtual void warning(const QString& text) = 0;
    // A failure, with the error icon and an OK button.
    virtual void error(const QString& text) = 0;
    // A question; only Yes or OK lets the caller go on.
    virtual Answer confirm(const QString& text, Buttons buttons, Tone tone = Tone::Question) = 0;
    // Asks for a line of text; false when cancelled. value holds the offered text and receives the answer.
    virtual bool inputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    virtual bool passwordQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // File choosers; an empty result means cancelled. filter uses Qt's "Name (*.ext)" form.
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    // The desktop's print dialog for the printer (a PDF file among its choices); false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // Shows a window modally and returns its result code.
    virtual int showModal(QWidget& form) = 0;
};

Dialogs& dialogs();
// Installs the dialogs in use (nullptr: the real ones, once registered by the program).
void setDialogs(Dialogs* replacement);

} // namespace platform
