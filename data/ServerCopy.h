#pragma once

#include <QString>
#include <QStringList>

// Moves the books from the database file to an empty database on a
// PostgreSQL server: the three tables in one server transaction, the row
// keys and numbers kept, the server's counters set past them. Before the
// transaction is committed the row count and the sum of every number field
// of each table are compared on both sides; any difference, or a target
// that already holds rows or tables of its own, writes nothing.
class ServerCopy
{
public:
    // Throws DataError (nothing written). Gives the figures compared, one
    // line per table, in Indonesian.
    static QStringList copy(const QString &filePath, const QString &uri);
};
