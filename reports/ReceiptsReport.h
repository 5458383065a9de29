#pragma once

#include "reports/BarisLaporan.h"

#include <QDate>
#include <QString>

// The text of the receipts report ("LAPORAN PENERIMAAN KEUANGAN"), built
// piece by piece: the header, then per row the page-break block before every
// eleventh row of a page and the row line, then the closing block. Pages
// hold ten rows; the running total is not limited to 32 bits.
class ReceiptsReport
{
public:
    ReceiptsReport(const QString &criterion, const QString &category, const QString &dayName, const QDate &today);

    // The header lines, each ending in CR LF.
    QString header() const;
    // Before each row: the page-break block when the page is full (and the
    // next page begun), else nothing.
    QString startRow();
    // The row line and CR LF. Throws ReportError when a value does not fit
    // its field; the counters then stay as they were.
    QString row(const BarisLaporan &row);
    // The closing block; its last line has no line end.
    QString closing() const;

    int rowCount() const { return m_rows; }
    qint64 runningTotal() const { return m_total; }

    static constexpr int RowsPerPage = 10;

private:
    QString pageBreak(int page) const;

    QString m_criterion;
    QString m_category;
    QString m_dayName;
    QDate m_today;
    int m_rows = 0;
    int m_rowsOnPage = 0;
    int m_page = 1;
    qint64 m_total = 0;
};
