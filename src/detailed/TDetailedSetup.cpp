#include "detailed/TDetailedSetup.h"

#include "detailed/Conditions.h"
#include "detailed/DefinitionState.h"
#include "detailed/EditRuleBinding.h"
#include "detailed/TokenReaders.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <span>

using detailed::DefinitionItem;
using detailed::ItemKind;

namespace {

// Design places and sizes, in pixels of the window as drawn at 96 dots per inch.
// The column of buttons is wide enough for the longest translation of Cancel in bold.
constexpr QSize ClientSize{640, 359};
constexpr QRect ScrollBoxPlace{3, 4, detailed::DesignItemAreaWidth, 325};
constexpr QRect ErrorPlace{528, 88, 110, 245};
constexpr QRect LongHintPlace{3, 332, 633, 27};
constexpr QRect OkPlace{534, 12, 99, 25};
constexpr QRect StornoPlace{534, 52, 99, 25};
constexpr int FieldHeight = 21;
constexpr int EditWidth = 121;
constexpr int ComboWidth = 145;
constexpr QSize MethodButtonSize{33, 19};
const QColor HeadingColour{0, 0, 255};
const QColor DifferenceColour{255, 255, 0};
const QColor ErrorColour{128, 0, 0};

QString shownText(QString text) { return text.remove(u'\r'); }

QFont boldFont(const QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    return font;
}

template <typename Widget> void createPool(std::span<Widget*> pool, char16_t letter, QWidget* parent)
{
    for (std::size_t i = 0; i < pool.size(); ++i) {
        pool[i] = new Widget(parent);
        pool[i]->setObjectName(detailed::itemName(letter, int(i) + 1));
        pool[i]->hide();
    }
}

} // namespace

TDetailedSetup::TDetailedSetup(config::ItemStore& items, QWidget* parent) : QDialog(parent), items(items)
{
    setObjectName(QStringLiteral("TDetailedSetup"));
    setWindowTitle(platform::texts().detailedSetupCaption);
    setFixedSize(ClientSize);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(ScrollBoxPlace);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidgetResizable(true);
    itemArea = new QWidget;
    itemArea->setObjectName(QStringLiteral("ItemArea"));
    ScrollBox1->setWidget(itemArea);

    // Created in loading order, so frames lie beneath everything placed on them.
    createPool<QFrame>(P, u'P', itemArea);
    createPool<QLabel>(H, u'H', itemArea);
    createPool<QLabel>(L, u'L', itemArea);
    createPool<QLineEdit>(V, u'V', itemArea);
    createPool<QLineEdit>(E, u'E', itemArea);
    createPool<QLineEdit>(Q, u'Q', itemArea);
    createPool<QComboBox>(C, u'C', itemArea);
    createPool<QToolButton>(B, u'B', itemArea);

    for (QFrame* frame : P)
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    for (QLabel* label : H) {
        label->setFont(boldFont(label));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, HeadingColour);
        label->setPalette(palette);
    }
    for (QLabel* label : L)
        label->setFont(boldFont(label));
    // Captions come from definition files: shown as written, never as markup.
    for (const auto& pool : {std::span<QLabel*>(H), std::span<QLabel*>(L)})
        for (QLabel* label : pool)
            label->setTextFormat(Qt::PlainText);
    for (const auto& pool : {std::span<QLineEdit*>(V), std::span<QLineEdit*>(E), std::span<QLineEdit*>(Q)})
        for (QLineEdit* field : pool)
            field->resize(EditWidth, FieldHeight);
    for (QLineEdit* field : V)
        field->setReadOnly(true);
    // Bound before the store takes the user's changes, so that it sees every change corrected once.
    for (const auto& pool : {std::span<QLineEdit*>(E), std::span<QLineEdit*>(Q)})
        for (QLineEdit* field : pool)
            detailed::bindEditRule(field, config::ValueRule);
    for (QComboBox* box : C) {
        box->setEditable(false);
        box->resize(ComboWidth, FieldHeight);
    }
    const QIcon methodIcon = style()->standardIcon(QStyle::SP_MediaPlay);
    for (QToolButton* button : B) {
        button->resize(MethodButtonSize);
        button->setIcon(methodIcon);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, button] {
            if (onMethod) onMethod(button->objectName());
        });
    }
    for (QWidget* widget : itemArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        widget->installEventFilter(this);

    createSideControls();
    connectItems();
}

