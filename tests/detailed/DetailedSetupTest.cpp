// The detailed setup window as the main window drives it, with definition files written per test.
#include "DefinitionFiles.h"
#include "detailed/CommandTemplates.h"
#include "detailed/DefinitionState.h"
#include "detailed/TDetailedSetup.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <ostream>

using detailed::loadDefinition;

namespace {

const QByteArray FirstDevice = "[Definitions]\r\n"
                               "TST1=0\r\nTST2=0\r\nTST3=0\r\n"
                               "P01=4,4,108,496\r\n"
                               "H01=10,12,Output\r\n"
                               "L01=36,12,Display mode\r\n"
                               "C01=32,200,145,1,DSM\r\n"
                               "C01H=Display mode|What the local display shows.\\NAlternating switches.\r\n"
                               "C02=58,200,145,0,DSM\r\n"
                               "E01=58,12,121\r\n"
                               "E01H=Low alarm|Current on a failure\r\n"
                               "V01=84,200,121\r\n"
                               "Q01=84,12,100\r\n"
                               "B01=236,12\r\n"
                               "B02=262,12\r\n"
                               "[DSM]\r\n0=Primary variable\r\n1=Percent of range\r\n2=Loop current\r\n"
                               "3=A very long option text that is cut at thirty-two characters\r\n"
                               "[Conditions]\r\n1=DSM000\r\n";

const QByteArray SecondDevice = "[Definitions]\r\n"
                                "TST1=0\r\nTST2=0\r\n"
                                "E02=10,10,60\r\n"
                                "C03=40,10,145,1,XYZ\r\n"
                                "[XYZ]\r\n0=Zero\r\n";

class DetailedSetupWindowTest : public ::testing::Test {
protected:
    QString loadFile(const QByteArray& content, const QString& name = QStringLiteral("Maker-Type-1-EN.DDF"))
    {
        const QString path = files.write(content, name);
        const detailed::DefinitionModel model = loadDefinition(path, window.scaleFactor());
        detailed::defineItems(items, model);
        window.SetVariableItems(model);
        return path;
    }
    template <typename Widget = QWidget> Widget* find(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QStringList entries(const char* name) const
    {
        QStringList list;
        const auto* box = find<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i)
            list.append(box->itemText(i));
        return list;
    }
    // Shown within the window (the window itself is never put on screen in these tests).
    bool shown(const char* name) const { return find(name)->isVisibleTo(&window); }

    detailed_testing::DefinitionFiles files;
    config::ItemStore items;
    detailed::StoreItems access{items};
    TDetailedSetup window{items};
};

TEST_F(DetailedSetupWindowTest, FrameAndButtonsAtDesignPlaces)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("TDetailedSetup"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Detailed Setup"));
    EXPECT_EQ(window.size(), QSize(640, 359));
    EXPECT_EQ(find("ScrollBox1")->geometry(), QRect(3, 4, 521, 325));
    EXPECT_DOUBLE_EQ(window.scaleFactor(), 1.0);
    EXPECT_EQ(find<QPushButton>("OkBtn")->text(), QStringLiteral("OK"));
    EXPECT_EQ(find<QPushButton>("StornoBtn")->text(), QStringLiteral("Cancel"));
    for (const char* item : {"P01", "H10", "L50", "V20", "E30", "Q10", "C30", "B10"})
        EXPECT_FALSE(shown(item)) << item;
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("P11")), nullptr);
}

TEST_F(DetailedSetupWindowTest, LoadingPlacesAndFillsTheDefinedItems)
{
    loadFile(FirstDevice);
    for (const char* item : {"P01", "H01", "L01", "C01", "C02", "E01", "V01", "Q01", "B01", "B02"})
        EXPECT_TRUE(shown(item)) << item;
    for (const char* item : {"P02", "H02", "L02", "C03", "E02", "V02", "Q02", "B03"})
        EXPECT_FALSE(shown(item)) << item;

    EXPECT_EQ(find("P01")->geometry(), QRect(4, 4, 496, 108));
    EXPECT_EQ(find("E01")->geometry(), QRect(12, 58, 121, 21));
    EXPECT_EQ(find("C01")->geometry(), QRect(200, 32, 145, 21));
    EXPECT_EQ(find("B02")->pos(), QPoint(12, 262));
    EXPECT_EQ(find("L01")->pos(), QPoint(12, 36));
    EXPECT_EQ(find<QLabel>("L01")->text(), QStringLiteral("Display mode"));
    EXPECT_EQ(find<QLabel>("H01")->text(), QStringLiteral("Output"));
    EXPECT_TRUE(find<QLineEdit>("V01")->isReadOnly());
    EXPECT_FALSE(find<QLineEdit>("E01")->isReadOnly());

    EXPECT_EQ(entries("C01"), (QStringList{QStringLiteral("Primary variable"), QStringLiteral("Percent of range"),
                                           QStringLiteral("Loop current"),
                                           QStringLiteral("A very long option text that is cut at thirty-two "
                                                          "characters")}));
    EXPECT_EQ(find<QComboBox>("C01")->currentIndex(), -1);
    EXPECT_EQ(items.listSection(1), QStringLiteral("DSM"));
    EXPECT_TRUE(items.writable(1));
    EXPECT_FALSE(items.writable(2));
    EXPECT_TRUE(items.errorText().isEmpty());
}

