#pragma once
// The code tables of a language table file (unit and transfer-function names by code) and the
// lists built from them. Names are exchanged with the driver as texts, so the lists hold names only;
// the codes serve to narrow a list to what a device definition file offers.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace config {

// The non-empty values of keys "0".."255" of a section ("Units" or "TransferFunction") in key order;
// empty when the file or section is missing.
QStringList codeTableNames(const QString& tableFilePath, const QString& section);
// The names of the given codes in the given order; codes the table lacks or leaves empty are skipped.
QStringList codeTableNames(const QString& tableFilePath, const QString& section, const QList<int>& codes);

// An option code that a device reports and its definition file's list does not name is shown as
// "Unknown (N)", and that text stands for the code again when it goes back to the device.
QString unknownOptionText(int code);
std::optional<int> unknownOptionCode(const QString& text);

// The highest key among "1".."50" with a non-empty value in a template section ("READ"/"WRITE");
// 0 when none.
int templateStepCount(const QString& filePath, const QString& section);

} // namespace config
