#pragma once

#include <QFont>
#include <QPageLayout>
#include <QStringList>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPrinterInfo;

// How a text lies on printed sheets: one fixed-pitch font, every line whole
// from the left edge of the printable area, a new sheet when one is full, and
// the sheet turned to landscape when the longest line does not fit across it.
// The printer, the print preview and the PDF all lay their text out here, so
// they show the same sheets.
class PrintLayout
{
public:
    enum class Failure { CannotBegin, NewSheetFailed, CannotFinish };

    // Lines are separated by CR LF (a lone CR or LF is taken as well).
    PrintLayout(const QString &text, const QString &fontFamily, qreal pointSize);

    // Turns the device's sheet to landscape when the longest line is wider
    // than the sheet's printable width.
    void orient(QPagedPaintDevice &device) const;
    // Paints every line, sheet after sheet. sheetDone hears after each sheet
    // how many sheets are done of how many.
    std::optional<Failure> paint(QPagedPaintDevice &device,
                                 const std::function<void(int done, int total)> &sheetDone = {}) const;

    // The sheet every printout is laid on, printed, previewed or saved: the
    // default printer's paper (A4 where there is no printer), 10 mm margins.
    static QPageLayout defaultSheet();
    // The same on a printer already looked up.
    static QPageLayout sheetFor(const QPrinterInfo &printer);

private:
    // Lines on one sheet of the device as it stands.
    int linesPerSheet(QPagedPaintDevice &device) const;

    QFont m_font;
    QStringList m_lines;
};
