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
    QString driverStopped = QStringLiteral("The driver has stopped. Press Read! to start it again.");

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

    // Reads that cannot be completed. %1: a file, %2: what is wrong with it.
    QString readIncomplete = QStringLiteral("The configuration of the device could not be read.\r\n%1");
    QString noDefinitionLanguage =
        QStringLiteral("No definition-file language is set, so no list of read commands is known.");
    QString commandListNotFound = QStringLiteral("The list of read commands %1 was not found.");
    QString commandListUnusable = QStringLiteral("The list of read commands %1 %2.");
    QString fileCannotBeRead = QStringLiteral("cannot be read: %1");
    QString fileHasNoReadList = QStringLiteral("has no [READ] list");
    QString definitionUnusable = QStringLiteral("The definition file %1 %2; the device is read without it.");

    // Main screen
    QString wrongDateFormat = QStringLiteral("Wrong format of date!");
    QString notStorable =
        QStringLiteral("The device stores only letters without accents, digits, blanks and common signs here.");

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
    QString writeInterrupted = QStringLiteral(
        "The write was interrupted. The device may hold part of the changes: read it again before you go on.");
    QString activityConnected = QStringLiteral("Connected");
    QString activityModified = QStringLiteral("Modified");
    QString activityReturned = QStringLiteral("Returned to initial values");

    // Service and calibration procedures
    QString inputQueryCaption = QStringLiteral("Input Query");
    QString wrongValue = QStringLiteral("Wrong Value!");
    QString applyLowerRangeValue =
        QStringLiteral("Apply new value of lower range value to input!\r\nThen click to OK button!");
    QString applyUpperRangeValue =
        QStringLiteral("Apply new value of upper range value to input!\r\nThen click to OK button!");
    QString applyZero = QStringLiteral("Apply zero value to input!\r\nThen click to OK button!");
    QString settingLowerRangeValue = QStringLiteral("Setting lower range value!");
    QString settingUpperRangeValue = QStringLiteral("Setting upper value...");
    QString zeroing = QStringLiteral("Zeroing...");
    QString startingTest = QStringLiteral("Starting test...");
    QString invokingReset = QStringLiteral("Invoking Reset...");
    QString inputAssemblyNumber = QStringLiteral("Input New Assembly Number");
    QString enterAddress = QStringLiteral("Enter Address (0..15)!");
    QString enterTag = QStringLiteral("Enter Tag!");
    QString searchingTag = QStringLiteral("Searching Tag ...");
    QString enterCurrentValue = QStringLiteral("Enter current value!");
    QString switchToManualLower = QStringLiteral("Switch controler to manual! Output will be set to lower end value!");
    QString switchToManualUpper = QStringLiteral("Switch controler to manual! Output will be set to upper end value!");
    QString trimmingLower = QStringLiteral("Trimming lower value");
    QString trimmingUpper = QStringLiteral("Trimming upper value");
    QString enterBurstCode = QStringLiteral("Enter BURST Function Code!");
    QString enableBurst = QStringLiteral("Do you really want to enable BURST mode?");
    QString disableBurst = QStringLiteral("Do you really want to disable BURST mode?");
    QString activityChangedLrv = QStringLiteral("Changed LRV");
    QString activityChangedUrv = QStringLiteral("Changed URV");
    QString activitySensorZero = QStringLiteral("Sensor zero trim");
    QString activityAddressChanged = QStringLiteral("Address changed");
    QString activityDeviceTested = QStringLiteral("Device tested");
    QString activityDeviceReset = QStringLiteral("Device reseted");
    QString activityFlagCleared = QStringLiteral("Cleared \"Conf. changed\" flag");
    QString activityAssemblyNumber = QStringLiteral("Assembly number changed");
    QString activityFixedOutputOn = QStringLiteral("Fixed output on");
    QString activityFixedOutputOff = QStringLiteral("Fixed output off");
    QString activityLowerTrim = QStringLiteral("Output start trim");
    QString activityUpperTrim = QStringLiteral("Output end trim");
    QString activityBurstFunction = QStringLiteral("Set BURST function");
    QString activityBurstOn = QStringLiteral("BURST mode on");
    QString activityBurstOff = QStringLiteral("BURST mode off");

    // Configuration files. %1: the file's full name.
    QString openCaption = QStringLiteral("Open");
    QString saveCaption = QStringLiteral("Save");
    QString openFilter = QStringLiteral("HART file (*.htf)");
    QString saveFilter = QStringLiteral("HART3.0 file (*.htf)");
    QString fileUnreadable = QStringLiteral("File %1 unreadable!");
    QString fileNotWritten = QStringLiteral("File %1 cannot be writen!");
    QString oldFileWarning = QStringLiteral("Old file HART 2.x, not all parameters can be converted!");
    QString oldestFile =
        QStringLiteral("File %1 is a HART 1.x file: its contents cannot be converted, nothing was opened.");

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
    QString operationInterrupted = QStringLiteral(
        "The operation was interrupted. The device may have carried out part of it: read it again before you go on.");

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
