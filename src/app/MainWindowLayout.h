#pragma once
// The controls, menus and layout of the main window, without any behaviour. TForm1 calls setup(*this) once
// and then connects its handlers to the members; the menus are built from the command table
// (MenuCommands.h). Every member's name is also the widget's objectName, so tests and the rest of the program
// can find a control either way.
//
// The window has a fixed size taken from its layout. Everything whose content changes at run time (value labels,
// lists, status lines, the on-line values that get hidden and shown) is sized so that its content can never
// change that size: a window that jumps while a technician works would be worse than a clipped text. The device
// status sentences, which may be many, scroll instead. Value labels show plain text: what a device, the driver or
// a definition file sends is never read as markup.
#include <QCoreApplication>
#include <QHash>
#include <QList>

class QAction;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QWidget;

// Sizes a top-level window from its layout and puts it in the middle of the free area of its screen; a window
// larger than that area starts at the area's top left corner, so its title bar stays reachable.
void centreOnScreen(QWidget& window);

struct MainWindowLayout {
    Q_DECLARE_TR_FUNCTIONS(MainWindowLayout)

public:
    // Menu File
    QMenu* File1 = nullptr;
    QAction* Menu1 = nullptr;         // Open
    QAction* Uloz = nullptr;          // Save
    QAction* TiskniPreview = nullptr; // Print Preview
    QAction* Tiskni = nullptr;        // Print
    QAction* Konec1 = nullptr;        // Exit

    // Menu Initialization
    QMenu* Initialization1 = nullptr;
    QAction* Inicializaceoznaenm1 = nullptr;          // Initialization by Tag
    QAction* Inicializacedotazovacadresou1 = nullptr; // Initialization by Address
    QAction* ScanLoop = nullptr;                      // Scan Loop...

    // Menu Configuration
    QMenu* Configuration1 = nullptr;
    QAction* NastaveniPocatku = nullptr;  // Lower Range Value
    QAction* NastaveniKonce = nullptr;    // Upper Range Value
    QAction* NulovaniCidla = nullptr;     // Sensor Zeroing
    QAction* ZmenaAdresy = nullptr;       // Address Changing
    QAction* DetailedSetupMenu = nullptr; // Detailed Setup (hidden until a device definition exists)
    QAction* NavratHodnotm1 = nullptr;    // Back to Initial Values

    // Menu Service
    QMenu* Service1 = nullptr;
    QAction* TestPristroje = nullptr;             // Device Test
    QAction* ResetPristroje = nullptr;            // Device Reset
    QAction* NulujPriznakm1 = nullptr;            // Clear Configuration Changed Flag
    QAction* Writefinalassemblynumber1 = nullptr; // Write Final Assembly Number
    QAction* FixovaniVystupnihoProudu = nullptr;  // Enter Fixed Output Status (LoopTest)
    QAction* Zrusfixovaniproudu = nullptr;        // Exit Fixed Output Status
    QAction* Trimovani4mA = nullptr;              // Trim DAC Lower Output Value
    QAction* Trimovani20mA = nullptr;             // Trim DAC Upper Output Value
    QAction* NastaveniBURSTfunkce = nullptr;      // Set Burst Function
    QAction* ZapnutiBURSTmodu = nullptr;          // Enter Burst Mode
    QAction* VypnutiBURSTmodu = nullptr;          // Exit Burst mode
    QAction* CalibrationCheck = nullptr;          // Calibration Check: as found, adjust, as left

    // Menu View
    QMenu* View1 = nullptr;
    QAction* MenuTrend = nullptr; // Trend: the on-line values against time

    // Commands directly on the menu bar
    QAction* MenuHistory = nullptr; // History
    QAction* Options1 = nullptr;    // Options

    // Menu Help
    QMenu* Help1 = nullptr;
    QAction* Obsah1 = nullptr;     // Contents (F1)
    QAction* Oprogramu1 = nullptr; // About ...

    // Page control
    QTabWidget* SetupPanels = nullptr;
    QWidget* InstrumentBox = nullptr;  // Device Info
    QWidget* BasicSetup = nullptr;     // Basic Setup
    QWidget* pDetailedSetup = nullptr; // Detailed Setup (tab hidden until a device definition exists)

