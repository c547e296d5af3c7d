#include "detailed/DefinitionModel.h"

#include "detailed/SectionValues.h"
#include "detailed/TokenReaders.h"
#include "platform/Profile.h"
#include "platform/Texts.h"

#include <algorithm>
#include <limits>

namespace detailed {

namespace {

constexpr int HighestTemplateStep = 50;
constexpr int HighestOptionCode = 255;
constexpr int HighestMask = 65535;
constexpr qint64 ScrollMargin = 10;

QString errorLine(const QString& key) { return platform::texts().detailedErrorIn + key + QStringLiteral("\r\n"); }

QString valueOr(const SectionValues& definitions, const QString& key, const QString& fallback)
{
    const QString value = definitions.value(key);
    return value.isEmpty() ? fallback : value;
}

int highestStep(const SectionValues& section)
{
    for (int step = HighestTemplateStep; step >= 1; --step)
        if (!section.value(QString::number(step)).isEmpty()) return step;
    return 0;
}

// Codes up to the first token that is no number; the end of the value is such a token too.
std::optional<QList<int>> codeList(const SectionValues& definitions, const QString& key)
{
    if (!definitions.contains(key)) return std::nullopt;
    QString rest = definitions.value(key);
    QList<int> codes;
    for (;;) {
        bool error = false;
        const int code = TakeNumber(rest, error);
        if (error) break;
        codes.append(code);
    }
    return codes;
}

QList<DefinitionOption> optionList(const platform::Profile& file, const QString& section)
{
    QList<DefinitionOption> options;
    if (section.isEmpty()) return options;
    const SectionValues list(file, section);
    for (int code = 0; code <= HighestOptionCode; ++code) {
        const QString line = list.value(QString::number(code));
        if (!line.isEmpty()) options.append({code, optionText(line)});
    }
    return options;
}

// A caption or list name: an empty one is a valid text and no fault of the item.
QString takeItemText(QString& value)
{
    bool ignored = false;
    return TakeText(value, ignored);
}

// Applies an item's value; error is set when a number of it could not be read or the flag is no flag.
void readItem(DefinitionItem& item, QString value, const platform::Profile& file, double scale, bool& error)
{
    item.top = TakeScaledNumber(value, error, scale);
    item.left = TakeScaledNumber(value, error, scale);
    switch (item.kind) {
    case ItemKind::Frame:
        item.height = TakeScaledNumber(value, error, scale);
        item.width = TakeScaledNumber(value, error, scale);
        break;
    case ItemKind::Heading:
    case ItemKind::Label: item.caption = takeItemText(value); break;
    case ItemKind::Display:
    case ItemKind::Editable:
    case ItemKind::Argument: item.width = TakeScaledNumber(value, error, scale); break;
    case ItemKind::Option: {
        item.width = TakeScaledNumber(value, error, scale);
        // The flag goes through the scaled reader like the places before it, as files have always
        // been read.
        item.writable = TakeScaledNumber(value, error, scale);
        if (item.writable != 0 && item.writable != 1) {
            error = true;
            item.writable = 0;
        }
        const QString section = takeItemText(value);
        item.listSection = section.left(3);
        item.options = optionList(file, section);
        break;
    }
    case ItemKind::Method: break;
    }
}

} // namespace

const DefinitionItem* DefinitionModel::item(const QString& name) const
{
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const auto& i) { return i.name == name; });
    return found == items.cend() ? nullptr : &*found;
}

DefinitionModel loadDefinition(const QString& definitionFile, double scale)
{
    DefinitionModel model;
    const platform::Profile file(definitionFile);
    if (!file.exists()) return model;
    model.found = true;
    const SectionValues definitions(file, QStringLiteral("Definitions"));
    const platform::Texts& texts = platform::texts();

    model.lowerOutputLabel = valueOr(definitions, QStringLiteral("LOV"), texts.detailedLowerOutputLabel);
    model.upperOutputLabel = valueOr(definitions, QStringLiteral("UOV"), texts.detailedUpperOutputLabel);
    model.lowerOutputDefault = valueOr(definitions, QStringLiteral("LDV"), texts.detailedLowerOutputDefault);
    model.upperOutputDefault = valueOr(definitions, QStringLiteral("UDV"), texts.detailedUpperOutputDefault);
    model.fixOffValue = valueOr(definitions, QStringLiteral("DZV"), texts.detailedFixOffValue);

    for (int byte = 0; byte < 3; ++byte) {
        const QString key = QStringLiteral("TST") + QString::number(byte + 1);
        QString value = definitions.value(key);
        bool error = false;
        const int mask = TakeNumber(value, error);
        if (error || mask < 0 || mask > HighestMask) {
            model.errors += errorLine(key);
            continue;
        }
        model.selfTestMasks[byte] = quint16(mask);
    }

    const SectionValues read(file, QStringLiteral("READ"));
    const SectionValues write(file, QStringLiteral("WRITE"));
    model.readStepCount = highestStep(read);
    model.writeStepCount = highestStep(write);
    for (int step = 1; step <= HighestTemplateStep; ++step) {
        QString value = write.value(QString::number(step));
        if (value.isEmpty()) continue;
        bool error = false;
        model.writeCommands.insert(TakeNumber(value, error));
    }

    model.units = codeList(definitions, QStringLiteral("Units"));
    model.transferFunctions = codeList(definitions, QStringLiteral("TransferFunction"));

    qint64 scrollRange = 0;
    for (const ItemPool& pool : itemPools) {
        for (int number = 1; number <= pool.count; ++number) {
            DefinitionItem item;
            item.name = itemName(pool.letter, number);
            const QString value = definitions.value(item.name);
            if (value.isEmpty()) continue;
            item.kind = pool.kind;
            bool error = false;
            readItem(item, value, file, scale, error);
            if (hasHint(item.kind)) item.hint = definitions.value(item.name + u'H');
            if (item.kind == ItemKind::Frame)
                scrollRange = std::max(scrollRange, qint64(item.top) + item.height + ScrollMargin);
            if (error) model.errors += errorLine(item.name);
            model.items.append(std::move(item));
        }
    }
    model.scrollRange = int(std::min<qint64>(scrollRange, std::numeric_limits<int>::max()));
    return model;
}

QString longHintText(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    QString text = bar < 0 ? hint : hint.mid(bar + 1);
    qsizetype lineBreak = text.indexOf(QStringLiteral("\\N"));
    if (lineBreak < 0) lineBreak = text.indexOf(QStringLiteral("\\n"));
    if (lineBreak >= 0) text.replace(lineBreak, 2, QStringLiteral("\r\n"));
    QString result;
    result.reserve(text.size());
    for (const QChar c : std::as_const(text))
        if (c != u'\\' || result.isEmpty() || result.back() != u'\\') result.append(c);
    return result;
}

QString methodName(const QString& definitionFile, const QString& methodSection)
{
    const QString name = platform::Profile(definitionFile).readString(methodSection, QStringLiteral("NAME"));
    return name.isEmpty() ? methodSection : name;
}

} // namespace detailed
