#include "platform/QtPrintPreview.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

void QtPrintPreview::show(const QPageLayout &sheet, const Paint &paint)
{
    // On the default printer, so that printing from the preview prints there.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Penginapan"));
    printer.setPageLayout(sheet);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Pratinjau Cetak"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *device) { paint(*device); });
    dialog.exec();
}
