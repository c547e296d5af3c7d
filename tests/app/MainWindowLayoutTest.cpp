#include "app/MainWindowLayout.h"
#include "app/TCekej.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString str(const char* text) { return QString::fromUtf8(text); }

QStringList namesOf(const QList<QWidget*>& widgets)
{
    QStringList names;
    for (const QWidget* w : widgets)
        names.append(w->objectName());
    return names;
}

QString accessibleText(QWidget* widget, QAccessible::Text which)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}

class MainWindowLayoutTest : public ::testing::Test {
protected:
    MainWindowLayoutTest() { layout.setup(window); }

    // What the user reads beside or on a control: a command's or button's text, a menu's or group's title,
    // a page's tab, or the caption label beside a field.
    QString captionOn(QObject* object) const
    {
        if (auto* action = qobject_cast<QAction*>(object)) return action->text();
        if (auto* menu = qobject_cast<QMenu*>(object)) return menu->title();
        if (auto* button = qobject_cast<QPushButton*>(object)) return button->text();
        if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
        auto* widget = qobject_cast<QWidget*>(object);
        if (const int page = layout.SetupPanels->indexOf(widget); page >= 0) return layout.SetupPanels->tabText(page);
        if (QLabel* caption = layout.captionOf(widget)) return caption->text();
        return str("<no caption>");
    }

    QList<QLabel*> valueLabels() const
    {
        return {layout.Vyrobce,     layout.Typ,      layout.Verze,    layout.UI,         layout.VyrCislo,
                layout.VyrCisCidla, layout.HorniMez, layout.DolniMez, layout.MinRozpeti, layout.Porucha,
                layout.Ochrana,     layout.PollAddr, layout.PV,       layout.PVI,        layout.PVP,
                layout.SV,          layout.TV,       layout.FV};
    }

    QMainWindow window;
    MainWindowLayout layout;
};

