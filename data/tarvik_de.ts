<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>HistoryStore</name>
    <message>
        <source>The file was cut short while it was read.</source>
        <translation>Die Datei endete beim Lesen vorzeitig.</translation>
    </message>
    <message>
        <source>The entry has no snapshot.</source>
        <translation>Der Eintrag hat keine gespeicherte Konfiguration.</translation>
    </message>
    <message>
        <source>The data file holds no snapshot %1.</source>
        <translation>Die Datendatei enthält keine gespeicherte Konfiguration %1.</translation>
    </message>
    <message>
        <source>The snapshot is another device&apos;s: the data file was changed after the entry was recorded.</source>
        <translation>Die gespeicherte Konfiguration gehört zu einem anderen Gerät: Die Datendatei wurde nach dem Eintrag geändert.</translation>
    </message>
</context>
<context>
    <name>MainWindowLayout</name>
    <message>
        <source>Tarvik</source>
        <translation>Tarvik</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Initialization by Tag</source>
        <translation>Initialisierung über Messstellenbezeichnung</translation>
    </message>
    <message>
        <source>Initialization by Address</source>
        <translation>Initialisierung über Adresse</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Messbereichsanfang</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Messbereichsende</translation>
    </message>
    <message>
        <source>Sensor Zeroing</source>
        <translation>Sensor-Nullpunktabgleich</translation>
    </message>
    <message>
        <source>Address Changing</source>
        <translation>Adressänderung</translation>
    </message>
    <message>
        <source>Detailed Setup</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Back to Initial Values</source>
        <translation>Zurück zu den ursprünglichen Werten</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Device Test</source>
        <translation>Gerätetest</translation>
    </message>
    <message>
        <source>Device Reset</source>
        <translation>Geräte-Reset</translation>
    </message>
    <message>
        <source>Clear Configuration Changed Flag</source>
        <translation>Flag „Konfiguration geändert“ zurücksetzen</translation>
    </message>
    <message>
        <source>Write Final Assembly Number</source>
        <translation>Endmontagenummer schreiben</translation>
    </message>
    <message>
        <source>Enter Fixed Output Status (LoopTest)</source>
        <translation>Festen Ausgangsstrom vorgeben (Schleifentest)</translation>
    </message>
    <message>
        <source>Exit Fixed Output Status</source>
        <translation>Festen Ausgangsstrom aufheben</translation>
    </message>
    <message>
        <source>Trim DAC Lower Output Value</source>
        <translation>DAC-Abgleich unterer Ausgangswert</translation>
    </message>
    <message>
        <source>Trim DAC Upper Output Value</source>
        <translation>DAC-Abgleich oberer Ausgangswert</translation>
    </message>
    <message>
        <source>Set Burst Function</source>
        <translation>Burst-Funktion einstellen</translation>
    </message>
    <message>
        <source>Enter Burst Mode</source>
        <translation>Burst-Modus einschalten</translation>
    </message>
    <message>
        <source>Exit Burst mode</source>
        <translation>Burst-Modus ausschalten</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über das Programm ...</translation>
    </message>
    <message>
        <source>Distributor:</source>
        <translation>Vertrieb:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Expanded Device Type:</source>
        <translation>Erweiterter Gerätetyp:</translation>
    </message>
    <message>
        <source>Revision:</source>
        <translation>Revision:</translation>
    </message>
    <message>
        <source>Universal Revision:</source>
        <translation>Universal-Revision:</translation>
    </message>
    <message>
        <source>Unique Identifier:</source>
        <translation>Eindeutige Kennung:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Sensor Serial No:</source>
        <translation>Sensor-Seriennummer:</translation>
    </message>
    <message>
        <source>Upper Range Limit:</source>
        <translation>Obere Sensorgrenze:</translation>
    </message>
    <message>
        <source>Lower Range Limit:</source>
        <translation>Untere Sensorgrenze:</translation>
    </message>
    <message>
        <source>Minimum Span:</source>
        <translation>Minimale Messspanne:</translation>
    </message>
    <message>
        <source>Alarm Signaling:</source>
        <translation>Alarmsignalisierung:</translation>
    </message>
    <message>
        <source>Write Protection:</source>
        <translation>Schreibschutz:</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Messbereichsanfang:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Messbereichsende:</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Dämpfung:</translation>
    </message>
    <message>
        <source>Transfer Function:</source>
        <translation>Übertragungsfunktion:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Messstellenbezeichnung:</translation>
    </message>
    <message>
        <source>Descriptor:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Long Tag:</source>
        <translation>Lange Messstellenbezeichnung:</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>On-line Values</source>
        <translation>Online-Werte</translation>
    </message>
    <message>
        <source>Polling Address:</source>
        <translation>Polling-Adresse:</translation>
    </message>
    <message>
        <source>Primary Variable:</source>
        <translation>Primärvariable:</translation>
    </message>
    <message>
        <source>Output Current:</source>
        <translation>Ausgangsstrom:</translation>
    </message>
    <message>
        <source>% Output:</source>
        <translation>Ausgang in %:</translation>
    </message>
    <message>
        <source>Secondary Variable:</source>
        <translation>Sekundärvariable:</translation>
    </message>
    <message>
        <source>Tertiary Variable:</source>
        <translation>Tertiärvariable:</translation>
    </message>
    <message>
        <source>Fourth Variable:</source>
        <translation>Quartärvariable:</translation>
    </message>
    <message>
        <source>Device Status Messages</source>
        <translation>Gerätestatusmeldungen</translation>
    </message>
    <message>
        <source>Device Error Messages</source>
        <translation>Gerätefehlermeldungen</translation>
    </message>
    <message>
        <source>Program Status Messages</source>
        <translation>Programmstatusmeldungen</translation>
    </message>
    <message>
        <source>Read!</source>
        <translation>Lesen!</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Stopp!</translation>
    </message>
    <message>
        <source>Write in device!</source>
        <translation>Ins Gerät schreiben!</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Scan Loop...</source>
        <translation>Schleife absuchen...</translation>
    </message>
    <message>
        <source>Calibration Check...</source>
        <translation>Kalibrierprüfung...</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Tarvik</source>
        <translation>Über Tarvik</translation>
    </message>
    <message>
        <source>Tarvik</source>
        <translation>Tarvik</translation>
    </message>
    <message>
        <source>Configurator for HART field instruments</source>
        <translation>Konfigurationsprogramm für HART-Feldgeräte</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TCekej</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Wait until the command will be done!</source>
        <translation>Bitte warten, bis der Befehl ausgeführt ist!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>TDatabase</name>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein Filter</translation>
    </message>
    <message>
        <source>Selected device</source>
        <translation>Ausgewähltes Gerät</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Search in GROUP column </source>
        <translation>In Spalte GRUPPE suchen </translation>
    </message>
    <message>
        <source>Search in TAG column</source>
        <translation>In Spalte MESSSTELLE suchen</translation>
    </message>
    <message>
        <source>Search in USER column</source>
        <translation>In Spalte BENUTZER suchen</translation>
    </message>
    <message>
        <source>Apply!</source>
        <translation>Anwenden!</translation>
    </message>
    <message>
        <source>Add new group!</source>
        <translation>Neue Gruppe hinzufügen!</translation>
    </message>
    <message>
        <source>Change group!</source>
        <translation>Gruppe ändern!</translation>
    </message>
    <message>
        <source>Show!</source>
        <translation>Anzeigen!</translation>
    </message>
    <message>
        <source>Compare!</source>
        <translation>Vergleichen!</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Groups:</source>
        <translation>Gruppen:</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>TLoopScan</name>
    <message>
        <source>Scan Loop</source>
        <translation>Schleife absuchen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Unique Identifier</source>
        <translation>Eindeutige Kennung</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <source>Long Tag</source>
        <translation>Lange Messstelle</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Common Parameters</source>
        <translation>Allgemeine Parameter</translation>
    </message>
    <message>
        <source>Administration of Users</source>
        <translation>Benutzerverwaltung</translation>
    </message>
    <message>
        <source>Close driver when communicator exits</source>
        <translation>Treiber beim Beenden des Programms schließen</translation>
    </message>
    <message>
        <source>Safe access with password</source>
        <translation>Geschützter Zugang mit Passwort</translation>
    </message>
    <message>
        <source>Log changes to history file</source>
        <translation>Änderungen in der Historiendatei protokollieren</translation>
    </message>
    <message>
        <source>Language of the program </source>
        <translation>Sprache des Programms </translation>
    </message>
    <message>
        <source>Language of definition files (*.ddf)</source>
        <translation>Sprache der Definitionsdateien (*.ddf)</translation>
    </message>
    <message>
        <source>Location of history log files:</source>
        <translation>Speicherort der Historiendateien:</translation>
    </message>
    <message>
        <source>Net path to driver if netdde is used:</source>
        <translation>Netzwerkpfad zum Treiber bei Verwendung von NetDDE:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read only access</source>
        <translation>Nur Lesezugriff</translation>
    </message>
    <message>
        <source>Add New User</source>
        <translation>Neuen Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Benutzer entfernen</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Retype password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>The loop has HART 6/7 devices (Scan Loop asks polling addresses 0..63)</source>
        <translation>Die Schleife hat HART-6/7-Geräte (die Suche fragt die Polling-Adressen 0..63 ab)</translation>
    </message>
