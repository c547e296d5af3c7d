#include "config/RecordMapping.h"

#include "config/CommandCatalogue.h"

#include "platform/DateText.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace config {

std::optional<QString> storedDate(const QString& shown)
{
    if (shown.isEmpty()) return QStringLiteral("0.0.0");
    QString text = shown;
    if (text.contains(u' ')) text.replace(u'.', u'/');
    QDate date = platform::parseShortDate(text);
    if (!date.isValid()) date = platform::parseShortDate(shown);
    if (!date.isValid()) return std::nullopt;
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

QDate dateOfStored(const QString& stored)
{
    if (stored.isEmpty()) return {};
    const QStringList parts = stored.split(u'.');
    auto number = [&](int i, int otherwise) {
        bool ok = false;
        const int value = parts.value(i).toInt(&ok);
        return ok ? value : otherwise;
    };
    const int day = number(0, 0);
    const int month = number(1, 0);
    bool ok = false;
    int year = parts.value(2).toInt(&ok);
    if (!ok)
        year = 1900;
    else if (year >= 0 && year <= 50)
        year += 2000;
    else if (year >= 51 && year <= 99)
        year += 1900;
    else if (year < 1900)
        year = 0;
    return QDate(year, month, day);
}

void captureRecord(const DeviceState& state, TConfigRecord& record)
{
    record.setMagic(QStringLiteral("HART20File"));
    for (int i = 0; i < FieldCount; ++i) {
        const Field field = Field(i);
        if (field == Field::Date) continue;
        record.setText(field, state.text(controlOf(field)));
    }
    const auto date = storedDate(state.text(Control::Datum));
    if (!date) platform::dialogs().message(platform::texts().wrongDateFormat);
    record.setText(Field::Date, date.value_or(QStringLiteral("0.0.0")));
    for (const QString& item : TConfigRecord::detailItems())
        record.setDetail(item, state.items.text(item));
}

void showField(DeviceState& state, const TConfigRecord& record, Field field)
{
    if (field != Field::Date) {
        state.setText(controlOf(field), record.text(field));
        return;
    }
    // A stored date that is no calendar date cannot be shown as one: an empty date stays empty, any
    // other text is shown as it was stored so that nothing is silently lost.
    const QString stored = record.text(Field::Date);
    const QDate date = dateOfStored(stored);
    const bool emptyDate = stored.isEmpty() || stored == QStringLiteral("0.0.0");
    state.setText(Control::Datum, date.isValid() ? platform::formatShortDate(date) : emptyDate ? QString() : stored);
}

void showRecord(DeviceState& state, const TConfigRecord& record, const LanguageState& language,
                DefinitionLookup& definitions)
{
    // The lists select once the definition has narrowed them.
    for (const ValueRow& row : valueCatalogue())
        if (row.field && !isList(row.control)) showField(state, record, *row.field);
    const QByteArray recordLanguage = record.defLanguage();
    if (!(recordLanguage.size() >= 3 && quint8(recordLanguage.at(2)) == 255))
        definitions.rebuildDetailedItems(language);
    for (const ValueRow& row : valueCatalogue())
        if (row.field && isList(row.control)) showField(state, record, *row.field);
    definitions.CheckDeviceDdf(language);
    for (const QString& item : TConfigRecord::detailItems())
        state.items.showRecordText(item, record.detail(item));
}

Comparison compareWithRecord(const DeviceState& state, const TConfigRecord& record)
{
    Comparison result;
    for (const ValueRow& row : valueCatalogue()) {
        if (!row.field) continue;
        const QString shown = state.text(row.control);
        // The date box shows the locale's form; it is compared in the stored form.
        const QString comparable = row.field == Field::Date ? storedDate(shown).value_or(shown) : shown;
        const bool differs = comparable != record.text(*row.field);
        result.values.append({row.control, differs});
        if (row.identifies && differs) result.anotherDevice = true;
    }
    if (result.anotherDevice) return result;
    for (const QString& item : TConfigRecord::detailItems())
        result.items.append({item, state.items.text(item) != record.detail(item)});
    return result;
}

} // namespace config
