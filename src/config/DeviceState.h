#pragma once
// The device as data: the values of the device on screen (identity, device information, the
// configuration with its two lists, the polling address, the on-line values and the status), which
// of them the device's definition lets the user edit, the change flags, the error list and the
// detailed setup items. Replies, records and the user's edits write into it; the windows show it and
// follow its signals, the write steps, records, history and protocol read it. Nothing reads a widget
// to know the configuration.
#include "config/ChangeFlags.h"
#include "config/Control.h"
#include "config/ItemStore.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace config {

class DeviceState : public QObject {
    Q_OBJECT
public:
    explicit DeviceState(QObject* parent = nullptr);

    QString text(Control control) const;
    // A value as the device or a stored configuration gives it: an edited value as its input rule keeps
    // it, a list selecting by name. A list given a text its table lacks shows that text as an entry of
    // its own after the table's (an empty text selects nothing). No change flag is set.
    void setText(Control control, const QString& text);
    // The user's edit: the value, and the change flags of the commands that write it.
    void edit(Control control, const QString& text);
    // The user's choice of an entry of a list, with its change flags.
    void pick(Control list, int index);

    // The entries of a list (the table's, then the device's own text when it has one) and the one
    // selected (-1: none).
    QStringList entries(Control list) const;
    int selected(Control list) const;
    // The table's entries; the device's own entry goes with the old ones.
    void setEntries(Control list, const QStringList& entries, int selected);
    // The index of the entry holding the device's own text, which no table names; -1 when there is none.
    int ownEntry(Control list) const;
    // The selected entry is one of the table's: a name the driver has a code for, which can be sent.
    bool fromTable(Control list) const;

    // Whether the device has the value at all: the long tag only from universal revision 6 on. A value
    // the device does not have is not shown, not printed and never written.
    bool has(Control control) const;

    // Whether the user may edit a value: all may, unless the device's definition leaves it out of
    // its write list.
    bool editable(Control control) const;
    void setEditable(Control control, bool editable);

    // Empties every value but the polling address and makes every value editable again; the lists
    // keep their entries, the change flags and the items are left as they are.
    void clearValues();

    // Device errors, warnings and test results, an entry a line.
    const QStringList& errors() const { return errorList; }
    int errorCount() const { return int(errorList.size()); }
    void addError(const QString& entry);
    void clearErrors();

    // The loop current a device was fixed at by the program (a loop test, a trim), as its reply gave it;
    // empty when released (command 40 with 0, a device reset). It outlives the values: the device holds
    // its current, and the loop carries it, until it is released.
    QString fixedCurrent() const { return fixedAt; }
    void setFixedCurrent(const QString& current);

    // The flags of the device's identity reply.
    quint8 deviceFlags = 0;
    ChangeFlags changes;
    ItemStore items;

signals:
    void changed(config::Control control); // its text, its list, whether it may be edited or the device has it
    void edited();                         // the user changed a value (a change flag is set)
    void errorsChanged();
    void fixedCurrentChanged(const QString& current);

private:
    struct List {
        QStringList entries;
        QString own; // the device's text that the table lacks, shown after the entries; empty: none
        int selected = -1;
    };
    List& list(Control control) { return control == Control::Jednotky ? units : functions; }
    const List& list(Control control) const { return control == Control::Jednotky ? units : functions; }
    void store(Control control, const QString& text);
    void markEdited(Control control);

    std::array<QString, ControlCount> texts;
    std::array<bool, ControlCount> locked{};
    List units;
    List functions;
    QStringList errorList;
    QString fixedAt;
};

} // namespace config
