#pragma once
// Exports for spreadsheets: cells quoted where a spreadsheet would split them, a cell that begins like a
// formula kept a text, lines ended by CR LF, the whole as UTF-8 after its byte-order mark (which tells a
// spreadsheet the file is UTF-8 rather than the locale's code page).
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// One cell: quoted when it holds a comma, a quote or a line break; a leading "=", "+", "-", "@", tab or
// CR gets an apostrophe before it, so that a spreadsheet shows it instead of computing it.
QString csvField(QString text);
// One line of cells, CR LF at its end.
QString csvLine(const QStringList& fields);
// The lines as the file holds them.
QByteArray csvDocument(const QString& lines);

} // namespace platform
