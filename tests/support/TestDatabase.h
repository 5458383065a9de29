#pragma once

#include <QString>
#include <QVariantMap>

// Puts rows straight into the test's database (created when missing), for
// fixtures that the windows then read.
class TestDatabase
{
public:
    static void insert(const QString &table, const QVariantMap &values);
    // False when the store refuses the row (the server's typed columns
    // refuse values the file keeps).
    static bool tryInsert(const QString &table, const QVariantMap &values);
    // A guest in room PM 01 since 28/02/2004, at 60,000.
    static void insertGuest(const QString &name, const QString &ktp);
    // A stay of two nights from 28/02/2004 at 60,000, for one guest.
    static void insertStay(const QString &number, const QString &name);
    // Runs one statement; for fixtures that need a trigger or an index.
    static void exec(const QString &sql);
    // Rows of a query as maps of field name to value.
    static QList<QVariantMap> rows(const QString &sql);
};
