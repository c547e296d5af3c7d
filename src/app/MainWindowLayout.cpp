#include "app/MainWindowLayout.h"

#include "app/MenuCommands.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Widths are given in characters of the window's font, so the window grows with a larger font.
int charWidth(const QWidget* w) { return w->fontMetrics().horizontalAdvance(QLatin1Char('0')); }

void setName(QObject* object, const char* name) { object->setObjectName(QString::fromLatin1(name)); }

QFormLayout* newForm(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    return form;
}

// A blank row between groups of related rows in a form.
void addGap(QFormLayout* form, int height)
{
    form->addItem(new QSpacerItem(0, height, QSizePolicy::Minimum, QSizePolicy::Fixed));
}

// The height of one line edit: value labels take it too, so rows line up the same on every page.
int fieldHeight(const QWidget* parent)
{
    QLineEdit probe;
    probe.setFont(parent->font());
    return probe.sizeHint().height();
}

// A read-only value shown in a sunken field. Its width never follows its text, so a long value cannot
// resize the fixed window; the text is clipped instead and stays selectable for copying.
QLabel* newValue(QWidget* parent, const char* name, int minChars, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(parent);
    setName(label, name);
    label->setTextFormat(Qt::PlainText); // texts come from devices, the driver and definition files
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setAutoFillBackground(true); // the comparison colours are painted through the palette
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setIndent(charWidth(parent) / 2);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setMinimumWidth(minChars * charWidth(parent));
    label->setFixedHeight(fieldHeight(parent));
    return label;
}

// The width of an edit whose text area holds textWidth pixels: frame and text margins of the style come on top.
int editWidth(const QLineEdit* edit, int textWidth)
{
    return textWidth + edit->sizeHint().width() - edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
}

QLineEdit* newEdit(QWidget* parent, const char* name, int chars)
{
    auto* edit = new QLineEdit(parent);
    setName(edit, name);
    edit->setFixedWidth(editWidth(edit, chars * charWidth(parent)));
    return edit;
}

QComboBox* newList(QWidget* parent, const char* name, int chars)
{
    auto* combo = new QComboBox(parent);
    setName(combo, name);
    combo->setEditable(false);
    // The lists are refilled from the language table; their width must not follow the longest entry.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(chars);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return combo;
}

QGroupBox* newGroup(QWidget* parent, const char* name, const QString& title)
{
    auto* group = new QGroupBox(title, parent);
    setName(group, name);
    group->setAccessibleName(title);
    return group;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    setName(button, name);
    button->setAutoDefault(false);
    return button;
}

// A scroll area that comes and goes with the widget it holds: hiding the value hides its frame too.
class FollowingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget()) {
            if (event->type() == QEvent::HideToParent) hide();
            if (event->type() == QEvent::ShowToParent) show();
        }
        return QScrollArea::eventFilter(watched, event);
    }
};

void retainSizeWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// The field of a form row whose value comes and goes: a form gives up the room of a hidden widget, a box keeps
// that of a widget that retains its size, so the window does not change its size with the value.
QLayout* keepingItsPlace(QWidget* widget)
{
    retainSizeWhenHidden(widget);
    auto* box = new QHBoxLayout;
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(widget);
    return box;
}

} // namespace

