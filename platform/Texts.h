#pragma once
// The one table of the program's own texts. A program-language module translates it.
#include <QCoreApplication>
#include <QString>

namespace platform {

// Built from the installed translation: a table made after a program language was loaded holds its texts.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)

public:
    // Driver link
    QString ddeConnectionNotFound = tr("DDE connection not found!");
    // %1: the setting's value, %2: why the driver there was not reached.
    QString netPathNotReached = tr("The driver named by the setting NetPath=%1 was not reached: %2");
    QString netPathNamesNoComputer = tr("it names no computer");
    QString driverNotFound = tr("Driver not found!");
    QString exceptInDoMacro = tr("Except in DoMacro.");
    QString commandNotPerformed = tr("Command not performed, try again!");
    // %1: the length of the refused command text, %2: the most the driver takes.
    QString commandTooLong = tr("The command is too long for the driver (%1 characters, at most %2) and was not sent.");
    QString driverStopped = tr("The driver has stopped. Press Read! to start it again.");

    // Sequencer and reply decoder
    QString readingVariables = tr("Reading variables ...");
    QString readingConfiguration = tr("Reading of configuration");
    QString writtenWithErrors = tr("Some errors or warnings occured during writing.\r\nSee the help for details!");
    QString writtenIntoDevice = tr("Changes has been writen into the device!");
    QString testOk = tr("Test OK!");
    QString testFailed = tr("Test Failed!");
    // %1: the flags field of an identity reply that is no number 0..255.
    QString badDeviceFlags = tr("Identity reply refused: device flags \"%1\" are not a number 0..255!");
    // The entry after "Command Error!": %1 the device's response code, %2 what it means.
    QString responseCodeWithMeaning = tr("Response code %1: %2");
    QString responseCodeOnly = tr("Response code %1");
    // What the response codes of the protocol's command tables mean.
    QString rcInvalidSelection = tr("Invalid selection");
    QString rcParameterTooLarge = tr("Passed parameter too large");
    QString rcParameterTooSmall = tr("Passed parameter too small");
    QString rcTooFewDataBytes = tr("Too few data bytes received");
    QString rcDeviceSpecificError = tr("Device-specific command error");
    QString rcWriteProtected = tr("In write protect mode");
    QString rcAccessRestricted = tr("Access restricted");
    QString rcBusy = tr("Device busy");
    QString rcDelayedResponseInitiated = tr("Delayed response initiated");
    QString rcDelayedResponseRunning = tr("Delayed response running");
    QString rcDelayedResponseDead = tr("Delayed response dead");
    QString rcDelayedResponseConflict = tr("Delayed response conflict");
    QString rcNotImplemented = tr("Command not implemented");
    QString rcInvalidPollAddress = tr("Invalid polling address");
    QString rcInvalidLoopCurrentMode = tr("Invalid loop current mode");
    QString rcInvalidDate = tr("Invalid date");
    QString rcLowerRangeTooHigh = tr("Lower range value too high");
    QString rcLowerRangeTooLow = tr("Lower range value too low");
    QString rcUpperRangeTooHigh = tr("Upper range value too high");
    QString rcUpperRangeTooLow = tr("Upper range value too low");
    QString rcRangeValuesOutOfLimits = tr("Upper and lower range values out of limits");
    QString rcInvalidRangeUnits = tr("Invalid range units");
    QString rcInvalidSpan = tr("Invalid span");
    QString rcAppliedProcessTooHigh = tr("Applied process too high");
    QString rcAppliedProcessTooLow = tr("Applied process too low");
    QString rcChangeCounterMismatch = tr("Configuration change counter mismatch");
    QString rcLoopCurrentNotActive = tr("Loop current not active (multidrop mode)");
    QString rcIncorrectLoopCurrent = tr("Incorrect loop current mode or value");
    QString rcInvalidBurstMessage = tr("Invalid burst message");
    QString rcNoBandwidth = tr("No bandwidth available");

    // Reads that cannot be completed. %1: a file, %2: what is wrong with it.
    QString readIncomplete = tr("The configuration of the device could not be read.\r\n%1");
    QString noDefinitionLanguage = tr("No definition-file language is set, so no list of read commands is known.");
    QString commandListNotFound = tr("The list of read commands %1 was not found.");
    QString commandListUnusable = tr("The list of read commands %1 %2.");
    QString fileCannotBeRead = tr("cannot be read: %1");
    QString fileHasNoReadList = tr("has no [READ] list");
    QString definitionUnusable = tr("The definition file %1 %2; the device is read without it.");
    // %1: the definition file looked for, %2: the languages that have one.
    QString definitionInOtherLanguages =
        tr("No definition file %1 in the chosen language, so no Detailed Setup; the device has one in: %2.");

