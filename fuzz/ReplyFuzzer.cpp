// A driver's reply text as the program takes it: cut at the NUL behind which a driver adds the device's
// response code, the lines handed to the device state (identity, the values of each command, the status
// sentences), a refusal's response code named, and the text evaluated by every read template of the
// shipped definition file.
#include "FuzzInput.h"

#include "config/DeviceState.h"
#include "config/SequencerView.h"
#include "detailed/CommandTemplates.h"
#include "detailed/DefinitionModel.h"
#include "detailed/DefinitionState.h"
#include "link/CommandMacro.h"
#include "link/Procedures.h"
#include "link/ResponseCodes.h"
#include "platform/Encoding.h"

namespace states = driverlink::states;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString definition = fuzzing::shippedFile(QStringLiteral("Ostrevo-PR210-3-EN.DDF"));
    static const detailed::DefinitionModel model = detailed::loadDefinition(definition, 1.0);

    const QList<QByteArray> input = fuzzing::parts(fuzzing::bytesOf(data, size), 2);
    const QStringList lines = driverlink::replyLines(platform::fromCp1250(input[0]));
    if (const std::optional<int> code = driverlink::replyResponseCode(input[1]))
        (void)driverlink::responseCodeEntry(lines.value(0).toInt(), *code);

    config::DeviceState state;
    detailed::defineItems(state.items, model);
    config::SequencerView view(state);
    view.selfTestMasks = model.selfTestMasks;
    view.showIdentity(lines);
    view.showReply(lines, lines.value(3));
    detailed::StoreItems items(state.items);
    for (int step = 1; step <= model.readStepCount; ++step)
        (void)detailed::EvalReadCommand(definition, states::ReadBase, states::ReadBase + step, lines, items);
    // What the reply put into the state goes out again in a write as it came in.
    for (int command : {6, 17, 18, 19, 22, 34, 35, 36, 37, 40, 44, 45, 46, 47, 108, 109, 128, 129, 130})
        (void)view.writeData(command);
    return 0;
}
