#include "config/ItemStore.h"

#include "config/CodeTables.h"
#include "config/EditRules.h"

#include <algorithm>

namespace config {

namespace {
constexpr qsizetype RecordTextLength = 32;

bool isField(ItemKind kind)
{
    return kind == ItemKind::Display || kind == ItemKind::Editable || kind == ItemKind::Argument;
}
} // namespace

ItemStore::ItemStore(QObject* parent) : QObject(parent)
{
    for (const ItemPool& pool : itemPools)
        for (int number = 1; number <= pool.count; ++number)
            items.insert(itemName(pool.letter, number), Item{pool.kind});
    clear();
}

ItemStore::Item* ItemStore::find(const QString& name)
{
    const auto found = items.find(name);
    return found == items.end() ? nullptr : &*found;
}

const ItemStore::Item* ItemStore::find(const QString& name) const
{
    const auto found = items.find(name);
    return found == items.end() ? nullptr : &*found;
}

ItemStore::Item* ItemStore::combo(int n) { return n >= 1 && n <= ComboCount ? find(itemName(u'C', n)) : nullptr; }

const ItemStore::Item* ItemStore::combo(int n) const
{
    return n >= 1 && n <= ComboCount ? find(itemName(u'C', n)) : nullptr;
}

QString ItemStore::text(const QString& name) const
{
    const Item* item = find(name);
    if (!item) return {};
    if (item->kind == ItemKind::Option) return item->entries.value(item->selected);
    return isField(item->kind) ? item->text : QString();
}

QString ItemStore::displayed(const QString& name) const
{
    const Item* item = find(name);
    if (item && (item->kind == ItemKind::Heading || item->kind == ItemKind::Label)) return item->text;
    return text(name);
}

void ItemStore::setText(const QString& name, const QString& text)
{
    Item* item = find(name);
    if (!item || !isField(item->kind)) return;
    QString kept = text;
    // The user's fields keep what their input rule keeps, whoever fills them.
    if (item->kind != ItemKind::Display)
        if (const auto outcome = applyEditRule(text, int(text.size()), ValueRule)) kept = outcome->text;
    if (item->text == kept) return;
    item->text = kept;
    emit changed(name);
}

void ItemStore::showRecordText(const QString& name, const QString& text)
{
    Item* item = find(name);
    if (!item) return;
    if (item->kind != ItemKind::Option) {
        setText(name, text);
        return;
    }
    int selected = item->entries.isEmpty() ? -1 : 0;
    bool found = false;
    for (int i = 0; i < item->entries.size(); ++i)
        if (item->entries.at(i).left(RecordTextLength) == text) {
            selected = i;
            found = true;
        }
    // A code the device had and the list does not name comes back as it was saved.
    if (!found && unknownOptionCode(text)) {
        item->entries.append(text);
        selected = int(item->entries.size()) - 1;
    }
    item->selected = selected;
    if (!item->writable) {
        const QString shown = item->entries.value(selected);
        item->entries = {shown};
        item->selected = 0;
    }
    emit changed(name);
}

QString ItemStore::listSection(int n) const
{
    const Item* item = combo(n);
    return item ? item->listSection : QString();
}

QStringList ItemStore::entries(int n) const
{
    const Item* item = combo(n);
    return item ? item->entries : QStringList();
}

int ItemStore::selected(int n) const
{
    const Item* item = combo(n);
    return item ? item->selected : -1;
}

bool ItemStore::writable(int n) const
{
    const Item* item = combo(n);
    return item && item->writable;
}

void ItemStore::select(int n, int index)
{
    Item* item = combo(n);
    if (!item || item->selected == index) return;
    item->selected = index;
    emit changed(itemName(u'C', n));
}

void ItemStore::replaceEntries(int n, const QStringList& entries, int selected)
{
    Item* item = combo(n);
    if (!item) return;
    item->entries = entries;
    item->selected = selected;
    emit changed(itemName(u'C', n));
}

bool ItemStore::defined(const QString& name) const
{
    const Item* item = find(name);
    return item && item->defined;
}

bool ItemStore::anyDefined() const
{
    return std::any_of(items.cbegin(), items.cend(), [](const Item& item) { return item.defined; });
}

void ItemStore::define(const QString& name, const QString& caption, const QStringList& options,
                       const QString& listSection, bool writable)
{
    Item* item = find(name);
    if (!item) return;
    item->defined = true;
    switch (item->kind) {
    case ItemKind::Heading:
    case ItemKind::Label: item->text = caption; break;
    case ItemKind::Display:
    case ItemKind::Editable:
    case ItemKind::Argument: item->text.clear(); break;
    case ItemKind::Option:
        item->entries = options;
        item->selected = -1; // nothing is shown until a reply or a record selects
        item->listSection = listSection;
        item->writable = writable;
        break;
    case ItemKind::Frame:
    case ItemKind::Method: break;
    }
    emit changed(name);
}

void ItemStore::undefine(const QString& name)
{
    Item* item = find(name);
    if (!item) return;
    item->defined = false;
    if (item->kind == ItemKind::Option) {
        item->listSection.clear();
        item->writable = false;
    }
    emit changed(name);
}

void ItemStore::clear()
{
    for (auto it = items.begin(); it != items.end(); ++it) {
        Item& item = it.value();
        item.defined = false;
        switch (item.kind) {
        case ItemKind::Heading:
        case ItemKind::Label:
        case ItemKind::Display:
        case ItemKind::Editable: item.text = it.key(); break;
        case ItemKind::Option: item.selected = int(item.entries.indexOf(it.key())); break;
        case ItemKind::Argument:
        case ItemKind::Frame:
        case ItemKind::Method: break;
        }
        emit changed(it.key());
    }
}

void ItemStore::setErrorText(const QString& text)
{
    errors = text;
    emit errorsChanged();
}

void ItemStore::appendError(const QString& line)
{
    errors += line;
    emit errorsChanged();
}

} // namespace config
