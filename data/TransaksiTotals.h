#pragma once

#include <QtGlobal>

class Connection;

// The recapitulation's sums over every Transaksi row, read in one pass
// straight from the store's rows. The sums hold only when every row is one
// that the row-by-row report reads without an error (no empty field, a real
// check-in day, numbers that are numbers, no 32-bit overflow); otherwise
// `clean` is false and the rows must be read one by one to find the error.
struct TransaksiTotals
{
    qint64 rows = 0;
    bool clean = true;
    qint64 income = 0;   // sum of Lama x JumlahOrang x HargaSewa
    qint64 expenses = 0; // sum of Pengeluaran, each rounded to a whole number
    qint64 balance = 0;  // sum of income - expense, row by row

    // Throws DataError when the store cannot read the table.
    static TransaksiTotals read(Connection &connection);
};
