#pragma once
// A Dialogs double: each expected prompt with its answer, in order. A prompt that was not
// expected, or whose text differs, fails the test with the text it showed.
#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace testing_support {

class ScriptedDialogs final : public platform::Dialogs {
public:
    enum class Kind {
        Message,
        Information,
        Warning,
        Error,
        Confirm,
        Input,
        Password,
        OpenFile,
        SaveFile,
        Modal,
        Print
    };

    // Installs itself for its lifetime; on destruction fails the test if expectations are left.
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    ScriptedDialogs& expect(Kind kind, const QString& text, platform::Answer answer = platform::Answer::Ok,
                            const QString& value = {});
    // A window shown modally; whileShown plays the user's part before it closes with the answer.
    ScriptedDialogs& expectModal(const QString& objectName, platform::Answer answer,
                                 std::function<void()> whileShown = {});
    // Windows of this object name may be shown modally at any time; they close at once with OK.
    ScriptedDialogs& allowModal(const QString& objectName)
    {
        modalsAllowed.append(objectName);
        return *this;
    }
    // Every prompt shown so far, "kind: text".
    const QStringList& shown() const { return log; }
    // Every input asked so far, "caption|prompt|offered value".
    const QStringList& inputs() const { return inputLog; }
    // The tone of every question asked so far.
    const QList<platform::Tone>& tones() const { return toneLog; }
    bool done() const { return script.empty(); }

    void message(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    platform::Answer confirm(const QString& text, platform::Buttons buttons, platform::Tone tone) override;
    bool inputQuery(const QString& caption, const QString& prompt, QString& value) override;
    bool passwordQuery(const QString& caption, const QString& prompt, QString& value) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override;
    // A print dialog: Ok prints into the PDF file named by the expectation's value.
    bool choosePrinter(QPrinter& printer) override;
    int showModal(QWidget& form) override;

private:
    struct Step {
        Kind kind;
        QString text;
        platform::Answer answer;
        QString value;
        std::function<void()> whileShown;
    };
    Step take(Kind kind, const QString& text);

    std::deque<Step> script;
    QStringList modalsAllowed;
    QStringList log;
    QStringList inputLog;
    QList<platform::Tone> toneLog;
};

} // namespace testing_support