void TDetailedSetup::createSideControls()
{
    Error = new QLabel(this);
    Error->setObjectName(QStringLiteral("Error"));
    Error->setGeometry(ErrorPlace);
    Error->setWordWrap(true);
    {
        // Narrow by design: a smaller face keeps "Error in READ:12" on one line.
        QFont font = Error->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        Error->setFont(font);
        QPalette palette = Error->palette();
        palette.setColor(QPalette::WindowText, ErrorColour);
        Error->setPalette(palette);
    }
    Error->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Error->setTextFormat(Qt::PlainText);

    LongHintLabel = new QLabel(this);
    LongHintLabel->setObjectName(QStringLiteral("LongHintLabel"));
    LongHintLabel->setGeometry(LongHintPlace);
    LongHintLabel->setWordWrap(true);
    LongHintLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LongHintLabel->setTextFormat(Qt::PlainText);

    OkBtn = new QPushButton(platform::texts().detailedOk, this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(OkPlace);
    StornoBtn = new QPushButton(platform::texts().detailedCancel, this);
    StornoBtn->setObjectName(QStringLiteral("StornoBtn"));
    StornoBtn->setGeometry(StornoPlace);
    for (QPushButton* button : {OkBtn, StornoBtn}) {
        button->setFont(boldFont(button));
        // Return in an edit field must not close the window.
        button->setAutoDefault(false);
    }
    // OK without a change closes the window as Cancel does.
    connect(OkBtn, &QPushButton::clicked, this, [this] { done(changed ? QDialog::Accepted : QDialog::Rejected); });
    connect(StornoBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDetailedSetup::connectItems()
{
    // The user's changes go into the store; Q items are method arguments, no configuration change.
    for (const auto& pool : {std::span<QLineEdit*>(V), std::span<QLineEdit*>(E), std::span<QLineEdit*>(Q)})
        for (QLineEdit* field : pool)
            connect(field, &QLineEdit::textChanged, this, [this, field] {
                if (byProgram) return;
                if (!field->objectName().startsWith(u'Q')) changed = true;
                items.setText(field->objectName(), field->text());
            });
    for (std::size_t i = 0; i < C.size(); ++i)
        connect(C[i], &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (byProgram) return;
            changed = true;
            items.select(int(i) + 1, index);
        });
    connect(&items, &config::ItemStore::changed, this, &TDetailedSetup::showItem);
    connect(&items, &config::ItemStore::errorsChanged, this, &TDetailedSetup::showError);
    for (const detailed::ItemPool& pool : detailed::itemPools)
        for (int number = 1; number <= pool.count; ++number)
            showItem(detailed::itemName(pool.letter, number));
}

void TDetailedSetup::showItem(const QString& name)
{
    QWidget* widget = item(name);
    if (!widget) return;
    const QScopedValueRollback quiet(byProgram, true);
    widget->setVisible(items.defined(name));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(items.displayed(name));
        label->adjustSize();
    } else if (QLineEdit* field = edit(name)) {
        if (field->text() != items.text(name)) field->setText(items.text(name));
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        const int n = detailed::itemByName(name)->number;
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown.append(box->itemText(i));
        if (shown != items.entries(n)) {
            box->clear();
            box->addItems(items.entries(n));
        }
        box->setCurrentIndex(items.selected(n));
    }
}

double TDetailedSetup::scaleFactor() const { return double(ScrollBox1->width()) / detailed::DesignItemAreaWidth; }

QWidget* TDetailedSetup::item(const QString& name) const
{
    const auto ref = detailed::itemByName(name);
    if (!ref) return nullptr;
    const std::size_t i = std::size_t(ref->number - 1);
    switch (ref->kind) {
    case ItemKind::Frame: return P[i];
    case ItemKind::Heading: return H[i];
    case ItemKind::Label: return L[i];
    case ItemKind::Display: return V[i];
    case ItemKind::Editable: return E[i];
    case ItemKind::Argument: return Q[i];
    case ItemKind::Option: return C[i];
    case ItemKind::Method: return B[i];
    }
    return nullptr;
}

QLineEdit* TDetailedSetup::edit(const QString& name) const
{
    const auto ref = detailed::itemByName(name);
    if (!ref) return nullptr;
    if (ref->kind != ItemKind::Display && ref->kind != ItemKind::Editable && ref->kind != ItemKind::Argument)
        return nullptr;
    return static_cast<QLineEdit*>(item(name));
}

void TDetailedSetup::placeItem(QWidget* widget, const DefinitionItem& definition)
{
    const double scale = scaleFactor();
    const int fieldHeight = detailed::roundHalfToEven(FieldHeight * scale);
    switch (definition.kind) {
    case ItemKind::Frame:
        widget->setGeometry(definition.left, definition.top, definition.width, definition.height);
        break;
    case ItemKind::Heading:
    case ItemKind::Label: {
        auto* label = static_cast<QLabel*>(widget);
        label->setText(items.displayed(definition.name));
        label->adjustSize();
        label->move(definition.left, definition.top);
        break;
    }
    case ItemKind::Display:
    case ItemKind::Editable:
    case ItemKind::Argument:
    case ItemKind::Option: widget->setGeometry(definition.left, definition.top, definition.width, fieldHeight); break;
    case ItemKind::Method:
        widget->setGeometry(definition.left, definition.top,
                            detailed::roundHalfToEven(MethodButtonSize.width() * scale),
                            detailed::roundHalfToEven(MethodButtonSize.height() * scale));
        break;
    }
}

void TDetailedSetup::SetVariableItems(const detailed::DefinitionModel& model)
{
    if (!model.found) return;
    const QScopedValueRollback quiet(byProgram, true);
    ScrollBox1->verticalScrollBar()->setValue(0);
    for (const detailed::ItemPool& pool : detailed::itemPools) {
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = detailed::itemName(pool.letter, number);
            QWidget* widget = item(name);
            const DefinitionItem* definition = model.item(name);
            if (!definition || definition->hint.isEmpty())
                hints.remove(widget);
            else
                hints.insert(widget, definition->hint);
            if (!definition) continue;
            placeItem(widget, *definition);
            // A screen reader announces an item by the short part of its hint (a label's caption
            // is the text itself) and reads the long part as its description.
            const QString shortHint = definition->hint.section(u'|', 0, 0).trimmed();
            if (!definition->caption.isEmpty())
                widget->setAccessibleName(definition->caption);
            else
                widget->setAccessibleName(shortHint.isEmpty() ? name : shortHint);
            widget->setAccessibleDescription(definition->hint.isEmpty() ? QString()
                                                                        : detailed::longHintText(definition->hint));
        }
    }
    setScrollRange(model.scrollRange);
}