TEST_F(DetailedSetupWindowTest, FieldsStartEmptyOnEveryLoad)
{
    loadFile(FirstDevice);
    items.showRecordText(QStringLiteral("E01"), QStringLiteral("3.6"));
    items.showRecordText(QStringLiteral("V01"), QStringLiteral("bar"));
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Loop current"));
    loadFile(FirstDevice);
    EXPECT_TRUE(items.text(QStringLiteral("E01")).isEmpty());
    EXPECT_TRUE(items.text(QStringLiteral("V01")).isEmpty());
    EXPECT_TRUE(items.text(QStringLiteral("C01")).isEmpty());
}

TEST_F(DetailedSetupWindowTest, AnOptionCodeTheListLacksComesBackFromARecordAsSaved)
{
    loadFile(FirstDevice);
    const QString first = entries("C01").value(0);
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Unknown (9)"));
    EXPECT_EQ(items.text(QStringLiteral("C01")), QStringLiteral("Unknown (9)"));
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("No such option"));
    EXPECT_EQ(items.text(QStringLiteral("C01")), first) << "any other text selects the first entry";
}

TEST_F(DetailedSetupWindowTest, SecondDeviceHidesTheItemsOfTheFirst)
{
    loadFile(FirstDevice);
    loadFile(SecondDevice, QStringLiteral("Other-Type-2-EN.DDF"));
    for (const char* item : {"P01", "H01", "L01", "C01", "C02", "E01", "V01", "Q01", "B01", "B02"})
        EXPECT_FALSE(shown(item)) << item;
    EXPECT_TRUE(shown("E02"));
    EXPECT_TRUE(shown("C03"));
    EXPECT_EQ(entries("C03"), QStringList{QStringLiteral("Zero")});
    // The first device's lists no longer stand for its boxes.
    EXPECT_TRUE(items.listSection(1).isEmpty());
    EXPECT_EQ(items.listSection(3), QStringLiteral("XYZ"));
    EXPECT_EQ(items.errorText(), QStringLiteral("Error in TST3\r\n"));
    EXPECT_EQ(find<QLabel>("Error")->text(), QStringLiteral("Error in TST3\n"));

    const detailed::DefinitionModel none = loadDefinition(files.missing(), 1.0);
    detailed::defineItems(items, none);
    window.SetVariableItems(none);
    EXPECT_TRUE(shown("E02"));
    EXPECT_EQ(items.errorText(), QStringLiteral("Error in TST3\r\n"));
}

TEST_F(DetailedSetupWindowTest, OnlyFramesMakeTheAreaScroll)
{
    auto* area = find<QScrollArea>("ScrollBox1");
    window.show();
    loadFile("[Definitions]\r\nP01=400,4,100,100\r\nE01=450,10,121\r\n");
    QApplication::processEvents();
    EXPECT_EQ(area->widget()->height(), 510);
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());

    // Loading again starts at the top; without a frame nothing below the visible part can be reached.
    loadFile("[Definitions]\r\nE01=450,10,121\r\n");
    QApplication::processEvents();
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0);
    EXPECT_LT(area->widget()->height(), 450);
}

TEST_F(DetailedSetupWindowTest, CaptionsAndFieldsTakeTextsAsTheyAre)
{
    loadFile("[Definitions]\r\nL01=10,10,<b>Bold</b>\r\nE01=30,10,121\r\n");
    EXPECT_EQ(window.L[0]->textFormat(), Qt::PlainText) << "a definition's caption was rendered as markup";
    EXPECT_EQ(window.L[0]->text(), QStringLiteral("<b>Bold</b>"));
    items.showRecordText(QStringLiteral("E01"), QStringLiteral("3.7\r\n21"));
    EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("3.721"));
}