</context>
<context>
    <name>TTiskEdit</name>
    <message>
        <source>Note and Signature</source>
        <translation>Notiz und Unterschrift</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Configured by:</source>
        <translation>&amp;Konfiguriert von:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>DDE connection not found!</source>
        <translation>DDE-Verbindung nicht gefunden!</translation>
    </message>
    <message>
        <source>The driver named by the setting NetPath=%1 was not reached: %2</source>
        <translation>Der durch die Einstellung NetPath=%1 benannte Treiber wurde nicht erreicht: %2</translation>
    </message>
    <message>
        <source>it names no computer</source>
        <translation>sie nennt keinen Rechner</translation>
    </message>
    <message>
        <source>Driver not found!</source>
        <translation>Treiber nicht gefunden!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Ausnahme in DoMacro.</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Befehl nicht ausgeführt, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>The command is too long for the driver (%1 characters, at most %2) and was not sent.</source>
        <translation>Der Befehl ist für den Treiber zu lang (%1 Zeichen, höchstens %2) und wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The driver has stopped. Press Read! to start it again.</source>
        <translation>Der Treiber wurde beendet. Mit „Lesen!“ starten Sie ihn erneut.</translation>
    </message>
    <message>
        <source>Reading variables ...</source>
        <translation>Variablen werden gelesen ...</translation>
    </message>
    <message>
        <source>Reading of configuration</source>
        <translation>Konfiguration wird gelesen</translation>
    </message>
    <message>
        <source>Some errors or warnings occured during writing.<byte value="xd"/>
See the help for details!</source>
        <translation>Beim Schreiben sind Fehler oder Warnungen aufgetreten.<byte value="xd"/>
Einzelheiten finden Sie in der Hilfe!</translation>
    </message>
    <message>
        <source>Changes has been writen into the device!</source>
        <translation>Die Änderungen wurden ins Gerät geschrieben!</translation>
    </message>
    <message>
        <source>Test OK!</source>
        <translation>Test erfolgreich!</translation>
    </message>
    <message>
        <source>Test Failed!</source>
        <translation>Test fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Identity reply refused: device flags &quot;%1&quot; are not a number 0..255!</source>
        <translation>Identifikationsantwort abgewiesen: Die Geräte-Flags „%1“ sind keine Zahl im Bereich 0..255!</translation>
    </message>
    <message>
        <source>The configuration of the device could not be read.<byte value="xd"/>
%1</source>
        <translation>Die Konfiguration des Geräts konnte nicht gelesen werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No definition-file language is set, so no list of read commands is known.</source>
        <translation>Es ist keine Sprache der Definitionsdateien eingestellt, daher ist keine Liste der Lesebefehle bekannt.</translation>
    </message>
    <message>
        <source>The list of read commands %1 was not found.</source>
        <translation>Die Liste der Lesebefehle %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The list of read commands %1 %2.</source>
        <translation>Die Liste der Lesebefehle %1 %2.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>has no [READ] list</source>
        <translation>enthält keine [READ]-Liste</translation>
    </message>
    <message>
        <source>The definition file %1 %2; the device is read without it.</source>
        <translation>Die Definitionsdatei %1 %2; das Gerät wird ohne sie gelesen.</translation>
    </message>
    <message>
        <source>No definition file %1 in the chosen language, so no Detailed Setup; the device has one in: %2.</source>
        <translation>Keine Definitionsdatei %1 in der gewählten Sprache, daher fehlt die Seite „Erweiterte Einstellungen“; das Gerät hat eine in: %2.</translation>
    </message>
    <message>
        <source>Wrong format of date!</source>
        <translation>Falsches Datumsformat!</translation>
    </message>
    <message>
        <source>The device stores only letters without accents, digits, blanks and common signs here.</source>
        <translation>Das Gerät speichert in diesem Feld nur Buchstaben ohne Akzente und Umlaute, Ziffern, Leerzeichen und gängige Zeichen.</translation>
    </message>
    <message>
        <source>The long tag keeps only the characters that both ISO Latin-1 and Windows-1250 have.</source>
        <translation>Die lange Messstellenbezeichnung behält nur Zeichen, die ISO Latin-1 und Windows-1250 beide haben.</translation>
    </message>
    <message>
        <source>You don&apos;t have authorization to do this!</source>
        <translation>Sie sind hierzu nicht berechtigt!</translation>
    </message>
    <message>
        <source>Do you really want to write data from file in the device?</source>
        <translation>Möchten Sie die Daten aus der Datei wirklich ins Gerät schreiben?</translation>
    </message>
    <message>
        <source>There are not any changes! Write anyway?</source>
        <translation>Es liegen keine Änderungen vor! Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Write changes to device?<byte value="xd"/>
