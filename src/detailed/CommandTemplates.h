#pragma once
// The command templates of a definition file turned into commands, and replies turned back into item
// values. The same template read from left to right says which item goes into which data line of a
// command and which reply line goes into which item. Both operations are stateless: they open the
// template file for one call and reach the items only through ItemAccess.
#include "config/ItemStore.h"
#include "link/Procedures.h"

#include <QString>
#include <QStringList>

namespace detailed {

// What the templates need of the detailed setup window.
class ItemAccess {
public:
    virtual ~ItemAccess() = default;
    // E, Q, V: the text; C: the shown text; empty for other names.
    virtual QString itemText(const QString& name) const = 0;
    // E, Q, V.
    virtual void setItemText(const QString& name, const QString& text) = 0;
    // n = 1..30: the option-list section of combo box Cnn (at most 3 characters).
    virtual QString comboListSection(int n) const = 0;
    virtual QStringList comboEntries(int n) const = 0;
    virtual void selectComboEntry(int n, int index) = 0;
    virtual void replaceComboEntries(int n, const QStringList& entries, int selected) = 0;
    virtual bool comboWritable(int n) const = 0;
    // Adds a line to the window's error text.
    virtual void appendError(const QString& line) = 0;
};

// The items of the device state as the templates reach them.
class StoreItems : public ItemAccess {
public:
    explicit StoreItems(config::ItemStore& store) : store(store) {}
    QString itemText(const QString& name) const override { return store.text(name); }
    void setItemText(const QString& name, const QString& text) override { store.setText(name, text); }
    QString comboListSection(int n) const override { return store.listSection(n); }
    QStringList comboEntries(int n) const override { return store.entries(n); }
    void selectComboEntry(int n, int index) override { store.select(n, index); }
    void replaceComboEntries(int n, const QStringList& entries, int selected) override
    {
        store.replaceEntries(n, entries, selected);
    }
    bool comboWritable(int n) const override { return store.writable(n); }
    void appendError(const QString& line) override { store.appendError(line); }

private:
    config::ItemStore& store;
};

using driverlink::ExtendedCommand;
using driverlink::NoCommand;

// Builds step k = state - base of a template section ("READ", "WRITE" or a method section) and
// appends its data lines (each ended by CR LF) to data. templateFile: the device definition file when
// it exists, else the code-table file.
quint8 GetRWCommand(const QString& templateFile, int base, int state, const QString& section, QString& data,
                    quint8& realCommand, ItemAccess& items);

// The command of every step of a template section, in order: an extended template by its real
// command; a step whose command cannot be read is left out.
QList<int> templateCommands(const QString& templateFile, const QString& section);

// Spreads the reply to read step k = state - base over the items its [READ] template names. False
// when a literal of the template does not match: the reply belongs to something else and the step
// must be sent once more.
bool EvalReadCommand(const QString& templateFile, int base, int state, const QStringList& lines, ItemAccess& items);

} // namespace detailed
