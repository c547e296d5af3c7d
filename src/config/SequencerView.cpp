#include "config/SequencerView.h"

#include "config/CommandCatalogue.h"
#include "link/CommandMacro.h"
#include "platform/ReplyLayout.h"
#include "platform/Texts.h"

#include <utility>

namespace config {

using namespace replylayout;

namespace {
constexpr int PerformSelfTest = 41;

std::optional<int> decimal(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The catalogue's row for the command a reply names; nothing for another text.
const CommandRow* rowOf(const QStringList& lines)
{
    const std::optional<int> command = decimal(lines.value(CommandLine));
    const CommandRow* row = command ? catalogueRow(*command) : nullptr;
    return row && QString::number(row->command) == lines.value(CommandLine) ? row : nullptr;
}

// The values of a reply that has the lines of its row.
void take(DeviceState& state, const CommandRow& row, const QStringList& lines)
{
    if (lines.size() < row.minimumLines) return;
    for (const ReplyField& field : row.reply) {
        if (field.line >= lines.size() || field.unitLine >= lines.size()) continue;
        QString text = field.trimmed ? lines[field.line].trimmed() : lines[field.line];
        if (field.unitLine >= 0) text += u' ' + lines[field.unitLine];
        state.setText(field.control, text + field.suffix);
    }
}
} // namespace

void SequencerView::showIdentity(const QStringList& lines)
{
    if (const CommandRow* row = rowOf(lines); row && row->hook == ReplyHook::Identity) {
        // The decoder has taken the flags as a byte before it hands the identity over.
        state.deviceFlags = quint8(lines.value(identity::Flags).trimmed().toUInt());
        take(state, *row, lines);
        if (replyTaken) replyTaken(row->command);
    }
}

void SequencerView::showReply(const QStringList& lines, const QString& stepData)
{
    QString status = lines.value(StatusLine);
    state.setText(Control::Status, status.replace(QStringLiteral(". "), QStringLiteral(".\r\n")));

    // The status read after a self test the device refused is no verdict on a test: its error entry says why.
    const bool testRefused =
        std::exchange(selfTestRefused, decimal(lines.value(CommandLine)) == PerformSelfTest &&
                                           lines.value(ErrorLine) == QLatin1StringView(CommandErrorText));
    const CommandRow* row = rowOf(lines);
    // The identity is taken first, and only with flags the decoder could read.
    if (!row || row->hook == ReplyHook::Identity || lines.size() < row->minimumLines) return;
    take(state, *row, lines);
    if (row->hook == ReplyHook::DefinitionLookup && messageRead) messageRead();
    if (row->hook == ReplyHook::SelfTest) selfTest(lines, testRefused);
    if (row->hook == ReplyHook::FixedCurrent && lines.value(ErrorLine).isEmpty()) {
        // 0 asked leaves fixed current mode, whatever current the device reports it drives now.
        bool number = false;
        const double asked = stepData.trimmed().toDouble(&number);
        if (number) state.setFixedCurrent(asked == 0 ? QString() : lines[fixedCurrent::Current].trimmed());
    }
    if (row->hook == ReplyHook::Reset && lines.value(ErrorLine).isEmpty()) state.setFixedCurrent({});
    if (replyTaken) replyTaken(row->command);
}

void SequencerView::selfTest(const QStringList& lines, bool testRefused)
{
    using namespace additionalStatus;
    const auto b0 = decimal(lines[Status0]), b1 = decimal(lines[Status1]), b2 = decimal(lines[Status2]);
    if (!b0 || !b1 || !b2) return;
    const bool failed = (*b0 & selfTestMasks[0]) || (*b1 & selfTestMasks[1]) || (*b2 & selfTestMasks[2]);
    if (failed)
        state.addError(platform::texts().testFailed);
    else if (!testRefused)
        state.addError(platform::texts().testOk);
}

std::optional<QStringList> SequencerView::writeData(int command)
{
    const CommandRow* row = catalogueRow(command);
    if (!row) {
        // Device-specific commands carry what their template built, and only with detailed changes of
        // values the screen holds: a configuration shown without its definition file has none, and its
        // empty items would write codes nobody chose.
        if (command >= FirstDeviceSpecificCommand && (!state.changes.DetailedChanged || !state.items.anyDefined()))
            return std::nullopt;
        return QStringList();
    }
    if (row->guard && !(state.changes.*row->guard)) return std::nullopt;
    QStringList fields;
    for (Control control : row->request) {
        if (!state.has(control)) return std::nullopt; // a value the device does not have is never written
        fields.append(driverlink::dataField(state.text(control)));
    }
    return fields;
}

} // namespace config
