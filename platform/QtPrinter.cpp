#include "platform/QtPrinter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

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
    QPainter painter;
    if (!painter.begin(&printer))
        return printerFailure(QStringLiteral("printer tidak dapat dibuka"));

    QFont font(fontFamily);
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter.setFont(font);

    const QFontMetricsF metrics(font, &printer);
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    qreal y = metrics.ascent();
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
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
    return std::nullopt;
}
