<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>HistoryStore</name>
    <message>
        <source>The file was cut short while it was read.</source>
        <translation>Soubor při čtení skončil předčasně.</translation>
    </message>
    <message>
        <source>The entry has no snapshot.</source>
        <translation>Záznam nemá uloženou konfiguraci.</translation>
    </message>
    <message>
        <source>The data file holds no snapshot %1.</source>
        <translation>Datový soubor neobsahuje uloženou konfiguraci %1.</translation>
    </message>
    <message>
        <source>The snapshot is another device&apos;s: the data file was changed after the entry was recorded.</source>
        <translation>Uložená konfigurace patří jinému přístroji: datový soubor byl po zaznamenání položky změněn.</translation>
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
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Inicializace</translation>
    </message>
    <message>
        <source>Initialization by Tag</source>
        <translation>Inicializace podle označení</translation>
    </message>
    <message>
        <source>Initialization by Address</source>
        <translation>Inicializace podle adresy</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Dolní mez rozsahu</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Horní mez rozsahu</translation>
    </message>
    <message>
        <source>Sensor Zeroing</source>
        <translation>Nastavení nuly senzoru</translation>
    </message>
    <message>
        <source>Address Changing</source>
        <translation>Změna adresy</translation>
    </message>
    <message>
        <source>Detailed Setup</source>
        <translation>Podrobné nastavení</translation>
    </message>
    <message>
        <source>Back to Initial Values</source>
        <translation>Návrat k původním hodnotám</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servis</translation>
    </message>
    <message>
        <source>Device Test</source>
        <translation>Test přístroje</translation>
    </message>
    <message>
        <source>Device Reset</source>
        <translation>Reset přístroje</translation>
    </message>
    <message>
        <source>Clear Configuration Changed Flag</source>
        <translation>Nulovat příznak „Konfigurace změněna“</translation>
    </message>
    <message>
        <source>Write Final Assembly Number</source>
        <translation>Zapsat číslo finální sestavy</translation>
    </message>
    <message>
        <source>Enter Fixed Output Status (LoopTest)</source>
        <translation>Zafixovat výstupní proud (test smyčky)</translation>
    </message>
    <message>
        <source>Exit Fixed Output Status</source>
        <translation>Zrušit fixaci výstupního proudu</translation>
    </message>
    <message>
        <source>Trim DAC Lower Output Value</source>
        <translation>Kalibrace DAC – dolní hodnota výstupu</translation>
    </message>
    <message>
        <source>Trim DAC Upper Output Value</source>
        <translation>Kalibrace DAC – horní hodnota výstupu</translation>
    </message>
    <message>
        <source>Set Burst Function</source>
        <translation>Nastavit funkci Burst</translation>
    </message>
    <message>
        <source>Enter Burst Mode</source>
        <translation>Zapnout režim Burst</translation>
    </message>
    <message>
        <source>Exit Burst mode</source>
        <translation>Vypnout režim Burst</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programu ...</translation>
    </message>
    <message>
        <source>Distributor:</source>
        <translation>Distributor:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Expanded Device Type:</source>
        <translation>Rozšířený typ přístroje:</translation>
    </message>
    <message>
        <source>Revision:</source>
        <translation>Revize:</translation>
    </message>
    <message>
        <source>Universal Revision:</source>
        <translation>Univerzální revize:</translation>
    </message>
    <message>
        <source>Unique Identifier:</source>
        <translation>Jedinečný identifikátor:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Výrobní číslo:</translation>
    </message>
    <message>
        <source>Sensor Serial No:</source>
        <translation>Výrobní číslo senzoru:</translation>
    </message>
    <message>
        <source>Upper Range Limit:</source>
        <translation>Horní mez senzoru:</translation>
    </message>
    <message>
        <source>Lower Range Limit:</source>
        <translation>Dolní mez senzoru:</translation>
    </message>
    <message>
        <source>Minimum Span:</source>
        <translation>Minimální rozpětí:</translation>
    </message>
    <message>
        <source>Alarm Signaling:</source>
        <translation>Signalizace poruchy:</translation>
    </message>
    <message>
        <source>Write Protection:</source>
        <translation>Ochrana proti zápisu:</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Dolní mez rozsahu:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Horní mez rozsahu:</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>Jednotky:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlumení:</translation>
    </message>
    <message>
        <source>Transfer Function:</source>
        <translation>Převodní funkce:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Označení:</translation>
    </message>
    <message>
        <source>Descriptor:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Zpráva:</translation>
    </message>
    <message>
        <source>Long Tag:</source>
        <translation>Dlouhé označení:</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Informace o přístroji</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Základní nastavení</translation>
    </message>
    <message>
        <source>On-line Values</source>
        <translation>Hodnoty online</translation>
    </message>
    <message>
        <source>Polling Address:</source>
        <translation>Dotazovací adresa:</translation>
    </message>
    <message>
        <source>Primary Variable:</source>
        <translation>Primární proměnná:</translation>
    </message>
    <message>
        <source>Output Current:</source>
        <translation>Výstupní proud:</translation>
    </message>
    <message>
        <source>% Output:</source>
        <translation>Výstup v %:</translation>
    </message>
    <message>
        <source>Secondary Variable:</source>
        <translation>Sekundární proměnná:</translation>
    </message>
    <message>
        <source>Tertiary Variable:</source>
        <translation>Terciární proměnná:</translation>
    </message>
    <message>
        <source>Fourth Variable:</source>
        <translation>Čtvrtá proměnná:</translation>
    </message>
    <message>
        <source>Device Status Messages</source>
        <translation>Stavová hlášení přístroje</translation>
    </message>
    <message>
        <source>Device Error Messages</source>
        <translation>Chybová hlášení přístroje</translation>
    </message>
    <message>
        <source>Program Status Messages</source>
        <translation>Stavová hlášení programu</translation>
    </message>
    <message>
        <source>Read!</source>
        <translation>Číst!</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Zastavit!</translation>
    </message>
    <message>
        <source>Write in device!</source>
        <translation>Zapsat do přístroje!</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Scan Loop...</source>
        <translation>Prohledat smyčku...</translation>
    </message>
    <message>
        <source>Calibration Check...</source>
        <translation>Kontrola kalibrace...</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Tarvik</source>
        <translation>O programu Tarvik</translation>
    </message>
    <message>
        <source>Tarvik</source>
        <translation>Tarvik</translation>
    </message>
    <message>
        <source>Configurator for HART field instruments</source>
        <translation>Konfigurátor provozních přístrojů HART</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>TCekej</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Wait until the command will be done!</source>
        <translation>Počkejte, až bude příkaz proveden!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
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
        <translation>Bez filtru</translation>
    </message>
    <message>
        <source>Selected device</source>
        <translation>Vybraný přístroj</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Search in GROUP column </source>
        <translation>Hledat ve sloupci SKUPINA </translation>
    </message>
    <message>
        <source>Search in TAG column</source>
        <translation>Hledat ve sloupci OZNAČENÍ</translation>
    </message>
    <message>
        <source>Search in USER column</source>
        <translation>Hledat ve sloupci UŽIVATEL</translation>
    </message>
    <message>
        <source>Apply!</source>
        <translation>Použít!</translation>
    </message>
    <message>
        <source>Add new group!</source>
        <translation>Přidat novou skupinu!</translation>
    </message>
    <message>
        <source>Change group!</source>
        <translation>Změnit skupinu!</translation>
    </message>
    <message>
        <source>Show!</source>
        <translation>Zobrazit!</translation>
    </message>
    <message>
        <source>Compare!</source>
        <translation>Porovnat!</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportovat...</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtr:</translation>
    </message>
    <message>
        <source>Groups:</source>
        <translation>Skupiny:</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