    // Main screen
    QString wrongDateFormat = tr("Wrong format of date!");
    // Said of a list entry that shows the device's own text.
    QString ownEntryDescription = tr("The device's own value: the table has no entry for it, so it cannot be written.");
    QString notStorable = tr("The device stores only letters without accents, digits, blanks and common signs here.");
    QString longTagNotStorable =
        tr("The long tag keeps only the characters that both ISO Latin-1 and Windows-1250 have.");

    // Writing the configuration
    QString noAuthorization = tr("You don't have authorization to do this!");
    QString writeDataFromFile = tr("Do you really want to write data from file in the device?");
    QString noChangesWriteAnyway = tr("There are not any changes! Write anyway?");
    QString writeChangesToDevice =
        tr("Write changes to device?\r\nSwitch controler to manual! Output value may be changes!");
    QString executingCommand = tr("Executing Command ...");
    QString noDeviceConnected = tr("No device connected!");
    QString notCompatibleDevice = tr("Connected not compatible device! Cannot continue!");
    QString cloneConfiguration = tr("Do you really want to clone configuration to this device?");
    QString writingConfiguration = tr("Writing configuration...");
    QString returnToOriginalValues = tr("Do you really want to return to original values?");
    QString valuesRefreshedNotWritten =
        tr("Values was refreshed but not writen!\r\nDo you want to write original values to device?\r\n");
    // The values a write carries, by name, and why a write is refused before anything is sent.
    QString fieldUnits = tr("Units");
    QString fieldTransferFunction = tr("Transfer Function");
    QString fieldLowerRangeValue = tr("Lower Range Value");
    QString fieldUpperRangeValue = tr("Upper Range Value");
    QString fieldDamping = tr("Damping");
    // %1: the value's name, %2: its text.
    QString refusedNoCode = tr("Nothing was written: %1 \"%2\" is not an entry of the list, so there is no code to "
                               "send it with. Choose %1 from the list.");
    QString refusedNotNumber = tr("Nothing was written: %1 \"%2\" is not a number.");
    // %1: the value's name, %2: the value with its unit, %3: the sensor's limit with its unit.
    QString refusedAboveLimit = tr("Nothing was written: %1 %2 is above the sensor's upper limit %3.");
    QString refusedBelowLimit = tr("Nothing was written: %1 %2 is below the sensor's lower limit %3.");
    // %1: the span with its unit, %2: the sensor's minimum span with its unit.
    QString refusedSpan = tr("Nothing was written: the span from Lower Range Value to Upper Range Value, %1, is "
                             "less than the sensor's minimum span %2.");
    QString writeInterrupted =
        tr("The write was interrupted. The device may hold part of the changes: read it again before you go on.");
    QString activityConnected = tr("Connected");
    QString activityModified = tr("Modified");
    QString activityReturned = tr("Returned to initial values");

