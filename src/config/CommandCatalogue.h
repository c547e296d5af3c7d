#pragma once
// The universal commands the program uses, as data. For each command: which reply lines make which
// value of the device state, which values its write request carries and in which order, the change
// flag that guards the write, and the values the user may edit when the device's write list holds it.
// Beside it, the values themselves: the record field that keeps each, the input rule of an edited one
// and its place on the protocol. The reply mapping, the write steps, the change tracking, the
// unlocking of fields, the record's capture and comparison and the protocol all read these tables, so
// a command that reads into a new value is one row here and one value in the state.
#include "config/ChangeFlags.h"
#include "config/Control.h"
#include "config/EditRules.h"
#include "config/TConfigRecord.h"
#include "platform/Texts.h"

#include <QList>
#include <QString>
#include <optional>

namespace config {

// A value made of reply lines: the value line, then a blank and its unit line when there is one, then
// a fixed suffix.
struct ReplyField {
    Control control;
    int line;
    int unitLine = -1;
    QString suffix{};
    bool trimmed = false; // blanks around the text removed
};

// What else a reply does once its values are taken.
enum class ReplyHook {
    None,
    Identity,         // the device flags are checked first; the values are taken only with valid flags
    DefinitionLookup, // the device's definition file is looked up
    SelfTest,         // the status bytes give "Test OK!" or "Test Failed!"
    FixedCurrent,     // the loop current is fixed at the reply's current, or released by 0
    Reset,            // a device that did the reset has left fixed current mode
};

struct CommandRow {
    int command;
    int minimumLines; // a reply with fewer lines changes nothing; a field needs its own lines besides
    QList<ReplyField> reply{};
    QList<Control> request{};           // the write request's data lines, in order
    bool ChangeFlags::*guard = nullptr; // the write is sent only with this flag; nothing: always
    QList<Control> unlocks{};           // editable when the device's write list holds the command
    ReplyHook hook = ReplyHook::None;
};

// Every universal command whose reply or request the program maps.
const QList<CommandRow>& commandCatalogue();
// Nothing for a command the catalogue does not know.
const CommandRow* catalogueRow(int command);
// Device-specific commands carry what their template built, and are written with DetailedChanged.
inline constexpr int FirstDeviceSpecificCommand = 128;

// Where a value stands on the protocol: a block of rows, a row of it, the left or right column.
enum class ProtocolBlock { None, CommonData, SensorOutput };
enum class ProtocolSuffix { None, Units, Seconds };

struct ValueRow {
    Control control;
    std::optional<Field> field{};              // the record field that keeps the value
    std::optional<EditRule> rule{};            // the input rule of a value the user edits as text
    bool identifies = false;                   // a difference means another device
    ProtocolBlock block = ProtocolBlock::None; // not on the protocol
    int protocolRow = 0;
    bool rightColumn = false;
    QString platform::Texts::*caption = nullptr;
    ProtocolSuffix suffix = ProtocolSuffix::None;
    // What a write carries: the value's name when a write is refused for it, and whether the driver
    // takes it as a number (a text that is none is refused before anything is sent).
    QString platform::Texts::*name = nullptr;
    bool number = false;
};

// The values in the order they are compared with a record (the identity first) and shown from it.
const QList<ValueRow>& valueCatalogue();
// A value the table does not list is kept in no record and stands nowhere on the protocol.
ValueRow valueRow(Control control);
// The value a record field keeps.
Control controlOf(Field field);

// The change flags an edit of the value sets: the guards of every command that writes it.
QList<bool ChangeFlags::*> guardsOf(Control control);
// The values a definition may lock: those some command unlocks.
QList<Control> lockableValues();

} // namespace config
