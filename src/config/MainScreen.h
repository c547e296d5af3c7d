#pragma once
// The screen model: the main window's labels, edits and lists by name, the error list and the
// diagnostic controls. It is the one view of the main window that the rest of the program sees; the
// window implements it with one table from name to widget, tests with a map of texts.
#include <QString>

namespace config {

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
    // Yellow when the control differs from a compared record, else its normal colour.
    virtual void highlight(Control control, bool differs) = 0;
    virtual void addError(const QString& entry) = 0;
    virtual int errorCount() const = 0;
    virtual void clearErrors() = 0;
    virtual void showErrorList() = 0;
};

} // namespace config