TEST_F(MainWindowLayoutTest, EveryControlAndCommandHasItsNameAndCaption)
{
    struct Row {
        QObject* object;
        const char* name;
        const char* caption;
    };
    const MainWindowLayout& l = layout;
    const Row rows[] = {
        {l.File1, "File1", "File"},
        {l.Menu1, "Menu1", "Open"},
        {l.Uloz, "Uloz", "Save"},
        {l.TiskniPreview, "TiskniPreview", "Print Preview"},
        {l.Tiskni, "Tiskni", "Print"},
        {l.Konec1, "Konec1", "Exit"},
        {l.Initialization1, "Initialization1", "Initialization"},
        {l.Inicializaceoznaenm1, "Inicializaceoznaenm1", "Initialization by Tag"},
        {l.Inicializacedotazovacadresou1, "Inicializacedotazovacadresou1", "Initialization by Address"},
        {l.Configuration1, "Configuration1", "Configuration"},
        {l.NastaveniPocatku, "NastaveniPocatku", "Lower Range Value"},
        {l.NastaveniKonce, "NastaveniKonce", "Upper Range Value"},
        {l.NulovaniCidla, "NulovaniCidla", "Sensor Zeroing"},
        {l.ZmenaAdresy, "ZmenaAdresy", "Address Changing"},
        {l.DetailedSetupMenu, "DetailedSetupMenu", "Detailed Setup"},
        {l.NavratHodnotm1, "NavratHodnotm1", "Back to Initial Values"},
        {l.Service1, "Service1", "Service"},
        {l.TestPristroje, "TestPristroje", "Device Test"},
        {l.ResetPristroje, "ResetPristroje", "Device Reset"},
        {l.NulujPriznakm1, "NulujPriznakm1", "Clear Configuration Changed Flag"},
        {l.Writefinalassemblynumber1, "Writefinalassemblynumber1", "Write Final Assembly Number"},
        {l.FixovaniVystupnihoProudu, "FixovaniVystupnihoProudu", "Enter Fixed Output Status (LoopTest)"},
        {l.Zrusfixovaniproudu, "Zrusfixovaniproudu", "Exit Fixed Output Status"},
        {l.Trimovani4mA, "Trimovani4mA", "Trim DAC Lower Output Value"},
        {l.Trimovani20mA, "Trimovani20mA", "Trim DAC Upper Output Value"},
        {l.NastaveniBURSTfunkce, "NastaveniBURSTfunkce", "Set Burst Function"},
        {l.ZapnutiBURSTmodu, "ZapnutiBURSTmodu", "Enter Burst Mode"},
        {l.VypnutiBURSTmodu, "VypnutiBURSTmodu", "Exit Burst mode"},
        {l.MenuHistory, "MenuHistory", "History"},
        {l.Options1, "Options1", "Options"},
        {l.Help1, "Help1", "Help"},
        {l.Obsah1, "Obsah1", "Contents"},
        {l.Oprogramu1, "Oprogramu1", "About ..."},
        {l.InstrumentBox, "InstrumentBox", "Device Info"},
        {l.BasicSetup, "BasicSetup", "Basic Setup"},
        {l.pDetailedSetup, "pDetailedSetup", "Detailed Setup"},
        {l.Vyrobce, "Vyrobce", "Distributor:"},
        {l.Typ, "Typ", "Type:"},
        {l.Verze, "Verze", "Revision:"},
        {l.UI, "UI", "Unique Identifier:"},
        {l.VyrCislo, "VyrCislo", "Serial No:"},
        {l.VyrCisCidla, "VyrCisCidla", "Sensor Serial No:"},
        {l.HorniMez, "HorniMez", "Upper Range Limit:"},
        {l.DolniMez, "DolniMez", "Lower Range Limit:"},
        {l.MinRozpeti, "MinRozpeti", "Minimum Span:"},
        {l.Porucha, "Porucha", "Alarm Signaling:"},
        {l.Ochrana, "Ochrana", "Write Protection:"},
        {l.Pocatek, "Pocatek", "Lower Range Value:"},
        {l.Konec, "Konec", "Upper Range Value:"},
        {l.Jednotky, "Jednotky", "Units:"},
        {l.Tlumeni, "Tlumeni", "Damping:"},
        {l.Funkce, "Funkce", "Transfer Function:"},
        {l.Oznaceni, "Oznaceni", "Tag:"},
        {l.Popis, "Popis", "Descriptor:"},
        {l.Datum, "Datum", "Date:"},
        {l.Zprava, "Zprava", "Message:"},
        {l.OnlineBox, "OnlineBox", "On-line Values"},
        {l.PollAddr, "PollAddr", "Polling Address:"},
        {l.PV, "PV", "Primary Variable:"},
        {l.PVI, "PVI", "Output Current:"},
        {l.PVP, "PVP", "% Output:"},
        {l.SV, "SV", "Secondary Variable:"},
        {l.TV, "TV", "Tertiary Variable:"},
        {l.FV, "FV", "Fourth Variable:"},
        {l.StatusBox, "StatusBox", "Device Status Messages"},
        {l.ErrorBox, "ErrorBox", "Device Error Messages"},
        {l.ProgramStatusBox, "ProgramStatusBox", "Program Status Messages"},
        {l.Pripoj, "Pripoj", "Read!"},
        {l.Odpoj, "Odpoj", "Stop!"},
        {l.ZapisPrev, "ZapisPrev", "Write in device!"},
        {l.Button1, "Button1", "STOP"},
        {l.Button2, "Button2", "RUN"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.object, nullptr);
        EXPECT_EQ(row.object->objectName(), str(row.name));
        // Found by name, and the name is not used twice.
        EXPECT_EQ(window.findChildren<QObject*>(str(row.name)), QList<QObject*>{row.object});
        EXPECT_EQ(captionOn(row.object), str(row.caption));
    }

    // Controls without a caption of their own
    for (const char* name : {"SetupPanels", "Status", "Error", "ProgramStatus", "DiagnosticPanel", "DdeDat", "Label26",
                             "Label27", "Label30"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(window.findChildren<QWidget*>(str(name)).size(), 1);
    }
    EXPECT_TRUE(l.StatusBox->isAncestorOf(l.Status));
    EXPECT_EQ(l.Error->parentWidget(), l.ErrorBox);
    EXPECT_EQ(l.ProgramStatus->parentWidget(), l.ProgramStatusBox);
    EXPECT_EQ(l.Label20, l.captionOf(l.Funkce));
    EXPECT_EQ(l.Label20->objectName(), str("Label20"));
    EXPECT_EQ(window.objectName(), str("Form1"));
    EXPECT_EQ(window.windowTitle(), str("Tarvik"));
    EXPECT_EQ(l.Obsah1->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowLayoutTest, HelperListsNameTheRightControlsInOrder)
{
    EXPECT_EQ(namesOf(layout.hourGlassWidgets()),
              (QStringList{str("Error"), str("OnlineBox"), str("StatusBox"), str("ErrorBox"), str("ProgramStatusBox"),
                           str("InstrumentBox"), str("SetupPanels"), str("Pripoj")}));
    EXPECT_EQ(namesOf(layout.editableFields()),
              (QStringList{str("Pocatek"), str("Konec"), str("Tlumeni"), str("Oznaceni"), str("Popis"), str("Datum"),
                           str("Zprava"), str("Jednotky"), str("Funkce"), str("DlouheOznaceni")}));
    EXPECT_EQ(namesOf(layout.onlineWidgets()), (QStringList{str("PV"), str("PVI"), str("PVP"), str("SV"), str("TV"),
                                                            str("FV"), str("Status"), str("Error")}));
}

TEST_F(MainWindowLayoutTest, StartsInTheStateAfterStart)
{
    window.show();
    EXPECT_TRUE(layout.Pripoj->isEnabled());
    EXPECT_FALSE(layout.Odpoj->isEnabled());
    EXPECT_FALSE(layout.ZapisPrev->isEnabled());
    EXPECT_TRUE(layout.ZapisPrev->isDefault());
    EXPECT_FALSE(layout.Pripoj->isDefault());

    for (QAction* a : layout.deviceCommands())
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(layout.NavratHodnotm1->isEnabled());
    for (QAction* a : {layout.Menu1, layout.Konec1, layout.Inicializaceoznaenm1, layout.Inicializacedotazovacadresou1,
                       layout.MenuHistory, layout.Options1, layout.Obsah1, layout.Oprogramu1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (QWidget* w : layout.editableFields())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(layout.Jednotky->isEditable());
    EXPECT_FALSE(layout.Funkce->isEditable());
    for (QLineEdit* edit :
         {layout.Pocatek, layout.Konec, layout.Tlumeni, layout.Oznaceni, layout.Popis, layout.Datum, layout.Zprava})
        EXPECT_EQ(edit->maxLength(), QLineEdit().maxLength()) << edit->objectName().toStdString();

    // Detailed Setup appears only for a device with a definition file.
    const int detailed = layout.SetupPanels->indexOf(layout.pDetailedSetup);
    EXPECT_FALSE(layout.SetupPanels->isTabVisible(detailed));
    EXPECT_TRUE(layout.SetupPanels->isTabVisible(layout.SetupPanels->indexOf(layout.InstrumentBox)));
    EXPECT_TRUE(layout.SetupPanels->isTabVisible(layout.SetupPanels->indexOf(layout.BasicSetup)));
    EXPECT_EQ(layout.SetupPanels->currentWidget(), layout.InstrumentBox);
    EXPECT_FALSE(layout.DetailedSetupMenu->isVisible());

    EXPECT_EQ(layout.PollAddr->text(), str("0"));
    EXPECT_TRUE(layout.OnlineBox->isVisible());

    // The diagnostics are there for the program but never on screen.
    EXPECT_FALSE(layout.DiagnosticPanel->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(layout.DdeDat), static_cast<QWidget*>(layout.Label26),
                       static_cast<QWidget*>(layout.Label27), static_cast<QWidget*>(layout.Label30),
                       static_cast<QWidget*>(layout.Button1), static_cast<QWidget*>(layout.Button2)}) {
        EXPECT_TRUE(layout.DiagnosticPanel->isAncestorOf(w)) << w->objectName().toStdString();
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, EveryFieldIsAnnouncedUnderItsCaption)
{
    for (QWidget* field : layout.editableFields()) {
        SCOPED_TRACE(field->objectName().toStdString());
        QLabel* caption = layout.captionOf(field);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->buddy(), field);
        EXPECT_EQ(accessibleText(field, QAccessible::Name), caption->text());
    }

    for (QLabel* value : valueLabels()) {
        SCOPED_TRACE(value->objectName().toStdString());
        QLabel* caption = layout.captionOf(value);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(value->accessibleDescription(), caption->text());
        // The value itself stays readable: a label's accessible name replaces its text.
        value->setText(str("450.12 kPa"));
        EXPECT_EQ(accessibleText(value, QAccessible::Name), str("450.12 kPa"));
        // And the caption is related to it as its label.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(value);
        bool labelled = false;
        for (const auto& relation : iface->relations(QAccessible::Label))
            labelled = labelled || relation.first->object() == caption;
        EXPECT_TRUE(labelled);
    }

    for (QPushButton* button : {layout.Pripoj, layout.Odpoj, layout.ZapisPrev})
        EXPECT_EQ(accessibleText(button, QAccessible::Name), button->text());
    for (QGroupBox* group : {layout.OnlineBox, layout.StatusBox, layout.ErrorBox, layout.ProgramStatusBox})
        EXPECT_EQ(accessibleText(group, QAccessible::Name), group->title());
    for (QWidget* page : {layout.InstrumentBox, layout.BasicSetup, layout.pDetailedSetup})
        EXPECT_EQ(accessibleText(page, QAccessible::Name),
                  layout.SetupPanels->tabText(layout.SetupPanels->indexOf(page)));
}

TEST_F(MainWindowLayoutTest, ListsAreAnnouncedByTheirCaptionsNotTheirEntry)
{
    // Qt on Linux reports a list's current entry as its name and hands its caption over as the labelling relation;
    // elsewhere the accessible name is the name.
    for (QComboBox* list : {layout.Jednotky, layout.Funkce}) {
        SCOPED_TRACE(list->objectName().toStdString());
        list->addItems({str("kPa"), str("Linear")});
        QLabel* caption = layout.captionOf(list);
        EXPECT_EQ(list->accessibleName(), caption->text());
        bool labelled = false;
        for (const auto& relation : QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label))
            labelled = labelled || relation.first->object() == caption;
        EXPECT_TRUE(labelled);
    }
}

TEST_F(MainWindowLayoutTest, TextsFromOutsideAreShownAsTheyCome)
{
    TCekej wait;
    QList<QLabel*> labels = valueLabels();
    labels << layout.Status << layout.ProgramStatus << layout.Label26 << layout.Label27 << layout.Label30
           << wait.DruhyRadek;
    for (QLabel* label : labels) {
        label->setText(str("<b>x</b>"));
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
}

TEST_F(MainWindowLayoutTest, EveryStatusSentenceCanBeScrolledTo)
{
    window.show();
    const QSize size = window.size();
    layout.Status->setText(str("Primary variable out of limits.\nNon-primary variable out of limits.\n"
                               "Loop current saturated.\nLoop current fixed.\nMore status available."));
    window.layout()->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(window.size(), size);

    // The label holds all five lines, and scrolled to the end its last line is inside the visible area.
    EXPECT_GE(layout.Status->contentsRect().height(), 5 * layout.Status->fontMetrics().lineSpacing());
    QScrollBar* bar = layout.StatusScroll->verticalScrollBar();
    bar->setValue(bar->maximum());
    QWidget* view = layout.StatusScroll->viewport();
    EXPECT_LE(layout.Status->mapTo(view, layout.Status->contentsRect().bottomLeft()).y(), view->height());

    // The box comes and goes with the label.
    layout.Status->hide();
    EXPECT_FALSE(layout.StatusScroll->isVisible());
    layout.Status->show();
    EXPECT_TRUE(layout.StatusScroll->isVisible());
}

TEST_F(MainWindowLayoutTest, EnterInABasicSetupFieldPressesWriteWhileItIsEnabled)
{
    int writes = 0;
    QObject counter; // the connection ends with the test
    QObject::connect(layout.ZapisPrev, &QPushButton::clicked, &counter, [&writes] { ++writes; });
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents(); // the activation arrives as a window system event
    ASSERT_TRUE(window.isActiveWindow());
    layout.SetupPanels->setCurrentWidget(layout.BasicSetup);
    for (QWidget* w : layout.editableFields())
        w->setEnabled(true);
    auto enter = [](QWidget* target, int key) {
        target->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    };

    enter(layout.Tlumeni, Qt::Key_Return); // Write in device! is still disabled
    EXPECT_EQ(writes, 0);
    layout.ZapisPrev->setEnabled(true);
    enter(layout.Tlumeni, Qt::Key_Return);
    enter(layout.Jednotky, Qt::Key_Enter);
    EXPECT_EQ(writes, 2);
    enter(layout.Pripoj, Qt::Key_Return); // outside the page Enter is left alone
    EXPECT_EQ(writes, 2);
}

TEST_F(MainWindowLayoutTest, WindowStartsInTheMiddleOfTheScreen)
{
    centreOnScreen(window);
    const QRect free = window.screen()->availableGeometry();
    ASSERT_LE(window.height(), free.height());
    EXPECT_NEAR(window.geometry().center().x(), free.center().x(), 1);
    EXPECT_NEAR(window.geometry().center().y(), free.center().y(), 1);
}

TEST_F(MainWindowLayoutTest, WindowHasAFixedSizeThatNoContentChanges)
{
    window.show();
    const QSize size = window.size();
    EXPECT_EQ(window.minimumSize(), size);
    EXPECT_EQ(window.maximumSize(), size);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowSystemMenuHint));

    const QString longText(200, u'W');
    for (QLabel* value : valueLabels())
        value->setText(longText);
    layout.Status->setText(str("Primary variable out of limits.\r\nNon-primary variable out of limits.\r\n") +
                           longText);
    layout.ProgramStatus->setText(longText);
    for (int i = 0; i < 50; ++i)
        layout.Error->addItem(longText);
    layout.Jednotky->addItems({longText, str("kPa")});
    layout.Funkce->addItems({longText, str("Linear")});
    layout.Zprava->setText(longText);
    for (QWidget* w : layout.onlineWidgets())
        w->hide();
    layout.Funkce->hide();
    layout.Label20->hide();
    layout.SetupPanels->setCurrentWidget(layout.BasicSetup);
    window.layout()->activate();
    EXPECT_EQ(window.size(), size);

    for (QWidget* w : layout.onlineWidgets())
        w->show();
    layout.Funkce->show();
    layout.Label20->show();
    layout.FixedCurrent->setText(longText);
    layout.FixedCurrent->show();
    window.layout()->activate();
    EXPECT_EQ(window.size(), size);
}

// Checked at several font sizes: the caption texts of the two pages differ in width, and the columns must line
// up whatever the font makes of them.
class MainWindowLayoutFontTest : public ::testing::TestWithParam<int> {};

TEST_P(MainWindowLayoutFontTest, CaptionsAndFieldsLineUpInColumns)
{
    QMainWindow window;
    QFont font = window.font();
    font.setPointSize(GetParam());
    window.setFont(font);
    MainWindowLayout layout;
    layout.setup(window);
    window.show();
    // Every page, so each one has been laid out.
    for (QWidget* page : {layout.BasicSetup, layout.InstrumentBox}) {
        layout.SetupPanels->setCurrentWidget(page);
        window.layout()->activate();
    }
    QList<int> captionLefts;
    QList<int> fieldLefts;
    auto check = [&](QWidget* field) {
        SCOPED_TRACE(field->objectName().toStdString());
        QLabel* caption = layout.captionOf(field);
        const QRect c = caption->geometry();
        const QRect f = field->geometry();
        EXPECT_LT(c.left() + caption->fontMetrics().horizontalAdvance(caption->text()), f.left());
        EXPECT_NEAR(c.center().y(), f.center().y(), 2);
        captionLefts.append(c.left());
        fieldLefts.append(f.left());
    };
    for (QLabel* value : {layout.Vyrobce, layout.Typ, layout.Verze, layout.UI, layout.VyrCislo, layout.VyrCisCidla,
                          layout.HorniMez, layout.DolniMez, layout.MinRozpeti, layout.Porucha, layout.Ochrana})
        check(value);
    for (QWidget* field : layout.editableFields())
        check(field);

    // One caption column and one field column for both pages, so nothing jumps when the page changes.
    EXPECT_EQ(std::count(captionLefts.begin(), captionLefts.end(), captionLefts.first()), captionLefts.size());
    EXPECT_EQ(std::count(fieldLefts.begin(), fieldLefts.end(), fieldLefts.first()), fieldLefts.size());

    // The message takes the room it needs; numbers do not.
    EXPECT_GT(layout.Zprava->width(), layout.Pocatek->width() * 2);
    // A message of 32 capitals is shown whole: the end of the text lies inside the visible field.
    layout.SetupPanels->setCurrentWidget(layout.BasicSetup);
    const QString message(32, u'A');
    layout.Zprava->setText(message);
    layout.Zprava->setCursorPosition(0);
    const QRect inside = layout.Zprava->contentsRect();
    EXPECT_EQ(layout.Zprava->cursorPositionAt(QPoint(inside.right() - 2, inside.center().y())), message.size());
}

INSTANTIATE_TEST_SUITE_P(PointSizes, MainWindowLayoutFontTest, ::testing::Values(8, 9, 11, 14));

TEST(MainWindowLayoutFontScaling, WindowGrowsWithTheFont)
{
    QSize sizes[2];
    for (int i = 0; i < 2; ++i) {
        QMainWindow window;
        QFont font = window.font();
        font.setPointSize(i == 0 ? 9 : 14);
        window.setFont(font);
        MainWindowLayout layout;
        layout.setup(window);
        window.show();
        sizes[i] = window.size();
    }
    EXPECT_GT(sizes[1].width(), sizes[0].width() * 5 / 4);
    EXPECT_GT(sizes[1].height(), sizes[0].height() * 5 / 4);
}

class TCekejTest : public ::testing::Test {
protected:
    TCekejTest()
    {
        QObject::connect(&dialog, &TCekej::stopClicked, [this] {
            ++stops;
            visibleAtStop = dialog.isVisible();
            resultAtStop = dialog.result();
        });
    }
    void press(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &event);
    }

    TCekej dialog;
    int stops = 0;
    bool visibleAtStop = true;
    int resultAtStop = -1;
};

