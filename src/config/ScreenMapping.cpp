#include "config/ScreenMapping.h"

#include "platform/DateText.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"

namespace config {

Control controlOf(Field field)
{
    switch (field) {
    case Field::UniqueId: return Control::UI;
    case Field::Manufacturer: return Control::Vyrobce;
    case Field::DeviceType: return Control::Typ;
    case Field::Revision: return Control::Verze;
    case Field::SerialNo: return Control::VyrCislo;
    case Field::SensorSerialNo: return Control::VyrCisCidla;
    case Field::UpperRangeLimit: return Control::HorniMez;
    case Field::LowerRangeLimit: return Control::DolniMez;
    case Field::MinimumSpan: return Control::MinRozpeti;
    case Field::WriteProtection: return Control::Ochrana;
    case Field::AlarmSignaling: return Control::Porucha;
    case Field::PollingAddress: return Control::PollAddr;
    case Field::LowerRangeValue: return Control::Pocatek;
    case Field::UpperRangeValue: return Control::Konec;
    case Field::Units: return Control::Jednotky;
    case Field::Damping: return Control::Tlumeni;
    case Field::TransferFunction: return Control::Funkce;
    case Field::Tag: return Control::Oznaceni;
    case Field::Descriptor: return Control::Popis;
    case Field::Date: return Control::Datum;
    case Field::Message: return Control::Zprava;
    }
    return Control::UI;
}

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

void FromScreen(ScreenPages& pages, TConfigRecord& record)
{
    const MainScreen& screen = pages.screen();
    record.setMagic(QStringLiteral("HART20File"));
    for (int i = 0; i < FieldCount; ++i) {
        const Field field = Field(i);
        if (field == Field::Date) continue;
        record.setText(field, screen.text(controlOf(field)));
    }
    const auto date = storedDate(screen.text(Control::Datum));
    if (!date) platform::dialogs().message(platform::texts().wrongDateFormat);
    record.setText(Field::Date, date.value_or(QStringLiteral("0.0.0")));
    for (const QString& item : TConfigRecord::detailItems())
        record.setDetail(item, pages.detailText(item));
}

void showField(MainScreen& screen, const TConfigRecord& record, Field field)
{
    if (field != Field::Date) {
        screen.setText(controlOf(field), record.text(field));
        return;
    }
    // A stored date that is no calendar date cannot be shown as one: an empty date stays empty, any
    // other text is shown as it was stored so that nothing is silently lost.
    const QString stored = record.text(Field::Date);
    const QDate date = dateOfStored(stored);
    const bool emptyDate = stored.isEmpty() || stored == QStringLiteral("0.0.0");
    screen.setText(Control::Datum, date.isValid() ? platform::formatShortDate(date) : emptyDate ? QString() : stored);
}

void SetScreen(ScreenPages& pages, const TConfigRecord& record, const LanguageState& language)
{
    MainScreen& screen = pages.screen();
    for (Field field :
         {Field::UniqueId, Field::Manufacturer, Field::DeviceType, Field::Revision, Field::SerialNo,
          Field::SensorSerialNo, Field::UpperRangeLimit, Field::LowerRangeLimit, Field::MinimumSpan,
          Field::WriteProtection, Field::AlarmSignaling, Field::LowerRangeValue, Field::UpperRangeValue, Field::Damping,
          Field::Tag, Field::Descriptor, Field::Date, Field::Message, Field::PollingAddress})
        showField(screen, record, field);
    const QByteArray recordLanguage = record.defLanguage();
    if (!(recordLanguage.size() >= 3 && quint8(recordLanguage.at(2)) == 255)) pages.rebuildDetailedItems(language);
    showField(screen, record, Field::Units);
    showField(screen, record, Field::TransferFunction);
    pages.CheckDeviceDdf(language);
    for (const QString& item : TConfigRecord::detailItems())
        pages.setDetailText(item, record.detail(item));
}

void CompareScreen(ScreenPages& pages, const TConfigRecord& record)
{
    MainScreen& screen = pages.screen();
    bool anotherDevice = false;
    const Field order[] = {Field::UniqueId,
                           Field::Manufacturer,
                           Field::DeviceType,
                           Field::Revision,
                           Field::SerialNo,
                           Field::SensorSerialNo,
                           Field::UpperRangeLimit,
                           Field::LowerRangeLimit,
                           Field::MinimumSpan,
                           Field::WriteProtection,
                           Field::AlarmSignaling,
                           Field::LowerRangeValue,
                           Field::UpperRangeValue,
                           Field::Damping,
                           Field::Tag,
                           Field::Descriptor,
                           Field::Date,
                           Field::Message,
                           Field::PollingAddress,
                           Field::Units,
                           Field::TransferFunction};
    for (int i = 0; i < int(std::size(order)); ++i) {
        const Field field = order[i];
        const QString shown = screen.text(controlOf(field));
        // The date box shows the locale's form; it is compared in the stored form.
        const QString comparable = field == Field::Date ? storedDate(shown).value_or(shown) : shown;
        const bool differs = comparable != record.text(field);
        screen.highlight(controlOf(field), differs);
        if (i < 4 && differs) anotherDevice = true;
    }
    if (anotherDevice) return;
    for (const QString& item : TConfigRecord::detailItems())
        pages.highlightDetail(item, pages.detailText(item) != record.detail(item));
}

} // namespace config
