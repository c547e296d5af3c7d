#include "detailed/CommandTemplates.h"

#include "config/CodeTables.h"
#include "config/ItemNames.h"
#include "detailed/SectionValues.h"
#include "detailed/TokenReaders.h"
#include "link/CommandMacro.h"
#include "platform/Profile.h"
#include "platform/ReplyLayout.h"
#include "platform/Texts.h"

namespace detailed {

using config::ComboCount;
using config::itemByName;
using config::ItemKind;
using config::ItemRef;

namespace {

constexpr int HighestStep = 50;
constexpr int HighestCommand = 255;
constexpr int HighestOptionCode = 255;
constexpr qsizetype TokenLength = 3;
const QString LineEnd = QStringLiteral("\r\n");

QString stepError(const QString& section, int k)
{
    return platform::texts().detailedErrorIn + section + u':' + QString::number(k) + LineEnd;
}

// "AAA|BBB": AAA when sending, BBB when reading a reply.
QString resolveToken(const QString& token, bool sending)
{
    if (token.size() == 7 && token.at(3) == u'|') return sending ? token.left(3) : token.right(3);
    return token;
}

bool isLiteral(const QString& token) { return token.front() == u'0' || token.front() == u'1' || token.front() == u'2'; }

// The items a template can name: option boxes and the three kinds of edit fields.
std::optional<ItemRef> templateItem(const QString& token)
{
    const std::optional<ItemRef> item = itemByName(token);
    if (!item) return std::nullopt;
    switch (item->kind) {
    case ItemKind::Option:
    case ItemKind::Editable:
    case ItemKind::Argument:
    case ItemKind::Display: return item;
    default: return std::nullopt;
    }
}

// The reply's line 0 for a command token: its digits 2 to 4 without up to two leading zeros.
QString replyCommand(const QString& commandToken)
{
    QString number = commandToken.mid(1, 3);
    for (int i = 0; i < 2 && number.size() > 1 && number.front() == u'0'; ++i)
        number.remove(0, 1);
    return number;
}

} // namespace

QList<int> templateCommands(const QString& templateFile, const QString& section)
{
    const platform::Profile file(templateFile);
    QList<int> commands;
    for (int k = 1; k <= HighestStep; ++k) {
        QString rest = file.readString(section, QString::number(k));
        if (rest.isEmpty()) continue;
        bool error = false;
        int command = TakeNumber(rest, error);
        if (command == ExtendedCommand) {
            const std::optional<int> real = parseInteger(QStringView(TakeText(rest, error)).mid(1, 3));
            command = real.value_or(-1);
        }
        if (command >= 0 && command <= HighestCommand) commands.append(command);
    }
    return commands;
}

quint8 GetRWCommand(const QString& templateFile, int base, int state, const QString& section, QString& data,
                    quint8& realCommand, ItemAccess& items)
{
    const int k = state - base;
    if (k < 1 || k > HighestStep) return NoCommand;
    const platform::Profile file(templateFile);
    QString rest = file.readString(section, QString::number(k));
    if (rest.isEmpty()) return NoCommand;

    bool error = false;
    const int leading = TakeNumber(rest, error);
    if (leading != ExtendedCommand) {
        // A leading token that is no number counts as command 0; only a number too big for the
        // command field is refused.
        if (leading >= 0 && leading <= HighestCommand) return quint8(leading);
        items.appendError(stepError(section, k));
        return NoCommand;
    }

    const QString command = TakeText(rest, error);
    if (command.size() >= 4) {
        const std::optional<int> number = parseInteger(QStringView(command).mid(1, 3));
        if (number && *number >= 0 && *number <= HighestCommand)
            realCommand = quint8(*number);
        else
            error = true;
    }
    data += command + LineEnd;
    const quint8 result = error ? NoCommand : ExtendedCommand;

    std::optional<SectionValues> lists[ComboCount + 1];
    while (!rest.isEmpty()) {
        bool ignored = false;
        const QString token = resolveToken(TakeText(rest, ignored), true);
        if (token.size() != TokenLength) return result;
        if (isLiteral(token)) {
            data += token + LineEnd;
            continue;
        }
        const std::optional<ItemRef> item = templateItem(token);
        if (!item) continue;
        if (item->kind == ItemKind::Option) {
            // With no list, or for codes the list lacks, the option text is empty: a box showing
            // nothing finds the highest such code.
            std::optional<SectionValues>& list = lists[item->number];
            if (!list) {
                const QString listSection = items.comboListSection(item->number);
                list = listSection.isEmpty() ? SectionValues() : SectionValues(file, listSection);
            }
            data += QString::number(optionCode(*list, items.itemText(token), true)) + LineEnd;
        } else {
            data += driverlink::dataField(items.itemText(token)) + LineEnd;
        }
    }
    if (error) items.appendError(stepError(section, k));
    return result;
}

bool EvalReadCommand(const QString& templateFile, int base, int state, const QStringList& lines, ItemAccess& items)
{
    const int k = state - base;
    if (k < 1 || k > HighestStep) return true;
    const platform::Profile file(templateFile);
    const QString section = QStringLiteral("READ");
    QString rest = file.readString(section, QString::number(k));
    if (rest.isEmpty()) return true;

    bool error = false;
    TakeNumber(rest, error);
    bool ignored = false;
    const QString command = TakeText(rest, ignored);
    if (command.size() < 4) return true; // a plain template: the main window decodes its reply
    if (lines.isEmpty() || lines.at(replylayout::CommandLine) != replyCommand(command)) return true;

    // The item tokens name the data lines in their order.
    for (int line = replylayout::FirstDataLine; !rest.isEmpty(); ++line) {
        const QString token = resolveToken(TakeText(rest, ignored), false);
        if (token.size() != TokenLength) return true;
        // A reply shorter than its template leaves the items of the missing lines as they are.
        if (line >= lines.size()) break;
        const QString value = lines.at(line);
        if (isLiteral(token)) {
            const std::optional<int> expected = parseInteger(token);
            const std::optional<int> received = parseInteger(value.trimmed());
            if (!expected || !received || *expected != *received) return false;
            continue;
        }
        const std::optional<ItemRef> item = templateItem(token);
        if (!item) continue;
        if (item->kind != ItemKind::Option) {
            items.setItemText(token, value);
            continue;
        }
        const int n = item->number;
        const QString listSection = items.comboListSection(n);
        const QString optionText =
            listSection.isEmpty() ? QString() : detailed::optionText(file.readString(listSection, value));
        QStringList entries = items.comboEntries(n);
        qsizetype chosen = entries.size() - 1;
        while (chosen >= 0 && entries.at(chosen) != value && entries.at(chosen) != optionText)
            --chosen;
        const std::optional<int> code = parseInteger(value.trimmed());
        if (chosen >= 0) {
            items.selectComboEntry(n, int(chosen));
        } else if (code && *code >= 0 && *code <= HighestOptionCode) {
            // A code the list does not name is shown as what it is, not as the entry shown before, and goes
            // back to the device unchanged.
            const QString own = config::unknownOptionText(*code);
            if (!entries.contains(own)) entries.append(own);
            items.replaceComboEntries(n, entries, int(entries.indexOf(own)));
        }
        if (!items.comboWritable(n)) items.replaceComboEntries(n, {items.itemText(token)}, 0);
    }
    if (error) items.appendError(stepError(section, k));
    return true;
}

} // namespace detailed
