#pragma once

#include <QString>

// The database file Zavav.mdb: created with its schema when missing, and
// never written when it is not a database of ours.
class Database
{
public:
    // Creates the file (and its folder) when it is missing; otherwise checks
    // that it is ours. Throws DataError naming the file and what is wrong.
    static void ensure(const QString &path);

    // A database in a folder that cannot be written is opened read-only and
    // as unchanging: the store then needs no files of its own beside it.
    // Gives the name and options to open the file with.
    static QString connectName(const QString &path, QString *options);

private:
    static void create(const QString &path);
    static void verify(const QString &path);
};
