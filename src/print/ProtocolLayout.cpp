#include "print/ProtocolLayout.h"

#include "detailed/ItemNames.h"
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
} // namespace

QList<PlacedText> protocolLayout(const ProtocolSource& source)
{
    const platform::Texts& t = platform::texts();
    const config::MainScreen& screen = source.screen;
    auto value = [&](Control control) { return screen.text(control); };
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

    struct Row {
        double down;
        QString leftLabel;
        QString leftValue;
        QString rightLabel;
        QString rightValue;
    };
    auto rows = [&](const QList<Row>& list, double rightValueAcross) {
        for (const Row& row : list) {
            const double next = row.down + RowHeight;
            putWithin(row.leftLabel, 10, row.down, 30, next);
            // A row without a right-hand column lends its room to the value.
            putWithin(row.leftValue, 30, row.down, row.rightLabel.isEmpty() ? PageEdge : 50, next);
            if (row.rightLabel.isEmpty()) continue;
            putWithin(row.rightLabel, 50, row.down, rightValueAcross, next);
            putWithin(row.rightValue, rightValueAcross, row.down, PageEdge, next);
        }
    };
    rows({{15, t.protocolManufacturer, value(Control::Vyrobce), t.protocolType, value(Control::Typ)},
          {17, t.protocolId, value(Control::UI), t.protocolRevision, value(Control::Verze)},
          {19, t.protocolSerialNo, value(Control::VyrCislo), t.protocolTag, value(Control::Oznaceni)},
          {21, t.protocolSensorSerialNo, value(Control::VyrCisCidla), t.protocolDescriptor, value(Control::Popis)},
          {23, t.protocolAddress, value(Control::PollAddr), t.protocolDateOfDevice, value(Control::Datum)},
          {25, t.protocolMessage, value(Control::Zprava), {}, {}}},
         65);
    const QString unit = u' ' + value(Control::Jednotky);
    rows({{31, t.protocolLowerRangeLimit, value(Control::DolniMez), t.protocolStartOfRange,
           value(Control::Pocatek) + unit},
          {33, t.protocolUpperRangeLimit, value(Control::HorniMez), t.protocolEndOfRange, value(Control::Konec) + unit},
          {35, t.protocolMinimumSpan, value(Control::MinRozpeti), t.protocolDamping,
           value(Control::Tlumeni) + QStringLiteral(" s")},
          {37, t.protocolSecurity, value(Control::Ochrana), t.protocolTransferFunction, value(Control::Funkce)},
          {39, t.protocolErrorSignal, value(Control::Porucha), {}, {}}},
         75);

    // The device-specific values where the definition file's [Printer] section puts them.
    if (source.definitionFile.isEmpty() || !source.itemText) return page;
    const platform::Profile definition(source.definitionFile);
    for (const detailed::ItemPool& pool : detailed::itemPools) {
        if (QStringLiteral("CEQVHL").indexOf(QChar(pool.letter)) < 0) continue;
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = detailed::itemName(pool.letter, number);
            QString place = definition.readString(QStringLiteral("Printer"), name);
            if (place.isEmpty()) continue;
            const std::optional<QString> text = source.itemText(name);
            if (!text) continue;
            bool malformed = false; // a malformed number counts as 0
            const int across = detailed::TakeNumber(place, malformed);
            const int down = detailed::TakeNumber(place, malformed);
            putWithin(*text, across, down, PageEdge, down + RowHeight);
        }
    }
    return page;
}

} // namespace print
