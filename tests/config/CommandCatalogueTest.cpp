// The command catalogue's tables are whole, and the device state and the write steps keep to them:
// an edit marks exactly the commands that write the value, and those commands then carry it.
#include "config/CommandCatalogue.h"
#include "config/SequencerView.h"
#include "platform/ReplyLayout.h"

#include <QSet>
#include <gtest/gtest.h>
#include <utility>

using config::ChangeFlags;
using config::CommandRow;
using config::Control;

namespace {

const ChangeFlags allFlags = [] {
    ChangeFlags flags;
    flags.setAll();
    return flags;
}();

TEST(CommandCatalogue, EveryRowMapsEachValueOnceFromADataLineAndWritesWhatItUnlocks)
{
    QSet<int> commands;
    for (const CommandRow& row : config::commandCatalogue()) {
        SCOPED_TRACE(row.command);
        EXPECT_FALSE(commands.contains(row.command)) << "listed twice";
        commands.insert(row.command);
        QSet<Control> values;
        QSet<int> lines;
        for (const config::ReplyField& field : row.reply) {
            EXPECT_FALSE(values.contains(field.control)) << "a value taken twice from one reply";
            EXPECT_FALSE(lines.contains(field.line)) << "a line read into two values";
            values.insert(field.control);
            lines.insert(field.line);
            EXPECT_GE(field.line, replylayout::FirstDataLine);
            EXPECT_TRUE(field.unitLine < 0 || field.unitLine >= replylayout::FirstDataLine);
        }
        if (!row.request.isEmpty()) {
            EXPECT_TRUE(row.guard) << "a write no change flag guards";
        }
        // A whole configuration (a file, the initial values) writes what a record keeps, and nothing else.
        for (Control value : row.request)
            EXPECT_EQ(bool(config::valueRow(value).field), allFlags.*row.guard) << int(value);
        for (Control value : row.unlocks)
            EXPECT_TRUE(row.request.contains(value)) << "unlocks a value it does not write: " << int(value);
    }
}

TEST(CommandCatalogue, EveryRecordFieldHasOneValueAndEveryProtocolPlaceOneValue)
{
    QSet<config::Field> fields;
    QSet<std::pair<int, int>> places; // the block and row, the column as the sign of the row
    for (const config::ValueRow& row : config::valueCatalogue()) {
        if (row.field) {
            EXPECT_FALSE(fields.contains(*row.field)) << int(*row.field);
            fields.insert(*row.field);
            EXPECT_EQ(config::controlOf(*row.field), row.control);
        }
        if (row.block == config::ProtocolBlock::None) continue;
        EXPECT_TRUE(row.caption) << int(row.control);
        const auto place = std::pair(int(row.block), row.rightColumn ? -1 - row.protocolRow : row.protocolRow);
        EXPECT_FALSE(places.contains(place)) << "two values on one place: " << int(row.control);
        places.insert(place);
    }
    EXPECT_EQ(fields.size(), config::FieldCount);
}

// For every command that writes values: an edit of one of them marks the command (and only the
// commands that write that value), the write step then carries the edited text, and a value taken
// from a reply marks nothing.
TEST(CommandCatalogue, AnEditMarksTheCommandsThatWriteItAndTheyCarryTheEditedValue)
{
    for (const CommandRow& row : config::commandCatalogue()) {
        for (Control value : row.request) {
            SCOPED_TRACE(testing::Message() << row.command << " value " << int(value));
            config::DeviceState state;
            config::SequencerView view(state);
            state.setText(Control::VerzeHart, QStringLiteral("7")); // a device that has every value
            state.setEntries(Control::Jednotky, {QStringLiteral("bar"), QStringLiteral("kPa")}, 0);
            state.setEntries(Control::Funkce, {QStringLiteral("Linear"), QStringLiteral("Square root")}, 0);
            state.setText(value, QStringLiteral("kPa"));
            EXPECT_FALSE(state.changes.AreChanges()) << "a value from a reply counted as an edit";

            if (isList(value))
                state.pick(value, 1);
            else
                state.edit(value, QStringLiteral("7"));
            const QString edited = state.text(value);
            for (const CommandRow& other : config::commandCatalogue()) {
                if (!other.guard) continue;
                const auto data = view.writeData(other.command);
                EXPECT_EQ(bool(data), other.request.contains(value)) << "command " << other.command;
                if (data && other.command == row.command) {
                    EXPECT_TRUE(data->contains(edited));
                }
            }
        }
    }
}

// Only a device of universal revision 6 or later has a long tag: an older one never has it written,
// whatever the change flags say.
TEST(DeviceState, OnlyADeviceOfRevisionSixOrLaterHasALongTag)
{
    for (const auto& [revision, has] : {std::pair{"", false}, std::pair{"5", false}, std::pair{"6", true},
                                        std::pair{"7", true}, std::pair{"x", false}}) {
        SCOPED_TRACE(revision);
        config::DeviceState state;
        config::SequencerView view(state);
        state.setText(Control::VerzeHart, QString::fromLatin1(revision));
        state.edit(Control::DlouheOznaceni, QStringLiteral("FT-301 line 3"));
        EXPECT_TRUE(state.changes.LongTagChanged);
        EXPECT_EQ(state.has(Control::DlouheOznaceni), has);
        EXPECT_EQ(view.writeData(22).has_value(), has);
    }
}

// A device-specific command is written only with detailed changes of items a definition laid out on screen.
TEST(DeviceState, DeviceSpecificValuesAreWrittenOnlyWhenTheScreenHoldsThem)
{
    config::DeviceState state;
    config::SequencerView view(state);
    state.changes.setAll(); // as a configuration from a file written into a device
    EXPECT_FALSE(view.writeData(130)) << "a file shown without its definition wrote its empty items";
    state.items.define(QStringLiteral("E01"), QString());
    EXPECT_TRUE(view.writeData(130));
    state.changes.DetailedChanged = false;
    EXPECT_FALSE(view.writeData(130));
}

TEST(DeviceState, AValueKeepsWhatItsInputRuleKeepsWhoeverSetsIt)
{
    config::DeviceState state;
    state.setText(Control::Oznaceni, QStringLiteral("TAG-LONGER-THAN-8"));
    EXPECT_EQ(state.text(Control::Oznaceni), QStringLiteral("TAG-LONG"));
    state.edit(Control::Zprava, QStringLiteral("TWO\r\nLINES"));
    EXPECT_EQ(state.text(Control::Zprava), QStringLiteral("TWOLINES"));
    state.setText(Control::PV, QString(40, u'9')); // shown as the driver sent it
    EXPECT_EQ(state.text(Control::PV).size(), 40);
}

TEST(SequencerView, TheLoopCurrentStaysFixedUntilReleasedOrTheDeviceIsReset)
{
    config::DeviceState state;
    config::SequencerView view(state);
    QStringList announced;
    QObject::connect(&state, &config::DeviceState::fixedCurrentChanged,
                     [&](const QString& current) { announced.append(current); });
    struct Reply {
        const char* command;
        const char* asked; // the procedure's step data
        const char* error;
        QStringList data;
        const char* fixed; // after the reply
    };
    const Reply replies[] = {
        {"40", "12", "", {QStringLiteral("12")}, "12"},
        {"3", "12", "", {QStringLiteral("12"), QStringLiteral("kPa"), QStringLiteral("506")}, "12"},
        {"40", "25", "Command Error!", {}, "12"}, // refused: the current stays as it was
        {"42", "", "Command Error!", {}, "12"},
        {"40", "0", "", {QStringLiteral("10.41")}, ""}, // released: the device tells the current it drives now
        {"40", "4", "", {QStringLiteral("4")}, "4"},
        {"42", "", "", {}, ""}, // a reset leaves fixed current mode
    };
    for (const Reply& r : replies) {
        view.showReply(
            QStringList{QString::fromLatin1(r.command), QStringLiteral("0"), QString::fromLatin1(r.error), QString()} +
                r.data,
            QString::fromLatin1(r.asked));
        EXPECT_EQ(state.fixedCurrent(), QString::fromLatin1(r.fixed)) << r.command << " " << r.error;
    }
    EXPECT_EQ(announced, (QStringList{QStringLiteral("12"), QString(), QStringLiteral("4"), QString()}));
    state.setFixedCurrent(QStringLiteral("20"));
    state.clearValues();
    EXPECT_EQ(state.fixedCurrent(), QStringLiteral("20")) << "emptying the pages released the device's current";
}

} // namespace
