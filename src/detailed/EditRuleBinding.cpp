#include "detailed/EditRuleBinding.h"

#include <QLineEdit>

namespace detailed {

void bindEditRule(QLineEdit* edit, const config::EditRule& rule, std::function<void()> refused)
{
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, rule, refused](const QString& text) {
        const auto outcome = config::applyEditRule(text, edit->cursorPosition(), rule);
        if (!outcome) return;
        {
            // The corrected text is no further change: the handlers after this one see the change once.
            const QSignalBlocker quiet(edit);
            edit->setText(outcome->text);
            edit->setCursorPosition(outcome->caret);
        }
        if (outcome->refused && refused) refused();
    });
}

} // namespace detailed
