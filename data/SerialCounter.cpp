#include "data/SerialCounter.h"

#include "data/DataError.h"
#include "data/SqliteFile.h"
#include "data/TableDef.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

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

// The counters' table, made when a file has none yet.
QString createCounters()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"Tabel\" TEXT PRIMARY KEY NOT NULL, \"Terakhir\" INTEGER NOT NULL)")
        .arg(TableDef::quoted(SerialCounter::counterTable()));
}

// The highest number stored in a table's serial field (0 when none).
QString highestStored(const TableDef &table, const QString &field)
{
    return QStringLiteral("SELECT COALESCE(MAX(CAST(%1 AS INTEGER)), 0) FROM %2")
        .arg(TableDef::quoted(field), TableDef::quoted(table.name));
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
    run(db, createCounters(), {}, table.name);
    // A file without a counter yet goes on after its highest number.
    run(db,
        QStringLiteral("INSERT INTO %1 (\"Tabel\", \"Terakhir\") SELECT ?, (%2) "
                       "WHERE NOT EXISTS (SELECT 1 FROM %1 WHERE \"Tabel\" = ?)")
            .arg(counters, highestStored(table, field)),
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

qint64 SerialCounter::highestGiven(SqliteFile &file, const TableDef &table, const QString &field)
{
    qint64 highest = file.number(highestStored(table, field));
    if (file.number(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = ?"), {counterTable()}) > 0)
        highest = std::max(highest, file.number(QStringLiteral("SELECT COALESCE(MAX(\"Terakhir\"), 0) FROM %1 WHERE \"Tabel\" = ?")
                                                    .arg(TableDef::quoted(counterTable())),
                                                {table.name}));
    return highest;
}

void SerialCounter::raiseTo(SqliteFile &file, const TableDef &table, const QString &field, qint64 given)
{
    file.run(createCounters(), {});
    // A file without a counter yet counts from its highest stored number.
    file.run(QStringLiteral("INSERT INTO %1 (\"Tabel\", \"Terakhir\") VALUES (?, MAX(?, (%2))) "
                            "ON CONFLICT (\"Tabel\") DO UPDATE SET \"Terakhir\" = MAX(\"Terakhir\", excluded.\"Terakhir\")")
                 .arg(TableDef::quoted(counterTable()), highestStored(table, field)),
             {table.name, given});
}