</context>
<context>
    <name>TLoopScan</name>
    <message>
        <source>Scan Loop</source>
        <translation>Prohledat smyčku</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Výrobce</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Typ přístroje</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revize</translation>
    </message>
    <message>
        <source>Unique Identifier</source>
        <translation>Jedinečný identifikátor</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Označení</translation>
    </message>
    <message>
        <source>Long Tag</source>
        <translation>Dlouhé označení</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Common Parameters</source>
        <translation>Obecné parametry</translation>
    </message>
    <message>
        <source>Administration of Users</source>
        <translation>Správa uživatelů</translation>
    </message>
    <message>
        <source>Close driver when communicator exits</source>
        <translation>Při ukončení programu ukončit i ovladač</translation>
    </message>
    <message>
        <source>Safe access with password</source>
        <translation>Zabezpečený přístup heslem</translation>
    </message>
    <message>
        <source>Log changes to history file</source>
        <translation>Zaznamenávat změny do souboru historie</translation>
    </message>
    <message>
        <source>Language of the program </source>
        <translation>Jazyk programu </translation>
    </message>
    <message>
        <source>Language of definition files (*.ddf)</source>
        <translation>Jazyk definičních souborů (*.ddf)</translation>
    </message>
    <message>
        <source>Location of history log files:</source>
        <translation>Umístění souborů historie:</translation>
    </message>
    <message>
        <source>Net path to driver if netdde is used:</source>
        <translation>Síťová cesta k ovladači při použití NetDDE:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Read only access</source>
        <translation>Přístup pouze pro čtení</translation>
    </message>
    <message>
        <source>Add New User</source>
        <translation>Přidat nového uživatele</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Remove User</source>
        <translation>Odebrat uživatele</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Přihlašovací jméno</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Celé jméno</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Staré heslo</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>Retype password</source>
        <translation>Zopakovat heslo</translation>
    </message>
    <message>
        <source>The loop has HART 6/7 devices (Scan Loop asks polling addresses 0..63)</source>
        <translation>Ve smyčce jsou přístroje HART 6/7 (prohledání smyčky se ptá na adresy 0..63)</translation>
    </message>
</context>
<context>
    <name>TTiskEdit</name>
    <message>
        <source>Note and Signature</source>
        <translation>Poznámka a podpis</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>&amp;Configured by:</source>
        <translation>&amp;Konfiguraci provedl:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Poznámka:</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>DDE connection not found!</source>
        <translation>Spojení DDE nebylo nalezeno!</translation>
    </message>
    <message>
        <source>The driver named by the setting NetPath=%1 was not reached: %2</source>
        <translation>Ovladač určený nastavením NetPath=%1 nebyl zastižen: %2</translation>
    </message>
    <message>
        <source>it names no computer</source>
        <translation>neuvádí žádný počítač</translation>
    </message>
    <message>
        <source>Driver not found!</source>
        <translation>Ovladač nebyl nalezen!</translation>
    </message>
    <message>
        <source>Except in DoMacro.</source>
        <translation>Výjimka v DoMacro.</translation>
    </message>
    <message>
        <source>Command not performed, try again!</source>
        <translation>Příkaz nebyl proveden, zkuste to znovu!</translation>
    </message>
    <message>
        <source>The command is too long for the driver (%1 characters, at most %2) and was not sent.</source>
        <translation>Příkaz je pro ovladač příliš dlouhý (%1 znaků, nejvýše %2) a nebyl odeslán.</translation>
    </message>
    <message>
        <source>The driver has stopped. Press Read! to start it again.</source>
        <translation>Ovladač se zastavil. Znovu jej spustíte tlačítkem „Číst!“.</translation>
    </message>
    <message>
        <source>Reading variables ...</source>
        <translation>Čtení proměnných ...</translation>
    </message>
    <message>
        <source>Reading of configuration</source>
        <translation>Čtení konfigurace</translation>
    </message>
    <message>
        <source>Some errors or warnings occured during writing.<byte value="xd"/>
See the help for details!</source>
        <translation>Při zápisu došlo k chybám nebo varováním.<byte value="xd"/>
Podrobnosti najdete v nápovědě!</translation>
    </message>
    <message>
        <source>Changes has been writen into the device!</source>
        <translation>Změny byly zapsány do přístroje!</translation>
    </message>
    <message>
        <source>Test OK!</source>
        <translation>Test proběhl v pořádku!</translation>
    </message>
    <message>
        <source>Test Failed!</source>
        <translation>Test selhal!</translation>
    </message>
    <message>
        <source>Identity reply refused: device flags &quot;%1&quot; are not a number 0..255!</source>
        <translation>Identifikační odpověď odmítnuta: příznaky přístroje „%1“ nejsou číslo 0..255!</translation>
    </message>
    <message>
        <source>The configuration of the device could not be read.<byte value="xd"/>
