#include "platform/QtPrinter.h"

#include "reports/PrintLayout.h"

#include <QPrinter>
#include <QPrinterInfo>

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

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Penginapan"));

    // Laid out as the preview and the PDF lay it out.
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
    return std::nullopt;
}
