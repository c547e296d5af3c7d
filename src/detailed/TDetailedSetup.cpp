#include "detailed/TDetailedSetup.h"

#include "detailed/Conditions.h"
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
constexpr qsizetype RecordTextLength = 32;
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

TDetailedSetup::TDetailedSetup(QWidget* parent) : QDialog(parent)
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
    // Bound before the change tracking, so that it sees every change corrected once.
    for (const auto& pool : {std::span<QLineEdit*>(E), std::span<QLineEdit*>(Q)})
        for (QLineEdit* field : pool)
            detailed::bindEditRule(field, config::ValueRule);
    const auto change = [this] {
        if (!byProgram) changed = true;
    };
    for (const auto& pool : {std::span<QLineEdit*>(V), std::span<QLineEdit*>(E)})
        for (QLineEdit* field : pool)
            connect(field, &QLineEdit::textChanged, this, change);
    for (QComboBox* box : C) {
        box->setEditable(false);
        box->resize(ComboWidth, FieldHeight);
        connect(box, &QComboBox::currentIndexChanged, this, change);
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

QComboBox* TDetailedSetup::combo(int n) const { return n >= 1 && n <= int(C.size()) ? C[std::size_t(n - 1)] : nullptr; }

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
        label->setText(definition.caption);
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
    errors = model.errors;
    showError();
    ScrollBox1->verticalScrollBar()->setValue(0);

    QHash<QString, const DefinitionItem*> defined;
    for (const DefinitionItem& definition : model.items)
        defined.insert(definition.name, &definition);

    for (const detailed::ItemPool& pool : detailed::itemPools) {
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = detailed::itemName(pool.letter, number);
            QWidget* widget = item(name);
            const DefinitionItem* definition = defined.value(name);
            const std::size_t comboIndex = std::size_t(number - 1);
            if (!definition) {
                widget->hide();
                hints.remove(widget);
                if (pool.kind == ItemKind::Option) {
                    ComboListSection[comboIndex].clear();
                    comboWritableFlag[comboIndex] = 0;
                }
                continue;
            }
            placeItem(widget, *definition);
            if (QLineEdit* field = edit(name)) field->clear();
            if (pool.kind == ItemKind::Option) {
                auto* box = static_cast<QComboBox*>(widget);
                box->clear();
                for (const detailed::DefinitionOption& option : definition->options)
                    box->addItem(option.text);
                box->setCurrentIndex(-1); // nothing is shown until a reply or a record selects
                ComboListSection[comboIndex] = definition->listSection;
                comboWritableFlag[comboIndex] = definition->writable;
            }
            if (definition->hint.isEmpty())
                hints.remove(widget);
            else
                hints.insert(widget, definition->hint);
            // A screen reader announces an item by the short part of its hint (a label's caption
            // is the text itself) and reads the long part as its description.
            const QString shortHint = definition->hint.section(u'|', 0, 0).trimmed();
            if (!definition->caption.isEmpty())
                widget->setAccessibleName(definition->caption);
            else
                widget->setAccessibleName(shortHint.isEmpty() ? name : shortHint);
            widget->setAccessibleDescription(definition->hint.isEmpty() ? QString()
                                                                        : detailed::longHintText(definition->hint));
            widget->show();
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

void TDetailedSetup::ClearAll()
{
    const QScopedValueRollback quiet(byProgram, true);
    for (const detailed::ItemPool& pool : detailed::itemPools)
        for (int number = 1; number <= pool.count; ++number) {
            const QString name = detailed::itemName(pool.letter, number);
            QWidget* widget = item(name);
            widget->hide();
            switch (pool.kind) {
            case ItemKind::Heading:
            case ItemKind::Label: static_cast<QLabel*>(widget)->setText(name); break;
            case ItemKind::Display:
            case ItemKind::Editable:
                static_cast<QLineEdit*>(widget)->setText(name);
                setItemColour(name, false);
                break;
            case ItemKind::Option: {
                // A drop-down list shows a text only when it is one of its entries.
                auto* box = static_cast<QComboBox*>(widget);
                box->setCurrentIndex(box->findText(name));
                setItemColour(name, false);
                break;
            }
            case ItemKind::Argument: setItemColour(name, false); break;
            case ItemKind::Frame:
            case ItemKind::Method: break;
            }
        }
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
        for (int n = int(C.size()); n >= 1; --n)
            if (ComboListSection[std::size_t(n - 1)] == listSection) return combo(n)->currentText();
        return std::nullopt;
    };
    QString found;
    const bool ok = detailed::conditionsOk(definitionFile, shownOption, found);
    errors += found;
    showError();
    return ok;
}

QString TDetailedSetup::detailText(const QString& name) const { return itemText(name); }

void TDetailedSetup::setDetailText(const QString& name, const QString& text)
{
    if (QLineEdit* field = edit(name)) {
        field->setText(text);
        return;
    }
    const auto ref = detailed::itemByName(name);
    if (!ref || ref->kind != ItemKind::Option) return;
    const QScopedValueRollback quiet(byProgram, true);
    QComboBox* box = combo(ref->number);
    int selected = box->count() > 0 ? 0 : -1;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).left(RecordTextLength) == text) selected = i;
    box->setCurrentIndex(selected);
    if (!comboWritable(ref->number)) replaceComboEntries(ref->number, {box->currentText()}, 0);
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

QString TDetailedSetup::itemText(const QString& name) const
{
    if (const QLineEdit* field = edit(name)) return field->text();
    const auto ref = detailed::itemByName(name);
    if (ref && ref->kind == ItemKind::Option) return combo(ref->number)->currentText();
    return {};
}

QString TDetailedSetup::displayedText(const QString& name) const
{
    if (const auto* label = qobject_cast<const QLabel*>(item(name))) return label->text();
    return itemText(name);
}

void TDetailedSetup::setItemText(const QString& name, const QString& text)
{
    if (QLineEdit* field = edit(name)) field->setText(text);
}

QString TDetailedSetup::comboListSection(int n) const
{
    return combo(n) ? ComboListSection[std::size_t(n - 1)] : QString();
}

QStringList TDetailedSetup::comboEntries(int n) const
{
    QStringList entries;
    if (const QComboBox* box = combo(n))
        for (int i = 0; i < box->count(); ++i)
            entries.append(box->itemText(i));
    return entries;
}

void TDetailedSetup::selectComboEntry(int n, int index)
{
    const QScopedValueRollback quiet(byProgram, true);
    if (QComboBox* box = combo(n)) box->setCurrentIndex(index);
}

void TDetailedSetup::replaceComboEntries(int n, const QStringList& entries, int selected)
{
    QComboBox* box = combo(n);
    if (!box) return;
    const QScopedValueRollback quiet(byProgram, true);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(selected);
}

bool TDetailedSetup::comboWritable(int n) const { return combo(n) && comboWritableFlag[std::size_t(n - 1)] != 0; }

void TDetailedSetup::appendError(const QString& line)
{
    errors += line;
    showError();
}

void TDetailedSetup::showError()
{
    Error->setText(shownText(errors));
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
