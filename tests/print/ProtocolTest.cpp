// The configuration protocol: where every text goes, how boxes hang on their anchors, the font
// calibration, and a page printed into a PDF file whose text holds everything in reading order.
#include "config/DeviceState.h"
#include "detailed/TokenReaders.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "print/ProtocolLayout.h"
#include "print/ProtocolPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using config::Control;
using print::PlacedText;
using print::TextStyle;

namespace {

const platform::Texts& txt() { return platform::texts(); }

class ProtocolTest : public ::testing::Test {
protected:
    ProtocolTest()
    {
        const std::pair<Control, const char*> shown[] = {
            {Control::Vyrobce, "Ostrevo"},    {Control::Typ, "PR210"},
            {Control::UI, "662316"},          {Control::Verze, "3"},
            {Control::VyrCislo, "410021"},    {Control::Oznaceni, "PT-101"},
            {Control::VyrCisCidla, "238321"}, {Control::Popis, "PUMP"},
            {Control::PollAddr, "0"},         {Control::Datum, "15.03.2024"},
            {Control::Zprava, "SIMULATED"},   {Control::DolniMez, "-100 kPa"},
            {Control::Pocatek, "0"},          {Control::HorniMez, "1600 kPa"},
            {Control::Konec, "1000"},         {Control::MinRozpeti, "10 kPa"},
            {Control::Tlumeni, "0.5"},        {Control::Ochrana, "No"},
            {Control::Funkce, "Linear"},      {Control::Porucha, "High"}};
        state.setEntries(Control::Jednotky, {QStringLiteral("kPa")}, 0);
        state.setEntries(Control::Funkce, {QStringLiteral("Linear")}, 0);
        for (const auto& [control, text] : shown)
            state.setText(control, QString::fromLatin1(text));
        // The items this configuration uses; V02 is placed by the [Printer] section but not in use.
        useItems([](const QString& item) -> QString { return QStringLiteral("text of ") + item; });
        definition = dir.filePath(QStringLiteral("device.DDF"));
        platform::writeFileAtomically(definition, "[Printer]\r\nE05=60,45\r\nP01=10,50\r\nB01=10,52\r\nL01=12,48\r\n"
                                                  "C02=x,47\r\nV02=20,50\r\n");
    }
    QList<PlacedText> layout(const QString& note) const
    {
        return print::protocolLayout({state, QStringLiteral("Jan Novak"), note, QDate(2026, 12, 8), definition});
    }
    void useItems(const std::function<QString(const QString&)>& text, const QStringList& more = {})
    {
        for (const QString& item : QStringList{QStringLiteral("E05"), QStringLiteral("P01"), QStringLiteral("B01"),
                                               QStringLiteral("L01"), QStringLiteral("C02")} +
                                       more) {
            state.items.define(item, text(item), {text(item)});
            state.items.setText(item, text(item));
            state.items.select(2, 0);
        }
    }

