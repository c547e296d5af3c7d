#include "ScriptedDialogs.h"

#include <QPrinter>

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace testing_support {

namespace {
const char* kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message: return "message";
    case ScriptedDialogs::Kind::Information: return "information";
    case ScriptedDialogs::Kind::Warning: return "warning";
    case ScriptedDialogs::Kind::Error: return "error";
    case ScriptedDialogs::Kind::Confirm: return "confirm";
    case ScriptedDialogs::Kind::Print: return "print";
    case ScriptedDialogs::Kind::Input: return "input";
    case ScriptedDialogs::Kind::Password: return "password";
    case ScriptedDialogs::Kind::OpenFile: return "open file";
    case ScriptedDialogs::Kind::SaveFile: return "save file";
    case ScriptedDialogs::Kind::Modal: return "modal";
    }
    return "?";
}
} // namespace

ScriptedDialogs::ScriptedDialogs() { platform::setDialogs(this); }

ScriptedDialogs::~ScriptedDialogs()
{
    platform::setDialogs(nullptr);
    for (const auto& step : script)
        ADD_FAILURE() << "expected " << kindName(step.kind) << " \"" << step.text.toStdString() << "\" was never shown";
}

ScriptedDialogs& ScriptedDialogs::expect(Kind kind, const QString& text, platform::Answer answer, const QString& value)
{
    script.push_back({kind, text, answer, value, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectModal(const QString& objectName, platform::Answer answer,
                                              std::function<void()> whileShown)
{
    script.push_back({Kind::Modal, objectName, answer, {}, std::move(whileShown)});
    return *this;
}

ScriptedDialogs::Step ScriptedDialogs::take(Kind kind, const QString& text)
{
    log.append(QString::fromLatin1(kindName(kind)) + QStringLiteral(": ") + text);
    if (script.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": \"" << text.toStdString() << "\"";
        // Answering would let a loop that repeats its question run for ever: end the test here.
        throw std::runtime_error("unexpected prompt");
    }
    Step step = script.front();
    script.pop_front();
    if (step.kind != kind || step.text != text) {
        ADD_FAILURE() << "expected " << kindName(step.kind) << " \"" << step.text.toStdString() << "\", got "
                      << kindName(kind) << " \"" << text.toStdString() << "\"";
        throw std::runtime_error("unexpected prompt");
    }
    return step;
}

void ScriptedDialogs::message(const QString& text) { take(Kind::Message, text); }
void ScriptedDialogs::information(const QString& text) { take(Kind::Information, text); }
void ScriptedDialogs::warning(const QString& text) { take(Kind::Warning, text); }
void ScriptedDialogs::error(const QString& text) { take(Kind::Error, text); }
platform::Answer ScriptedDialogs::confirm(const QString& text, platform::Buttons, platform::Tone tone)
{
    toneLog.append(tone);
    return take(Kind::Confirm, text).answer;
}

bool ScriptedDialogs::inputQuery(const QString& caption, const QString& prompt, QString& value)
{
    inputLog.append(caption + u'|' + prompt + u'|' + value);
    const Step step = take(Kind::Input, prompt);
    if (step.answer != platform::Answer::Ok) return false;
    value = step.value;
    return true;
}

bool ScriptedDialogs::passwordQuery(const QString&, const QString& prompt, QString& value)
{
    const Step step = take(Kind::Password, prompt);
    if (step.answer != platform::Answer::Ok) return false;
    value = step.value;
    return true;
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString&, const QString&)
{
    const Step step = take(Kind::OpenFile, caption);
    return step.answer == platform::Answer::Ok ? step.value : QString();
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString&, const QString&)
{
    const Step step = take(Kind::SaveFile, caption);
    return step.answer == platform::Answer::Ok ? step.value : QString();
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer)
{
    const Step step = take(Kind::Print, QStringLiteral("print"));
    if (step.answer != platform::Answer::Ok) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(step.value);
    return true;
}

int ScriptedDialogs::showModal(QWidget& form)
{
    if (modalsAllowed.contains(form.objectName())) {
        log.append(QStringLiteral("modal: ") + form.objectName());
        return 1;
    }
    const Step step = take(Kind::Modal, form.objectName());
    if (step.whileShown) step.whileShown();
    return step.answer == platform::Answer::Ok ? 1 : 0;
}

} // namespace testing_support