    // Device Info page
    QLabel* Vyrobce = nullptr;
    QLabel* Typ = nullptr;
    QLabel* RozsirenyTyp = nullptr; // expanded device type
    QLabel* Verze = nullptr;
    QLabel* VerzeHart = nullptr; // universal revision
    QLabel* UI = nullptr;
    QLabel* VyrCislo = nullptr;
    QLabel* VyrCisCidla = nullptr;
    QLabel* HorniMez = nullptr;
    QLabel* DolniMez = nullptr;
    QLabel* MinRozpeti = nullptr;
    QLabel* Porucha = nullptr;
    QLabel* Ochrana = nullptr;
    QLabel* DlouheOznaceniInfo = nullptr; // the long tag, as on Basic Setup; hidden with it

    // Basic Setup page
    QLineEdit* Pocatek = nullptr;
    QLineEdit* Konec = nullptr;
    QComboBox* Jednotky = nullptr;
    QLineEdit* Tlumeni = nullptr;
    QComboBox* Funkce = nullptr;
    QLabel* Label20 = nullptr; // caption of Funkce, hidden with it
    QLineEdit* Oznaceni = nullptr;
    QLineEdit* Popis = nullptr;
    QLineEdit* Datum = nullptr;
    QLineEdit* Zprava = nullptr;
    QLineEdit* DlouheOznaceni = nullptr; // the long tag: only a device of universal revision 6 or later has one

    // On-line values and messages
    QGroupBox* OnlineBox = nullptr;
    QLabel* PollAddr = nullptr;
    QLabel* PV = nullptr;
    QLabel* PVI = nullptr;
    QLabel* PVP = nullptr;
    QLabel* SV = nullptr;
    QLabel* TV = nullptr;
    QLabel* FV = nullptr;
    // "Loop current fixed at 12 mA": shown while a device holds the loop current fixed, whatever else shows.
    QLabel* FixedCurrent = nullptr;
    QGroupBox* StatusBox = nullptr;
    QScrollArea* StatusScroll = nullptr; // holds Status and follows its visibility
    QLabel* Status = nullptr;
    QGroupBox* ErrorBox = nullptr;
    QListWidget* Error = nullptr;
    QGroupBox* ProgramStatusBox = nullptr;
    QLabel* ProgramStatus = nullptr;
    QLabel* WireStatus = nullptr; // the status bar: the wire of the driver in use

    QPushButton* Pripoj = nullptr;    // Read!
    QPushButton* Odpoj = nullptr;     // Stop!
    QPushButton* ZapisPrev = nullptr; // Write in device!

    // Diagnostics the user never sees; kept for the sequencer's own traces.
    QWidget* DiagnosticPanel = nullptr;
    QPlainTextEdit* DdeDat = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label30 = nullptr;
    QPushButton* Button1 = nullptr; // STOP
    QPushButton* Button2 = nullptr; // RUN

    // Creates every control, menu and layout on the window, in the state after start: Stop!, Write in device!,
    // the device commands, Back to Initial Values and the editable fields disabled; the Detailed Setup page and
    // menu command hidden. The menus are those of the command table (MenuCommands.h).
    void setup(QMainWindow& window);

    // The caption label beside a control of the pages or the on-line values box; nullptr for anything else.
    QLabel* captionOf(const QWidget* control) const;

    // The menu commands that exist only while a device is connected, in the order they are switched.
    QList<QAction*> deviceCommands() const;
    // The widgets that show the hour-glass cursor while the program waits for the device (besides the windows).
    QList<QWidget*> hourGlassWidgets() const;
    // The editable configuration fields of the Basic Setup page.
    QList<QWidget*> editableFields() const;
    // The on-line values and device messages, shown only while values come from a device.
    QList<QWidget*> onlineWidgets() const;

private:
    void buildMenus(QMainWindow& window);
    void buildDeviceInfoPage(int gap);
    void buildBasicSetupPage(int gap);
    void buildPages(QWidget* central, int gap);
    void buildOnlineBox(QWidget* central, int gap);
    void buildMessageBoxes(QWidget* central);
    void buildButtons(QWidget* central);
    void buildDiagnostics(QWidget* central);
    void buildStatusBar(QMainWindow& window);
    void arrange(QWidget* central);
    void setStartState();
    // A caption label beside its control: the buddy relation lets screen readers announce the control under
    // its caption, and captionOf() finds it again.
    QLabel* addCaption(QWidget* control, const QString& text, const char* name = nullptr);
    // A row of a form: a value label under its caption.
    void addValueRow(QFormLayout* form, QLabel* value, const QString& text);

    QHash<const QWidget*, QLabel*> captions;
};
