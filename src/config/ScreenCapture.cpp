#include "ScreenCapture.h"

namespace config {

using driverlink::Control;

Control controlOf(Field field)
{
    switch (field) {
    case Field::UniqueId: return Control::UI;
    case Field::Manufacturer: return Control::Vyrobce;
    case Field::DeviceType: return Control::Typ;
    case Field::Revision: return Control::Verze;
    case Field::SerialNo: return Control::VyrCislo;
    case Field::SensorSerialNo: return Control::VyrCisCidla;
    case Field::UpperRangeLimit: return Control::HorniMez;
    case Field::LowerRangeLimit: return Control::DolniMez;
    case Field::MinimumSpan: return Control::MinRozpeti;
    case Field::WriteProtection: return Control::Ochrana;
    case Field::AlarmSignaling: return Control::Porucha;
    case Field::PollingAddress: return Control::PollAddr;
    case Field::LowerRangeValue: return Control::Pocatek;
    case Field::UpperRangeValue: return Control::Konec;
    case Field::Units: return Control::Jednotky;
    case Field::Damping: return Control::Tlumeni;
    case Field::TransferFunction: return Control::Funkce;
    case Field::Tag: return Control::Oznaceni;
    case Field::Descriptor: return Control::Popis;
    case Field::Date: return Control::Datum;
    case Field::Message: return Control::Zprava;
    }
    return Control::UI;
}

void FromScreen(const driverlink::MainScreen& screen, TConfigRecord& record)
{
    record.setMagic(QStringLiteral("HART20File"));
    for (int i = 0; i < FieldCount; ++i)
        record.setText(Field(i), screen.text(controlOf(Field(i))));
}

} // namespace config