void TDetailedSetup::setScrollRange(int range)
{
    // Only frames make the area scroll: without them whatever lies below its visible part stays hidden.
    itemArea->setMinimumHeight(range);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TDetailedSetup::clearHighlights()
{
    for (const detailed::ItemPool& pool : detailed::itemPools)
        for (int number = 1; number <= pool.count; ++number)
            setItemColour(detailed::itemName(pool.letter, number), false);
}

void TDetailedSetup::ItemsEnabled(bool items, bool buttons)
{
    for (QComboBox* box : C)
        box->setEnabled(items);
    for (const auto& pool : {std::span<QLineEdit*>(E), std::span<QLineEdit*>(Q)})
        for (QLineEdit* field : pool)
            field->setEnabled(items);
    for (QToolButton* button : B)
        button->setEnabled(buttons);
}

bool TDetailedSetup::ConditionsOk(const QString& definitionFile)
{
    const auto shownOption = [this](const QString& listSection) -> std::optional<QString> {
        for (int n = detailed::ComboCount; n >= 1; --n)
            if (items.listSection(n) == listSection) return items.text(detailed::itemName(u'C', n));
        return std::nullopt;
    };
    QString found;
    const bool ok = detailed::conditionsOk(definitionFile, shownOption, found);
    items.appendError(found);
    return ok;
}

void TDetailedSetup::setItemColour(const QString& name, bool differs)
{
    const auto ref = detailed::itemByName(name);
    if (!ref) return;
    if (ref->kind != ItemKind::Option && !edit(name)) return;
    QWidget* widget = item(name);
    if (!differs) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, DifferenceColour);
    palette.setColor(QPalette::Button, DifferenceColour);
    widget->setPalette(palette);
}

void TDetailedSetup::showError()
{
    Error->setText(shownText(items.errorText()));
    Error->show();
}

void TDetailedSetup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    case Qt::Key_F1:
        event->accept();
        if (onHelp) onHelp();
        return;
    default: QDialog::keyPressEvent(event);
    }
}

bool TDetailedSetup::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        LongHintLabel->setText(shownText(detailed::longHintText(hints.value(static_cast<QWidget*>(watched)))));
        break;
    case QEvent::Leave: LongHintLabel->clear(); break;
    case QEvent::ToolTip: return true;
    case QEvent::KeyPress: {
        // The window sees Escape and F1 before the item that has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_F1) {
            keyPressEvent(key);
            return true;
        }
        break;
    }
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}
