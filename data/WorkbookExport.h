#pragma once

#include <QList>
#include <QString>
#include <functional>

class Connection;

// The books as an Excel workbook: one sheet per table of Schema::tables()
// (Tamu, Transaksi, Pembelian), a header row of the field names, then one row per record in
// the store's order. Dates are date cells shown dd/mm/yyyy, numbers are
// number cells, texts stay texts ("001" stays "001"); an empty field is an
// empty cell.
class WorkbookExport
{
public:
    // done of total rows, told every thousand rows or so.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // Writes the workbook under a temporary name beside fileName and gives it
    // that name only once it is whole: a failed export leaves nothing under
    // that name. Returns the rows written per table, in that order. Throws DataError when a
    // table cannot be read or the file cannot be written.
    static QList<qint64> write(Connection &connection, const QString &fileName, const Progress &progress = {});
};