%1</source>
        <translation>Konfiguraci přístroje nebylo možné přečíst.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No definition-file language is set, so no list of read commands is known.</source>
        <translation>Není nastaven jazyk definičních souborů, a proto není znám žádný seznam čtecích příkazů.</translation>
    </message>
    <message>
        <source>The list of read commands %1 was not found.</source>
        <translation>Seznam čtecích příkazů %1 nebyl nalezen.</translation>
    </message>
    <message>
        <source>The list of read commands %1 %2.</source>
        <translation>Seznam čtecích příkazů %1 %2.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nelze přečíst: %1</translation>
    </message>
    <message>
        <source>has no [READ] list</source>
        <translation>neobsahuje seznam [READ]</translation>
    </message>
    <message>
        <source>The definition file %1 %2; the device is read without it.</source>
        <translation>Definiční soubor %1 %2; přístroj se načte bez něj.</translation>
    </message>
    <message>
        <source>No definition file %1 in the chosen language, so no Detailed Setup; the device has one in: %2.</source>
        <translation>Definiční soubor %1 ve zvoleném jazyce není, proto chybí Podrobné nastavení; přístroj ho má v jazycích: %2.</translation>
    </message>
    <message>
        <source>Wrong format of date!</source>
        <translation>Chybný formát data!</translation>
    </message>
    <message>
        <source>The device stores only letters without accents, digits, blanks and common signs here.</source>
        <translation>Přístroj do tohoto pole ukládá pouze písmena bez diakritiky, číslice, mezery a běžné znaky.</translation>
    </message>
    <message>
        <source>The long tag keeps only the characters that both ISO Latin-1 and Windows-1250 have.</source>
        <translation>Dlouhé označení uchová jen znaky, které mají ISO Latin-1 i Windows-1250 zároveň.</translation>
    </message>
    <message>
        <source>You don&apos;t have authorization to do this!</source>
        <translation>K této akci nemáte oprávnění!</translation>
    </message>
    <message>
        <source>Do you really want to write data from file in the device?</source>
        <translation>Opravdu chcete zapsat data ze souboru do přístroje?</translation>
    </message>
    <message>
        <source>There are not any changes! Write anyway?</source>
        <translation>Nebyly provedeny žádné změny! Přesto zapsat?</translation>
    </message>
    <message>
        <source>Write changes to device?<byte value="xd"/>
Switch controler to manual! Output value may be changes!</source>
        <translation>Zapsat změny do přístroje?<byte value="xd"/>
Přepněte regulátor do ručního režimu! Výstupní hodnota se může změnit!</translation>
    </message>
    <message>
        <source>Executing Command ...</source>
        <translation>Provádění příkazu ...</translation>
    </message>
    <message>
        <source>No device connected!</source>
        <translation>Není připojen žádný přístroj!</translation>
    </message>
    <message>
        <source>Connected not compatible device! Cannot continue!</source>
        <translation>Připojen nekompatibilní přístroj! Nelze pokračovat!</translation>
    </message>
    <message>
        <source>Do you really want to clone configuration to this device?</source>
        <translation>Opravdu chcete zkopírovat konfiguraci do tohoto přístroje?</translation>
    </message>
    <message>
        <source>Writing configuration...</source>
        <translation>Zápis konfigurace...</translation>
    </message>
    <message>
        <source>Do you really want to return to original values?</source>
        <translation>Opravdu se chcete vrátit k původním hodnotám?</translation>
    </message>
    <message>
        <source>Values was refreshed but not writen!<byte value="xd"/>
Do you want to write original values to device?<byte value="xd"/>
</source>
        <translation>Hodnoty byly obnoveny, ale nebyly zapsány!<byte value="xd"/>
Chcete zapsat původní hodnoty do přístroje?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The write was interrupted. The device may hold part of the changes: read it again before you go on.</source>
        <translation>Zápis byl přerušen. Přístroj může obsahovat část změn: než budete pokračovat, načtěte jej znovu.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Změna konfigurace</translation>
    </message>
    <message>
        <source>Returned to initial values</source>
        <translation>Návrat k původním hodnotám</translation>
    </message>
    <message>
        <source>Input Query</source>
        <translation>Zadání hodnoty</translation>
    </message>
    <message>
        <source>Wrong Value!</source>
        <translation>Chybná hodnota!</translation>
    </message>
    <message>
        <source>Apply new value of lower range value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Přiveďte na vstup novou hodnotu dolní meze rozsahu!<byte value="xd"/>
Potom klikněte na tlačítko OK!</translation>
    </message>
    <message>
        <source>Apply new value of upper range value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Přiveďte na vstup novou hodnotu horní meze rozsahu!<byte value="xd"/>
Potom klikněte na tlačítko OK!</translation>
    </message>
    <message>
        <source>Apply zero value to input!<byte value="xd"/>
Then click to OK button!</source>
        <translation>Přiveďte na vstup nulovou hodnotu!<byte value="xd"/>
