#include "reports/PrintLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {
QRectF printable(QPagedPaintDevice &device)
{
    return device.pageLayout().paintRectPixels(device.logicalDpiY());
}
} // namespace

PrintLayout::PrintLayout(const QString &text, const QString &fontFamily, qreal pointSize)
    : m_font(fontFamily),
      m_lines(text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
{
    m_font.setPointSizeF(pointSize);
    // Where the named face is missing a fixed-pitch one stands in.
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
}

void PrintLayout::orient(QPagedPaintDevice &device) const
{
    const QFontMetricsF metrics(m_font, &device);
    qreal widest = 0;
    for (const QString &line : m_lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    if (widest > printable(device).width())
        device.setPageOrientation(QPageLayout::Landscape);
}

int PrintLayout::linesPerSheet(QPagedPaintDevice &device) const
{
    // The first line's base stands one ascent below the top; a line fits
    // while its descent stays on the sheet.
    const QFontMetricsF metrics(m_font, &device);
    const qreal room = printable(device).height() - metrics.ascent() - metrics.descent();
    return qMax(1, int(room / metrics.lineSpacing()) + 1);
}

std::optional<PrintLayout::Failure> PrintLayout::paint(QPagedPaintDevice &device,
                                                       const std::function<void(int, int)> &sheetDone) const
{
    const int perSheet = linesPerSheet(device);
    const int sheets = int((m_lines.size() + perSheet - 1) / perSheet);
    QPainter painter;
    if (!painter.begin(&device))
        return Failure::CannotBegin;
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, &device);
    for (int i = 0; i < m_lines.size(); ++i) {
        const int onSheet = i % perSheet;
        if (i > 0 && onSheet == 0) {
            if (sheetDone)
                sheetDone(i / perSheet, sheets);
            if (!device.newPage()) {
                painter.end();
                return Failure::NewSheetFailed;
            }
        }
        painter.drawText(QPointF(0, metrics.ascent() + onSheet * metrics.lineSpacing()), m_lines.at(i));
    }
    if (!painter.end())
        return Failure::CannotFinish;
    if (sheetDone)
        sheetDone(sheets, sheets);
    return std::nullopt;
}

QPageLayout PrintLayout::defaultSheet()
{
    return sheetFor(QPrinterInfo::defaultPrinter());
}

QPageLayout PrintLayout::sheetFor(const QPrinterInfo &printer)
{
    // The printer's paper, A4 where there is none or it names none, with
    // margins that every printer can print within.
    QPageSize paper = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    if (!paper.isValid())
        paper = QPageSize(QPageSize::A4);
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}
