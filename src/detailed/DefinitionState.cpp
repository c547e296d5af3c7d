#include "detailed/DefinitionState.h"

#include "config/CodeTables.h"
#include "config/CommandCatalogue.h"

#include <QHash>

namespace detailed {

using config::Control;

void defineItems(config::ItemStore& items, const DefinitionModel& model)
{
    if (!model.found) return;
    items.setErrorText(model.errors);
    QHash<QString, const DefinitionItem*> defined;
    for (const DefinitionItem& definition : model.items)
        defined.insert(definition.name, &definition);
    for (const ItemPool& pool : itemPools)
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = itemName(pool.letter, number);
            const DefinitionItem* definition = defined.value(name);
            if (!definition) {
                items.undefine(name);
                continue;
            }
            QStringList options;
            for (const DefinitionOption& option : definition->options)
                options.append(option.text);
            items.define(name, definition->caption, options, definition->listSection, definition->writable != 0);
        }
}

void applyDefinition(config::DeviceState& state, const DefinitionModel& model, const QString& tableFile)
{
    if (!model.found) return;
    defineItems(state.items, model);
    // Only what the device's write list can write stays editable.
    for (Control value : config::lockableValues())
        state.setEditable(value, false);
    for (int command : model.writeCommands)
        if (const config::CommandRow* row = config::catalogueRow(command))
            for (Control value : row->unlocks)
                state.setEditable(value, true);

    auto narrow = [&](Control list, const std::optional<QList<int>>& codes, const QString& section) {
        if (!codes) return;
        // What the list showed stays shown: a value the narrowed list lacks becomes the device's own entry.
        const QString shown = state.text(list);
        state.setEntries(list, config::codeTableNames(tableFile, section, *codes), -1);
        state.setText(list, shown);
    };
    narrow(Control::Jednotky, model.units, QStringLiteral("Units"));
    narrow(Control::Funkce, model.transferFunctions, QStringLiteral("TransferFunction"));
}

} // namespace detailed