Potom klikněte na tlačítko OK!</translation>
    </message>
    <message>
        <source>Setting lower range value!</source>
        <translation>Nastavuje se dolní mez rozsahu!</translation>
    </message>
    <message>
        <source>Setting upper value...</source>
        <translation>Nastavuje se horní mez rozsahu...</translation>
    </message>
    <message>
        <source>Zeroing...</source>
        <translation>Nastavení nuly...</translation>
    </message>
    <message>
        <source>Starting test...</source>
        <translation>Spouštění testu...</translation>
    </message>
    <message>
        <source>Invoking Reset...</source>
        <translation>Provádění resetu...</translation>
    </message>
    <message>
        <source>Input New Assembly Number</source>
        <translation>Zadejte nové číslo finální sestavy</translation>
    </message>
    <message>
        <source>Enter Address (0..15)!</source>
        <translation>Zadejte adresu (0..15)!</translation>
    </message>
    <message>
        <source>Enter Tag!</source>
        <translation>Zadejte označení!</translation>
    </message>
    <message>
        <source>Searching Tag ...</source>
        <translation>Hledání označení ...</translation>
    </message>
    <message>
        <source>Enter current value!</source>
        <translation>Zadejte hodnotu proudu!</translation>
    </message>
    <message>
        <source>Switch controler to manual! Output will be set to lower end value!</source>
        <translation>Přepněte regulátor do ručního režimu! Výstup bude nastaven na dolní koncovou hodnotu!</translation>
    </message>
    <message>
        <source>Switch controler to manual! Output will be set to upper end value!</source>
        <translation>Přepněte regulátor do ručního režimu! Výstup bude nastaven na horní koncovou hodnotu!</translation>
    </message>
    <message>
        <source>Trimming lower value</source>
        <translation>Kalibrace dolní hodnoty</translation>
    </message>
    <message>
        <source>Trimming upper value</source>
        <translation>Kalibrace horní hodnoty</translation>
    </message>
    <message>
        <source>Enter BURST Function Code!</source>
        <translation>Zadejte kód funkce BURST!</translation>
    </message>
    <message>
        <source>Do you really want to enable BURST mode?</source>
        <translation>Opravdu chcete zapnout režim BURST?</translation>
    </message>
    <message>
        <source>Do you really want to disable BURST mode?</source>
        <translation>Opravdu chcete vypnout režim BURST?</translation>
    </message>
    <message>
        <source>Changed LRV</source>
        <translation>Změna dolní meze rozsahu</translation>
    </message>
    <message>
        <source>Changed URV</source>
        <translation>Změna horní meze rozsahu</translation>
    </message>
    <message>
        <source>Sensor zero trim</source>
        <translation>Nastavení nuly senzoru</translation>
    </message>
    <message>
        <source>Address changed</source>
        <translation>Změna adresy</translation>
    </message>
    <message>
        <source>Device tested</source>
        <translation>Test přístroje</translation>
    </message>
    <message>
        <source>Device reseted</source>
        <translation>Reset přístroje</translation>
    </message>
    <message>
        <source>Cleared &quot;Conf. changed&quot; flag</source>
        <translation>Nulován příznak „Konf. změněna“</translation>
    </message>
    <message>
        <source>Assembly number changed</source>
        <translation>Změna čísla finální sestavy</translation>
    </message>
    <message>
        <source>Fixed output on</source>
        <translation>Zafixování výstupního proudu</translation>
    </message>
    <message>
        <source>Fixed output off</source>
        <translation>Zrušení fixace výstupního proudu</translation>
    </message>
    <message>
        <source>Output start trim</source>
        <translation>Kalibrace počátku výstupu</translation>
    </message>
    <message>
        <source>Output end trim</source>
        <translation>Kalibrace konce výstupu</translation>
    </message>
    <message>
        <source>Set BURST function</source>
        <translation>Nastavení funkce BURST</translation>
    </message>
    <message>
        <source>BURST mode on</source>
        <translation>Zapnutí režimu BURST</translation>
    </message>
    <message>
        <source>BURST mode off</source>
        <translation>Vypnutí režimu BURST</translation>
    </message>
    <message>
        <source>Eroor creating working directory</source>
        <translation>Chyba při vytváření pracovní složky</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Složku %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>Not any user defined, please add user!</source>
        <translation>Není definován žádný uživatel, přidejte prosím uživatele!</translation>
    </message>
    <message>
        <source>Language will be changed after restart of the program!</source>
        <translation>Jazyk se změní po restartu programu!</translation>
    </message>
    <message>
        <source>WARNING - Check carefully if you are on user list. If not, you&apos;ll not be able to use this program!</source>
        <translation>UPOZORNĚNÍ – Pečlivě zkontrolujte, zda jste v seznamu uživatelů. Pokud ne, nebudete moci tento program používat!</translation>
    </message>
    <message>
        <source>Log to file stoped</source>
        <translation>Ukončení záznamu do souboru</translation>
    </message>
    <message>
        <source>Location of log files changed</source>
        <translation>Změna umístění souborů historie</translation>
    </message>
    <message>
        <source>KWRT-US.PIF</source>
        <translation>KWRT-US.PIF</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>HART file (*.htf)</source>
        <translation>Soubor HART (*.htf)</translation>
    </message>
    <message>
        <source>HART3.0 file (*.htf)</source>
        <translation>Soubor HART3.0 (*.htf)</translation>
    </message>
    <message>
        <source>File %1 unreadable!</source>
        <translation>Soubor %1 nelze přečíst!</translation>
    </message>
    <message>
        <source>File %1 cannot be writen!</source>
        <translation>Soubor %1 nelze zapsat!</translation>
    </message>
    <message>
        <source>Old file HART 2.x, not all parameters can be converted!</source>
        <translation>Starý soubor HART 2.x, ne všechny parametry lze převést!</translation>
    </message>
    <message>
        <source>File %1 is a HART 1.x file: its contents cannot be converted, nothing was opened.</source>
        <translation>Soubor %1 je soubor HART 1.x: jeho obsah nelze převést, nic nebylo otevřeno.</translation>
    </message>
    <message>
        <source>Do you really want to cancel changes?</source>
        <translation>Opravdu chcete zrušit změny?</translation>
    </message>
    <message>
        <source>Configuration changed! You should immediately write changes into transmitter! Write now?</source>
        <translation>Konfigurace byla změněna! Změny byste měli ihned zapsat do převodníku! Zapsat nyní?</translation>
    </message>
    <message>
        <source>Wrong configuration! Try to select another combination of parameters!</source>
        <translation>Chybná konfigurace! Zkuste zvolit jinou kombinaci parametrů!</translation>
    </message>
    <message>
        <source>Do you really want to perform this operation? Configuration of the device CANNOT BE RETURNED!</source>
        <translation>Opravdu chcete provést tuto operaci? Původní konfiguraci přístroje NELZE VRÁTIT!</translation>
    </message>
    <message>
        <source>Some errors or warnings occured. Operation was not successfully performed!<byte value="xd"/>
See the help or device manual for details!</source>
        <translation>Vyskytly se chyby nebo varování. Operace nebyla úspěšně provedena!<byte value="xd"/>
