#pragma once
// The configuration protocol as a list of texts placed on the page: each by its place in percent of
// the page's width and height and the point of its box that sits there (the anchor). The same list
// is drawn on a printer, into a PDF file and in the preview, so the three cannot differ.
#include "config/DeviceState.h"

#include <QDate>
#include <QList>
#include <QString>

namespace print {

enum class TextStyle {
    Title,   // serif, bold and underlined, the largest
    Heading, // sans serif, bold and underlined
    Plain,   // sans serif
};

struct PlacedText {
    QString text;
    TextStyle style = TextStyle::Plain;
    double across = 0; // percent of the page's width
    double down = 0;   // percent of the page's height
    int anchor = 0; // 0 top left, 1 top right, 2 top centre, 3 bottom left, 4 bottom right, 5 bottom centre, 6 centre
    // The room the text has, in percent of the page's width and height, up to the next text or the
    // page's edge: a longer text is wrapped, and set smaller when the lines need more height. 0: a
    // fixed text that is set as it is.
    double width = 0;
    double height = 0;

    bool operator==(const PlacedText&) const = default;
};

struct ProtocolSource {
    // The values and the detailed items of the configuration shown: the items its definition places
    // stand where the definition's [Printer] section puts them.
    const config::DeviceState& state;
    QString configuredBy;
    QString note;
    QDate today;
    // The definition file the configuration shown was laid out with; empty without one.
    QString definitionFile;
};

// Every text of the protocol, in the order it is drawn.
QList<PlacedText> protocolLayout(const ProtocolSource& source);

} // namespace print
