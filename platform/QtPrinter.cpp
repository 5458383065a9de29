#include "platform/QtPrinter.h"

#include "platform/CupsJob.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
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
    printer.setPageSize(info.defaultPageSize());
    printer.setDocName(QStringLiteral("Penginapan"));

    QFont font(fontFamily);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);

    // A sheet too narrow for the longest line is turned, so that no line is
    // cut off at the right edge.
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    const QFontMetricsF metrics(font, &printer);
    qreal widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    if (widest > printer.pageLayout().paintRectPixels(printer.resolution()).width())
        printer.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    if (!painter.begin(&printer))
        return printerFailure(QStringLiteral("printer tidak dapat dibuka"));
    painter.setFont(font);

    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    qreal y = metrics.ascent();
    for (const QString &line : lines) {
        if (y + metrics.descent() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return printerFailure(QStringLiteral("halaman baru gagal"));
            }
            y = metrics.ascent();
        }
        painter.drawText(QPointF(0, y), line);
        y += lineHeight;
    }
    if (!painter.end())
        return printerFailure(QStringLiteral("dokumen tidak dapat diselesaikan"));
    return CupsJob::submit(info.printerName(), document, printer.docName());
}