Switch controler to manual! Output value may be changes!</source>
        <translation>Änderungen ins Gerät schreiben?<byte value="xd"/>
Regler auf Handbetrieb schalten! Der Ausgangswert kann sich ändern!</translation>
    </message>
    <message>
        <source>Executing Command ...</source>
        <translation>Befehl wird ausgeführt ...</translation>
    </message>
    <message>
        <source>No device connected!</source>
        <translation>Kein Gerät verbunden!</translation>
    </message>
    <message>
        <source>Connected not compatible device! Cannot continue!</source>
        <translation>Nicht kompatibles Gerät verbunden! Fortfahren nicht möglich!</translation>
    </message>
    <message>
        <source>Do you really want to clone configuration to this device?</source>
        <translation>Möchten Sie die Konfiguration wirklich in dieses Gerät übernehmen?</translation>
    </message>
    <message>
        <source>Writing configuration...</source>
        <translation>Konfiguration wird geschrieben...</translation>
    </message>
    <message>
        <source>Do you really want to return to original values?</source>
        <translation>Möchten Sie wirklich zu den ursprünglichen Werten zurückkehren?</translation>
    </message>
    <message>
        <source>Values was refreshed but not writen!<byte value="xd"/>
Do you want to write original values to device?<byte value="xd"/>
</source>
        <translation>Die Werte wurden wiederhergestellt, aber nicht geschrieben!<byte value="xd"/>
Möchten Sie die ursprünglichen Werte ins Gerät schreiben?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The write was interrupted. The device may hold part of the changes: read it again before you go on.</source>
        <translation>Der Schreibvorgang wurde unterbrochen. Das Gerät kann einen Teil der Änderungen enthalten: Lesen Sie es erneut, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Konfiguration geändert</translation>
    </message>
    <message>
        <source>Returned to initial values</source>
        <translation>Zurück zu den Ursprungswerten</translation>
    </message>
    <message>
        <source>Input Query</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Wrong Value!</source>
        <translation>Ungültiger Wert!</translation>
    </message>
    <message>
        <source>Apply new value of lower range value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Neuen Messbereichsanfang am Eingang anlegen!<byte value="xd"/>
Dann auf OK klicken!</translation>
    </message>
    <message>
        <source>Apply new value of upper range value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Neues Messbereichsende am Eingang anlegen!<byte value="xd"/>
Dann auf OK klicken!</translation>
    </message>
    <message>
        <source>Apply zero value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Nullwert am Eingang anlegen!<byte value="xd"/>
