#pragma once

#include <QString>

// The database file Zavav.mdb: created with its schema when missing, and
// never written when it is not a database of ours.
class Database
{
public:
    // Creates the file (and its folder) when it is missing; otherwise checks,
    // through SQLite only, that it is ours and, when this process first sees
    // it, that it is not damaged. Throws DataError naming the file and what
    // is wrong. Never opens the file other than through SQLite, which would
    // drop the locks SQLite holds on it for the program's connections.
    static void ensure(const QString &path);

    // Gives the name and options to open the file with. A database in a
    // folder that cannot be written is opened read-only: with its journal
    // through the journal's index, without a journal as unchanging. Throws
    // DataError when a journal is there but its index is not, since SQLite
    // then cannot read the rows in it.
    static QString connectName(const QString &path, QString *options);

private:
    static void create(const QString &path);
    static void verify(const QString &path);
};