TEST_F(DetailedSetupWindowTest, ClearAllHidesAndNamesTheItems)
{
    loadFile(FirstDevice);
    items.showRecordText(QStringLiteral("E01"), QStringLiteral("3.6"));
    items.showRecordText(QStringLiteral("Q01"), QStringLiteral("kept"));
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Loop current"));
    window.setItemColour(QStringLiteral("E01"), true);
    window.setItemColour(QStringLiteral("Q01"), true);
    window.setItemColour(QStringLiteral("C01"), true);

    items.clear();
    window.clearHighlights();
    for (const char* item : {"P01", "H01", "L01", "C01", "E01", "V01", "Q01", "B01"})
        EXPECT_FALSE(shown(item)) << item;
    EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("E01"));
    EXPECT_EQ(items.text(QStringLiteral("V20")), QStringLiteral("V20"));
    EXPECT_EQ(find<QLabel>("L01")->text(), QStringLiteral("L01"));
    EXPECT_EQ(find<QLabel>("H01")->text(), QStringLiteral("H01"));
    EXPECT_EQ(items.text(QStringLiteral("Q01")), QStringLiteral("kept"));
    // A drop-down list cannot show a text that is none of its entries.
    EXPECT_TRUE(items.text(QStringLiteral("C01")).isEmpty());
    const QColor normal = QPalette().color(QPalette::Base);
    for (const char* item : {"E01", "Q01", "C01"})
        EXPECT_EQ(find(item)->palette().color(QPalette::Base), normal) << item;
}

TEST_F(DetailedSetupWindowTest, ItemsEnabledSeparatesFieldsAndButtons)
{
    loadFile(FirstDevice);
    window.ItemsEnabled(true, false);
    for (const char* item : {"C01", "E01", "Q01", "C30", "E30", "Q10"})
        EXPECT_TRUE(find(item)->isEnabled()) << item;
    for (const char* item : {"B01", "B10"})
        EXPECT_FALSE(find(item)->isEnabled()) << item;
    window.ItemsEnabled(false, true);
    for (const char* item : {"C01", "E01", "Q01", "C30", "E30", "Q10"})
        EXPECT_FALSE(find(item)->isEnabled()) << item;
    for (const char* item : {"B01", "B10"})
        EXPECT_TRUE(find(item)->isEnabled()) << item;
}