TEST_F(TCekejTest, ShowsItsTextsWithoutBorderIcons)
{
    EXPECT_EQ(dialog.windowTitle(), str("Information"));
    EXPECT_EQ(dialog.PrvniRadek->text(), str("Wait until the command will be done!"));
    EXPECT_EQ(dialog.PrvniRadek->objectName(), str("PrvniRadek"));
    EXPECT_TRUE(dialog.DruhyRadek->text().isEmpty());
    EXPECT_EQ(dialog.DruhyRadek->objectName(), str("DruhyRadek"));
    EXPECT_EQ(dialog.bStop->text(), str("Stop"));
    EXPECT_EQ(dialog.bStop->objectName(), str("bStop"));
    EXPECT_EQ(dialog.gauge(), dialog.Gauge1);
    EXPECT_EQ(dialog.Gauge1->objectName(), str("Gauge1"));
    EXPECT_FALSE(dialog.Gauge1->isTextVisible());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
    dialog.show();
    EXPECT_GE(dialog.width(), 331);
}

TEST_F(TCekejTest, StopStandsRightOfTheGaugeOrAloneInTheMiddle)
{
    dialog.show();
    for (int round = 0; round < 2; ++round) {
        dialog.showGauge(true);
        dialog.layout()->activate();
        ASSERT_TRUE(dialog.Gauge1->isVisible());
        const QRect gauge = dialog.Gauge1->geometry();
        const QRect stop = dialog.bStop->geometry();
        EXPECT_GT(stop.left(), gauge.right());
        EXPECT_NEAR(stop.center().y(), gauge.center().y(), 2);
        EXPECT_GT(gauge.width(), stop.width()); // the gauge fills the row
        EXPECT_NEAR(stop.right(), dialog.width() - dialog.layout()->contentsMargins().right() - 1, 1);

        dialog.showGauge(false);
        dialog.layout()->activate();
        EXPECT_FALSE(dialog.Gauge1->isVisible());
        EXPECT_NEAR(dialog.bStop->geometry().center().x(), dialog.rect().center().x(), 1);
    }
}