Dann auf OK klicken!</translation>
    </message>
    <message>
        <source>Setting lower range value!</source>
        <translation>Messbereichsanfang wird eingestellt!</translation>
    </message>
    <message>
        <source>Setting upper value...</source>
        <translation>Messbereichsende wird eingestellt...</translation>
    </message>
    <message>
        <source>Zeroing...</source>
        <translation>Nullpunktabgleich...</translation>
    </message>
    <message>
        <source>Starting test...</source>
        <translation>Test wird gestartet...</translation>
    </message>
    <message>
        <source>Invoking Reset...</source>
        <translation>Reset wird ausgeführt...</translation>
    </message>
    <message>
        <source>Input New Assembly Number</source>
        <translation>Neue Endmontagenummer eingeben</translation>
    </message>
    <message>
        <source>Enter Address (0..15)!</source>
        <translation>Adresse eingeben (0..15)!</translation>
    </message>
    <message>
        <source>Enter Tag!</source>
        <translation>Messstellenbezeichnung eingeben!</translation>
    </message>
    <message>
        <source>Searching Tag ...</source>
        <translation>Messstellenbezeichnung wird gesucht ...</translation>
    </message>
    <message>
        <source>Enter current value!</source>
        <translation>Stromwert eingeben!</translation>
    </message>
    <message>
        <source>Switch controler to manual! Output will be set to lower end value!</source>
        <translation>Regler auf Handbetrieb schalten! Der Ausgang wird auf den unteren Endwert gesetzt!</translation>
    </message>
    <message>
        <source>Switch controler to manual! Output will be set to upper end value!</source>
        <translation>Regler auf Handbetrieb schalten! Der Ausgang wird auf den oberen Endwert gesetzt!</translation>
    </message>
    <message>
        <source>Trimming lower value</source>
        <translation>Abgleich des unteren Werts</translation>
    </message>
    <message>
        <source>Trimming upper value</source>
        <translation>Abgleich des oberen Werts</translation>
    </message>
    <message>
        <source>Enter BURST Function Code!</source>
        <translation>BURST-Funktionscode eingeben!</translation>
    </message>
    <message>
        <source>Do you really want to enable BURST mode?</source>
        <translation>Möchten Sie den BURST-Modus wirklich einschalten?</translation>
    </message>
    <message>
        <source>Do you really want to disable BURST mode?</source>
        <translation>Möchten Sie den BURST-Modus wirklich ausschalten?</translation>
    </message>
    <message>
        <source>Changed LRV</source>
        <translation>Messbereichsanfang geändert</translation>
    </message>
    <message>
        <source>Changed URV</source>
        <translation>Messbereichsende geändert</translation>
    </message>
    <message>
        <source>Sensor zero trim</source>
        <translation>Sensor-Nullpunktabgleich</translation>
    </message>
    <message>
        <source>Address changed</source>
        <translation>Adresse geändert</translation>
    </message>
    <message>
        <source>Device tested</source>
        <translation>Gerät getestet</translation>
    </message>
    <message>
        <source>Device reseted</source>
        <translation>Gerät zurückgesetzt</translation>
    </message>
    <message>
        <source>Cleared &quot;Conf. changed&quot; flag</source>
        <translation>Flag „Konf. geändert“ gelöscht</translation>
    </message>
    <message>
        <source>Assembly number changed</source>
        <translation>Endmontagenummer geändert</translation>
    </message>
    <message>
        <source>Fixed output on</source>
        <translation>Fester Ausgangsstrom ein</translation>
    </message>
    <message>
        <source>Fixed output off</source>
        <translation>Fester Ausgangsstrom aus</translation>
    </message>
    <message>
        <source>Output start trim</source>
        <translation>Abgleich Ausgangsanfang</translation>
    </message>
    <message>
        <source>Output end trim</source>
        <translation>Abgleich Ausgangsende</translation>
    </message>
    <message>
        <source>Set BURST function</source>
        <translation>BURST-Funktion eingestellt</translation>
    </message>
    <message>
        <source>BURST mode on</source>
        <translation>BURST-Modus ein</translation>
    </message>
    <message>
        <source>BURST mode off</source>
        <translation>BURST-Modus aus</translation>
    </message>
    <message>
        <source>Eroor creating working directory</source>
        <translation>Fehler beim Anlegen des Arbeitsverzeichnisses</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Not any user defined, please add user!</source>
        <translation>Kein Benutzer angelegt, bitte einen Benutzer hinzufügen!</translation>
    </message>
    <message>
        <source>Language will be changed after restart of the program!</source>
        <translation>Die Sprache wird nach einem Neustart des Programms gewechselt!</translation>
    </message>
    <message>
        <source>WARNING - Check carefully if you are on user list. If not, you&apos;ll not be able to use this program!</source>
        <translation>WARNUNG – Prüfen Sie sorgfältig, ob Sie in der Benutzerliste stehen. Andernfalls können Sie dieses Programm nicht verwenden!</translation>
    </message>
    <message>
        <source>Log to file stoped</source>
        <translation>Protokollierung in Datei beendet</translation>
    </message>
    <message>
        <source>Location of log files changed</source>
        <translation>Historien-Speicherort geändert</translation>
    </message>
    <message>
        <source>KWRT-US.PIF</source>
        <translation>KWRT-US.PIF</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>HART file (*.htf)</source>
        <translation>HART-Datei (*.htf)</translation>
    </message>
    <message>
        <source>HART3.0 file (*.htf)</source>
        <translation>HART3.0-Datei (*.htf)</translation>
    </message>
    <message>
        <source>File %1 unreadable!</source>
        <translation>Datei %1 kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>File %1 cannot be writen!</source>
        <translation>Datei %1 kann nicht geschrieben werden!</translation>
    </message>
    <message>
        <source>Old file HART 2.x, not all parameters can be converted!</source>
        <translation>Alte HART-2.x-Datei, nicht alle Parameter können konvertiert werden!</translation>
    </message>
    <message>
        <source>File %1 is a HART 1.x file: its contents cannot be converted, nothing was opened.</source>
        <translation>Die Datei %1 ist eine HART-1.x-Datei: Der Inhalt kann nicht konvertiert werden, es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>Do you really want to cancel changes?</source>
        <translation>Möchten Sie die Änderungen wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Configuration changed! You should immediately write changes into transmitter! Write now?</source>
        <translation>Konfiguration geändert! Die Änderungen sollten sofort in den Messumformer geschrieben werden! Jetzt schreiben?</translation>
    </message>
    <message>
        <source>Wrong configuration! Try to select another combination of parameters!</source>
        <translation>Ungültige Konfiguration! Versuchen Sie, eine andere Kombination von Parametern zu wählen!</translation>
    </message>
    <message>
        <source>Do you really want to perform this operation? Configuration of the device CANNOT BE RETURNED!</source>
        <translation>Möchten Sie diese Operation wirklich ausführen? Die bisherige Gerätekonfiguration KANN NICHT WIEDERHERGESTELLT WERDEN!</translation>
    </message>
    <message>
        <source>Some errors or warnings occured. Operation was not successfully performed!<byte value="xd"/>
See the help or device manual for details!</source>
        <translation>Es sind Fehler oder Warnungen aufgetreten. Die Operation wurde nicht erfolgreich ausgeführt!<byte value="xd"/>
Einzelheiten finden Sie in der Hilfe oder im Gerätehandbuch!</translation>
    </message>
    <message>
        <source>Operation successfully performed!</source>
        <translation>Operation erfolgreich ausgeführt!</translation>
    </message>
    <message>
        <source>The operation was interrupted. The device may have carried out part of it: read it again before you go on.</source>
        <translation>Die Operation wurde unterbrochen. Das Gerät hat sie möglicherweise teilweise ausgeführt: Lesen Sie es erneut, bevor Sie fortfahren.</translation>
    </message>
    <message>
        <source>Changes are not saved in device! Do you really want to disconnect?</source>
        <translation>Die Änderungen sind nicht im Gerät gespeichert! Möchten Sie die Verbindung wirklich trennen?</translation>
    </message>
    <message>
        <source>At first stop communication, please!</source>
        <translation>Bitte zuerst die Kommunikation beenden!</translation>
    </message>
    <message>
        <source>Changes are not saved! Do you really want to close the program?</source>
        <translation>Die Änderungen sind nicht gespeichert! Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Tarvik</source>
        <translation>Tarvik</translation>
    </message>
    <message>
        <source>tarvik_en.html</source>
        <translation>tarvik_en.html</translation>
    </message>
    <message>
        <source>Help was not opened, file not found.</source>
        <translation>Die Hilfe wurde nicht geöffnet, die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Detailed Setup</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error in </source>
        <translation>Fehler in </translation>
    </message>
    <message>
        <source>Cond. line </source>
        <translation>Bedingungszeile </translation>
    </message>
    <message>
        <source>4 mA</source>
        <translation>4 mA</translation>
    </message>
    <message>
        <source>20 mA</source>
        <translation>20 mA</translation>
    </message>
    <message>
        <source>4.00</source>
        <translation>4.00</translation>
    </message>
    <message>
        <source>20.00</source>
        <translation>20.00</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Anmeldename:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password rejected!</source>
        <translation>Passwort abgelehnt!</translation>
    </message>
    <message>
        <source>Please enter login name, full name and fill in the new and retype pasword edit boxes with the same password!</source>
        <translation>Bitte Anmeldename und vollständigen Namen eingeben und in die Felder „Neues Passwort“ und „Passwort wiederholen“ dasselbe Passwort eintragen!</translation>
    </message>
    <message>
        <source>Login used, try another login!</source>
        <translation>Anmeldename bereits vergeben, bitte einen anderen wählen!</translation>
    </message>
    <message>
        <source>Login is too short!</source>
        <translation>Anmeldename ist zu kurz!</translation>
    </message>
    <message>
        <source>Please enter your full name!</source>
        <translation>Bitte Ihren vollständigen Namen eingeben!</translation>
    </message>
    <message>
        <source>Paswords are not the same or password is too short!</source>
        <translation>Die Passwörter stimmen nicht überein oder das Passwort ist zu kurz!</translation>
    </message>
    <message>
        <source>User successfully added!</source>
        <translation>Benutzer erfolgreich hinzugefügt!</translation>
    </message>
    <message>
        <source>All 100 places for users are taken: nothing was added. Remove a user first.</source>
        <translation>Alle 100 Benutzerplätze sind belegt: Es wurde nichts hinzugefügt. Entfernen Sie zuerst einen Benutzer.</translation>
    </message>
    <message>
        <source>The login, the full name and the password together are too long for the users file: nothing was stored.</source>
        <translation>Anmeldename, vollständiger Name und Passwort zusammen sind für die Benutzerdatei zu lang: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The last user cannot be removed while safe access is on: nobody could log in any more.</source>
        <translation>Der letzte Benutzer kann nicht entfernt werden, solange der geschützte Zugang eingeschaltet ist: Niemand könnte sich mehr anmelden.</translation>
    </message>
    <message>
        <source>The location of the history files must be a whole folder path beginning with / and without \: %1 is not one.</source>
        <translation>Der Speicherort der Historiendateien muss ein vollständiger Ordnerpfad sein, der mit / beginnt und kein \ enthält: %1 ist keiner.</translation>
    </message>
    <message>
        <source>The users file keeps only characters of the Windows-1250 code page: change the login, the full name or the password.</source>
        <translation>Die Benutzerdatei speichert nur Zeichen der Codepage Windows-1250: Ändern Sie den Anmeldenamen, den vollständigen Namen oder das Passwort.</translation>
    </message>
    <message>
        <source>The users file %1 cannot be read (%2): nobody can be let in, and the program ends.</source>
        <translation>Die Benutzerdatei %1 kann nicht gelesen werden (%2): Niemand kann eingelassen werden, und das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Enter old password please!</source>
        <translation>Bitte das alte Passwort eingeben!</translation>
    </message>
    <message>
        <source>User changed!</source>
        <translation>Benutzer geändert!</translation>
    </message>
    <message>
        <source>Password changed!</source>
        <translation>Passwort geändert!</translation>
    </message>
    <message>
        <source>VELKOR.IDX</source>
        <translation>VELKOR.IDX</translation>
    </message>
    <message>
        <source>VELKOR.DDX</source>
        <translation>VELKOR.DDX</translation>
    </message>
    <message>
        <source>The activity was not recorded in the history file %1:<byte value="xd"/>