struct RecordCase {
    const char* name;
    const char* item;
    const char* text;
    const char* shownAfter;
    int entriesAfter;
};
void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class DetailedSetupRecordTest : public DetailedSetupWindowTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(DetailedSetupRecordTest, ShowsARecordValue)
{
    const RecordCase& c = GetParam();
    loadFile(FirstDevice);
    items.showRecordText(QLatin1String(c.item), QString::fromUtf8(c.text));
    EXPECT_EQ(items.text(QLatin1String(c.item)), QString::fromUtf8(c.shownAfter));
    if (c.entriesAfter >= 0) {
        EXPECT_EQ(find<QComboBox>(c.item)->count(), c.entriesAfter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, DetailedSetupRecordTest,
    ::testing::Values(
        RecordCase{"option_by_text", "C01", "Loop current", "Loop current", 4},
        RecordCase{"unknown_text_selects_the_first", "C01", "Nothing like it", "Primary variable", 4},
        RecordCase{"first_32_characters_match", "C01", "A very long option text that is ",
                   "A very long option text that is cut at thirty-two characters", 4},
        RecordCase{"not_writable_cut_to_the_shown_option", "C02", "Percent of range", "Percent of range", 1},
        RecordCase{"not_writable_unknown_text_keeps_the_first", "C02", "Nothing", "Primary variable", 1},
        RecordCase{"editable_value", "E01", "3.6", "3.6", -1}, RecordCase{"display_value", "V01", "bar", "bar", -1},
        RecordCase{"method_argument", "Q01", "7", "7", -1}, RecordCase{"label_is_no_record_item", "L01", "x", "", -1}));

TEST_F(DetailedSetupWindowTest, ColourMarksDifferences)
{
    loadFile(FirstDevice);
    const QColor normal = QPalette().color(QPalette::Base);
    for (const char* item : {"C01", "E01", "V01", "Q01"}) {
        window.setItemColour(QLatin1String(item), true);
        EXPECT_EQ(find(item)->palette().color(QPalette::Base), QColor(Qt::yellow)) << item;
        window.setItemColour(QLatin1String(item), false);
        EXPECT_EQ(find(item)->palette().color(QPalette::Base), normal) << item;
    }
}

TEST_F(DetailedSetupWindowTest, ChangesOfOptionsEditsAndDisplaysCountButNotOfArguments)
{
    loadFile(FirstDevice);
    window.ItemsEnabled(true, true);
    window.show();

    window.resetChangeTracking();
    QTest::keyClicks(find("Q01"), QStringLiteral("12"));
    EXPECT_EQ(items.text(QStringLiteral("Q01")), QStringLiteral("12"));
    EXPECT_FALSE(window.changedSinceOpen());
    // A record shown in a list box is no change of the user's.
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Loop current"));
    EXPECT_FALSE(window.changedSinceOpen());

    QTest::keyClicks(find("E01"), QStringLiteral("5"));
    EXPECT_TRUE(window.changedSinceOpen());

    window.resetChangeTracking();
    auto* list = find<QComboBox>("C01");
    emit list->activated(list->currentIndex()); // the option shown picked again
    EXPECT_FALSE(window.changedSinceOpen());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(items.text(QStringLiteral("C01")),
              QStringLiteral("A very long option text that is cut at thirty-two characters"));
    EXPECT_TRUE(window.changedSinceOpen());

    // A value the templates read into the store is no change of the user's.
    window.resetChangeTracking();
    items.setText(QStringLiteral("V01"), QStringLiteral("read value"));
    EXPECT_EQ(find<QLineEdit>("V01")->text(), QStringLiteral("read value"));
    EXPECT_FALSE(window.changedSinceOpen());

    // Emptying the window is the program's, never the user's.
    window.resetChangeTracking();
    items.clear();
    window.clearHighlights();
    EXPECT_FALSE(window.changedSinceOpen());
}

TEST_F(DetailedSetupWindowTest, OkWithoutChangeClosesAsCancel)
{
    loadFile(FirstDevice);
    window.show();
    window.resetChangeTracking();
    QTest::mouseClick(find("OkBtn"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());

    window.show();
    find<QLineEdit>("E01")->setText(QStringLiteral("3.7"));
    QTest::mouseClick(find("OkBtn"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Accepted);

    window.show();
    QTest::mouseClick(find("StornoBtn"), Qt::LeftButton);
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(DetailedSetupWindowTest, EscapeCancelsAndF1AsksForHelp)
{
    loadFile(FirstDevice);
    int helps = 0;
    window.onHelp = [&] { ++helps; };
    window.show();
    items.showRecordText(QStringLiteral("E01"), QStringLiteral("3.7"));
    find("E01")->setFocus();
    QTest::keyClick(find("E01"), Qt::Key_F1);
    EXPECT_EQ(helps, 1);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(find("E01"), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(DetailedSetupWindowTest, ReturnInAFieldDoesNotClose)
{
    loadFile(FirstDevice);
    window.show();
    find("E01")->setFocus();
    QTest::keyClick(find("E01"), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(DetailedSetupWindowTest, MethodButtonsReportTheirName)
{
    loadFile(FirstDevice);
    QStringList clicked;
    window.onMethod = [&](const QString& name) { clicked.append(name); };
    window.ItemsEnabled(true, true);
    window.show();
    QTest::mouseClick(find("B02"), Qt::LeftButton);
    QTest::mouseClick(find("B01"), Qt::LeftButton);
    window.ItemsEnabled(true, false);
    QTest::mouseClick(find("B01"), Qt::LeftButton);
    EXPECT_EQ(clicked, (QStringList{QStringLiteral("B02"), QStringLiteral("B01")}));
}

TEST_F(DetailedSetupWindowTest, LongHintOfTheItemUnderTheMouse)
{
    loadFile(FirstDevice);
    auto* hint = find<QLabel>("LongHintLabel");
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(find("C01"), &enter);
    EXPECT_EQ(hint->text(), QStringLiteral("What the local display shows.\nAlternating switches."));
    EXPECT_TRUE(hint->wordWrap());
    QApplication::sendEvent(find("C01"), &leave);
    EXPECT_TRUE(hint->text().isEmpty());
    QApplication::sendEvent(find("E01"), &enter);
    EXPECT_EQ(hint->text(), QStringLiteral("Current on a failure"));
    // An item without a hint shows none, also after another device defined one for it.
    QApplication::sendEvent(find("V01"), &enter);
    EXPECT_TRUE(hint->text().isEmpty());
    loadFile(SecondDevice);
    QApplication::sendEvent(find("C01"), &enter);
    EXPECT_TRUE(hint->text().isEmpty());
    // Hints reach the user only here.
    EXPECT_TRUE(find("C01")->toolTip().isEmpty());
}

TEST_F(DetailedSetupWindowTest, ConditionsLookAtTheBoxesOfTheirLists)
{
    const QString path = loadFile(FirstDevice);
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Primary variable"));
    // C02 has the same list and the higher number: its option decides.
    items.showRecordText(QStringLiteral("C02"), QStringLiteral("Loop current"));
    EXPECT_FALSE(window.ConditionsOk(path));
    loadFile(FirstDevice);
    items.showRecordText(QStringLiteral("C01"), QStringLiteral("Loop current"));
    items.showRecordText(QStringLiteral("C02"), QStringLiteral("Primary variable"));
    EXPECT_TRUE(window.ConditionsOk(path));

    // After another device the old lists belong to no box.
    const QString second =
        loadFile(SecondDevice + "[Conditions]\r\n1=XYZ0000_DSM000\r\n", QStringLiteral("Other-Type-2-EN.DDF"));
    EXPECT_FALSE(window.ConditionsOk(second));
    EXPECT_EQ(items.errorText(), QStringLiteral("Error in TST3\r\nCond. line 1 XYZ\r\n"));
    EXPECT_TRUE(window.ConditionsOk(files.missing()));
}

TEST_F(DetailedSetupWindowTest, TemplatesReadAndWriteTheItems)
{
    const QString path = loadFile(FirstDevice + "[READ]\r\n1=255_R130_V01_C01_C02_E01\r\n2=255_R140_001_E01\r\n"
                                                "[WRITE]\r\n1=255_W131_E01_C01_Q01\r\n");
    EXPECT_TRUE(detailed::EvalReadCommand(path, 200, 201,
                                          {QStringLiteral("130"), QStringLiteral("0"), QString(), QString(),
                                           QStringLiteral("mbar"), QStringLiteral("2"), QStringLiteral("1"),
                                           QStringLiteral("3.6")},
                                          access));
    EXPECT_EQ(items.text(QStringLiteral("V01")), QStringLiteral("mbar"));
    EXPECT_EQ(items.text(QStringLiteral("C01")), QStringLiteral("Loop current"));
    EXPECT_EQ(entries("C01").size(), 4);
    EXPECT_EQ(entries("C02"), QStringList{QStringLiteral("Percent of range")});
    EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("3.6"));

    items.showRecordText(QStringLiteral("Q01"), QStringLiteral("x"));
    QString data;
    quint8 real = 0;
    EXPECT_EQ(detailed::GetRWCommand(path, 299, 300, QStringLiteral("WRITE"), data, real, access), 255);
    EXPECT_EQ(data, QStringLiteral("W131\r\n3.6\r\n2\r\nx\r\n"));
    EXPECT_EQ(real, 131);

    // A reply that does not fit its literal has the step sent again and leaves the items alone.
    EXPECT_FALSE(detailed::EvalReadCommand(
        path, 200, 202,
        {QStringLiteral("140"), QStringLiteral("0"), QString(), QString(), QStringLiteral("2"), QStringLiteral("9.9")},
        access));
    EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("3.6"));
    items.appendError(QStringLiteral("Error in READ:9\r\n"));
    EXPECT_EQ(items.errorText(), QStringLiteral("Error in READ:9\r\n"));
}

} // namespace

namespace {

TEST_F(DetailedSetupWindowTest, ScreenReadersAnnounceItemsByTheirHints)
{
    loadFile(FirstDevice);
    EXPECT_EQ(find("C01")->accessibleName(), QStringLiteral("Display mode"));
    EXPECT_EQ(find("C01")->accessibleDescription(),
              QStringLiteral("What the local display shows.\r\nAlternating switches."));
    EXPECT_EQ(find("E01")->accessibleName(), QStringLiteral("Low alarm"));
}

} // namespace
