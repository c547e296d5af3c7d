#pragma once
// The detailed setup items of the device as data: the text of each field, the entries and the
// selection of each option list, the captions, and which items the device's definition places. The
// command templates read and fill them, records capture and show them, and the detailed setup window
// shows them and writes the user's changes into them; no widget holds a value of its own.
#include "config/ItemNames.h"

#include <QHash>
#include <QObject>
#include <QStringList>

namespace config {

class ItemStore : public QObject {
    Q_OBJECT
public:
    explicit ItemStore(QObject* parent = nullptr); // every item as cleared

    // C, E, V, Q: the value a record keeps (a C item's selected entry); empty for other names.
    QString text(const QString& name) const;
    // H, L: the caption; otherwise the value.
    QString displayed(const QString& name) const;
    // E, V, Q take the text (E and Q as their input rule keeps it); other names change nothing.
    void setText(const QString& name, const QString& text);
    // A record's value: a C item selects its first entry, then every entry whose first 32 characters
    // equal the text (one that is not writable is then cut down to the entry it shows); E, V, Q as setText.
    void showRecordText(const QString& name, const QString& text);

    // The option lists C01..C30 by number.
    QString listSection(int n) const;
    QStringList entries(int n) const;
    int selected(int n) const;
    bool writable(int n) const;
    void select(int n, int index);
    void replaceEntries(int n, const QStringList& entries, int selected);

    bool defined(const QString& name) const;
    // Some item is placed: the values shown were laid out by a device definition.
    bool anyDefined() const;
    // What a device definition places: the caption of an H or L item; a C item's options (nothing
    // selected), list section and writable flag; an E, V or Q item starts empty.
    void define(const QString& name, const QString& caption, const QStringList& options = {},
                const QString& listSection = {}, bool writable = false);
    // An item the definition does not place; a list forgets its section and writable flag.
    void undefine(const QString& name);
    // No item is placed; C, E, V, H and L show their own names (a list selects the entry of its name,
    // if it has one); Q items keep their texts.
    void clear();

    // The definition's faults and the templates' errors, lines ended by CR LF.
    QString errorText() const { return errors; }
    void setErrorText(const QString& text);
    void appendError(const QString& line);

signals:
    void changed(const QString& name); // a value, a caption, a list or whether the item is placed
    void errorsChanged();

private:
    struct Item {
        ItemKind kind = ItemKind::Label;
        QString text{}; // H, L: the caption; E, V, Q: the text
        QStringList entries{};
        int selected = -1;
        QString listSection{};
        bool writable = false;
        bool defined = false;
    };
    Item* find(const QString& name);
    const Item* find(const QString& name) const;
    Item* combo(int n);
    const Item* combo(int n) const;

    QHash<QString, Item> items;
    QString errors;
};

} // namespace config
