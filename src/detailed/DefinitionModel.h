#pragma once
// What a device definition file says, read once into plain values: the items of the detailed setup
// window with their places (already scaled to the item area), captions, hints and option lists, and
// the settings that tune the main window. The window places its controls from it and the main window
// takes its texts, masks and lists from it; neither reads the [Definitions] section itself.
// Faults (a number missing or malformed, a flag that is no flag, a mask missing) never stop the reading:
// each adds a line to errors and what could not be read counts as 0. An empty caption or list name is
// no fault.
#include "config/ItemNames.h"

#include <QList>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

namespace detailed {

// The item pools are the configuration's too: the record keeps the values of the C, E, V and Q items.
using config::ComboCount;
using config::hasHint;
using config::itemByName;
using config::ItemKind;
using config::itemName;
using config::ItemPool;
using config::itemPools;
using config::ItemRef;

// The width of the item area the definitions are written for.
inline constexpr int DesignItemAreaWidth = 521;

struct DefinitionOption {
    int code = 0;
    QString text;
    bool operator==(const DefinitionOption&) const = default;
};

struct DefinitionItem {
    QString name; // "C05"
    ItemKind kind = ItemKind::Label;
    int top = 0;
    int left = 0;
    int height = 0;                  // frames only
    int width = 0;                   // frames and V, E, Q, C items
    QString caption;                 // H, L
    QString hint;                    // V, E, Q, C, B: the raw value of the "<name>H" key
    int writable = 0;                // C: 1 when the user chooses, 0 when the device's value is only shown
    QString listSection;             // C: the first 3 characters of the option-list section's name
    QList<DefinitionOption> options; // C: in code order
};

struct DefinitionModel {
    bool found = false; // the file exists; nothing else is filled when it does not

    QList<DefinitionItem> items; // in loading order P, H, L, V, E, Q, C, B; only items the file defines

    QString lowerOutputLabel;               // LOV
    QString upperOutputLabel;               // UOV
    QString lowerOutputDefault;             // LDV
    QString upperOutputDefault;             // UDV
    QString fixOffValue;                    // DZV
    std::array<quint16, 3> selfTestMasks{}; // TST1..TST3

    // Codes of the units and transfer functions offered; nullopt when the key is missing (the main
    // window's list then stays as it is).
    std::optional<QList<int>> units;
    std::optional<QList<int>> transferFunctions;

    int readStepCount = 0;   // highest key 1..50 of [READ] with a template
    int writeStepCount = 0;  // the same for [WRITE]
    QSet<int> writeCommands; // leading numbers of the [WRITE] templates

    int scrollRange = 0; // the lowest frame's bottom + 10; 0 without frames

    QString errors; // one "Error in <key>\r\n" line per fault, in reading order

    // The item of that name; nullptr when the file does not define it.
    const DefinitionItem* item(const QString& name) const;
};

// Reads a device definition file; scale is the width of the item area divided by its design width.
DefinitionModel loadDefinition(const QString& definitionFile, double scale);

// The text shown for a hint while the mouse is over its item: the long part (after the first "|",
// the whole hint without one), its first "\N" (else its first "\n") made a line break (CR LF), and
// every run of backslashes reduced to one.
QString longHintText(const QString& hint);

// The name a method is logged under: the NAME key of its section, else the section name.
QString methodName(const QString& definitionFile, const QString& methodSection);

} // namespace detailed