    // Service and calibration procedures
    QString inputQueryCaption = tr("Input Query");
    QString wrongValue = tr("Wrong Value!");
    QString applyLowerRangeValue = tr("Apply new value of lower range value to input!\r\nThen click to OK button!");
    QString applyUpperRangeValue = tr("Apply new value of upper range value to input!\r\nThen click to OK button!");
    QString applyZero = tr("Apply zero value to input!\r\nThen click to OK button!");
    QString settingLowerRangeValue = tr("Setting lower range value!");
    QString settingUpperRangeValue = tr("Setting upper value...");
    QString zeroing = tr("Zeroing...");
    QString startingTest = tr("Starting test...");
    QString invokingReset = tr("Invoking Reset...");
    QString inputAssemblyNumber = tr("Input New Assembly Number");
    QString enterAddress = tr("Enter Address (0..15)!");
    QString enterTag = tr("Enter Tag!");
    QString searchingTag = tr("Searching Tag ...");
    QString enterCurrentValue = tr("Enter current value!");
    // The unit and the range of a current input: %1 the lowest, %2 the highest current.
    QString currentRange = tr("Loop current in mA, from %1 to %2.");
    QString fixedCurrentRange = tr("Loop current in mA, from %1 to %2; 0 ends the fixed output.");
    // %1: the current typed, %2 and %3: the range allowed.
    QString currentOutOfRange = tr("The loop current %1 mA is outside the range from %2 to %3 mA.");
    // %1: the sensor's lower limit, %2 its upper limit, each with its unit.
    QString sensorLimitsHint = tr("The input must lie within the sensor's limits, from %1 to %2.");
    // %1: the input now applied (the primary variable) with its unit, %2: the sensor's limit.
    QString appliedAboveLimit =
        tr("Nothing was sent: the input applied now, %1, is above the sensor's upper limit %2.");
    QString appliedBelowLimit =
        tr("Nothing was sent: the input applied now, %1, is below the sensor's lower limit %2.");
    // %1: the input now applied, %2: the span it would make, %3: the sensor's minimum span.
    QString appliedSpan = tr("Nothing was sent: with the input applied now, %1, as Upper Range Value the span would be "
                             "%2, less than the sensor's minimum span %3.");
    QString switchToManualLower = tr("Switch controler to manual! Output will be set to lower end value!");
    QString switchToManualUpper = tr("Switch controler to manual! Output will be set to upper end value!");
    QString trimmingLower = tr("Trimming lower value");
    QString trimmingUpper = tr("Trimming upper value");
    QString enterBurstCode = tr("Enter BURST Function Code!");
    QString enableBurst = tr("Do you really want to enable BURST mode?");
    QString disableBurst = tr("Do you really want to disable BURST mode?");
    QString activityChangedLrv = tr("Changed LRV");
    QString activityChangedUrv = tr("Changed URV");
    QString activitySensorZero = tr("Sensor zero trim");
    QString activityAddressChanged = tr("Address changed");
    QString activityDeviceTested = tr("Device tested");
    QString activityDeviceReset = tr("Device reseted");
    QString activityFlagCleared = tr("Cleared \"Conf. changed\" flag");
    QString activityAssemblyNumber = tr("Assembly number changed");
    QString activityFixedOutputOn = tr("Fixed output on");
    QString activityFixedOutputOff = tr("Fixed output off");
    QString activityLowerTrim = tr("Output start trim");
    QString activityUpperTrim = tr("Output end trim");
    QString activityBurstFunction = tr("Set BURST function");
    QString activityBurstOn = tr("BURST mode on");
    QString activityBurstOff = tr("BURST mode off");

    // Settings and the Options dialog
    QString workingFolderError = tr("Eroor creating working directory");
    // %1: a folder, %2: the platform's reason.
    QString folderNotMade = tr("The folder %1 cannot be made: %2");
    QString noUserDefined = tr("Not any user defined, please add user!");
    QString languageAfterRestart = tr("Language will be changed after restart of the program!");
    QString safeAccessWarning =
        tr("WARNING - Check carefully if you are on user list. If not, you'll not be able to use this program!");
    QString activityLogStopped = tr("Log to file stoped");
    QString activityLocationChanged = tr("Location of log files changed");
    QString usersFileName = tr("KWRT-US.PIF");

    // Users and the login
    QString loginCaption = tr("User Login");
    QString loginPrompt = tr("Login:");
    QString passwordPrompt = tr("Password:");
    QString passwordRejected = tr("Password rejected!");
    QString enterUser = tr(
        "Please enter login name, full name and fill in the new and retype pasword edit boxes with the same password!");
    QString loginUsed = tr("Login used, try another login!");
    QString loginTooShort = tr("Login is too short!");
    QString enterFullName = tr("Please enter your full name!");
    QString passwordsDiffer = tr("Paswords are not the same or password is too short!");
    QString userAdded = tr("User successfully added!");
    QString usersFull = tr("All 100 places for users are taken: nothing was added. Remove a user first.");
    QString userRecordTooLong =
        tr("The login, the full name and the password together are too long for the users file: nothing was stored.");
    QString lastUserNeeded =
        tr("The last user cannot be removed while safe access is on: nobody could log in any more.");
    QString usersFileCharacters = tr("The users file keeps only characters of the Windows-1250 code page: change the "
                                     "login, the full name or the password.");
    QString historyLocationNotAbsolute =
        tr("The location of the history files must be a whole folder path beginning with / and without \\: %1 is "
           "not one.");
    QString usersFileUnreadable =
        tr("The users file %1 cannot be read (%2): nobody can be let in, and the program ends.");
    QString enterOldPassword = tr("Enter old password please!");
    QString userChanged = tr("User changed!");
    QString passwordChanged = tr("Password changed!");