void MainWindowLayout::setup(QMainWindow& window)
{
    setName(&window, "Form1");
    window.setWindowTitle(tr("Tarvik"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildMenus(window);

    auto* central = new QWidget(&window);
    setName(central, "ClientArea");
    window.setCentralWidget(central);
    const int gap = fieldHeight(central) / 2;
    buildPages(central, gap);
    buildOnlineBox(central, gap);
    buildMessageBoxes(central);
    buildButtons(central);
    arrange(central);
    buildDiagnostics(central);
    buildStatusBar(window);
    setStartState();

    // Single fixed border: the window takes the size its contents ask for and nothing else.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindowLayout::buildStatusBar(QMainWindow& window)
{
    QStatusBar* bar = window.statusBar();
    setName(bar, "StatusBar");
    bar->setSizeGripEnabled(false);
    WireStatus = new QLabel;
    setName(WireStatus, "WireStatus");
    WireStatus->setTextFormat(Qt::PlainText); // a port or host name as the user typed it
    // A long host name is clipped rather than widen the fixed window.
    WireStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(WireStatus, 1);
}

void MainWindowLayout::buildMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    setName(bar, "MainMenu");
    for (const MenuOfCommands& menu : menusOfCommands()) {
        QMenu* holder = nullptr;
        if (menu.member) {
            holder = bar->addMenu(QCoreApplication::translate("MainWindowLayout", menu.caption));
            setName(holder, menu.name);
            this->*menu.member = holder;
        }
        for (const MenuCommand& command : menuCommands()) {
            if (command.menu != menu.id) continue;
            if (command.separatorBefore) holder->addSeparator();
            const QString caption = QCoreApplication::translate("MainWindowLayout", command.caption);
            QAction* action = holder ? holder->addAction(caption) : bar->addAction(caption);
            setName(action, command.name);
            if (command.shortcut) action->setShortcut(QKeySequence(command.shortcut));
            this->*command.member = action;
        }
    }
}

QLabel* MainWindowLayout::addCaption(QWidget* control, const QString& text, const char* name)
{
    auto* label = new QLabel(text, control->parentWidget());
    label->setObjectName(name ? QString::fromLatin1(name) : QString(control->objectName() + u"Caption"));
    label->setBuddy(control);
    captions.insert(control, label);
    return label;
}

void MainWindowLayout::addValueRow(QFormLayout* form, QLabel* value, const QString& text)
{
    QLabel* label = addCaption(value, text);
    value->setAccessibleDescription(text);
    form->addRow(label, value);
}

// Device Info: identity, sensor, output
void MainWindowLayout::buildDeviceInfoPage(int gap)
{
    InstrumentBox = new QWidget(SetupPanels);
    setName(InstrumentBox, "InstrumentBox");
    QFormLayout* form = newForm(InstrumentBox);
    const int w = 34;
    Vyrobce = newValue(InstrumentBox, "Vyrobce", w);
    Typ = newValue(InstrumentBox, "Typ", w);
    RozsirenyTyp = newValue(InstrumentBox, "RozsirenyTyp", w);
    Verze = newValue(InstrumentBox, "Verze", w);
    VerzeHart = newValue(InstrumentBox, "VerzeHart", w);
    UI = newValue(InstrumentBox, "UI", w);
    VyrCislo = newValue(InstrumentBox, "VyrCislo", w);
    VyrCisCidla = newValue(InstrumentBox, "VyrCisCidla", w);
    HorniMez = newValue(InstrumentBox, "HorniMez", w);
    DolniMez = newValue(InstrumentBox, "DolniMez", w);
    MinRozpeti = newValue(InstrumentBox, "MinRozpeti", w);
    Porucha = newValue(InstrumentBox, "Porucha", w);
    Ochrana = newValue(InstrumentBox, "Ochrana", w);
    DlouheOznaceniInfo = newValue(InstrumentBox, "DlouheOznaceniInfo", w);
    addValueRow(form, Vyrobce, tr("Distributor:"));
    addValueRow(form, Typ, tr("Type:"));
    addValueRow(form, RozsirenyTyp, tr("Expanded Device Type:"));
    addValueRow(form, Verze, tr("Revision:"));
    addValueRow(form, VerzeHart, tr("Universal Revision:"));
    addValueRow(form, UI, tr("Unique Identifier:"));
    addValueRow(form, VyrCislo, tr("Serial No:"));
    addGap(form, gap);
    addValueRow(form, VyrCisCidla, tr("Sensor Serial No:"));
    addValueRow(form, HorniMez, tr("Upper Range Limit:"));
    addValueRow(form, DolniMez, tr("Lower Range Limit:"));
    addValueRow(form, MinRozpeti, tr("Minimum Span:"));
    addGap(form, gap);
    addValueRow(form, Porucha, tr("Alarm Signaling:"));
    addValueRow(form, Ochrana, tr("Write Protection:"));
    // Last, so that a device without a long tag leaves no gap between the rows it has.
    addGap(form, gap);
    const QString longTag = tr("Long Tag:");
    DlouheOznaceniInfo->setAccessibleDescription(longTag);
    form->addRow(addCaption(DlouheOznaceniInfo, longTag), keepingItsPlace(DlouheOznaceniInfo));
}

// Basic Setup: range and output, then the identification texts
void MainWindowLayout::buildBasicSetupPage(int gap)
{
    BasicSetup = new QWidget(SetupPanels);
    setName(BasicSetup, "BasicSetup");
    QFormLayout* form = newForm(BasicSetup);
    // Two widths only: short for numbers, tag and date, longer for the lists and the descriptor. The message
    // takes the whole row.
    const int shortWidth = 12;
    const int longWidth = 20;
    Pocatek = newEdit(BasicSetup, "Pocatek", shortWidth);
    Konec = newEdit(BasicSetup, "Konec", shortWidth);
    Jednotky = newList(BasicSetup, "Jednotky", longWidth);
    Tlumeni = newEdit(BasicSetup, "Tlumeni", shortWidth);
    Funkce = newList(BasicSetup, "Funkce", longWidth);
    Oznaceni = newEdit(BasicSetup, "Oznaceni", shortWidth);
    Popis = newEdit(BasicSetup, "Popis", longWidth);
    Datum = newEdit(BasicSetup, "Datum", shortWidth);
    Zprava = new QLineEdit(BasicSetup);
    setName(Zprava, "Zprava");
    // A whole message of 32 capitals (the device keeps capitals only) is visible without scrolling.
    Zprava->setMinimumWidth(editWidth(Zprava, Zprava->fontMetrics().horizontalAdvance(QString(32, u'A'))));
    DlouheOznaceni = new QLineEdit(BasicSetup);
    setName(DlouheOznaceni, "DlouheOznaceni");
    DlouheOznaceni->setMinimumWidth(Zprava->minimumWidth());
    Jednotky->setFixedWidth(Popis->maximumWidth());
    Funkce->setFixedWidth(Popis->maximumWidth());

    form->addRow(addCaption(Pocatek, tr("Lower Range Value:")), Pocatek);
    form->addRow(addCaption(Konec, tr("Upper Range Value:")), Konec);
    form->addRow(addCaption(Jednotky, tr("Units:")), Jednotky);
    auto* damping = new QHBoxLayout;
    damping->addWidget(Tlumeni);
    auto* seconds = new QLabel(tr("s"), BasicSetup);
    setName(seconds, "TlumeniUnit");
    damping->addWidget(seconds);
    damping->addStretch();
    form->addRow(addCaption(Tlumeni, tr("Damping:")), damping);
    // A device definition may hide the transfer function; the rows below keep their places.
    Label20 = addCaption(Funkce, tr("Transfer Function:"), "Label20");
    retainSizeWhenHidden(Label20);
    retainSizeWhenHidden(Funkce);
    form->addRow(Label20, Funkce);
    // A screen reader names a list by its current entry; the lists are named by their captions, as the edits
    // are through their buddies.
    for (QComboBox* list : {Jednotky, Funkce})
        list->setAccessibleName(captionOf(list)->text());
    addGap(form, gap);
    form->addRow(addCaption(Oznaceni, tr("Tag:")), Oznaceni);
    form->addRow(addCaption(Popis, tr("Descriptor:")), Popis);
    form->addRow(addCaption(Datum, tr("Date:")), Datum);
    form->addRow(addCaption(Zprava, tr("Message:")), Zprava);
    // Last, so that a device without a long tag leaves no gap between the rows it has.
    form->addRow(addCaption(DlouheOznaceni, tr("Long Tag:")), keepingItsPlace(DlouheOznaceni));
}

void MainWindowLayout::buildPages(QWidget* central, int gap)
{
    SetupPanels = new QTabWidget(central);
    setName(SetupPanels, "SetupPanels");
    // Every page's caption whole, in every language: the window grows to them.
    SetupPanels->setElideMode(Qt::ElideNone);
    SetupPanels->setUsesScrollButtons(false);
    buildDeviceInfoPage(gap);
    buildBasicSetupPage(gap);

    // The same caption column on both pages, so the fields do not shift when the user switches pages.
    int widest = 0;
    for (QLabel* label : captions)
        widest = qMax(widest, label->sizeHint().width());
    for (QLabel* label : captions)
        label->setMinimumWidth(widest);

    pDetailedSetup = new QWidget(SetupPanels);
    setName(pDetailedSetup, "pDetailedSetup");
    new QVBoxLayout(pDetailedSetup);

    SetupPanels->addTab(InstrumentBox, tr("Device Info"));
    SetupPanels->addTab(BasicSetup, tr("Basic Setup"));
    SetupPanels->addTab(pDetailedSetup, tr("Detailed Setup"));
    for (int i = 0; i < SetupPanels->count(); ++i)
        SetupPanels->widget(i)->setAccessibleName(SetupPanels->tabText(i));
    SetupPanels->setTabVisible(SetupPanels->indexOf(pDetailedSetup), false);
    SetupPanels->setCurrentWidget(InstrumentBox);
}

void MainWindowLayout::buildOnlineBox(QWidget* central, int gap)
{
    OnlineBox = newGroup(central, "OnlineBox", tr("On-line Values"));
    QFormLayout* form = newForm(OnlineBox);
    const int w = 22;
    PollAddr = newValue(OnlineBox, "PollAddr", w, Qt::AlignRight);
    PollAddr->setText(QStringLiteral("0"));
    PV = newValue(OnlineBox, "PV", w, Qt::AlignRight);
    PVI = newValue(OnlineBox, "PVI", w, Qt::AlignRight);
    PVP = newValue(OnlineBox, "PVP", w, Qt::AlignRight);
    SV = newValue(OnlineBox, "SV", w, Qt::AlignRight);
    TV = newValue(OnlineBox, "TV", w, Qt::AlignRight);
    FV = newValue(OnlineBox, "FV", w, Qt::AlignRight);
    addValueRow(form, PollAddr, tr("Polling Address:"));
    addGap(form, gap / 2);
    addValueRow(form, PV, tr("Primary Variable:"));
    addValueRow(form, PVI, tr("Output Current:"));
    addValueRow(form, PVP, tr("% Output:"));
    addValueRow(form, SV, tr("Secondary Variable:"));
    addValueRow(form, TV, tr("Tertiary Variable:"));
    addValueRow(form, FV, tr("Fourth Variable:"));

    // Its place is kept while it is hidden, so that the window of fixed size stays as it is when it shows;
    // a form row of a hidden widget takes no room, a box holding it does.
    auto* fixedPlace = new QWidget(OnlineBox);
    auto* fixedBox = new QVBoxLayout(fixedPlace);
    fixedBox->setContentsMargins(0, 0, 0, 0);
    FixedCurrent = new QLabel(fixedPlace);
    fixedBox->addWidget(FixedCurrent);
    setName(FixedCurrent, "FixedCurrent");
    FixedCurrent->setTextFormat(Qt::PlainText);
    FixedCurrent->setAlignment(Qt::AlignCenter);
    FixedCurrent->setFixedHeight(fieldHeight(OnlineBox));
    FixedCurrent->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    // Seen at a glance: the loop does not carry the measurement while it is fixed.
    QFont bold = FixedCurrent->font();
    bold.setBold(true);
    FixedCurrent->setFont(bold);
    FixedCurrent->setAutoFillBackground(true);
    QPalette warning = FixedCurrent->palette();
    warning.setColor(QPalette::Window, QColor(255, 221, 0));
    warning.setColor(QPalette::WindowText, Qt::black);
    FixedCurrent->setPalette(warning);
    retainSizeWhenHidden(FixedCurrent);
    FixedCurrent->hide();
    addGap(form, gap / 2);
    form->addRow(fixedPlace);
}

// The device's status sentences, its errors and the program's status line.
void MainWindowLayout::buildMessageBoxes(QWidget* central)
{
    StatusBox = newGroup(central, "StatusBox", tr("Device Status Messages"));
    // A device may report more sentences than the three lines of room: the label grows inside a scroll area
    // of fixed height, so every sentence can be reached and the window keeps its size.
    StatusScroll = new FollowingScrollArea(StatusBox);
    setName(StatusScroll, "StatusScroll");
    StatusScroll->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    StatusScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StatusScroll->setWidgetResizable(true);
    StatusScroll->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    StatusScroll->setFixedHeight(central->fontMetrics().lineSpacing() * 3 + 2 * StatusScroll->frameWidth() + 4);
    Status = new QLabel;
    setName(Status, "Status");
    Status->setAccessibleName(StatusBox->title());
    Status->setTextFormat(Qt::PlainText);
    Status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Status->setIndent(charWidth(central) / 2);
    Status->setContentsMargins(0, 2, 0, 2);
    Status->setWordWrap(true);
    StatusScroll->setWidget(Status);
    (new QVBoxLayout(StatusBox))->addWidget(StatusScroll);

    ErrorBox = newGroup(central, "ErrorBox", tr("Device Error Messages"));
    Error = new QListWidget(ErrorBox);
    setName(Error, "Error");
    Error->setAccessibleName(ErrorBox->title());
    Error->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Error->setFixedHeight(Error->fontMetrics().lineSpacing() * 4 + 2 * Error->frameWidth() + 4);
    (new QVBoxLayout(ErrorBox))->addWidget(Error);

    ProgramStatusBox = newGroup(central, "ProgramStatusBox", tr("Program Status Messages"));
    ProgramStatus = newValue(ProgramStatusBox, "ProgramStatus", 20);
    ProgramStatus->setAccessibleName(ProgramStatusBox->title());
    // Room for two lines: a hint of what a field can hold is read whole in every language.
    ProgramStatus->setWordWrap(true);
    ProgramStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ProgramStatus->setFixedHeight(ProgramStatus->fontMetrics().lineSpacing() * 2 + fieldHeight(ProgramStatusBox) -
                                  ProgramStatus->fontMetrics().height());
    (new QVBoxLayout(ProgramStatusBox))->addWidget(ProgramStatus);

    // The values of the pages and on-line box come and go; the window keeps its size when they are hidden.
    for (QWidget* w : {static_cast<QWidget*>(PV), static_cast<QWidget*>(PVI), static_cast<QWidget*>(PVP),
                       static_cast<QWidget*>(SV), static_cast<QWidget*>(TV), static_cast<QWidget*>(FV),
                       static_cast<QWidget*>(StatusScroll), static_cast<QWidget*>(Error)})
        retainSizeWhenHidden(w);
}

void MainWindowLayout::buildButtons(QWidget* central)
{
    Pripoj = newButton(central, "Pripoj", tr("Read!"));
    Odpoj = newButton(central, "Odpoj", tr("Stop!"));
    ZapisPrev = newButton(central, "ZapisPrev", tr("Write in device!"));
    // Default buttons work only in dialogs, so the window does it itself: Enter in a field of the Basic Setup page
    // presses Write in device! while it is enabled (the write asks before it sends anything). Enter elsewhere keeps
    // its usual meaning, and Write in device! is still drawn as the default button.
    ZapisPrev->setDefault(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), BasicSetup);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(enter, &QShortcut::activated, ZapisPrev, &QPushButton::click); // nothing while disabled
    }
}

