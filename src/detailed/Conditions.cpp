#include "detailed/Conditions.h"

#include "detailed/SectionValues.h"
#include "detailed/TokenReaders.h"
#include "platform/Profile.h"
#include "platform/Texts.h"

namespace detailed {

namespace {

constexpr int HighestLine = 20;
constexpr int CodeLength = 3;
// A rest shorter than this can hold no list name and code.
constexpr qsizetype ShortestToken = 6;

struct TokenCheck {
    bool satisfied = false;
    bool faulty = false;
};

TokenCheck checkToken(const platform::Profile& file, const QString& token, const std::optional<QString>& shown)
{
    const QString list = token.left(CodeLength);
    const int shownCode = shown ? optionCode(SectionValues(file, list), *shown, false) : NoOptionCode;
    TokenCheck check;
    // Every code is looked at, so that each faulty one is reported.
    for (qsizetype at = CodeLength; at < token.size(); at += CodeLength) {
        const QStringView part = QStringView(token).mid(at, CodeLength);
        const std::optional<int> code = part.size() == CodeLength ? parseInteger(part) : std::nullopt;
        if (!code)
            check.faulty = true;
        else if (shown && *code == shownCode)
            check.satisfied = true;
    }
    return check;
}

} // namespace

bool conditionsOk(const QString& definitionFile,
                  const std::function<std::optional<QString>(const QString& listSection)>& shownOption, QString& errors)
{
    const platform::Profile file(definitionFile);
    if (!file.exists()) return true;
    const SectionValues conditions(file, QStringLiteral("Conditions"));
    bool allowed = false;
    for (int k = 1; k <= HighestLine; ++k) {
        QString line = conditions.value(QString::number(k));
        if (line.isEmpty()) {
            if (k == 1) return true;
            continue;
        }
        bool holds = true;
        while (line.size() >= ShortestToken) {
            bool ignored = false;
            const QString token = TakeText(line, ignored);
            const QString list = token.left(CodeLength);
            const TokenCheck check = checkToken(file, token, shownOption(list));
            if (check.faulty)
                errors +=
                    platform::texts().detailedConditionLine + QString::number(k) + u' ' + list + QStringLiteral("\r\n");
            if (!check.satisfied) holds = false;
        }
        if (holds) allowed = true;
    }
    return allowed;
}

} // namespace detailed