    // History files and window
    QString historyIndexFile = tr("VELKOR.IDX");
    QString historyDataFile = tr("VELKOR.DDX");
    // %1: the history file with its folder, %2: the platform's reason.
    QString historyNotRecorded = tr("The activity was not recorded in the history file %1:\r\n%2");
    QString newGroup = tr("new");
    QString activityGroupChanged = tr("Group changed");
    QString headingDate = tr("Date:");
    QString headingUser = tr("User:");
    QString headingActivity = tr("Activity:");
    QString headingType = tr("Type:");
    QString headingManufacturer = tr("Manufacturer:");
    QString headingTag = tr("Tag:");
    QString headingId = tr("ID No: ");
    QString headingGroup = tr("Group:");
    QString headingError = tr("Error:");
    QString databaseNotFound = tr("Database file not found!");
    QString notRecorded = tr("Not recorded in database!");
    QString nothingToCompare = tr("Nothing to compare!");
    QString typeOrSelectGroup = tr("Type or select group!");
    QString groupExists = tr("This group name already exists!");
    QString groupCharacters =
        tr("A group name can hold only characters of the Windows-1250 code page: type it without the others.");
    // %1: the folder of the history files; %2: the platform's reason.
    QString historyFolderUnreadable = tr("The history folder %1 cannot be read: %2");
    QString actualGroup = tr("You have selected actual group of the device!");
    // %1: the data file's path, %2: the language code of the snapshot.
    QString otherDefinitionLanguage =
        tr("File %1 was saved in other language of definition files. Cannot continue! Language code is: %2");
    // %1: the group chosen.
    QString changeGroupTo = tr("Do you want to change group to %1?");
    QString newGroupCaption = tr("New Group");
    QString groupNamePrompt = tr("Group name:");
    QString exportCaption = tr("Export");
    QString exportFilter = tr("CSV file (*.csv)");

    // The trend of the on-line values: the variables as the window and the exported columns name them.
    QString trendTime = tr("Time");
    QString trendPrimaryVariable = tr("Primary Variable");
    QString trendLoopCurrent = tr("Loop Current");
    QString trendPercentOfRange = tr("Percent of Range");
    QString trendSecondaryVariable = tr("Secondary Variable");
    QString trendTertiaryVariable = tr("Tertiary Variable");
    QString trendFourthVariable = tr("Fourth Variable");
    QString trendFixedCurrent = tr("Loop current fixed");
    QString trendNoValues = tr("No values have been read yet. They are recorded while a device is read on-line.");

    // The wire of the driver, in the status bar and in Options. %1: a serial port.
    QString wireSimulated = tr("Wire: simulated devices");
    QString wireSerial = tr("Wire: HART modem on serial port %1");
    // %1: the host, %2: the port, %3: UDP or TCP.
    QString wireHartIp = tr("Wire: HART-IP gateway %1, port %2, %3");
    QString wireDriverSettings = tr("Wire: as the driver's own settings file says");
    QString wireRunningDriver = tr("Wire: that of the driver that was already running");
    // %1: the setting NetPath.
    QString wireNetDriver = tr("Wire: that of the driver on %1");
    QString wireNoDriver = tr("No driver");
    QString wireNeedsPort = tr("Choose or type the serial port of the HART modem.");
    // %1: the host as typed.
    QString wireNeedsHost = tr("\"%1\" is no host name or address of a HART-IP gateway.");
    QString wireKeptByDriver = tr("The driver in use was not started by Tarvik (it was already running, or runs on "
                                  "another computer) and keeps its own wire. The wire chosen is used when Tarvik "
                                  "starts the driver itself.");
    QString wireAfterStop = tr("The driver will be started on the wire chosen once the connection is stopped.");