%2</source>
        <translation>Die Tätigkeit wurde nicht in die Historiendatei %1 eingetragen:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Group changed</source>
        <translation>Gruppe geändert</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Activity:</source>
        <translation>Aktivität:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Messstelle:</translation>
    </message>
    <message>
        <source>ID No: </source>
        <translation>ID-Nr.: </translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Database file not found!</source>
        <translation>Datenbankdatei nicht gefunden!</translation>
    </message>
    <message>
        <source>Not recorded in database!</source>
        <translation>Nicht in der Datenbank erfasst!</translation>
    </message>
    <message>
        <source>Nothing to compare!</source>
        <translation>Nichts zu vergleichen!</translation>
    </message>
    <message>
        <source>Type or select group!</source>
        <translation>Gruppe eingeben oder auswählen!</translation>
    </message>
    <message>
        <source>This group name already exists!</source>
        <translation>Dieser Gruppenname existiert bereits!</translation>
    </message>
    <message>
        <source>A group name can hold only characters of the Windows-1250 code page: type it without the others.</source>
        <translation>Ein Gruppenname kann nur Zeichen der Codepage Windows-1250 enthalten: Geben Sie ihn ohne die anderen ein.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be read: %2</source>
        <translation>Der Historienordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>You have selected actual group of the device!</source>
        <translation>Sie haben die aktuelle Gruppe des Geräts ausgewählt!</translation>
    </message>
    <message>
        <source>File %1 was saved in other language of definition files. Cannot continue! Language code is: %2</source>
        <translation>Die Datei %1 wurde in einer anderen Sprache der Definitionsdateien gespeichert. Fortfahren nicht möglich! Sprachcode: %2</translation>
    </message>
    <message>
        <source>Do you want to change group to %1?</source>
        <translation>Möchten Sie die Gruppe in %1 ändern?</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Configuration Protocol</source>
        <translation>Konfigurationsprotokoll</translation>
    </message>
    <message>
        <source>Common Data:</source>
        <translation>Allgemeine Daten:</translation>
    </message>
    <message>
        <source>Sensor and Output:</source>
        <translation>Sensor und Ausgang:</translation>
    </message>
    <message>
        <source>Supplementary Data:</source>
        <translation>Zusatzdaten:</translation>
    </message>
    <message>
        <source>Configured by:</source>
        <translation>Konfiguriert von:</translation>
    </message>
    <message>
        <source>Printed by %1, version %2</source>
        <translation>Gedruckt mit %1, Version %2</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Notiz: </translation>
    </message>
    <message>
        <source>Revison:</source>
        <translation>Revision:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Sensor Serial No:</source>
        <translation>Sensor-Seriennummer:</translation>
    </message>
    <message>
        <source>Descriptor:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Long Tag:</source>
        <translation>Lange Messstellenbezeichnung:</translation>
    </message>
    <message>
        <source>Lower Range Limit:</source>
        <translation>Untere Sensorgrenze:</translation>
    </message>
    <message>
        <source>Start of Range:</source>
        <translation>Messbereichsanfang:</translation>
    </message>
    <message>
        <source>Upper Range Limit:</source>
        <translation>Obere Sensorgrenze:</translation>
    </message>
    <message>
        <source>End of Range:</source>
        <translation>Messbereichsende:</translation>
    </message>
    <message>
        <source>Minimum Span:</source>
        <translation>Minimale Messspanne:</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Dämpfung:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Schreibschutz:</translation>
    </message>
    <message>
        <source>Transfer Function:</source>
        <translation>Übertragungsfunktion:</translation>
    </message>
    <message>
        <source>Error Signal:</source>
        <translation>Alarmsignalisierung:</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>Printing on %1 could not be started.</source>
        <translation>Der Druck auf %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Response code %1: %2</source>
        <translation>Antwortcode %1: %2</translation>
    </message>
    <message>
        <source>Response code %1</source>
        <translation>Antwortcode %1</translation>
    </message>
    <message>
        <source>Invalid selection</source>
        <translation>Ungültige Auswahl</translation>
    </message>
    <message>
        <source>Passed parameter too large</source>
        <translation>Übergebener Parameter zu groß</translation>
    </message>
    <message>
        <source>Passed parameter too small</source>
        <translation>Übergebener Parameter zu klein</translation>
    </message>
    <message>
        <source>Too few data bytes received</source>
        <translation>Zu wenige Datenbytes empfangen</translation>
    </message>
    <message>
        <source>Device-specific command error</source>
        <translation>Gerätespezifischer Befehlsfehler</translation>
    </message>
    <message>
        <source>In write protect mode</source>
        <translation>Im Schreibschutzmodus</translation>
    </message>
    <message>
        <source>Access restricted</source>
        <translation>Zugriff eingeschränkt</translation>
    </message>
    <message>
        <source>Device busy</source>
        <translation>Gerät beschäftigt</translation>
    </message>
    <message>
        <source>Delayed response initiated</source>
        <translation>Verzögerte Antwort eingeleitet</translation>
    </message>
    <message>
        <source>Delayed response running</source>
        <translation>Verzögerte Antwort läuft</translation>
    </message>
    <message>
        <source>Delayed response dead</source>
        <translation>Verzögerte Antwort verfallen</translation>
    </message>
    <message>
        <source>Delayed response conflict</source>
        <translation>Konflikt verzögerter Antworten</translation>
    </message>
    <message>
        <source>Command not implemented</source>
        <translation>Befehl nicht implementiert</translation>
    </message>
    <message>
        <source>Invalid polling address</source>
        <translation>Ungültige Polling-Adresse</translation>
    </message>
    <message>
        <source>Invalid loop current mode</source>
        <translation>Ungültiger Schleifenstrommodus</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Lower range value too high</source>
        <translation>Messbereichsanfang zu hoch</translation>
    </message>
    <message>
        <source>Lower range value too low</source>
        <translation>Messbereichsanfang zu niedrig</translation>
    </message>
    <message>
        <source>Upper range value too high</source>
        <translation>Messbereichsende zu hoch</translation>
    </message>
    <message>
        <source>Upper range value too low</source>
        <translation>Messbereichsende zu niedrig</translation>
    </message>
    <message>
        <source>Upper and lower range values out of limits</source>
        <translation>Messbereichsanfang und -ende außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Invalid range units</source>
        <translation>Ungültige Messbereichseinheit</translation>
    </message>
    <message>
        <source>Invalid span</source>
        <translation>Ungültige Messspanne</translation>
    </message>
    <message>
        <source>Applied process too high</source>
        <translation>Anliegender Prozesswert zu hoch</translation>
    </message>
    <message>
        <source>Applied process too low</source>
        <translation>Anliegender Prozesswert zu niedrig</translation>
    </message>
    <message>
        <source>Configuration change counter mismatch</source>
        <translation>Zähler der Konfigurationsänderungen stimmt nicht überein</translation>
    </message>
    <message>
        <source>Loop current not active (multidrop mode)</source>
        <translation>Schleifenstrom nicht aktiv (Multidrop-Modus)</translation>
    </message>
    <message>
        <source>Incorrect loop current mode or value</source>
        <translation>Falscher Schleifenstrommodus oder -wert</translation>
    </message>
    <message>
        <source>Invalid burst message</source>
        <translation>Ungültige Burst-Nachricht</translation>
    </message>
    <message>
        <source>No bandwidth available</source>
        <translation>Keine Bandbreite verfügbar</translation>
    </message>
    <message>
        <source>The device&apos;s own value: the table has no entry for it, so it cannot be written.</source>
        <translation>Eigener Wert des Geräts: Die Tabelle hat keinen Eintrag dafür, daher kann er nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Transfer Function</source>
        <translation>Übertragungsfunktion</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Messbereichsanfang</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Messbereichsende</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>Nothing was written: %1 &quot;%2&quot; is not an entry of the list, so there is no code to send it with. Choose %1 from the list.</source>
        <translation>Nichts wurde geschrieben: %1 „%2“ ist kein Eintrag der Liste, daher gibt es keinen Code, mit dem der Wert gesendet werden könnte. Wählen Sie %1 aus der Liste.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 &quot;%2&quot; is not a number.</source>
        <translation>Nichts wurde geschrieben: %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 %2 is above the sensor&apos;s upper limit %3.</source>
        <translation>Nichts wurde geschrieben: %1 %2 liegt über der oberen Sensorgrenze %3.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 %2 is below the sensor&apos;s lower limit %3.</source>
        <translation>Nichts wurde geschrieben: %1 %2 liegt unter der unteren Sensorgrenze %3.</translation>
    </message>
    <message>
        <source>Nothing was written: the span from Lower Range Value to Upper Range Value, %1, is less than the sensor&apos;s minimum span %2.</source>
        <translation>Nichts wurde geschrieben: Die Spanne von Messbereichsanfang bis Messbereichsende, %1, ist kleiner als die minimale Messspanne des Sensors %2.</translation>
    </message>
    <message>
        <source>Loop current in mA, from %1 to %2.</source>
        <translation>Schleifenstrom in mA, von %1 bis %2.</translation>
    </message>
    <message>
        <source>Loop current in mA, from %1 to %2; 0 ends the fixed output.</source>
        <translation>Schleifenstrom in mA, von %1 bis %2; 0 beendet den festen Ausgang.</translation>
    </message>
    <message>
        <source>The loop current %1 mA is outside the range from %2 to %3 mA.</source>
        <translation>Der Schleifenstrom %1 mA liegt außerhalb des Bereichs von %2 bis %3 mA.</translation>
    </message>
    <message>
        <source>The input must lie within the sensor&apos;s limits, from %1 to %2.</source>
        <translation>Der Eingang muss innerhalb der Sensorgrenzen liegen, von %1 bis %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: the input applied now, %1, is above the sensor&apos;s upper limit %2.</source>
        <translation>Nichts wurde gesendet: Der jetzt anliegende Eingang %1 liegt über der oberen Sensorgrenze %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: the input applied now, %1, is below the sensor&apos;s lower limit %2.</source>
        <translation>Nichts wurde gesendet: Der jetzt anliegende Eingang %1 liegt unter der unteren Sensorgrenze %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: with the input applied now, %1, as Upper Range Value the span would be %2, less than the sensor&apos;s minimum span %3.</source>
        <translation>Nichts wurde gesendet: Mit dem jetzt anliegenden Eingang %1 als Messbereichsende wäre die Spanne %2, kleiner als die minimale Messspanne des Sensors %3.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primärvariable</translation>
    </message>
    <message>
        <source>Loop Current</source>
        <translation>Schleifenstrom</translation>
    </message>
    <message>
        <source>Percent of Range</source>
        <translation>Prozent des Messbereichs</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Sekundärvariable</translation>
    </message>
    <message>
        <source>Tertiary Variable</source>
        <translation>Tertiärvariable</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Quartärvariable</translation>
    </message>
    <message>
        <source>Loop current fixed</source>
        <translation>Schleifenstrom fest eingestellt</translation>
    </message>
    <message>
        <source>No values have been read yet. They are recorded while a device is read on-line.</source>
        <translation>Es wurden noch keine Werte gelesen. Sie werden aufgezeichnet, während ein Gerät online gelesen wird.</translation>
    </message>
    <message>
        <source>Wire: simulated devices</source>
        <translation>Leitung: simulierte Geräte</translation>
    </message>
    <message>
        <source>Wire: HART modem on serial port %1</source>
        <translation>Leitung: HART-Modem an der seriellen Schnittstelle %1</translation>
    </message>
    <message>
        <source>Wire: HART-IP gateway %1, port %2, %3</source>
        <translation>Leitung: HART-IP-Gateway %1, Port %2, %3</translation>
    </message>
    <message>
        <source>Wire: as the driver&apos;s own settings file says</source>
        <translation>Leitung: laut der eigenen Einstellungsdatei des Treibers</translation>
    </message>
    <message>
        <source>Wire: that of the driver that was already running</source>
        <translation>Leitung: die des bereits laufenden Treibers</translation>
    </message>
    <message>
        <source>Wire: that of the driver on %1</source>
        <translation>Leitung: die des Treibers auf %1</translation>
    </message>
    <message>
        <source>No driver</source>
        <translation>Kein Treiber</translation>
    </message>
    <message>
        <source>Choose or type the serial port of the HART modem.</source>
        <translation>Wählen Sie die serielle Schnittstelle des HART-Modems, oder geben Sie sie ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no host name or address of a HART-IP gateway.</source>
        <translation>&quot;%1&quot; ist weder Hostname noch Adresse eines HART-IP-Gateways.</translation>
    </message>
    <message>
        <source>The driver in use was not started by Tarvik (it was already running, or runs on another computer) and keeps its own wire. The wire chosen is used when Tarvik starts the driver itself.</source>
        <translation>Der verwendete Treiber wurde nicht von Tarvik gestartet (er lief bereits oder läuft auf einem anderen Computer) und behält seine eigene Leitung. Die gewählte Leitung wird verwendet, wenn Tarvik den Treiber selbst startet.</translation>
    </message>
    <message>
        <source>The driver will be started on the wire chosen once the connection is stopped.</source>
        <translation>Der Treiber wird auf der gewählten Leitung gestartet, sobald die Verbindung beendet ist.</translation>
    </message>
    <message>
        <source>The simulated bench did not do it: %1</source>
        <translation>Der simulierte Prüfstand hat es nicht ausgeführt: %1</translation>
    </message>
    <message>
        <source>The device&apos;s range is not known: read the device first.</source>
        <translation>Der Messbereich des Geräts ist nicht bekannt: lesen Sie zuerst das Gerät.</translation>
    </message>
    <message>
        <source>The check works out the expected current for the transfer functions %1 and %2 only, not for %3.</source>
        <translation>Die Prüfung berechnet den erwarteten Strom nur für die Übertragungsfunktionen %1 und %2, nicht für %3.</translation>
    </message>
    <message>
        <source>The connection stopped: the check was ended.</source>
        <translation>Die Verbindung wurde beendet: die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>A procedure took the device during the check: the check was ended.</source>
        <translation>Während der Prüfung hat eine Prozedur das Gerät übernommen: die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Unbekannt (%1)</translation>
    </message>
    <message>
        <source>A check is running.</source>
        <translation>Eine Prüfung läuft.</translation>
    </message>
    <message>
        <source>The check needs the device read on-line: press Read! first.</source>
        <translation>Die Prüfung braucht das Gerät online: drücken Sie zuerst Lesen!.</translation>
    </message>
    <message>
        <source>The loop current is fixed: exit fixed output status first.</source>
        <translation>Der Schleifenstrom ist fixiert: beenden Sie zuerst den festen Ausgangsstrom.</translation>
    </message>
    <message>
        <source>The check needs test points and a tolerance above 0.</source>
        <translation>Die Prüfung braucht Prüfpunkte und eine Toleranz über 0.</translation>
    </message>
    <message>
        <source>The device gave no loop current.</source>
        <translation>Das Gerät hat keinen Schleifenstrom geliefert.</translation>
    </message>
    <message>
        <source>Calibration check</source>
        <translation>Kalibrierprüfung</translation>
    </message>
    <message>
        <source>The test points are percentages of the range from -25 to 125, separated by commas.</source>
        <translation>Die Prüfpunkte sind Prozent des Messbereichs von -25 bis 125, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Apply %1 %2 and type the input the calibrator shows:</source>
        <translation>Geben Sie %1 %2 vor und tippen Sie den Eingang ein, den der Kalibrator anzeigt:</translation>
    </message>
    <message>
        <source>Type the loop current the meter in the loop shows (mA):</source>
        <translation>Tippen Sie den Schleifenstrom ein, den das Messgerät in der Schleife anzeigt (mA):</translation>
    </message>
    <message>
        <source>The check was saved in %1.</source>
        <translation>Die Prüfung wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Point %</source>
        <translation>Punkt %</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Vorgegeben</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>PV error %</source>
        <translation>Fehler PV %</translation>
    </message>
    <message>
        <source>Expected mA</source>
        <translation>Erwartet mA</translation>
    </message>
    <message>
        <source>Current mA</source>
        <translation>Strom mA</translation>
    </message>
    <message>
        <source>Current error %</source>
        <translation>Fehler Strom %</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>radiziert</translation>
    </message>
    <message>
        <source>%1 % of span</source>
        <translation>%1 % der Spanne</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Vorgefunden</translation>
    </message>
    <message>
        <source>As left</source>
        <translation>Hinterlassen</translation>
    </message>
    <message>
        <source>Not made.</source>
        <translation>Nicht durchgeführt.</translation>
    </message>
    <message>
        <source>Stopped before its last point.</source>
        <translation>Vor dem letzten Punkt abgebrochen.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Largest error: %1 % of span</source>
        <translation>Größter Fehler: %1 % der Spanne</translation>
    </message>
    <message>
        <source>Calibration Certificate</source>
        <translation>Kalibrierschein</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Manufacturer, type:</source>
        <translation>Hersteller, Typ:</translation>
    </message>
    <message>
        <source>Unique identifier:</source>
        <translation>Eindeutige Kennung:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Messstellenkennzeichen:</translation>
    </message>
    <message>
        <source>Long tag:</source>
        <translation>Langes Kennzeichen:</translation>
    </message>
    <message>
        <source>Range as found:</source>
        <translation>Messbereich vorgefunden:</translation>
    </message>
    <message>
        <source>Range as left:</source>
        <translation>Messbereich hinterlassen:</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Toleranz:</translation>
    </message>
    <message>
        <source>Calibrator</source>
        <translation>Kalibrator</translation>
    </message>
    <message>
        <source>Make, serial number:</source>
        <translation>Hersteller, Seriennummer:</translation>
    </message>
    <message>
        <source>Certificate, due date:</source>
        <translation>Zertifikat, gültig bis:</translation>
    </message>
    <message>
        <source>Ambient conditions:</source>
        <translation>Umgebungsbedingungen:</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Techniker:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Next check due:</source>
        <translation>Nächste Prüfung fällig:</translation>
    </message>
    <message>
        <source>Asking polling address %1 of 0..%2 ...</source>
        <translation>Abfrage der Polling-Adresse %1 von 0..%2 ...</translation>
    </message>
    <message>
        <source>Loop current fixed at %1 mA</source>
        <translation>Schleifenstrom fest auf %1 mA</translation>
    </message>
    <message>
        <source>Loop scanned, devices found: %1</source>
        <translation>Schleife abgesucht, Geräte: %1</translation>
    </message>
    <message>
        <source>Scan finished. Devices found: %1</source>
        <translation>Suche beendet. Gefundene Geräte: %1</translation>
    </message>
    <message>
        <source>Scanning the loop ...</source>
        <translation>Schleife wird abgesucht ...</translation>
    </message>
    <message>
        <source>Scanning the loop ends the connection with the device. Scan now?</source>
        <translation>Das Absuchen der Schleife beendet die Verbindung mit dem Gerät. Jetzt absuchen?</translation>
    </message>
    <message>
        <source>Tarvik - %1</source>
        <translation>Tarvik - %1</translation>
    </message>
    <message>
        <source>The list of recent files was not saved: %1</source>
        <translation>Die Liste der zuletzt benutzten Dateien wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The same device answers at polling addresses %1: check the addresses of the loop.</source>
        <translation>Dasselbe Gerät antwortet an den Polling-Adressen %1: prüfen Sie die Adressen der Schleife.</translation>
    </message>
    <message>
        <source>The scan was not finished.</source>
        <translation>Die Suche wurde nicht beendet.</translation>
    </message>
    <message>
        <source>The scan was stopped at polling address %1.</source>
        <translation>Die Suche wurde bei Polling-Adresse %1 angehalten.</translation>
    </message>
