#pragma once
// The configuration protocol as a list of texts placed on the page: each by its place in percent of
// the page's width and height and the point of its box that sits there (the anchor). The same list
// is drawn on a printer, into a PDF file and in the preview, so the three cannot differ.
#include "config/MainScreen.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

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
    const config::MainScreen& screen;
    QString configuredBy;
    QString note;
    QDate today;
    // The definition file the configuration shown was laid out with; empty without one.
    QString definitionFile;
    // The text a detailed setup item shows: the option of a list, the text of a field, a caption;
    // nothing for an item the configuration shown does not use.
    std::function<std::optional<QString>(const QString& item)> itemText;
};

// Every text of the protocol, in the order it is drawn.
QList<PlacedText> protocolLayout(const ProtocolSource& source);

} // namespace print
