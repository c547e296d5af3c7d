#include "config/DeviceState.h"

#include "config/CommandCatalogue.h"
#include "platform/ReplyLayout.h"

namespace config {

DeviceState::DeviceState(QObject* parent) : QObject(parent)
{
    texts[std::size_t(Control::PollAddr)] = QStringLiteral("0");
}

QString DeviceState::text(Control control) const
{
    if (isList(control)) return entries(control).value(list(control).selected);
    return texts[std::size_t(control)];
}

void DeviceState::store(Control control, const QString& text)
{
    QString kept = text;
    // An edited value keeps what its input rule keeps, whoever fills it.
    if (const auto rule = valueRow(control).rule)
        if (const auto outcome = applyEditRule(text, int(text.size()), *rule)) kept = outcome->text;
    QString& value = texts[std::size_t(control)];
    if (value == kept) return;
    value = kept;
    emit changed(control);
    if (control == Control::VerzeHart) { // the device may have them now, or not
        emit changed(Control::DlouheOznaceni);
        emit changed(Control::RozsirenyTyp);
    }
}

bool DeviceState::has(Control control) const
{
    // The long tag and the expanded device type came with universal revision 6.
    if (control != Control::DlouheOznaceni && control != Control::RozsirenyTyp) return true;
    bool ok = false;
    const int revision = text(Control::VerzeHart).toInt(&ok);
    return ok && revision >= replylayout::LongTagRevision;
}

void DeviceState::setText(Control control, const QString& text)
{
    if (!isList(control)) {
        store(control, text);
        return;
    }
    List& chosen = list(control);
    // A text the table lacks is shown as it came, never as another entry: the device's own unit stays
    // its unit on the screen, in records and on the protocol.
    const int last = int(chosen.entries.lastIndexOf(text));
    const QString own = last < 0 ? text : QString();
    const int index = last >= 0 ? last : own.isEmpty() ? -1 : int(chosen.entries.size());
    if (chosen.selected == index && chosen.own == own) return;
    chosen.selected = index;
    chosen.own = own;
    emit changed(control);
}

void DeviceState::markEdited(Control control)
{
    for (bool ChangeFlags::*guard : guardsOf(control))
        changes.*guard = true;
    emit edited();
}

void DeviceState::edit(Control control, const QString& text)
{
    if (isList(control)) return;
    store(control, text);
    markEdited(control);
}

void DeviceState::pick(Control control, int index)
{
    if (!isList(control)) return;
    List& chosen = list(control);
    if (chosen.selected != index) {
        chosen.selected = index;
        emit changed(control);
    }
    markEdited(control);
}

QStringList DeviceState::entries(Control control) const
{
    if (!isList(control)) return {};
    const List& chosen = list(control);
    return chosen.own.isEmpty() ? chosen.entries : chosen.entries + QStringList{chosen.own};
}

int DeviceState::ownEntry(Control control) const
{
    return isList(control) && !list(control).own.isEmpty() ? int(list(control).entries.size()) : -1;
}

bool DeviceState::fromTable(Control control) const
{
    if (!isList(control)) return false;
    const List& chosen = list(control);
    return chosen.selected >= 0 && chosen.selected < chosen.entries.size();
}

int DeviceState::selected(Control control) const { return isList(control) ? list(control).selected : -1; }

void DeviceState::setEntries(Control control, const QStringList& entries, int selected)
{
    if (!isList(control)) return;
    list(control) = {entries, {}, selected};
    emit changed(control);
}

bool DeviceState::editable(Control control) const { return !locked[std::size_t(control)]; }

void DeviceState::setEditable(Control control, bool editable)
{
    bool& isLocked = locked[std::size_t(control)];
    if (isLocked == !editable) return;
    isLocked = !editable;
    emit changed(control);
}

void DeviceState::clearValues()
{
    for (int i = 0; i < ControlCount; ++i) {
        const Control control = Control(i);
        if (control != Control::PollAddr && !isList(control)) store(control, {});
        setEditable(control, true);
    }
}

void DeviceState::setFixedCurrent(const QString& current)
{
    if (current == fixedAt) return;
    fixedAt = current;
    emit fixedCurrentChanged(fixedAt);
}

void DeviceState::addError(const QString& entry)
{
    errorList.append(entry);
    emit errorsChanged();
}

void DeviceState::clearErrors()
{
    if (errorList.isEmpty()) return;
    errorList.clear();
    emit errorsChanged();
}

} // namespace config