Podrobnosti najdete v nápovědě nebo v návodu k přístroji!</translation>
    </message>
    <message>
        <source>Operation successfully performed!</source>
        <translation>Operace byla úspěšně provedena!</translation>
    </message>
    <message>
        <source>The operation was interrupted. The device may have carried out part of it: read it again before you go on.</source>
        <translation>Operace byla přerušena. Přístroj mohl část z ní provést: než budete pokračovat, načtěte jej znovu.</translation>
    </message>
    <message>
        <source>Changes are not saved in device! Do you really want to disconnect?</source>
        <translation>Změny nejsou uloženy v přístroji! Opravdu se chcete odpojit?</translation>
    </message>
    <message>
        <source>At first stop communication, please!</source>
        <translation>Nejprve prosím zastavte komunikaci!</translation>
    </message>
    <message>
        <source>Changes are not saved! Do you really want to close the program?</source>
        <translation>Změny nejsou uloženy! Opravdu chcete program ukončit?</translation>
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
        <translation>Nápovědu nelze otevřít, soubor nebyl nalezen.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Detailed Setup</source>
        <translation>Podrobné nastavení</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Error in </source>
        <translation>Chyba v </translation>
    </message>
    <message>
        <source>Cond. line </source>
        <translation>Řádek podmínky </translation>
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
        <translation>Přihlášení uživatele</translation>
    </message>
    <message>
        <source>Login:</source>
        <translation>Přihlašovací jméno:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Password rejected!</source>
        <translation>Heslo bylo odmítnuto!</translation>
    </message>
    <message>
        <source>Please enter login name, full name and fill in the new and retype pasword edit boxes with the same password!</source>
        <translation>Zadejte prosím přihlašovací jméno a celé jméno a do polí „Nové heslo“ a „Zopakovat heslo“ vyplňte stejné heslo!</translation>
    </message>
    <message>
        <source>Login used, try another login!</source>
        <translation>Přihlašovací jméno je již použito, zkuste jiné!</translation>
    </message>
    <message>
        <source>Login is too short!</source>
        <translation>Přihlašovací jméno je příliš krátké!</translation>
    </message>
    <message>
        <source>Please enter your full name!</source>
        <translation>Zadejte prosím své celé jméno!</translation>
    </message>
    <message>
        <source>Paswords are not the same or password is too short!</source>
        <translation>Hesla nejsou stejná nebo je heslo příliš krátké!</translation>
    </message>
    <message>
        <source>User successfully added!</source>
        <translation>Uživatel byl úspěšně přidán!</translation>
    </message>
    <message>
        <source>All 100 places for users are taken: nothing was added. Remove a user first.</source>
        <translation>Všech 100 míst pro uživatele je obsazeno: nikdo nebyl přidán. Nejprve odeberte některého uživatele.</translation>
    </message>
    <message>
        <source>The login, the full name and the password together are too long for the users file: nothing was stored.</source>
        <translation>Přihlašovací jméno, celé jméno a heslo jsou dohromady pro soubor uživatelů příliš dlouhé: nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>The last user cannot be removed while safe access is on: nobody could log in any more.</source>
        <translation>Posledního uživatele nelze odebrat, dokud je zapnut zabezpečený přístup: nikdo by se už nemohl přihlásit.</translation>
    </message>
    <message>
        <source>The location of the history files must be a whole folder path beginning with / and without \: %1 is not one.</source>
        <translation>Umístění souborů historie musí být úplná cesta ke složce začínající znakem / a bez znaku \: %1 jí není.</translation>
    </message>
    <message>
        <source>The users file keeps only characters of the Windows-1250 code page: change the login, the full name or the password.</source>
        <translation>Soubor uživatelů uchová jen znaky kódové stránky Windows-1250: změňte přihlašovací jméno, celé jméno nebo heslo.</translation>
    </message>
    <message>
        <source>The users file %1 cannot be read (%2): nobody can be let in, and the program ends.</source>
        <translation>Soubor uživatelů %1 nelze přečíst (%2): nikoho nelze vpustit a program končí.</translation>
    </message>
    <message>
        <source>Enter old password please!</source>
        <translation>Zadejte prosím staré heslo!</translation>
    </message>
    <message>
        <source>User changed!</source>
        <translation>Uživatel byl změněn!</translation>
    </message>
    <message>
        <source>Password changed!</source>
        <translation>Heslo bylo změněno!</translation>
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
        <translation>Činnost nebyla zapsána do souboru historie %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nová</translation>
    </message>
    <message>
        <source>Group changed</source>
        <translation>Změna skupiny</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Uživatel:</translation>
    </message>
    <message>
        <source>Activity:</source>
        <translation>Činnost:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Výrobce:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Označení:</translation>
    </message>
    <message>
        <source>ID No: </source>
        <translation>Číslo ID: </translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Skupina:</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Chyba:</translation>
    </message>
    <message>
        <source>Database file not found!</source>
        <translation>Soubor databáze nebyl nalezen!</translation>
    </message>
    <message>
        <source>Not recorded in database!</source>
        <translation>V databázi není zaznamenáno!</translation>
    </message>
    <message>
        <source>Nothing to compare!</source>
        <translation>Není s čím porovnat!</translation>
    </message>
    <message>
        <source>Type or select group!</source>
        <translation>Zadejte nebo vyberte skupinu!</translation>
    </message>
    <message>
        <source>This group name already exists!</source>
        <translation>Skupina s tímto názvem již existuje!</translation>
    </message>
    <message>
        <source>A group name can hold only characters of the Windows-1250 code page: type it without the others.</source>
        <translation>Název skupiny smí obsahovat jen znaky kódové stránky Windows-1250: napište jej bez ostatních.</translation>
    </message>
    <message>
        <source>The history folder %1 cannot be read: %2</source>
        <translation>Složku historie %1 nelze číst: %2</translation>
    </message>
    <message>
        <source>You have selected actual group of the device!</source>
        <translation>Vybrali jste skupinu, ve které přístroj již je!</translation>
    </message>
    <message>
        <source>File %1 was saved in other language of definition files. Cannot continue! Language code is: %2</source>
        <translation>Soubor %1 byl uložen v jiném jazyce definičních souborů. Nelze pokračovat! Kód jazyka: %2</translation>
    </message>
    <message>
        <source>Do you want to change group to %1?</source>
        <translation>Chcete změnit skupinu na %1?</translation>
    </message>
    <message>
        <source>New Group</source>
        <translation>Nová skupina</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Název skupiny:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Soubor CSV (*.csv)</translation>
    </message>
    <message>
        <source>Configuration Protocol</source>
        <translation>Protokol o konfiguraci</translation>
    </message>
    <message>
        <source>Common Data:</source>
        <translation>Obecné údaje:</translation>
    </message>
    <message>
        <source>Sensor and Output:</source>
        <translation>Senzor a výstup:</translation>
    </message>
    <message>
        <source>Supplementary Data:</source>
        <translation>Doplňkové údaje:</translation>
    </message>
    <message>
        <source>Configured by:</source>
        <translation>Konfiguraci provedl:</translation>
    </message>
    <message>
        <source>Printed by %1, version %2</source>
        <translation>Vytištěno programem %1, verze %2</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Poznámka: </translation>
    </message>
    <message>
        <source>Revison:</source>
        <translation>Revize:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Výrobní číslo:</translation>
    </message>
    <message>
        <source>Sensor Serial No:</source>
        <translation>Výrobní číslo senzoru:</translation>
    </message>
    <message>
        <source>Descriptor:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Zpráva:</translation>
    </message>
    <message>
        <source>Long Tag:</source>
        <translation>Dlouhé označení:</translation>
    </message>
    <message>
        <source>Lower Range Limit:</source>
        <translation>Dolní mez senzoru:</translation>
    </message>
    <message>
        <source>Start of Range:</source>
        <translation>Dolní mez rozsahu:</translation>
    </message>
    <message>
        <source>Upper Range Limit:</source>
        <translation>Horní mez senzoru:</translation>
    </message>
    <message>
        <source>End of Range:</source>
        <translation>Horní mez rozsahu:</translation>
    </message>
    <message>
        <source>Minimum Span:</source>
        <translation>Minimální rozpětí:</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlumení:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Ochrana proti zápisu:</translation>
    </message>
    <message>
        <source>Transfer Function:</source>
        <translation>Převodní funkce:</translation>
    </message>
    <message>
        <source>Error Signal:</source>
        <translation>Signalizace poruchy:</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Probíhá tisk...</translation>
    </message>
    <message>
        <source>Printing on %1 could not be started.</source>
        <translation>Tisk na %1 nebylo možné spustit.</translation>
    </message>
    <message>
        <source>Response code %1: %2</source>
        <translation>Kód odpovědi %1: %2</translation>
    </message>
    <message>
        <source>Response code %1</source>
        <translation>Kód odpovědi %1</translation>
    </message>
    <message>
        <source>Invalid selection</source>
        <translation>Neplatná volba</translation>
    </message>
    <message>
        <source>Passed parameter too large</source>
        <translation>Zadaný parametr je příliš velký</translation>
    </message>
    <message>
        <source>Passed parameter too small</source>
        <translation>Zadaný parametr je příliš malý</translation>
    </message>
    <message>
        <source>Too few data bytes received</source>
        <translation>Přijato příliš málo datových bajtů</translation>
    </message>
    <message>
        <source>Device-specific command error</source>
        <translation>Chyba příkazu specifická pro přístroj</translation>
    </message>
    <message>
        <source>In write protect mode</source>
        <translation>Přístroj je chráněn proti zápisu</translation>
    </message>
    <message>
        <source>Access restricted</source>
        <translation>Přístup omezen</translation>
    </message>
    <message>
        <source>Device busy</source>
        <translation>Přístroj je zaneprázdněn</translation>
    </message>
    <message>
        <source>Delayed response initiated</source>
        <translation>Zpožděná odpověď zahájena</translation>
    </message>
    <message>
        <source>Delayed response running</source>
        <translation>Zpožděná odpověď probíhá</translation>
    </message>
    <message>
        <source>Delayed response dead</source>
        <translation>Zpožděná odpověď zanikla</translation>
    </message>
    <message>
        <source>Delayed response conflict</source>
        <translation>Konflikt zpožděných odpovědí</translation>
    </message>
    <message>
        <source>Command not implemented</source>
        <translation>Příkaz není implementován</translation>
    </message>
    <message>
        <source>Invalid polling address</source>
        <translation>Neplatná dotazovací adresa</translation>
    </message>
    <message>
        <source>Invalid loop current mode</source>
        <translation>Neplatný režim proudu smyčky</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Neplatné datum</translation>
    </message>
    <message>
        <source>Lower range value too high</source>
        <translation>Dolní mez rozsahu je příliš vysoká</translation>
    </message>
    <message>
        <source>Lower range value too low</source>
        <translation>Dolní mez rozsahu je příliš nízká</translation>
    </message>
    <message>
        <source>Upper range value too high</source>
        <translation>Horní mez rozsahu je příliš vysoká</translation>
    </message>
    <message>
        <source>Upper range value too low</source>
        <translation>Horní mez rozsahu je příliš nízká</translation>
    </message>
    <message>
        <source>Upper and lower range values out of limits</source>
        <translation>Horní i dolní mez rozsahu jsou mimo meze senzoru</translation>
    </message>
    <message>
        <source>Invalid range units</source>
        <translation>Neplatné jednotky rozsahu</translation>
    </message>
    <message>
        <source>Invalid span</source>
        <translation>Neplatné rozpětí</translation>
    </message>
    <message>
        <source>Applied process too high</source>
        <translation>Přivedená veličina je příliš vysoká</translation>
    </message>
    <message>
        <source>Applied process too low</source>
        <translation>Přivedená veličina je příliš nízká</translation>
    </message>
    <message>
        <source>Configuration change counter mismatch</source>
        <translation>Počitadlo změn konfigurace nesouhlasí</translation>
    </message>
    <message>
        <source>Loop current not active (multidrop mode)</source>
        <translation>Proud smyčky není aktivní (režim multidrop)</translation>
    </message>
    <message>
        <source>Incorrect loop current mode or value</source>
        <translation>Nesprávný režim nebo hodnota proudu smyčky</translation>
    </message>
    <message>
        <source>Invalid burst message</source>
        <translation>Neplatná zpráva režimu BURST</translation>
    </message>
    <message>
        <source>No bandwidth available</source>
        <translation>Není volná přenosová kapacita</translation>
    </message>
    <message>
        <source>The device&apos;s own value: the table has no entry for it, so it cannot be written.</source>
        <translation>Vlastní hodnota přístroje: tabulka pro ni nemá položku, proto ji nelze zapsat.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>Transfer Function</source>
        <translation>Převodní funkce</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Dolní mez rozsahu</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Horní mez rozsahu</translation>
    </message>
    <message>
        <source>Damping</source>
        <translation>Tlumení</translation>
    </message>
    <message>
        <source>Nothing was written: %1 &quot;%2&quot; is not an entry of the list, so there is no code to send it with. Choose %1 from the list.</source>
        <translation>Nic nebylo zapsáno: hodnota „%2“ pole %1 není položkou seznamu, a nemá proto kód, se kterým by šla odeslat. Vyberte hodnotu pole %1 ze seznamu.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 &quot;%2&quot; is not a number.</source>
        <translation>Nic nebylo zapsáno: hodnota „%2“ pole %1 není číslo.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 %2 is above the sensor&apos;s upper limit %3.</source>
        <translation>Nic nebylo zapsáno: %1 %2 je nad horní mezí senzoru %3.</translation>
    </message>
    <message>
        <source>Nothing was written: %1 %2 is below the sensor&apos;s lower limit %3.</source>
        <translation>Nic nebylo zapsáno: %1 %2 je pod dolní mezí senzoru %3.</translation>
    </message>
    <message>
        <source>Nothing was written: the span from Lower Range Value to Upper Range Value, %1, is less than the sensor&apos;s minimum span %2.</source>
        <translation>Nic nebylo zapsáno: rozpětí od dolní do horní meze rozsahu, %1, je menší než minimální rozpětí senzoru %2.</translation>
    </message>
    <message>
        <source>Loop current in mA, from %1 to %2.</source>
        <translation>Proud smyčky v mA, od %1 do %2.</translation>
    </message>
    <message>
        <source>Loop current in mA, from %1 to %2; 0 ends the fixed output.</source>
        <translation>Proud smyčky v mA, od %1 do %2; 0 ukončí pevný výstup.</translation>
    </message>
    <message>
        <source>The loop current %1 mA is outside the range from %2 to %3 mA.</source>
        <translation>Proud smyčky %1 mA je mimo rozsah od %2 do %3 mA.</translation>
    </message>
    <message>
        <source>The input must lie within the sensor&apos;s limits, from %1 to %2.</source>
        <translation>Vstup musí ležet v mezích senzoru, od %1 do %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: the input applied now, %1, is above the sensor&apos;s upper limit %2.</source>
        <translation>Nic nebylo odesláno: nyní přivedený vstup %1 je nad horní mezí senzoru %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: the input applied now, %1, is below the sensor&apos;s lower limit %2.</source>
        <translation>Nic nebylo odesláno: nyní přivedený vstup %1 je pod dolní mezí senzoru %2.</translation>
    </message>
    <message>
        <source>Nothing was sent: with the input applied now, %1, as Upper Range Value the span would be %2, less than the sensor&apos;s minimum span %3.</source>
        <translation>Nic nebylo odesláno: s nyní přivedeným vstupem %1 jako horní mezí rozsahu by rozpětí bylo %2, méně než minimální rozpětí senzoru %3.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Primary Variable</source>
        <translation>Primární proměnná</translation>
    </message>
    <message>
        <source>Loop Current</source>
        <translation>Proud smyčky</translation>
    </message>
    <message>
        <source>Percent of Range</source>
        <translation>Procento rozsahu</translation>
    </message>
    <message>
        <source>Secondary Variable</source>
        <translation>Sekundární proměnná</translation>
    </message>
    <message>
        <source>Tertiary Variable</source>
        <translation>Terciární proměnná</translation>
    </message>
    <message>
        <source>Fourth Variable</source>
        <translation>Čtvrtá proměnná</translation>
    </message>
    <message>
        <source>Loop current fixed</source>
        <translation>Proud smyčky je pevně nastaven</translation>
    </message>
    <message>
        <source>No values have been read yet. They are recorded while a device is read on-line.</source>
        <translation>Zatím nebyly přečteny žádné hodnoty. Zaznamenávají se, když se přístroj čte on-line.</translation>
    </message>
    <message>
        <source>Wire: simulated devices</source>
        <translation>Vedení: simulované přístroje</translation>
    </message>
    <message>
        <source>Wire: HART modem on serial port %1</source>
        <translation>Vedení: HART modem na sériovém portu %1</translation>
    </message>
    <message>
        <source>Wire: HART-IP gateway %1, port %2, %3</source>
        <translation>Vedení: brána HART-IP %1, port %2, %3</translation>
    </message>
    <message>
        <source>Wire: as the driver&apos;s own settings file says</source>
        <translation>Vedení: podle vlastního souboru nastavení ovladače</translation>
    </message>
    <message>
        <source>Wire: that of the driver that was already running</source>
        <translation>Vedení: to, které používá již spuštěný ovladač</translation>
    </message>
    <message>
        <source>Wire: that of the driver on %1</source>
        <translation>Vedení: to, které používá ovladač na %1</translation>
    </message>
    <message>
        <source>No driver</source>
        <translation>Žádný ovladač</translation>
    </message>
    <message>
        <source>Choose or type the serial port of the HART modem.</source>
        <translation>Vyberte nebo zadejte sériový port HART modemu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no host name or address of a HART-IP gateway.</source>
        <translation>&quot;%1&quot; není název hostitele ani adresa brány HART-IP.</translation>
    </message>
    <message>
        <source>The driver in use was not started by Tarvik (it was already running, or runs on another computer) and keeps its own wire. The wire chosen is used when Tarvik starts the driver itself.</source>
        <translation>Používaný ovladač nespustil Tarvik (už běžel, nebo běží na jiném počítači) a ponechává si své vedení. Zvolené vedení se použije, až Tarvik spustí ovladač sám.</translation>
    </message>
    <message>
        <source>The driver will be started on the wire chosen once the connection is stopped.</source>
        <translation>Ovladač bude spuštěn na zvoleném vedení, jakmile se spojení zastaví.</translation>
    </message>
    <message>
        <source>The simulated bench did not do it: %1</source>
        <translation>Simulovaný přípravek to neprovedl: %1</translation>
    </message>
    <message>
        <source>The device&apos;s range is not known: read the device first.</source>
        <translation>Rozsah přístroje není znám: nejprve přístroj načtěte.</translation>
    </message>
    <message>
        <source>The check works out the expected current for the transfer functions %1 and %2 only, not for %3.</source>
        <translation>Kontrola počítá očekávaný proud jen pro převodní funkce %1 a %2, ne pro %3.</translation>
    </message>
    <message>
        <source>The connection stopped: the check was ended.</source>
        <translation>Spojení se zastavilo: kontrola byla ukončena.</translation>
    </message>
    <message>
        <source>A procedure took the device during the check: the check was ended.</source>
        <translation>Během kontroly převzala přístroj jiná procedura: kontrola byla ukončena.</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Neznámá (%1)</translation>
    </message>
    <message>
        <source>A check is running.</source>
        <translation>Kontrola probíhá.</translation>
    </message>
    <message>
        <source>The check needs the device read on-line: press Read! first.</source>
        <translation>Kontrola potřebuje přístroj čtený on-line: nejprve stiskněte „Číst!“.</translation>
    </message>
    <message>
        <source>The loop current is fixed: exit fixed output status first.</source>
        <translation>Proud smyčky je fixován: nejprve zrušte fixování proudu.</translation>
    </message>
    <message>
        <source>The check needs test points and a tolerance above 0.</source>
        <translation>Kontrola potřebuje zkušební body a toleranci větší než 0.</translation>
    </message>
    <message>
        <source>The device gave no loop current.</source>
        <translation>Přístroj nedal proud smyčky.</translation>
    </message>
    <message>
        <source>Calibration check</source>
        <translation>Kontrola kalibrace</translation>
    </message>
    <message>
        <source>The test points are percentages of the range from -25 to 125, separated by commas.</source>
        <translation>Zkušební body jsou procenta rozsahu od -25 do 125 oddělená čárkami.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ není číslo.</translation>
    </message>
    <message>
        <source>Apply %1 %2 and type the input the calibrator shows:</source>
        <translation>Přiveďte %1 %2 a zadejte vstup, který ukazuje kalibrátor:</translation>
    </message>
    <message>
        <source>Type the loop current the meter in the loop shows (mA):</source>
        <translation>Zadejte proud smyčky, který ukazuje měřidlo ve smyčce (mA):</translation>
    </message>
    <message>
        <source>The check was saved in %1.</source>
        <translation>Kontrola byla uložena do %1.</translation>
    </message>
    <message>
        <source>Point %</source>
        <translation>Bod %</translation>
    </message>
    <message>
        <source>Applied</source>
        <translation>Přivedeno</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>PV error %</source>
        <translation>Chyba PV %</translation>
    </message>
    <message>
        <source>Expected mA</source>
        <translation>Očekáváno mA</translation>
    </message>
    <message>
        <source>Current mA</source>
        <translation>Proud mA</translation>
    </message>
    <message>
        <source>Current error %</source>
        <translation>Chyba proudu %</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Vyhovuje</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nevyhovuje</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>lineární</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>odmocninová</translation>
    </message>
    <message>
        <source>%1 % of span</source>
        <translation>%1 % rozpětí</translation>
    </message>
    <message>
        <source>As found</source>
        <translation>Stav při převzetí</translation>
    </message>
    <message>
        <source>As left</source>
        <translation>Stav při předání</translation>
    </message>
    <message>
        <source>Not made.</source>
        <translation>Neprovedeno.</translation>
    </message>
    <message>
        <source>Stopped before its last point.</source>
        <translation>Zastaveno před posledním bodem.</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <translation>Výsledek: %1</translation>
    </message>
    <message>
        <source>Largest error: %1 % of span</source>
        <translation>Největší chyba: %1 % rozpětí</translation>
    </message>
    <message>
        <source>Calibration Certificate</source>
        <translation>Kalibrační list</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Přístroj</translation>
    </message>
    <message>
        <source>Manufacturer, type:</source>
        <translation>Výrobce, typ:</translation>
    </message>
    <message>
        <source>Unique identifier:</source>
        <translation>Jedinečný identifikátor:</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Označení:</translation>
    </message>
    <message>
        <source>Long tag:</source>
        <translation>Dlouhé označení:</translation>
    </message>
    <message>
        <source>Range as found:</source>
        <translation>Rozsah při převzetí:</translation>
    </message>
    <message>
        <source>Range as left:</source>
        <translation>Rozsah při předání:</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Tolerance:</translation>
    </message>
    <message>
        <source>Calibrator</source>
        <translation>Kalibrátor</translation>
    </message>
    <message>
        <source>Make, serial number:</source>
        <translation>Výrobce, výrobní číslo:</translation>
    </message>
    <message>
        <source>Certificate, due date:</source>
        <translation>Certifikát, platnost do:</translation>
    </message>
    <message>
        <source>Ambient conditions:</source>
        <translation>Okolní podmínky:</translation>
    </message>
    <message>
        <source>Technician:</source>
        <translation>Technik:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Next check due:</source>
        <translation>Příští kontrola:</translation>
    </message>
    <message>
        <source>Asking polling address %1 of 0..%2 ...</source>
        <translation>Dotaz na dotazovací adresu %1 z 0..%2 ...</translation>
    </message>
    <message>
        <source>Loop current fixed at %1 mA</source>
        <translation>Proud smyčky pevně nastaven na %1 mA</translation>
    </message>
    <message>
        <source>Loop scanned, devices found: %1</source>
        <translation>Smyčka prohledána, přístrojů: %1</translation>
    </message>
    <message>
        <source>Scan finished. Devices found: %1</source>
        <translation>Prohledání skončilo. Nalezené přístroje: %1</translation>
    </message>
    <message>
        <source>Scanning the loop ...</source>
        <translation>Prohledávání smyčky ...</translation>
    </message>
    <message>
        <source>Scanning the loop ends the connection with the device. Scan now?</source>
        <translation>Prohledání smyčky ukončí spojení s přístrojem. Prohledat nyní?</translation>
    </message>
    <message>
        <source>Tarvik - %1</source>
        <translation>Tarvik - %1</translation>
    </message>
    <message>
        <source>The list of recent files was not saved: %1</source>
        <translation>Seznam naposledy použitých souborů nebyl uložen: %1</translation>
    </message>
    <message>
        <source>The same device answers at polling addresses %1: check the addresses of the loop.</source>
        <translation>Tentýž přístroj odpovídá na dotazovacích adresách %1: zkontrolujte adresy ve smyčce.</translation>
    </message>
    <message>
        <source>The scan was not finished.</source>
        <translation>Prohledání nebylo dokončeno.</translation>
    </message>
    <message>
        <source>The scan was stopped at polling address %1.</source>
        <translation>Prohledání bylo zastaveno na dotazovací adrese %1.</translation>
    </message>