void MainWindowLayout::arrange(QWidget* central)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Pripoj);
    buttons->addWidget(Odpoj);
    buttons->addWidget(ZapisPrev);

    auto* grid = new QGridLayout(central);
    grid->addWidget(SetupPanels, 0, 0, 3, 1);
    grid->addWidget(OnlineBox, 0, 1);
    grid->addWidget(StatusBox, 1, 1);
    grid->addWidget(ErrorBox, 2, 1);
    grid->addWidget(ProgramStatusBox, 3, 0);
    grid->addLayout(buttons, 3, 1, Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);
}

// Diagnostics: a hidden child outside the layout.
void MainWindowLayout::buildDiagnostics(QWidget* central)
{
    DiagnosticPanel = new QWidget(central);
    setName(DiagnosticPanel, "DiagnosticPanel");
    auto* box = new QVBoxLayout(DiagnosticPanel);
    DdeDat = new QPlainTextEdit(DiagnosticPanel);
    setName(DdeDat, "DdeDat");
    DdeDat->setReadOnly(true);
    Label26 = new QLabel(DiagnosticPanel);
    setName(Label26, "Label26");
    Label27 = new QLabel(DiagnosticPanel);
    setName(Label27, "Label27");
    Label30 = new QLabel(DiagnosticPanel);
    setName(Label30, "Label30");
    for (QLabel* label : {Label26, Label27, Label30})
        label->setTextFormat(Qt::PlainText);
    Button1 = newButton(DiagnosticPanel, "Button1", QStringLiteral("STOP"));
    Button2 = newButton(DiagnosticPanel, "Button2", QStringLiteral("RUN"));
    for (QWidget* w : {static_cast<QWidget*>(DdeDat), static_cast<QWidget*>(Label26), static_cast<QWidget*>(Label27),
                       static_cast<QWidget*>(Label30), static_cast<QWidget*>(Button1), static_cast<QWidget*>(Button2)})
        box->addWidget(w);
    DiagnosticPanel->hide();
}

