#pragma once
// The command templates of a definition file turned into commands, and replies turned back into item
// values. The same template read from left to right says which item goes into which data line of a
// command and which reply line goes into which item. Both operations are stateless: they open the
// template file for one call and reach the items only through ItemAccess.
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
    // The wait dialog's gauge.
    virtual void setGaugeProgress(int position) = 0;
    // Adds a line to the window's error text.
    virtual void appendError(const QString& line) = 0;
    // Has the same read step sent once more (the main window's ReplyTaken set and Timer1 enabled).
    virtual void repeatReadStep() = 0;
};

// The command code of a step: 0..253 a command sent as it is, 255 a command whose real number
// (realCommand) and data travel in the data lines, 254 no command.
inline constexpr quint8 NoCommand = 254;
inline constexpr quint8 ExtendedCommand = 255;

// Builds step k = state - base of a template section ("READ", "WRITE" or a method section) and
// appends its data lines (each ended by CR LF) to data. templateFile: the device definition file when
// it exists, else the code-table file.
quint8 GetRWCommand(const QString& templateFile, int base, int state, const QString& section, QString& data,
                    quint8& realCommand, ItemAccess& items);

// Spreads the reply to read step k = state - base over the items its [READ] template names.
void EvalReadCommand(const QString& templateFile, int base, int state, const QStringList& lines, ItemAccess& items);

} // namespace detailed
