#pragma once
// The one table of the program's own texts. A language module replaces the whole table.
#include <QString>

namespace platform {

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

    // Main screen
    QString wrongDateFormat = QStringLiteral("Wrong format of date!");

    // Writing the configuration
    QString noAuthorization = QStringLiteral("You don't have authorization to do this!");
    QString writeDataFromFile = QStringLiteral("Do you really want to write data from file in the device?");
    QString noChangesWriteAnyway = QStringLiteral("There are not any changes! Write anyway?");
    QString writeChangesToDevice =
        QStringLiteral("Write changes to device?\r\nSwitch controler to manual! Output value may be changes!");
    QString executingCommand = QStringLiteral("Executing Command ...");
    QString noDeviceConnected = QStringLiteral("No device connected!");
    QString notCompatibleDevice = QStringLiteral("Connected not compatible device! Cannot continue!");
    QString cloneConfiguration = QStringLiteral("Do you really want to clone configuration to this device?");
    QString writingConfiguration = QStringLiteral("Writing configuration...");
    QString returnToOriginalValues = QStringLiteral("Do you really want to return to original values?");
    QString valuesRefreshedNotWritten =
        QStringLiteral("Values was refreshed but not writen!\r\nDo you want to write original values to device?\r\n");
    QString activityConnected = QStringLiteral("Connected");
    QString activityModified = QStringLiteral("Modified");
    QString activityReturned = QStringLiteral("Returned to initial values");

    // Opening the detailed setup and running its methods
    QString cancelChanges = QStringLiteral("Do you really want to cancel changes?");
    QString writeNow =
        QStringLiteral("Configuration changed! You should immediately write changes into transmitter! Write now?");
    QString wrongConfiguration =
        QStringLiteral("Wrong configuration! Try to select another combination of parameters!");
    QString performOperation =
        QStringLiteral("Do you really want to perform this operation? Configuration of the device CANNOT BE RETURNED!");
    QString operationFailed = QStringLiteral("Some errors or warnings occured. Operation was not successfully "
                                             "performed!\r\nSee the help or device manual for details!");
    QString operationDone = QStringLiteral("Operation successfully performed!");

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
    QString captionWarning = QStringLiteral("Warning");

    // Detailed setup
    QString detailedSetupCaption = QStringLiteral("Detailed Setup");
    QString detailedOk = QStringLiteral("OK");
    QString detailedCancel = QStringLiteral("Cancel");
    // A definition line that could not be read: "Error in " + key (or section:step) + CR LF.
    QString detailedErrorIn = QStringLiteral("Error in ");
    // A faulty condition token: "Cond. line " + line + " " + list section + CR LF.
    QString detailedConditionLine = QStringLiteral("Cond. line ");
    // What the output-trim dialogs show and offer when the definition file does not say.
    QString detailedLowerOutputLabel = QStringLiteral("4 mA");
    QString detailedUpperOutputLabel = QStringLiteral("20 mA");
    QString detailedLowerOutputDefault = QStringLiteral("4.00");
    QString detailedUpperOutputDefault = QStringLiteral("20.00");
    QString detailedFixOffValue = QStringLiteral("0.00");
};

const Texts& texts();
void setTexts(const Texts& table);

} // namespace platform