    // The configuration protocol
    QString protocolTitle = tr("Configuration Protocol");
    QString protocolCommonData = tr("Common Data:");
    QString protocolSensorOutput = tr("Sensor and Output:");
    QString protocolSupplementary = tr("Supplementary Data:");
    QString protocolConfiguredBy = tr("Configured by:");
    QString protocolDate = tr("Date:");
    // %1: the program's name, %2: its version.
    QString protocolPrintedBy = tr("Printed by %1, version %2");
    QString protocolNote = tr("Note: ");
    QString protocolManufacturer = tr("Manufacturer:");
    QString protocolType = tr("Type:");
    QString protocolId = tr("ID No: ");
    QString protocolRevision = tr("Revison:");
    QString protocolSerialNo = tr("Serial No:");
    QString protocolTag = tr("Tag:");
    QString protocolSensorSerialNo = tr("Sensor Serial No:");
    QString protocolDescriptor = tr("Descriptor:");
    QString protocolAddress = tr("Address:");
    QString protocolDateOfDevice = tr("Date:");
    QString protocolMessage = tr("Message:");
    QString protocolLongTag = tr("Long Tag:");
    QString protocolLowerRangeLimit = tr("Lower Range Limit:");
    QString protocolStartOfRange = tr("Start of Range:");
    QString protocolUpperRangeLimit = tr("Upper Range Limit:");
    QString protocolEndOfRange = tr("End of Range:");
    QString protocolMinimumSpan = tr("Minimum Span:");
    QString protocolDamping = tr("Damping:");
    QString protocolSecurity = tr("Security:");
    QString protocolTransferFunction = tr("Transfer Function:");
    QString protocolErrorSignal = tr("Error Signal:");
    QString printing = tr("Printing...");
    // %1: the printer or the file printed into.
    QString printerFailed = tr("Printing on %1 could not be started.");

    // Configuration files. %1: the file's full name.
    QString openCaption = tr("Open");
    QString saveCaption = tr("Save");
    QString openFilter = tr("HART file (*.htf)");
    QString saveFilter = tr("HART3.0 file (*.htf)");
    QString fileUnreadable = tr("File %1 unreadable!");
    QString fileNotWritten = tr("File %1 cannot be writen!");
    QString oldFileWarning = tr("Old file HART 2.x, not all parameters can be converted!");
    QString oldestFile = tr("File %1 is a HART 1.x file: its contents cannot be converted, nothing was opened.");

    // Opening the detailed setup and running its methods
    QString cancelChanges = tr("Do you really want to cancel changes?");
    QString writeNow = tr("Configuration changed! You should immediately write changes into transmitter! Write now?");
    QString wrongConfiguration = tr("Wrong configuration! Try to select another combination of parameters!");
    QString performOperation =
        tr("Do you really want to perform this operation? Configuration of the device CANNOT BE RETURNED!");
    QString operationFailed = tr("Some errors or warnings occured. Operation was not successfully "
                                 "performed!\r\nSee the help or device manual for details!");
    QString operationDone = tr("Operation successfully performed!");
    QString operationInterrupted = tr(
        "The operation was interrupted. The device may have carried out part of it: read it again before you go on.");

    // Main window
    QString changesNotSavedInDevice = tr("Changes are not saved in device! Do you really want to disconnect?");
    QString stopCommunicationFirst = tr("At first stop communication, please!");
    QString changesNotSaved = tr("Changes are not saved! Do you really want to close the program?");
    QString programCaption = tr("Tarvik");
    QString helpFileName = tr("tarvik_en.html");
    QString helpNotOpened = tr("Help was not opened, file not found.");

    // Dialog captions
    QString captionInformation = tr("Information");
    QString captionConfirm = tr("Confirm");
    QString captionError = tr("Error");
    QString captionWarning = tr("Warning");

    // Detailed setup
    QString detailedSetupCaption = tr("Detailed Setup");
    QString detailedOk = tr("OK");
    QString detailedCancel = tr("Cancel");
    // A definition line that could not be read: "Error in " + key (or section:step) + CR LF.
    QString detailedErrorIn = tr("Error in ");
    // A faulty condition token: "Cond. line " + line + " " + list section + CR LF.
    QString detailedConditionLine = tr("Cond. line ");
    // What the output-trim dialogs show and offer when the definition file does not say.
    QString detailedLowerOutputLabel = tr("4 mA");
    QString detailedUpperOutputLabel = tr("20 mA");
    QString detailedLowerOutputDefault = tr("4.00");
    QString detailedUpperOutputDefault = tr("20.00");
    QString detailedFixOffValue = tr("0.00");

