#include "platform/QtPrinter.h"

#include "platform/CupsJob.h"
#include "reports/PrintLayout.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

QString QtPrinter::defaultPrinterName()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return info.isNull() ? QString() : info.printerName();
}

QStringList QtPrinter::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

std::optional<Printer::Failure> QtPrinter::printText(const QString &text, const QString &fontFamily,
                                                     qreal pointSize)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return printerFailure(QStringLiteral("tidak ada printer bawaan"));

    // The document is drawn into a PDF file on the printer's paper and then
    // handed to the print service, which says whether it took the job:
    // a painter that finishes its drawing has printed nothing yet.
    QTemporaryDir folder;
    if (!folder.isValid())
        return printerFailure(QStringLiteral("berkas sementara tidak dapat dibuat"));
    const QString document = folder.filePath(QStringLiteral("cetak.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(document);
    printer.setPageLayout(PrintLayout::sheetFor(info));
    printer.setDocName(QStringLiteral("Penginapan"));

    // Laid out as the preview and the saved PDF lay it out.
    const PrintLayout layout(text, fontFamily, pointSize);
    layout.orient(printer);
    if (const auto failure = layout.paint(printer)) {
        switch (*failure) {
        case PrintLayout::Failure::CannotBegin: return printerFailure(QStringLiteral("printer tidak dapat dibuka"));
        case PrintLayout::Failure::NewSheetFailed: return printerFailure(QStringLiteral("halaman baru gagal"));
        case PrintLayout::Failure::CannotFinish:
            return printerFailure(QStringLiteral("dokumen tidak dapat diselesaikan"));
        }
    }
    return CupsJob::submit(info.printerName(), document, printer.docName());
}
