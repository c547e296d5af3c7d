// The calibration certificate: one page that holds the device, the calibrator and both tables in
// reading order, even with a long tag and a run up and down the range, every text apart from the others.
#include "platform/Texts.h"
#include "print/CertificateLayout.h"
#include "print/ProtocolPainter.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

history::CalibrationRecord certificateRecord()
{
    history::CalibrationRecord r;
    r.manufacturer = QStringLiteral("Ostrevo");
    r.type = QStringLiteral("PR210");
    r.uniqueId = QStringLiteral("662316");
    r.tag = QStringLiteral("PT-101");
    r.longTag = QStringLiteral("PUMP STATION 4 DISCHARGE HEADER");
    r.tolerance = 0.25;
    r.taken = QDateTime(QDate(2026, 12, 9), QTime(15, 0));
    r.technician = QStringLiteral("Jan Novak");
    r.calibrator = {QStringLiteral("Kalibra"), QStringLiteral("SN-4711"), QStringLiteral("C-12/2026"),
                    QDate(2027, 6, 1)};
    r.ambient = QStringLiteral("23 C, 45 %RH");
    r.nextDue = QDate(2027, 12, 9);
    const QList<double> percents = history::defaultPoints(true);
    r.asFound = {0, 1000, QStringLiteral("kPa"), history::TransferFunction::Linear, {}, true};
    r.asLeft = r.asFound;
    for (const double percent : percents) {
        const double applied = 10 * percent;
        r.asFound.points.append({percent, applied, applied * 1.0003 + 1.2, 4.028 + 0.16 * percent * 1.0008});
        r.asLeft.points.append({percent, applied, applied * 1.0003, 4.0 + 0.16 * percent * 1.0003});
    }
    r.asFound.points.last().pv = 7.5; // the last point of the as-found run is off: 0.75 % of span
    return r;
}

TEST(Certificate, OnePageInReadingOrderWithNothingOverlapping)
{
    const history::CalibrationRecord record = certificateRecord();
    const QList<print::PlacedText> page = print::certificateLayout(record);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("certificate.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QPainter painter(&printer);
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        const QRect drawable(0, 0, area.width(), area.height());
        print::drawProtocol(painter, drawable, page);
        const QList<QRect> boxes = print::protocolBoxes(painter, drawable, page);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(drawable.contains(boxes[i])) << page[i].text.toStdString() << " leaves the page";
            for (qsizetype j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j]))
                    << page[i].text.toStdString() << " overlaps " << page[j].text.toStdString();
        }
    }
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    const platform::Texts& t = platform::texts();
    qsizetype previous = -1;
    for (const QString& inOrder :
         {t.certificateTitle, QStringLiteral("Ostrevo, PR210"), QStringLiteral("PT-101"),
          QStringLiteral("PUMP STATION 4 DISCHARGE HEADER"), QStringLiteral("1000 kPa"),
          QStringLiteral("Kalibra, SN-4711"), QStringLiteral("C-12/2026"), QStringLiteral("23 C, 45 %RH"),
          t.checkAsFound, t.checkPvError, QStringLiteral("1.200"), QStringLiteral("7.500"),
          t.checkLargest.arg(QStringLiteral("0.750")), t.checkOutcome.arg(t.checkFail), t.checkAsLeft,
          QStringLiteral("1000.300"), t.checkOutcome.arg(t.checkPass), QStringLiteral("Jan Novak")}) {
        const qsizetype at = text.indexOf(inOrder, previous + 1);
        ASSERT_GE(at, 0) << inOrder.toStdString() << " is missing after its predecessor in\n" << text.toStdString();
        previous = at;
    }
}

} // namespace
