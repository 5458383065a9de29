#pragma once

#include <QSqlDatabase>
#include <QString>

class SqliteFile;
struct TableDef;

// The store's counter of a table's serial numbers (the stays' NoTransaksi),
// kept in the database itself: a number once given is never given again,
// whatever is deleted afterwards, however often the program starts and
// however many programs save at once. A file made before the counter was
// kept starts it after the highest number stored.
class SerialCounter
{
public:
    // Moves the counter of the table's serial field on and gives its new
    // number in three digits or more ("001"). Call it inside the write
    // transaction that stores the row, so that the number is used up
    // exactly when the row is stored. Throws DataError.
    static QString next(const QSqlDatabase &db, const TableDef &table, const QString &field);

    // The highest number a file's books ever gave in the table's serial
    // field: the greater of its counter and its highest stored number.
    // Throws DataError.
    static qint64 highestGiven(SqliteFile &file, const TableDef &table, const QString &field);

    // Raises a file's counter so that its next number comes after `given`;
    // a counter that is ahead already stays as it is. Throws DataError.
    static void raiseTo(SqliteFile &file, const TableDef &table, const QString &field, qint64 given);

    // The table that holds the counters.
    static const QString &counterTable();
};
