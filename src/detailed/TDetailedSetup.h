#pragma once
// The detailed setup window: fixed pools of hidden items that show the detailed items of the device
// state. The device's definition file places and captions them (SetVariableItems); what they show
// comes from the item store and follows its changes, and the user's changes go into the store. The
// window reports method buttons and help through the hooks below.
// It runs no device traffic and asks no questions itself: opening it, confirming and running methods
// are the main window's.
#include "config/ItemStore.h"
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

class TDetailedSetup : public QDialog {
    Q_OBJECT
public:
    explicit TDetailedSetup(config::ItemStore& items, QWidget* parent = nullptr);

    // Places the items the file defines, with their hints, and scrolls to the top; the store says
    // which are shown and what they show. A model of a file that does not exist changes nothing.
    void SetVariableItems(const detailed::DefinitionModel& model);
    // Every item gets its normal colour again (the pages have been emptied).
    void clearHighlights();
    // Enables the C, E and Q items (items) and the method buttons (buttons).
    void ItemsEnabled(bool items, bool buttons);
    // Checks the shown options against the file's [Conditions]; faults go to the error text.
    bool ConditionsOk(const QString& definitionFile);
    // Yellow when the item differs from a compared record, else the normal colour.
    void setItemColour(const QString& item, bool differs);

    // Whether the user changed a C, E or V item since resetChangeTracking; Q items never count, nor
    // does a change the store makes, nor picking again the option a list shows.
    bool changedSinceOpen() const { return changed; }
    void resetChangeTracking() { changed = false; }

    // The factor that places definitions written for the 521-pixel design in the item area as it is.
    double scaleFactor() const;

    std::function<void(const QString& buttonName)> onMethod; // a method button was clicked
    std::function<void()> onHelp;                            // F1

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
    QLineEdit* edit(const QString& name) const;
    void placeItem(QWidget* widget, const detailed::DefinitionItem& definition);
    // The error text, the long hint and the OK and Cancel buttons beside the item area.
    void createSideControls();
    void connectItems();
    // Shows what the store holds for the item.
    void showItem(const QString& name);
    void showError();
    void setScrollRange(int range);

    config::ItemStore& items;
    QWidget* itemArea = nullptr;
    QHash<const QWidget*, QString> hints;
    bool changed = false;
    bool byProgram = false; // the items are being changed by the program, not by the user
};
