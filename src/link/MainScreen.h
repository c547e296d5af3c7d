#pragma once
// What the sequencer and the reply decoder see of the main window: its labels, edits and lists by
// name, the error list and the diagnostic controls. The window implements it; tests use a fake.
#include <QString>

namespace driverlink {

enum class Control {
    // Device Info
    Vyrobce,
    Typ,
    Verze,
    UI,
    VyrCislo,
    VyrCisCidla,
    HorniMez,
    DolniMez,
    MinRozpeti,
    Porucha,
    Ochrana,
    // Basic Setup
    Pocatek,
    Konec,
    Jednotky, // a list: its text is the selected entry, setting it selects by name
    Tlumeni,
    Funkce, // a list, as Jednotky
    Oznaceni,
    Popis,
    Datum,
    Zprava,
    // On-line values and messages
    PollAddr,
    PV,
    PVI,
    PVP,
    SV,
    TV,
    FV,
    Status,
    ProgramStatus,
    // Diagnostics
    Label26,
    Label30,
};

class MainScreen {
public:
    virtual ~MainScreen() = default;
    virtual QString text(Control control) const = 0;
    // For the two lists: selects the first entry, then every entry equal to the text in turn.
    virtual void setText(Control control, const QString& text) = 0;
    virtual void addError(const QString& entry) = 0;
    virtual int errorCount() const = 0;
    virtual void showErrorList() = 0;
};

} // namespace driverlink