    QTemporaryDir dir;
    config::DeviceState state;
    QString definition;
};

TEST_F(ProtocolTest, EveryLabelAndValueStandsAtItsPlace)
{
    const QList<PlacedText> page = layout(QStringLiteral("approved"));
    auto at = [&](const QString& text) -> std::optional<PlacedText> {
        for (const PlacedText& placed : page)
            if (placed.text == text) return placed;
        return std::nullopt;
    };
    struct Expected {
        QString text;
        double across, down;
        int anchor;
        TextStyle style;
    };
    const Expected expected[] = {
        {txt().protocolTitle, 50, 4, 2, TextStyle::Title},
        {txt().protocolCommonData, 10, 12, 0, TextStyle::Heading},
        {txt().protocolSensorOutput, 10, 28, 0, TextStyle::Heading},
        {txt().protocolSupplementary, 10, 42, 0, TextStyle::Heading},
        {txt().protocolConfiguredBy, 10, 84, 0, TextStyle::Heading},
        {QStringLiteral("Jan Novak"), 30, 84, 0, TextStyle::Plain},
        {QStringLiteral("Note: approved"), 10, 90, 0, TextStyle::Plain},
        {txt().protocolManufacturer, 10, 15, 0, TextStyle::Plain},
        {QStringLiteral("Ostrevo"), 30, 15, 0, TextStyle::Plain},
        {txt().protocolType, 50, 15, 0, TextStyle::Plain},
        {QStringLiteral("PR210"), 65, 15, 0, TextStyle::Plain},
        {txt().protocolRevision, 50, 17, 0, TextStyle::Plain},
        {QStringLiteral("PT-101"), 65, 19, 0, TextStyle::Plain},
        {QStringLiteral("15.03.2024"), 65, 23, 0, TextStyle::Plain},
        {QStringLiteral("SIMULATED"), 30, 25, 0, TextStyle::Plain},
        {QStringLiteral("0 kPa"), 75, 31, 0, TextStyle::Plain},
        {QStringLiteral("1000 kPa"), 75, 33, 0, TextStyle::Plain},
        {QStringLiteral("0.5 s"), 75, 35, 0, TextStyle::Plain},
        {QStringLiteral("Linear"), 75, 37, 0, TextStyle::Plain},
        {txt().protocolErrorSignal, 10, 39, 0, TextStyle::Plain},
        {QStringLiteral("High"), 30, 39, 0, TextStyle::Plain},
        {QStringLiteral("text of E05"), 60, 45, 0, TextStyle::Plain},
        {QStringLiteral("text of L01"), 12, 48, 0, TextStyle::Plain},
        {QStringLiteral("text of C02"), 0, 47, 0, TextStyle::Plain}, // a malformed number counts as 0
    };
    for (const Expected& e : expected) {
        const auto placed = at(e.text);
        ASSERT_TRUE(placed) << e.text.toStdString();
        EXPECT_EQ(std::tuple(placed->across, placed->down, placed->anchor, placed->style),
                  std::tuple(e.across, e.down, e.anchor, e.style))
            << e.text.toStdString();
    }
    EXPECT_FALSE(at(QStringLiteral("text of P01")) || at(QStringLiteral("text of B01")))
        << "frames and method buttons are not printed";
    EXPECT_FALSE(at(QStringLiteral("text of V02"))) << "an item not in use is printed";
    for (const PlacedText& placed : layout(QString()))
        EXPECT_FALSE(placed.text.startsWith(txt().protocolNote)) << "an empty note printed a note line";
}

TEST(ProtocolDrawing, AnchorsHangTheBoxOnItsPlace)
{
    const QRect page(0, 0, 1001, 2001); // right 1000, bottom 2000
    const QSize box(101, 41);
    const std::pair<int, QPoint> anchors[] = {{0, {500, 1000}}, {1, {399, 1000}}, {2, {450, 1000}}, {3, {500, 959}},
                                              {4, {399, 959}},  {5, {450, 959}},  {6, {450, 980}}};
    for (const auto& [anchor, topLeft] : anchors)
        EXPECT_EQ(print::placedBox(page, 50, 50, anchor, box)->topLeft(), topLeft) << anchor;
    EXPECT_FALSE(print::placedBox(page, 50, 50, 7, box)) << "an unknown anchor drew";
}

TEST(ProtocolDrawing, TheCalibratedTitleSpansJustOverHalfThePage)
{
    QImage surface(1200, 1700, QImage::Format_RGB32);
    QPainter painter(&surface);
    QFont title(print::SerifFamily);
    title.setBold(true);
    const int size = print::calibratedPointSize(painter, title, surface.width(), 14);
    const QString calibration = QStringLiteral("Pokusny retezec pro kalibraci tisku");
    title.setPointSize(size);
    EXPECT_GT(QFontMetrics(title, &surface).horizontalAdvance(calibration), surface.width() / 2);
    title.setPointSize(size - 1);
    EXPECT_LE(QFontMetrics(title, &surface).horizontalAdvance(calibration), surface.width() / 2);
    EXPECT_EQ(print::calibratedPointSize(painter, title, surface.width(), 7), detailed::roundHalfToEven(size / 2.0))
        << "half the relative size gives half the size";
}

TEST_F(ProtocolTest, NoTextOverlapsAnotherOrLeavesThePage)
{
    // The longest texts the device and the note dialog give, in the widest letter.
    for (const Control control : {Control::Vyrobce, Control::Typ, Control::UI, Control::VyrCislo, Control::VyrCisCidla,
                                  Control::Zprava, Control::DolniMez, Control::Funkce})
        state.setText(control, QString(32, u'W'));
    state.setText(Control::Popis, QString(16, u'W'));
    useItems([](const QString& item) { return item; }, {QStringLiteral("V02")});
    QImage printed(2480, 3508, QImage::Format_RGB32); // A4 at 300 dpi
    printed.setDotsPerMeterX(11811);
    printed.setDotsPerMeterY(11811);
    QImage preview(515, 609, QImage::Format_RGB32);
    const QString signature = QStringLiteral("Ing. Jan Novak, Ostrevo service, plant instrumentation team 7");
    const QString note = QStringLiteral("WWWW calibrated ").repeated(12) + QString(40, u'W');
    for (QImage* surface : {&printed, &preview}) {
        SCOPED_TRACE(surface->width());
        QPainter painter(surface);
        const QList<PlacedText> page = print::protocolLayout({state, signature, note, QDate(2026, 12, 8), definition});
        const QList<QRect> boxes = print::protocolBoxes(painter, surface->rect(), page);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(surface->rect().contains(boxes[i])) << page[i].text.toStdString() << " leaves the page";
            for (qsizetype j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j]))
                    << page[i].text.toStdString() << " overlaps " << page[j].text.toStdString();
        }
    }
}

TEST_F(ProtocolTest, APdfPageHoldsEveryTextInReadingOrder)
{
    const QString pdf = dir.filePath(QStringLiteral("protocol.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QPainter painter(&printer);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        // A note longer than a line: it goes on below, whole.
        print::drawProtocol(painter, QRect(0, 0, area.width(), area.height()),
                            layout(QStringLiteral("approved ") + QStringLiteral("after the loop test ").repeated(10) +
                                   QStringLiteral("in twelve months")));
    }
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    qsizetype previous = -1;
    for (const QString& inOrder :
         {txt().protocolTitle, txt().protocolCommonData, QStringLiteral("Ostrevo"), QStringLiteral("PR210"),
          QStringLiteral("662316"), QStringLiteral("SIMULATED"), txt().protocolSensorOutput, QStringLiteral("-100 kPa"),
          QStringLiteral("1000 kPa"), QStringLiteral("0.5 s"), QStringLiteral("High"), txt().protocolSupplementary,
          QStringLiteral("text of E05"), QStringLiteral("text of L01"), QStringLiteral("Jan Novak"),
          QStringLiteral("Note: approved"), QStringLiteral("in twelve months")}) {
        const qsizetype at = text.indexOf(inOrder.trimmed());
        ASSERT_GE(at, 0) << inOrder.toStdString() << " is missing from\n" << text.toStdString();
        EXPECT_GT(at, previous) << inOrder.toStdString() << " is out of order";
        previous = at;
    }
}

} // namespace