</context>
<context>
    <name>settings::ConnectionPage</name>
    <message>
        <source>Simulated devices</source>
        <translation>Simulierte Geräte</translation>
    </message>
    <message>
        <source>HART modem on the serial port</source>
        <translation>HART-Modem an der seriellen Schnittstelle</translation>
    </message>
    <message>
        <source>HART-IP gateway</source>
        <translation>HART-IP-Gateway</translation>
    </message>
    <message>
        <source>As the driver&apos;s own settings file says (pelmora.ini)</source>
        <translation>Laut der eigenen Einstellungsdatei des Treibers (pelmora.ini)</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Tarvik starts the driver with this wire. A driver that is already running, or the one on another computer (net path), is used as it is.</source>
        <translation>Tarvik startet den Treiber mit dieser Leitung. Ein bereits laufender Treiber oder der Treiber auf einem anderen Computer (Netzpfad) wird so verwendet, wie er ist.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
</context>
<context>
    <name>trend::TTrend</name>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Time window:</source>
        <translation>Zeitfenster:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>TCalibration</name>
    <message>
        <source>Calibration Check</source>
        <translation>Kalibrierprüfung</translation>
    </message>
    <message>
        <source>Falling too</source>
        <translation>Auch fallend</translation>
    </message>
    <message>
        <source>Typed from the calibrator</source>
        <translation>Vom Kalibrator eingetippt</translation>
    </message>
    <message>
        <source>Simulated bench</source>
        <translation>Simulierter Prüfstand</translation>
    </message>
    <message>
        <source>As the device reports it</source>
        <translation>Wie das Gerät ihn meldet</translation>
    </message>
    <message>
        <source>Typed from a meter</source>
        <translation>Vom Messgerät eingetippt</translation>
    </message>
    <message>
        <source>Simulated meter</source>
        <translation>Simuliertes Messgerät</translation>
    </message>
    <message>
        <source>until the PV settles</source>
        <translation>bis sich PV beruhigt</translation>
    </message>
    <message>
        <source>Test points (% of range):</source>
        <translation>Prüfpunkte (% des Messbereichs):</translation>
    </message>
    <message>
        <source>Tolerance (% of span):</source>
        <translation>Toleranz (% der Spanne):</translation>
    </message>
    <message>
        <source>Applied input:</source>
        <translation>Vorgegebener Eingang:</translation>
    </message>
    <message>
        <source>Loop current:</source>
        <translation>Schleifenstrom:</translation>
    </message>
    <message>
        <source>Settling time (s):</source>
        <translation>Beruhigungszeit (s):</translation>
    </message>
    <message>
        <source>Calibrator make:</source>
        <translation>Hersteller des Kalibrators:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Zertifikat:</translation>
    </message>
    <message>
        <source>Certificate due:</source>
        <translation>Zertifikat gültig bis:</translation>
    </message>
    <message>
        <source>Ambient conditions:</source>
        <translation>Umgebungsbedingungen:</translation>
    </message>
    <message>
        <source>Next check due:</source>
        <translation>Nächste Prüfung fällig:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Calibrator</source>
        <translation>Kalibrator</translation>
    </message>
    <message>
        <source>Run As Found</source>
        <translation>Vorgefunden prüfen</translation>
    </message>
    <message>
        <source>Run As Left</source>
        <translation>Hinterlassen prüfen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Print Certificate...</source>
        <translation>Kalibrierschein drucken...</translation>
    </message>
    <message>
        <source>Point %1: PV %2, settling ...</source>
        <translation>Punkt %1: PV %2, beruhigt sich ...</translation>
    </message>
    <message>
        <source>The run is complete.</source>
        <translation>Der Durchlauf ist abgeschlossen.</translation>
    </message>
    <message>
        <source>The run was ended before its last point.</source>
        <translation>Der Durchlauf wurde vor seinem letzten Punkt beendet.</translation>
    </message>
</context>
</TS>
