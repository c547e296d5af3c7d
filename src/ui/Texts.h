#pragma once
// The one table of the program's own texts. A language module replaces the whole table.
#include <QString>

namespace ui {

struct Texts {
    // Driver link
    QString ddeConnectionNotFound = QStringLiteral("DDE connection not found!");
    QString driverNotFound = QStringLiteral("Driver not found!");
    QString exceptInDoMacro = QStringLiteral("Except in DoMacro.");
    QString commandNotPerformed = QStringLiteral("Command not performed, try again!");
    // %1: the length of the refused command text, %2: the most the driver takes.
    QString commandTooLong =
        QStringLiteral("The command is too long for the driver (%1 characters, at most %2) and was not sent.");

    // Main window
    QString programCaption = QStringLiteral("Tarvik");
    QString helpFileName = QStringLiteral("tarvik_en.chm");
    QString helpNotOpened = QStringLiteral("Help was not opened, file not found.");

    // Dialog captions
    QString captionInformation = QStringLiteral("Information");
    QString captionConfirm = QStringLiteral("Confirm");
    QString captionError = QStringLiteral("Error");
};

const Texts& texts();
void setTexts(const Texts& table);

} // namespace ui