void MainWindowLayout::setStartState()
{
    Odpoj->setEnabled(false);
    ZapisPrev->setEnabled(false);
    for (const MenuCommand& command : menuCommands()) {
        QAction* action = this->*command.member;
        action->setEnabled(command.enabled == Availability::Always || command.enabled == Availability::WithHistoryLog);
        action->setVisible(command.visible);
    }
    for (QWidget* w : editableFields())
        w->setEnabled(false);
}

void centreOnScreen(QWidget& window)
{
    window.adjustSize();
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    // Before the first show the frame is not known yet; the window's own rectangle stands for it.
    QRect frame = window.frameGeometry();
    frame.moveCenter(free.center());
    window.move(std::max(frame.left(), free.left()), std::max(frame.top(), free.top()));
}

QLabel* MainWindowLayout::captionOf(const QWidget* control) const { return captions.value(control, nullptr); }

QList<QAction*> MainWindowLayout::deviceCommands() const
{
    QList<QAction*> actions;
    for (const MenuCommand& command : menuCommands())
        if (command.enabled == Availability::WithDevice) actions.append(this->*command.member);
    return actions;
}

QList<QWidget*> MainWindowLayout::hourGlassWidgets() const
{
    return {Error, OnlineBox, StatusBox, ErrorBox, ProgramStatusBox, InstrumentBox, SetupPanels, Pripoj};
}

QList<QWidget*> MainWindowLayout::editableFields() const
{
    return {Pocatek, Konec, Tlumeni, Oznaceni, Popis, Datum, Zprava, Jednotky, Funkce, DlouheOznaceni};
}

QList<QWidget*> MainWindowLayout::onlineWidgets() const { return {PV, PVI, PVP, SV, TV, FV, Status, Error}; }
