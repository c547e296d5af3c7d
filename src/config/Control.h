#pragma once
// The values of the device the main window shows, by the names of the controls that show them. The
// device state keeps a text for each; the window binds each to its control by the same name.
namespace config {

enum class Control {
    // Device Info
    Vyrobce,
    Typ,
    RozsirenyTyp, // the expanded device type (universal revision 6 and later)
    Verze,
    VerzeHart, // the universal revision
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
    DlouheOznaceni, // the long tag (universal revision 6 and later), shown on Device Info too
    // On-line values and the device's status
    PollAddr,
    PV,
    PVI,
    PVP,
    SV,
    TV,
    FV,
    Status,
};
inline constexpr int ControlCount = int(Control::Status) + 1;

inline constexpr bool isList(Control control) { return control == Control::Jednotky || control == Control::Funkce; }

} // namespace config
