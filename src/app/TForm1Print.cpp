// The main window's configuration protocol: printed (on a printer or into a PDF file) and previewed
// from one layout and one drawing routine.
#include "app/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/Texts.h"
#include "print/CertificateLayout.h"
#include "print/ProtocolPainter.h"
#include "print/TForm2.h"
#include "print/TTiskEdit.h"

#include <QLabel>
#include <QPainter>
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
    QPainter painter;
    const bool started = painter.begin(printer.get());
    if (started) {
        const QRect drawable = printer->pageLayout().paintRectPixels(printer->resolution());
        print::drawProtocol(painter, QRect(0, 0, drawable.width(), drawable.height()), page);
        painter.end();
    }
    session.setProgramStatus({});
    HourGlasCur(false);
    if (!started)
        platform::dialogs().error(platform::texts().printerFailed.arg(
            printer->printerName().isEmpty() ? printer->outputFileName() : printer->printerName()));
}

void TForm1::TiskniPreviewClick()
{
    Form2->show();
    Form2->raise();
    Form2->update();
}
