#include "print/ProtocolLayout.h"

#include "config/CommandCatalogue.h"
#include "config/ItemNames.h"
#include "detailed/TokenReaders.h"
#include "platform/Profile.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QLocale>

namespace print {

using config::Control;

namespace {
constexpr double RowHeight = 2;  // percent of the page's height from one row to the next
constexpr double ColumnGap = 1;  // percent of the page's width kept free before the next column
constexpr double PageEdge = 100; // the edge of the drawable area, where the next column would be

std::optional<config::ValueRow> placedValue(config::ProtocolBlock block, int row, bool rightColumn)
{
    for (const config::ValueRow& value : config::valueCatalogue())
        if (value.block == block && value.protocolRow == row && value.rightColumn == rightColumn) return value;
    return std::nullopt;
}
} // namespace

QList<PlacedText> protocolLayout(const ProtocolSource& source)
{
    const platform::Texts& t = platform::texts();
    auto value = [&](Control control) { return source.state.text(control); };
    QList<PlacedText> page;
    auto put = [&](const QString& text, TextStyle style, double across, double down, int anchor = 0) {
        page.append({text, style, across, down, anchor});
    };
    // A text within its room: up to where the next column begins (less a gap) and the next row.
    auto putWithin = [&](const QString& text, double across, double down, double nextAcross, double nextDown) {
        page.append({text, TextStyle::Plain, across, down, 0, nextAcross - across - ColumnGap, nextDown - down});
    };

    put(t.protocolTitle, TextStyle::Title, 50, 4, 2);
    for (const auto& [heading, down] : {std::pair{t.protocolCommonData, 12.0}, std::pair{t.protocolSensorOutput, 28.0},
                                        std::pair{t.protocolSupplementary, 42.0},
                                        std::pair{t.protocolConfiguredBy, 84.0}, std::pair{t.protocolDate, 86.0}})
        put(heading, TextStyle::Heading, 10, down);

    put(t.protocolPrintedBy.arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()),
        TextStyle::Plain, 50, 8, 2);
    putWithin(source.configuredBy, 30, 84, PageEdge, 86);
    putWithin(QLocale().toString(source.today, QLocale::ShortFormat), 30, 86, PageEdge, 88);
    if (!source.note.isEmpty()) putWithin(t.protocolNote + source.note, 10, 90, PageEdge, PageEdge);

    // The values in their blocks of rows, as the catalogue places them; a row without a right-hand
    // column lends its room to its value.
    auto shown = [&](const config::ValueRow& row) {
        QString text = value(row.control);
        if (row.suffix == config::ProtocolSuffix::Units) text += u' ' + value(Control::Jednotky);
        if (row.suffix == config::ProtocolSuffix::Seconds) text += QStringLiteral(" s");
        return text;
    };
    struct Block {
        config::ProtocolBlock block;
        double firstRow;
        double rightValueAcross;
    };
    for (const Block& block :
         {Block{config::ProtocolBlock::CommonData, 15, 65}, Block{config::ProtocolBlock::SensorOutput, 31, 75}}) {
        for (int number = 0;; ++number) {
            const auto left = placedValue(block.block, number, false);
            const auto right = placedValue(block.block, number, true);
            if (!left && !right) break;
            const double down = block.firstRow + number * RowHeight;
            const double next = down + RowHeight;
            // A value the device does not have (the long tag of an older device) leaves its row empty.
            if (left && source.state.has(left->control)) {
                putWithin(t.*left->caption, 10, down, 30, next);
                putWithin(shown(*left), 30, down, right ? 50 : PageEdge, next);
            }
            if (right && source.state.has(right->control)) {
                putWithin(t.*right->caption, 50, down, block.rightValueAcross, next);
                putWithin(shown(*right), block.rightValueAcross, down, PageEdge, next);
            }
        }
    }

    // The device-specific values where the definition file's [Printer] section puts them.
    if (source.definitionFile.isEmpty()) return page;
    const platform::Profile definition(source.definitionFile);
    for (const config::ItemPool& pool : config::itemPools) {
        if (QStringLiteral("CEQVHL").indexOf(QChar(pool.letter)) < 0) continue;
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = config::itemName(pool.letter, number);
            QString place = definition.readString(QStringLiteral("Printer"), name);
            if (place.isEmpty()) continue;
            if (!source.state.items.defined(name)) continue; // not in use in this configuration
            bool malformed = false;                          // a malformed number counts as 0
            const int across = detailed::TakeNumber(place, malformed);
            const int down = detailed::TakeNumber(place, malformed);
            putWithin(source.state.items.displayed(name), across, down, PageEdge, down + RowHeight);
        }
    }
    return page;
}

} // namespace print
