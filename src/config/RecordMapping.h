#pragma once
// Moves a configuration between the device state and a TConfigRecord: capture, showing a record, and
// the comparison that says which values differ. The record's fields map to the state's values through
// the command catalogue's value table; the detailed items by their names.
#include "config/DeviceState.h"
#include "config/Language.h"
#include "config/TConfigRecord.h"

#include <QDate>
#include <QList>
#include <optional>
#include <utility>

namespace config {

// What showing a record needs of the device's definition files.
class DefinitionLookup {
public:
    virtual ~DefinitionLookup() = default;
    // Builds the detailed setup items from the definition files of the device in the state.
    virtual void rebuildDetailedItems(const LanguageState& language) = 0;
    // Shows or hides the Detailed Setup page and menu command.
    virtual void CheckDeviceDdf(const LanguageState& language) = 0;
};

// The Date box's text as stored in a record: day.month.year without leading zeros, "0.0.0" when
// the box is empty; nothing when the text is no date.
std::optional<QString> storedDate(const QString& shown);
// The date a stored day.month.year text stands for, with the two-digit year rules.
QDate dateOfStored(const QString& stored);

// Capture: magic "HART20File", every field from its value (the date normalised), the detailed items.
// An unreadable date shows "Wrong format of date!" and is stored as 0.0.0.
void captureRecord(const DeviceState& state, TConfigRecord& record);
// One field of a record in its value, as a shown record has it (the date in the locale's form, the
// lists selecting by name).
void showField(DeviceState& state, const TConfigRecord& record, Field field);
// The record is shown in the given definition-file language (the lists keep what they hold).
void showRecord(DeviceState& state, const TConfigRecord& record, const LanguageState& language,
                DefinitionLookup& definitions);

struct Comparison {
    QList<std::pair<Control, bool>> values; // every value a record keeps, whether it differs
    bool anotherDevice = false;             // the identity differs: the items are not compared
    QList<std::pair<QString, bool>> items;
};
Comparison compareWithRecord(const DeviceState& state, const TConfigRecord& record);

} // namespace config
