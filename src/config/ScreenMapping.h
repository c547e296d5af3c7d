#pragma once
// Moves a configuration between the main window's pages (and the detailed setup items) and a
// TConfigRecord: capture, apply, and the comparison that colours what differs.
#include "config/Language.h"
#include "config/MainScreen.h"
#include "config/TConfigRecord.h"

#include <QDate>

namespace config {

// The pages as the mapping sees them.
class ScreenPages {
public:
    virtual ~ScreenPages() = default;
    virtual MainScreen& screen() = 0;
    virtual QString detailText(const QString& item) const = 0;
    // C items select by text (and a read-only list is cut down to it); E, V, Q take the text.
    virtual void setDetailText(const QString& item, const QString& text) = 0;
    virtual void highlightDetail(const QString& item, bool differs) = 0;
    // Builds the detailed setup items from the definition files of the device on screen.
    virtual void rebuildDetailedItems(const LanguageState& language) = 0;
    // Shows or hides the Detailed Setup page and menu command.
    virtual void CheckDeviceDdf(const LanguageState& language) = 0;
};

// The control that shows a field of the record.
Control controlOf(Field field);

// The Date box's text as stored in a record: day.month.year without leading zeros, "0.0.0" when
// the box is empty; nothing when the text is no date.
std::optional<QString> storedDate(const QString& shown);
// The date a stored day.month.year text stands for, with the two-digit year rules.
QDate dateOfStored(const QString& stored);

// Capture: magic "HART20File", every field from its control (the date normalised), the detailed items.
// An unreadable date shows "Wrong format of date!" and is stored as 0.0.0.
void FromScreen(ScreenPages& pages, TConfigRecord& record);
// One field of a record in its control, as SetScreen shows it (the date in the locale's form, the
// lists selecting by name).
void showField(MainScreen& screen, const TConfigRecord& record, Field field);
// The record is shown in the given definition-file language (the lists keep what they hold).
void SetScreen(ScreenPages& pages, const TConfigRecord& record, const LanguageState& language);
void CompareScreen(ScreenPages& pages, const TConfigRecord& record);

} // namespace config
