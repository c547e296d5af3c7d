#include "platform/CsvText.h"

namespace platform {

QString csvField(QString text)
{
    // A spreadsheet takes a cell that begins like this for a formula: the apostrophe keeps it a text.
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStart.contains(text.front())) text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QString csvLine(const QStringList& fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString& field : fields)
        cells.append(csvField(field));
    return cells.join(u',') + QStringLiteral("\r\n");
}

QByteArray csvDocument(const QString& lines) { return (QChar(0xFEFF) + lines).toUtf8(); }

} // namespace platform
