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

    // Sequencer and reply decoder
    QString readingVariables = QStringLiteral("Reading variables ...");
    QString readingConfiguration = QStringLiteral("Reading of configuration");
    QString writtenWithErrors =
        QStringLiteral("Some errors or warnings occured during writing.\r\nSee the help for details!");
    QString writtenIntoDevice = QStringLiteral("Changes has been writen into the device!");
    QString testOk = QStringLiteral("Test OK!");
    QString testFailed = QStringLiteral("Test Failed!");
    // %1: the flags field of an identity reply that is no number 0..255.
    QString badDeviceFlags = QStringLiteral("Identity reply refused: device flags \"%1\" are not a number 0..255!");

    // Main window
    QString changesNotSavedInDevice =
        QStringLiteral("Changes are not saved in device! Do you really want to disconnect?");
    QString stopCommunicationFirst = QStringLiteral("At first stop communication, please!");
    QString changesNotSaved = QStringLiteral("Changes are not saved! Do you really want to close the program?");
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
