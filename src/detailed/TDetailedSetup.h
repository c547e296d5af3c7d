#pragma once
// The detailed setup window: fixed pools of hidden items that a device's definition file places,
// captions and fills (SetVariableItems). The main window moves configuration values in and out by
// item name (detailText, setDetailText), the command templates reach the items through ItemAccess,
// and the window reports method buttons and help through the hooks below.
// It runs no device traffic and asks no questions itself: opening it, confirming and running methods
// are the main window's.
#include "detailed/CommandTemplates.h"
#include "detailed/DefinitionModel.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

class TDetailedSetup : public QDialog, public detailed::ItemAccess {
    Q_OBJECT
public:
    explicit TDetailedSetup(QWidget* parent = nullptr);

    // Shows the items the file defines where it places them, hides all others (also those of a
    // device loaded before), fills captions, hints and option lists and replaces the error text.
    // A model of a file that does not exist changes nothing.
    void SetVariableItems(const detailed::DefinitionModel& model);
    // Hides every item; C, E and V get their own name as text and, with Q, the normal colour.
    void ClearAll();
    // Enables the C, E and Q items (items) and the method buttons (buttons).
    void ItemsEnabled(bool items, bool buttons);
    // Checks the shown options against the file's [Conditions]; faults go to the error text.
    bool ConditionsOk(const QString& definitionFile);

    // The value of an item for the configuration record: a C item's shown text, an E, V or Q item's
    // text; empty for other names.
    QString detailText(const QString& item) const;
    // Shows a record's value: a C item selects its first entry, then every entry whose first 32
    // characters equal the text (a C item that is not writable is then cut down to the text it
    // shows); an E, V or Q item takes the text.
    void setDetailText(const QString& item, const QString& text);
    // What an item shows: a caption, a field's text or a list's option; empty for other names.
    QString displayedText(const QString& item) const;
    // Yellow when the item differs from a compared record, else the normal colour.
    void setItemColour(const QString& item, bool differs);

    // Whether a C, E or V item changed since resetChangeTracking; Q items never count, nor does
    // clearing or loading the items, nor a list's selection made by the program, nor picking again
    // the option a list shows.
    bool changedSinceOpen() const { return changed; }
    void resetChangeTracking() { changed = false; }

    // The factor that places definitions written for the 521-pixel design in the item area as it is.
    double scaleFactor() const;
    // The error text as collected, lines ended by CR LF.
    QString errorText() const { return errors; }

    std::function<void(const QString& buttonName)> onMethod; // a method button was clicked
    std::function<void()> onHelp;                            // F1

    // detailed::ItemAccess
    QString itemText(const QString& name) const override;
    void setItemText(const QString& name, const QString& text) override;
    QString comboListSection(int n) const override;
    QStringList comboEntries(int n) const override;
    void selectComboEntry(int n, int index) override;
    void replaceComboEntries(int n, const QStringList& entries, int selected) override;
    bool comboWritable(int n) const override;
    void appendError(const QString& line) override;

    QScrollArea* ScrollBox1 = nullptr;
    std::array<QFrame*, 10> P{};
    std::array<QLabel*, 10> H{};
    std::array<QLabel*, 50> L{};
    std::array<QLineEdit*, 20> V{};
    std::array<QLineEdit*, 30> E{};
    std::array<QLineEdit*, 10> Q{};
    std::array<QComboBox*, 30> C{};
    std::array<QToolButton*, 10> B{};
    QLabel* Error = nullptr;
    QLabel* LongHintLabel = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* StornoBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* item(const QString& name) const;
    QComboBox* combo(int n) const;
    QLineEdit* edit(const QString& name) const;
    void placeItem(QWidget* widget, const detailed::DefinitionItem& definition);
    void showError();
    void setScrollRange(int range);

    QWidget* itemArea = nullptr;
    std::array<QString, 30> ComboListSection;
    std::array<int, 30> comboWritableFlag{};
    QHash<const QWidget*, QString> hints;
    QString errors;
    bool changed = false;
    bool byProgram = false; // the items are being changed by the program, not by the user
};
