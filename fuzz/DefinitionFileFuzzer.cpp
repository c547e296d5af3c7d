// A device definition file as a maker could ship it, and a driver reply to each of its read steps:
// the model the windows are built from, the items it places, its conditions, its method names, and
// every read, write and method template built and evaluated.
#include "FuzzInput.h"

#include "config/CodeTables.h"
#include "config/DeviceState.h"
#include "detailed/CommandTemplates.h"
#include "detailed/Conditions.h"
#include "detailed/DefinitionModel.h"
#include "detailed/DefinitionState.h"
#include "detailed/DeviceTemplates.h"
#include "link/CommandMacro.h"
#include "link/Procedures.h"

namespace states = driverlink::states;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> input = fuzzing::parts(fuzzing::bytesOf(data, size), 2);
    const QString path = fuzzing::writeFile(QStringLiteral("DEVICE-EN.DDF"), input[0]);
    const QStringList reply = driverlink::replyLines(QString::fromLatin1(input[1]));

    (void)detailed::definitionFileProblem(path);
    const detailed::DefinitionModel model = detailed::loadDefinition(path, 1.25);
    config::DeviceState state;
    detailed::applyDefinition(state, model, fuzzing::shippedFile(QStringLiteral("TABEN.DDF")));

    QString errors;
    (void)detailed::conditionsOk(
        path,
        [&](const QString& section) -> std::optional<QString> {
            for (const detailed::DefinitionItem& item : model.items)
                if (item.listSection == section && !item.options.isEmpty()) return item.options.first().text;
            return std::nullopt;
        },
        errors);

    detailed::StoreItems items(state.items);
    // Every step reads the file anew, as in the program; a few steps of each section cover what the
    // steps of a template do, and keep the harness fast.
    auto steps = [&](int base, int count, const QString& section) {
        for (int step = 1; step <= qMin(count, 6); ++step) {
            QString stepData;
            quint8 realCommand = 0;
            (void)detailed::GetRWCommand(path, base, base + step, section, stepData, realCommand, items);
            if (base == states::ReadBase) (void)detailed::EvalReadCommand(path, base, base + step, reply, items);
        }
    };
    steps(states::ReadBase, config::templateStepCount(path, QStringLiteral("READ")), QStringLiteral("READ"));
    steps(states::WriteBase, config::templateStepCount(path, QStringLiteral("WRITE")), QStringLiteral("WRITE"));
    (void)detailed::templateCommands(path, QStringLiteral("WRITE"));
    for (int method = 1; method <= 3; ++method) {
        const QString section = QStringLiteral("B%1METHOD").arg(method, 2, 10, QChar(u'0'));
        (void)detailed::methodName(path, section);
        steps(states::MethodBase, config::templateStepCount(path, section), section);
    }
    for (const detailed::DefinitionItem& item : model.items)
        (void)detailed::longHintText(item.hint);
    return 0;
}
