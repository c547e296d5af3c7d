#include "config/CommandCatalogue.h"

#include "platform/ReplyLayout.h"

namespace config {

using C = Control;
using F = ChangeFlags;
using namespace replylayout;

const QList<CommandRow>& commandCatalogue()
{
    static const QList<CommandRow> rows = [] {
        const QString mA = QStringLiteral(" mA");
        // Revision 5 has no expanded device type: its line is missing, and the value stays empty.
        const QList<ReplyField> identityFields{{C::Vyrobce, identity::Manufacturer, -1, {}, true},
                                               {C::Typ, identity::DeviceType, -1, {}, true},
                                               {C::RozsirenyTyp, identity::ExpandedDeviceType, -1, {}, true},
                                               {C::Verze, identity::DeviceRevision, -1, {}, true},
                                               {C::VerzeHart, identity::UniversalRevision, -1, {}, true},
                                               {C::UI, identity::UniqueId, -1, {}, true}};
        const QList<ReplyField> longTagFields{{C::DlouheOznaceni, longTag::LongTag}};
        const QList<ReplyField> tagFields{{C::Oznaceni, tagDescriptorDate::Tag},
                                          {C::Popis, tagDescriptorDate::Descriptor},
                                          {C::Datum, tagDescriptorDate::Date}};
        const QList<ReplyField> messageFields{{C::Zprava, message::Message}};
        return QList<CommandRow>{
            {0, identity::End, identityFields, {}, nullptr, {}, ReplyHook::Identity},
            {11, identity::End, identityFields, {}, nullptr, {}, ReplyHook::Identity},
            {1, primaryVariable::End, {{C::PV, primaryVariable::Value, primaryVariable::Unit}}},
            {2,
             loopCurrent::End,
             {{C::PVI, loopCurrent::Current, -1, mA}, {C::PVP, loopCurrent::Percent, -1, QStringLiteral(" %")}}},
            // The loop current and the primary variable; the other variables when the device has them.
            {3,
             dynamicVariables::Pv + 1,
             {{C::PVI, dynamicVariables::Current, -1, mA},
              {C::PV, dynamicVariables::Pv, dynamicVariables::PvUnit},
              {C::SV, dynamicVariables::Sv, dynamicVariables::SvUnit},
              {C::TV, dynamicVariables::Tv, dynamicVariables::TvUnit},
              {C::FV, dynamicVariables::Fv, dynamicVariables::FvUnit}}},
            {12, message::End, messageFields, {}, nullptr, {}, ReplyHook::DefinitionLookup},
            {13, tagDescriptorDate::End, tagFields},
            {14,
             sensor::End,
             {{C::VyrCisCidla, sensor::SerialNo},
              {C::HorniMez, sensor::UpperLimit, sensor::Unit},
              {C::DolniMez, sensor::LowerLimit, sensor::Unit},
              {C::MinRozpeti, sensor::MinimumSpan, sensor::Unit}}},
            // The private label and the distributor after it are not shown: the reply is taken without the latter.
            {15,
             output::PrivateLabel + 1,
             {{C::Konec, output::UpperRangeValue},
              {C::Pocatek, output::LowerRangeValue},
              {C::Tlumeni, output::Damping},
              {C::Porucha, output::Alarm},
              {C::Funkce, output::TransferFunction},
              {C::Jednotky, output::Unit},
              {C::Ochrana, output::WriteProtection}}},
            {16, finalAssembly::End, {{C::VyrCislo, finalAssembly::Number}}},
            {17, message::End, messageFields, {C::Zprava}, &F::MessageChanged, {C::Zprava}},
            {18,
             tagDescriptorDate::End,
             tagFields,
             {C::Oznaceni, C::Popis, C::Datum},
             &F::TagChanged,
             {C::Oznaceni, C::Datum, C::Popis}},
            {20, longTag::End, longTagFields},
            {22, longTag::End, longTagFields, {C::DlouheOznaceni}, &F::LongTagChanged, {C::DlouheOznaceni}},
            {34, 0, {}, {C::Tlumeni}, &F::DampingChanged, {C::Tlumeni}},
            {35, 0, {}, {C::Jednotky, C::Konec, C::Pocatek}, &F::RangeChanged, {C::Pocatek, C::Konec}},
            {44, 0, {}, {C::Jednotky}, &F::UnitsChanged, {}},
            {47, 0, {}, {C::Funkce}, &F::TransferFunctionChanged, {C::Funkce}},
            {40, fixedCurrent::End, {}, {}, nullptr, {}, ReplyHook::FixedCurrent},
            {42, 0, {}, {}, nullptr, {}, ReplyHook::Reset},
            {48, additionalStatus::End, {}, {}, nullptr, {}, ReplyHook::SelfTest},
        };
    }();
    return rows;
}

const CommandRow* catalogueRow(int command)
{
    for (const CommandRow& row : commandCatalogue())
        if (row.command == command) return &row;
    return nullptr;
}

const QList<ValueRow>& valueCatalogue()
{
    using B = ProtocolBlock;
    using T = platform::Texts;
    static const QList<ValueRow> rows{
        {C::UI, Field::UniqueId, {}, true, B::CommonData, 1, false, &T::protocolId},
        {C::Vyrobce, Field::Manufacturer, {}, true, B::CommonData, 0, false, &T::protocolManufacturer},
        {C::Typ, Field::DeviceType, {}, true, B::CommonData, 0, true, &T::protocolType},
        {C::Verze, Field::Revision, {}, true, B::CommonData, 1, true, &T::protocolRevision},
        {C::VyrCislo, Field::SerialNo, {}, false, B::CommonData, 2, false, &T::protocolSerialNo},
        {C::VyrCisCidla, Field::SensorSerialNo, {}, false, B::CommonData, 3, false, &T::protocolSensorSerialNo},
        {C::HorniMez, Field::UpperRangeLimit, {}, false, B::SensorOutput, 1, false, &T::protocolUpperRangeLimit},
        {C::DolniMez, Field::LowerRangeLimit, {}, false, B::SensorOutput, 0, false, &T::protocolLowerRangeLimit},
        {C::MinRozpeti, Field::MinimumSpan, {}, false, B::SensorOutput, 2, false, &T::protocolMinimumSpan},
        {C::Ochrana, Field::WriteProtection, {}, false, B::SensorOutput, 3, false, &T::protocolSecurity},
        {C::Porucha, Field::AlarmSignaling, {}, false, B::SensorOutput, 4, false, &T::protocolErrorSignal},
        {C::Pocatek, Field::LowerRangeValue, ValueRule, false, B::SensorOutput, 0, true, &T::protocolStartOfRange,
         ProtocolSuffix::Units, &T::fieldLowerRangeValue, true},
        {C::Konec, Field::UpperRangeValue, ValueRule, false, B::SensorOutput, 1, true, &T::protocolEndOfRange,
         ProtocolSuffix::Units, &T::fieldUpperRangeValue, true},
        {C::Tlumeni, Field::Damping, ValueRule, false, B::SensorOutput, 2, true, &T::protocolDamping,
         ProtocolSuffix::Seconds, &T::fieldDamping, true},
        {C::Oznaceni, Field::Tag, TagRule, false, B::CommonData, 2, true, &T::protocolTag},
        {C::Popis, Field::Descriptor, DescriptorRule, false, B::CommonData, 3, true, &T::protocolDescriptor},
        {C::Datum, Field::Date, ValueRule, false, B::CommonData, 4, true, &T::protocolDateOfDevice},
        {C::Zprava, Field::Message, MessageRule, false, B::CommonData, 5, false, &T::protocolMessage},
        // No record has room for the long tag: it is the device's, and printed from it, in the one free place
        // of the blocks that no heading below crowds.
        {C::DlouheOznaceni, {}, LongTagRule, false, B::SensorOutput, 4, true, &T::protocolLongTag},
        {C::PollAddr, Field::PollingAddress, {}, false, B::CommonData, 4, false, &T::protocolAddress},
        {C::Jednotky, Field::Units, {}, false, B::None, 0, false, nullptr, ProtocolSuffix::None, &T::fieldUnits},
        {C::Funkce,
         Field::TransferFunction,
         {},
         false,
         B::SensorOutput,
         3,
         true,
         &T::protocolTransferFunction,
         ProtocolSuffix::None,
         &T::fieldTransferFunction},
    };
    return rows;
}

ValueRow valueRow(Control control)
{
    for (const ValueRow& row : valueCatalogue())
        if (row.control == control) return row;
    return {control};
}

Control controlOf(Field field)
{
    for (const ValueRow& row : valueCatalogue())
        if (row.field == field) return row.control;
    return Control::UI; // every field has its value in the table
}

QList<bool ChangeFlags::*> guardsOf(Control control)
{
    QList<bool ChangeFlags::*> guards;
    for (const CommandRow& row : commandCatalogue())
        if (row.guard && row.request.contains(control) && !guards.contains(row.guard)) guards.append(row.guard);
    return guards;
}

QList<Control> lockableValues()
{
    QList<Control> lockable;
    for (const CommandRow& row : commandCatalogue())
        for (Control control : row.unlocks)
            if (!lockable.contains(control)) lockable.append(control);
    return lockable;
}

} // namespace config
