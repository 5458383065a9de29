#include "platform/QtPrintPreview.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

void QtPrintPreview::show(const QPageLayout &sheet, const Paint &paint, const Print &print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Penginapan"));
    printer.setPageLayout(sheet);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Pratinjau Cetak"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *device) { paint(*device); });
    // The dialog's own print action would hand the sheets to Qt's print
    // dialog, which reports a job the printer refused as printed. It closes
    // the preview instead, and the window prints.
    bool printAsked = false;
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        action->disconnect(&dialog);
        QObject::connect(action, &QAction::triggered, &dialog, [&] {
            printAsked = true;
            dialog.accept();
        });
    }
    dialog.exec();
    if (printAsked)
        print();
}
