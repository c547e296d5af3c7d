// A configuration file of any kind as a colleague could send it: recognised, shown in the device state
// with its own definition-file language, compared, and captured again; what is captured reads back
// as the same record.
#include "FuzzInput.h"

#include "config/ConfigurationFile.h"
#include "config/DeviceState.h"
#include "config/Language.h"
#include "config/RecordMapping.h"
#include "detailed/DefinitionModel.h"
#include "detailed/DefinitionState.h"

namespace {
class ShippedDefinition : public config::DefinitionLookup {
public:
    explicit ShippedDefinition(config::DeviceState& state) : state(state) {}
    void rebuildDetailedItems(const config::LanguageState&) override
    {
        static const detailed::DefinitionModel model =
            detailed::loadDefinition(fuzzing::shippedFile(QStringLiteral("Ostrevo-PR210-3-EN.DDF")), 1.0);
        detailed::defineItems(state.items, model);
    }
    void CheckDeviceDdf(const config::LanguageState&) override {}

private:
    config::DeviceState& state;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size).left(config::LargestRecordSize);
    (void)config::TConfigRecord::fromBytes(bytes);
    const std::optional<config::OpenedConfiguration> opened = config::readConfiguration(bytes);
    if (!opened) return 0;

    config::DeviceState state;
    ShippedDefinition definitions(state);
    config::LanguageState language;
    language.SetLanguageDdf(QByteArrayLiteral("en"));
    if (opened->kind == config::FileKind::Hart3) language.SetLanguageDdf(opened->record.defLanguage());
    config::showRecord(state, opened->record, language, definitions);
    (void)config::compareWithRecord(state, opened->record);

    config::TConfigRecord captured;
    config::captureRecord(state, captured);
    const std::optional<config::TConfigRecord> reread = config::TConfigRecord::fromBytes(captured.toBytes());
    if (!reread || !(*reread == captured)) __builtin_trap();
    return 0;
}
