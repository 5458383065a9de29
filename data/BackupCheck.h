#pragma once

#include <QByteArray>
#include <QString>

class SqliteFile;

// Checks of a backup copy, made only through SQLite: the copy is whole
// (integrity_check), is a database of ours (application_id) and has the
// three tables with their fields.
class BackupCheck
{
public:
    struct Contents
    {
        qint64 guests = 0;
        qint64 stays = 0;
        qint64 purchases = 0;
    };

    // Verifies a finished copy that nobody writes and counts its rows.
    // Throws DataError naming the file and what is wrong with it.
    static Contents verify(const QString &path);

    // Only counts the rows of a copy nobody writes (for a list of backups);
    // throws DataError when it cannot be read.
    static Contents count(const QString &path);

    // A fingerprint of everything stored (schema and every row of every
    // table), read within the connection's current read transaction. Two
    // databases with the same fingerprint hold the same books.
    static QByteArray fingerprint(SqliteFile &file);
};
