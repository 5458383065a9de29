#include "data/SerialCounter.h"

#include "data/DataError.h"
#include "data/TableDef.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &values, const QString &table)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool done = q.prepare(sql);
    if (done) {
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        done = q.exec();
    }
    if (!done)
        throw DataError::fromSql(q.lastError(), QStringLiteral("Menyimpan ke tabel %1").arg(table));
    return q;
}

} // namespace

const QString &SerialCounter::counterTable()
{
    static const QString name = QStringLiteral("Penomoran");
    return name;
}

QString SerialCounter::next(const QSqlDatabase &db, const TableDef &table, const QString &field)
{
    const QString counters = TableDef::quoted(counterTable());
    const QString column = TableDef::quoted(field);
    const QString rows = TableDef::quoted(table.name);
    run(db, QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"Tabel\" TEXT PRIMARY KEY NOT NULL, \"Terakhir\" INTEGER NOT NULL)")
                .arg(counters),
        {}, table.name);
    // A file without a counter yet goes on after its highest number.
    run(db,
        QStringLiteral("INSERT INTO %1 (\"Tabel\", \"Terakhir\") "
                       "SELECT ?, (SELECT COALESCE(MAX(CAST(%2 AS INTEGER)), 0) FROM %3) "
                       "WHERE NOT EXISTS (SELECT 1 FROM %1 WHERE \"Tabel\" = ?)")
            .arg(counters, column, rows),
        {table.name, table.name}, table.name);

    // A number already stored (a row copied in from elsewhere) is passed
    // over, so no save fails on it again and again.
    for (;;) {
        run(db, QStringLiteral("UPDATE %1 SET \"Terakhir\" = \"Terakhir\" + 1 WHERE \"Tabel\" = ?").arg(counters),
            {table.name}, table.name);
        QSqlQuery counter = run(db, QStringLiteral("SELECT \"Terakhir\" FROM %1 WHERE \"Tabel\" = ?").arg(counters),
                                {table.name}, table.name);
        if (!counter.next())
            throw DataError(DataError::StoreFailure,
                            QStringLiteral("Menyimpan ke tabel %1: penomoran tidak dapat dibaca").arg(table.name));
        const QString number = QStringLiteral("%1").arg(counter.value(0).toLongLong(), 3, 10, QLatin1Char('0'));
        QSqlQuery taken = run(db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(rows, column), {number}, table.name);
        if (!taken.next())
            return number;
    }
}