    // Scan of the loop
    QString scanningLoop = tr("Scanning the loop ...");
    QString scanStopsConnection = tr("Scanning the loop ends the connection with the device. Scan now?");
    // %1: the polling address asked now, %2: the last one the scan asks.
    QString scanAsking = tr("Asking polling address %1 of 0..%2 ...");
    // %1: how many devices answered.
    QString scanFinished = tr("Scan finished. Devices found: %1");
    // %1: the polling address at which the scan was stopped.
    QString scanStopped = tr("The scan was stopped at polling address %1.");
    QString scanNotFinished = tr("The scan was not finished.");
    // %1: the polling addresses, "3, 7".
    QString scanSameDevice = tr("The same device answers at polling addresses %1: check the addresses of the loop.");
    // A history entry of 32 characters at most; %1: how many devices answered.
    QString activityLoopScanned = tr("Loop scanned, devices found: %1");

    // Calibration check
    // %1: what the driver said.
    QString benchFailed = tr("The simulated bench did not do it: %1");
    QString checkNoRange = tr("The device's range is not known: read the device first.");
    // %1, %2: the names of the linear and square root transfer functions, %3: the device's.
    QString checkTransferFunction =
        tr("The check works out the expected current for the transfer functions %1 and %2 only, not for %3.");
    QString checkConnectionStopped = tr("The connection stopped: the check was ended.");
    QString checkProcedureRan = tr("A procedure took the device during the check: the check was ended.");
    // An option code of a device that the definition file's list does not name.
    QString unknownOption = tr("Unknown (%1)");
    QString checkRunning = tr("A check is running.");
    QString checkNotOnline = tr("The check needs the device read on-line: press Read! first.");
    QString checkCurrentFixed = tr("The loop current is fixed: exit fixed output status first.");
    QString checkNoPoints = tr("The check needs test points and a tolerance above 0.");
    QString checkNoCurrent = tr("The device gave no loop current.");
    // A history entry of 32 characters at most.
    QString activityCalibrationCheck = tr("Calibration check");
    QString checkPointsInvalid =
        tr("The test points are percentages of the range from -25 to 125, separated by commas.");
    // %1: what was typed.
    QString notANumber = tr("\"%1\" is not a number.");
    // %1: the input to apply, %2: its unit.
    QString applyCheckInput = tr("Apply %1 %2 and type the input the calibrator shows:");
    QString typeMeterCurrent = tr("Type the loop current the meter in the loop shows (mA):");
    // %1: the calibration file.
    QString checkSaved = tr("The check was saved in %1.");
    // The tables of a check and its certificate; %1: a number.
    QString checkPoint = tr("Point %");
    QString checkApplied = tr("Applied");
    QString checkPv = tr("PV");
    QString checkPvError = tr("PV error %");
    QString checkExpected = tr("Expected mA");
    QString checkCurrent = tr("Current mA");
    QString checkCurrentError = tr("Current error %");
    QString checkResult = tr("Result");
    QString checkPass = tr("Pass");
    QString checkFail = tr("Fail");
    QString checkLinear = tr("linear");
    QString checkSquareRoot = tr("square root");
    QString checkPercentOfSpan = tr("%1 % of span");
    QString checkAsFound = tr("As found");
    QString checkAsLeft = tr("As left");
    QString checkNotMade = tr("Not made.");
    QString checkStopped = tr("Stopped before its last point.");
    QString checkOutcome = tr("Result: %1");
    QString checkLargest = tr("Largest error: %1 % of span");
    QString certificateTitle = tr("Calibration Certificate");
    QString certificateDevice = tr("Device");
    QString certificateManufacturer = tr("Manufacturer, type:");
    QString certificateUniqueId = tr("Unique identifier:");
    QString certificateTag = tr("Tag:");
    QString certificateLongTag = tr("Long tag:");
    QString certificateRangeFound = tr("Range as found:");
    QString certificateRangeLeft = tr("Range as left:");
    QString certificateTolerance = tr("Tolerance:");
    QString certificateCalibrator = tr("Calibrator");
    QString certificateCalibratorUsed = tr("Make, serial number:");
    QString certificateCalibratorCertificate = tr("Certificate, due date:");
    QString certificateAmbient = tr("Ambient conditions:");
    QString certificateTechnician = tr("Technician:");
    QString certificateDate = tr("Date:");
    QString certificateNextDue = tr("Next check due:");

    // The main window
    // %1: the name of the configuration file opened or saved last.
    QString programCaptionWithFile = tr("Tarvik - %1");
    // %1: the loop current the device is fixed at.
    QString loopCurrentFixed = tr("Loop current fixed at %1 mA");
    // %1: why the settings file could not be written.
    QString recentFilesNotSaved = tr("The list of recent files was not saved: %1");
};

const Texts& texts();
void setTexts(const Texts& table);

} // namespace platform
