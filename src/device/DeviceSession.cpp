#include "device/DeviceSession.h"

#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "detailed/DefinitionState.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace device {

using config::Control;
using driverlink::Ending;
using driverlink::StopSender;

DeviceSession::DeviceSession(platform::LinkChannel& channel, QObject* parent)
    : QObject(parent), link(channel, this), sequencer(link, *this, view, templates)
{
    link.onReply = [this](const QStringList& lines) { sequencer.DdeClientItem1Change(lines); };
    link.onGone = [this] {
        driverGoing = true;
        sequencer.driverGone();
        driverGoing = false;
        emit linkChanged();
        platform::dialogs().error(platform::texts().driverStopped);
    };
    connectView();
    // A program that ends leaves no procedure waiting.
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, [this] { sequencer.closing(); });
}

DeviceSession::~DeviceSession() { sequencer.closing(); }

void DeviceSession::connectView()
{
    view.messageRead = [this] {
        rebuildDetailedItems(language);
        CheckDeviceDdf(language);
    };
    view.replyTaken = [this](int command) {
        if (command == 0 || command == 11)
            emit identityRead();
        else if (command >= 1 && command <= 3)
            emit valuesRead(command);
    };
    view.programStatus = [this](const QString& text) { setProgramStatus(text); };
    view.errorListShown = [this] { emit errorListShown(); };
    view.stepState = [this](quint16 step) { emit stepShown(step); };
    view.replyCheck = [this](const QString& text) { emit replyChecked(text); };
}

void DeviceSession::open(const QByteArray& ddfLanguage, const QString& netPath, const QStringList& wire)
{
    language.DdfLanguage = ddfLanguage;
    language.SetLanguageDdf(language.DdfLanguage);
    tableArguments.clear();
    if (const QString table = config::tableFilePath(language); !table.isEmpty())
        tableArguments = {QStringLiteral("--table"), table};
    wireArguments = wire;
    link.driverArguments = tableArguments + wireArguments;
    link.setNetPath(netPath);
    link.DoNewLink();
    emit linkChanged();
}

bool DeviceSession::setWireArguments(const QStringList& arguments)
{
    if (arguments == wireArguments) return false;
    wireArguments = arguments;
    link.driverArguments = tableArguments + wireArguments;
    return true;
}

void DeviceSession::restartDriver()
{
    link.restartDriver();
    emit linkChanged();
}

void DeviceSession::read()
{
    language.DataLanguage = language.DdfLanguage;
    sequencer.connect(driverlink::Procedure::Read);
}

bool DeviceSession::scanLoop(int lastAddress)
{
    if (sequencer.exchangeRunning()) return false;
    loop.begin(lastAddress);
    emit loopScanned();
    sequencer.connect(driverlink::Procedure::ScanLoop, QString::number(lastAddress));
    return true;
}

void DeviceSession::scanReply(int address, const QStringList& lines)
{
    loop.take(address, lines);
    emit loopScanned();
}

void DeviceSession::scanEnded(Ending ending)
{
    setProgramStatus({});
    emit loopScanEnded(ending);
}

void DeviceSession::setProgramStatus(const QString& text)
{
    status = text;
    emit programStatusChanged(text);
}

void DeviceSession::clear(const config::LanguageState& shown)
{
    state.clearValues();
    state.items.clear();
    useDefinition({});
    setProgramStatus({});
    const QString table = config::tableFilePath(shown);
    state.setEntries(Control::Jednotky, config::codeTableNames(table, QStringLiteral("Units")), -1);
    state.setEntries(Control::Funkce, config::codeTableNames(table, QStringLiteral("TransferFunction")), -1);
    emit cleared();
}

void DeviceSession::showRecord(const config::TConfigRecord& record, const config::LanguageState& shown)
{
    config::showRecord(state, record, shown, *this);
}

QString DeviceSession::definitionFile(const config::LanguageState& shown, QString* problem) const
{
    const QString file = config::deviceDefinitionFile(state, shown);
    if (file.isEmpty()) return {};
    if (const auto why = detailed::definitionFileProblem(file)) {
        if (problem) *problem = *why;
        return {};
    }
    return file;
}

void DeviceSession::useDefinition(detailed::DefinitionModel model)
{
    loaded = std::move(model);
    view.selfTestMasks = loaded.selfTestMasks;
}

void DeviceSession::rebuildDetailedItems(const config::LanguageState& shown)
{
    const QString file = definitionFile(shown);
    if (file.isEmpty()) return;
    useDefinition(detailed::loadDefinition(file, itemScale));
    detailed::applyDefinition(state, loaded, config::tableFilePath(language));
    itemsLanguage = shown;
    emit definitionLoaded(loaded);
}

void DeviceSession::CheckDeviceDdf(const config::LanguageState& shown)
{
    QString problem;
    const bool usable = !definitionFile(shown, &problem).isEmpty();
    if (!problem.isEmpty()) {
        // Said in the main window, whose read goes on without it: the file's name, why, and its faults.
        const QString name = config::deviceDefinitionFile(state, shown);
        state.addError(platform::texts().definitionUnusable.arg(QFileInfo(name).fileName(), problem));
        const QString faults = detailed::loadDefinition(name, 1.0).errors;
        for (const QString& line : faults.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            state.addError(line);
    } else if (!usable && !shown.DeviceDdfSuffix.isEmpty()) {
        // A device known in another language only: the user would otherwise never learn why its page is missing.
        if (const QStringList others = config::deviceDefinitionLanguages(state); !others.isEmpty()) {
            const QString wanted = config::deviceDefinitionName(state, shown.DeviceDdfSuffix);
            state.addError(platform::texts().definitionInOtherLanguages.arg(wanted, others.join(QStringLiteral(", "))));
        }
    }
    emit detailedSetupAvailable(usable);
}

void DeviceSession::CaptureInitialConfig()
{
    using config::Field;
    if (state.text(Control::Vyrobce) == InitialConfig.text(Field::Manufacturer) &&
        state.text(Control::Typ) == InitialConfig.text(Field::DeviceType) &&
        state.text(Control::UI) == InitialConfig.text(Field::UniqueId))
        return; // the same device again: the snapshot of its first read stays
    config::captureRecord(state, InitialConfig);
    InitialLongTag = state.text(Control::DlouheOznaceni);
    emit newDeviceRead();
}

void DeviceSession::showInitialConfig()
{
    showRecord(InitialConfig, language);
    if (state.has(Control::DlouheOznaceni)) state.setText(Control::DlouheOznaceni, InitialLongTag);
}

void DeviceSession::sequenceEnded(bool configurationRead)
{
    if (configurationRead) {
        state.changes.ClearChanged();
        emit this->configurationRead();
    }
    emit procedureEnded(Ending::Online);
}

bool DeviceSession::confirmStop()
{
    return !state.changes.AreChanges() ||
           platform::dialogs().confirm(platform::texts().changesNotSavedInDevice, platform::Buttons::YesNoCancel) ==
               platform::Answer::Yes;
}

void DeviceSession::connectionStopped(StopSender sender)
{
    emit stopped(sender);
    emit procedureEnded(driverGoing                     ? Ending::DriverGone
                        : sender == StopSender::Decoder ? Ending::CommunicationError
                                                        : Ending::Stopped);
}

} // namespace device