</context>
<context>
    <name>settings::ConnectionPage</name>
    <message>
        <source>Simulated devices</source>
        <translation>Simulované přístroje</translation>
    </message>
    <message>
        <source>HART modem on the serial port</source>
        <translation>HART modem na sériovém portu</translation>
    </message>
    <message>
        <source>HART-IP gateway</source>
        <translation>Brána HART-IP</translation>
    </message>
    <message>
        <source>As the driver&apos;s own settings file says (pelmora.ini)</source>
        <translation>Podle vlastního souboru nastavení ovladače (pelmora.ini)</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hostitel:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Tarvik starts the driver with this wire. A driver that is already running, or the one on another computer (net path), is used as it is.</source>
        <translation>Tarvik spouští ovladač s tímto vedením. Ovladač, který už běží, nebo ovladač na jiném počítači (síťová cesta) se použije tak, jak je.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
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
        <translation>1 minuta</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportovat...</translation>
    </message>
    <message>
        <source>Time window:</source>
        <translation>Časové okno:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
</context>
<context>
    <name>TCalibration</name>
    <message>
        <source>Calibration Check</source>
        <translation>Kontrola kalibrace</translation>
    </message>
    <message>
        <source>Falling too</source>
        <translation>I sestupně</translation>
    </message>
    <message>
        <source>Typed from the calibrator</source>
        <translation>Zadán z kalibrátoru</translation>
    </message>
    <message>
        <source>Simulated bench</source>
        <translation>Simulovaný přípravek</translation>
    </message>
    <message>
        <source>As the device reports it</source>
        <translation>Jak jej hlásí přístroj</translation>
    </message>
    <message>
        <source>Typed from a meter</source>
        <translation>Zadán z měřidla</translation>
    </message>
    <message>
        <source>Simulated meter</source>
        <translation>Simulované měřidlo</translation>
    </message>
    <message>
        <source>until the PV settles</source>
        <translation>do ustálení PV</translation>
    </message>
    <message>
        <source>Test points (% of range):</source>
        <translation>Zkušební body (% rozsahu):</translation>
    </message>
    <message>
        <source>Tolerance (% of span):</source>
        <translation>Tolerance (% rozpětí):</translation>
    </message>
    <message>
        <source>Applied input:</source>
        <translation>Přivedený vstup:</translation>
    </message>
    <message>
        <source>Loop current:</source>
        <translation>Proud smyčky:</translation>
    </message>
    <message>
        <source>Settling time (s):</source>
        <translation>Doba ustálení (s):</translation>
    </message>
    <message>
        <source>Calibrator make:</source>
        <translation>Výrobce kalibrátoru:</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Výrobní číslo:</translation>
    </message>
    <message>
        <source>Certificate:</source>
        <translation>Certifikát:</translation>
    </message>
    <message>
        <source>Certificate due:</source>
        <translation>Platnost certifikátu do:</translation>
    </message>
    <message>
        <source>Ambient conditions:</source>
        <translation>Okolní podmínky:</translation>
    </message>
    <message>
        <source>Next check due:</source>
        <translation>Příští kontrola:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Calibrator</source>
        <translation>Kalibrátor</translation>
    </message>
    <message>
        <source>Run As Found</source>
        <translation>Spustit převzetí</translation>
    </message>
    <message>
        <source>Run As Left</source>
        <translation>Spustit předání</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation>Uložit záznam</translation>
    </message>
    <message>
        <source>Print Certificate...</source>
        <translation>Tisk kalibračního listu...</translation>
    </message>
    <message>
        <source>Point %1: PV %2, settling ...</source>
        <translation>Bod %1: PV %2, ustaluje se ...</translation>
    </message>
    <message>
        <source>The run is complete.</source>
        <translation>Běh je dokončen.</translation>
    </message>
    <message>
        <source>The run was ended before its last point.</source>
        <translation>Běh byl ukončen před posledním bodem.</translation>
    </message>
</context>
</TS>
