// The main window's configuration protocol: printed (on a printer or into a PDF file) and previewed
// from one layout and one drawing routine.
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Texts.h"
#include "print/CertificateLayout.h"
#include "print/ProtocolPainter.h"
#include "print/TForm2.h"
#include "print/TTiskEdit.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

QList<print::PlacedText> TForm1::protocolPage() const
{
    return print::protocolLayout({session.state, TiskEdit ? TiskEdit->configuredBy() : QString(),
                                  TiskEdit ? TiskEdit->note() : QString(), QDate::currentDate(),
                                  session.definitionFile(session.itemsLanguage)});
}

void TForm1::TiskniClick()
{
    if (platform::dialogs().showModal(*TiskEdit) != QDialog::Accepted) return;
    repaint();
    printPage(protocolPage());
}

void TForm1::printCertificate(const history::CalibrationRecord& record) { printPage(print::certificateLayout(record)); }

void TForm1::printPage(const QList<print::PlacedText>& page)
{
    // One printer for the run: the next print offers the same printer or PDF file again.
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!platform::dialogs().choosePrinter(*printer)) return;
    HourGlasCur(true);
    session.setProgramStatus(platform::texts().printing);
    const auto draw = [&page](QPaintDevice& device, const QPageLayout& layout, int resolution) {
        QPainter painter;
        if (!painter.begin(&device)) return false;
        const QRect drawable = layout.paintRectPixels(resolution);
        print::drawProtocol(painter, QRect(0, 0, drawable.width(), drawable.height()), page);
        return painter.end();
    };
    QString failure;
    const QString pdfFile = printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
    if (!pdfFile.isEmpty()) {
        // Drawn in memory and written whole: a full disk leaves an earlier file as it was, and says so.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        bool drawn = false;
        {
            QPdfWriter writer(&pdf);
            writer.setPageLayout(printer->pageLayout());
            writer.setResolution(printer->resolution());
            drawn = draw(writer, writer.pageLayout(), writer.resolution());
        }
        if (!drawn)
            failure = platform::texts().printerFailed.arg(pdfFile);
        else if (const platform::Result written = platform::writeFileOrExplain(pdfFile, pdf.data()); !written)
            failure = written.error;
    } else if (!draw(*printer, printer->pageLayout(), printer->resolution())) {
        failure = platform::texts().printerFailed.arg(printer->printerName());
    }
    session.setProgramStatus({});
    HourGlasCur(false);
    if (!failure.isEmpty()) platform::dialogs().error(failure);
}

void TForm1::TiskniPreviewClick()
{
    Form2->show();
    Form2->raise();
    Form2->update();
}