TEST_F(TCekejTest, StopClosesTheDialogAcceptedAndThenReports)
{
    QTimer::singleShot(0, &dialog, [this] { dialog.bStop->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(visibleAtStop);
    EXPECT_EQ(resultAtStop, QDialog::Accepted);
}

TEST_F(TCekejTest, KeysDoNotEndTheWaitButTheProgramCan)
{
    dialog.show();
    press(Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(stops, 0);

    dialog.close(); // the program closing it when the procedure ends
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(stops, 0);
}

TEST_F(TCekejTest, SecondLineTakesTwoLinesWithoutGrowing)
{
    dialog.show();
    const int height = dialog.height();
    dialog.setSecondLine(str("Errors.\r\nSee help!"));
    dialog.layout()->activate();
    EXPECT_EQ(dialog.DruhyRadek->text(), str("Errors.\nSee help!"));
    EXPECT_EQ(dialog.height(), height);
    EXPECT_GE(dialog.DruhyRadek->height(), 2 * dialog.DruhyRadek->fontMetrics().lineSpacing());
}

TEST_F(TCekejTest, GaugeIsPaintedInTheChosenColour)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(str("Fusion")));
    ASSERT_NE(fusion, nullptr);
    dialog.setStyle(fusion.get());
    dialog.Gauge1->setStyle(fusion.get());
    dialog.showGauge(true);
    dialog.show();
    QProgressBar* gauge = dialog.gauge();
    gauge->setRange(0, 10);

    auto centre = [gauge] {
        const QImage image = gauge->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };

    gauge->setValue(10);
    EXPECT_EQ(centre(), QColor(0, 0, 255)); // blue until told otherwise
    dialog.setGaugeColour(QColor(255, 0, 0));
    EXPECT_EQ(centre(), QColor(255, 0, 0));
    gauge->setValue(0);
    EXPECT_NE(centre(), QColor(255, 0, 0));
    dialog.setGaugeColour(QColor(0, 0, 255));
    gauge->setValue(10);
    EXPECT_EQ(centre(), QColor(0, 0, 255));
    dialog.setStyle(nullptr);
    dialog.Gauge1->setStyle(nullptr);
}

} // namespace
