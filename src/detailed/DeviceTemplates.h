#pragma once
// The command templates of the device on screen, as the sequencer takes them: from the device's
// definition file when it exists, else from the language table file. The file is chosen anew at
// every step, because a read learns on its way which device (and so which file) it is reading.
#include "config/DeviceState.h"
#include "config/Language.h"
#include "detailed/CommandTemplates.h"
#include "link/SequencerHost.h"

#include <memory>
#include <optional>

namespace detailed {

// Why a device definition file cannot be used (it cannot be read, or it has no read list); nothing
// when it can. A device whose file cannot be used is read as if it had none.
std::optional<QString> definitionFileProblem(const QString& path);

class DeviceTemplates : public driverlink::TemplateSource {
public:
    // The state names the device and holds the items extended templates read and fill; the language
    // names the files. Both are kept by the caller.
    DeviceTemplates(config::DeviceState& state, const config::LanguageState& language);
    ~DeviceTemplates() override;

    void setMethodSection(const QString& section) { methodSection = section; }
    // The device's definition file when it can be used, else the language table file.
    QString templateFile() const;

    quint8 GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand) override;
    bool EvalReadCommand(int base, int state, const QStringList& lines) override;
    int ReadStepCount() override;
    int WriteStepCount() override;
    QList<int> writeListCommands() override;
    QString MethodSection() const override { return methodSection; }
    QString readProblem() override;

private:
    config::DeviceState& state;
    const config::LanguageState& language;
    std::unique_ptr<ItemAccess> items;
    QString methodSection;
};

} // namespace detailed
