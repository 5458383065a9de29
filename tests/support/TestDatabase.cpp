#include "TestDatabase.h"

#include "data/Connection.h"
#include "data/DataFolder.h"
#include "data/TableDef.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

void TestDatabase::insert(const QString &table, const QVariantMap &values)
{
    if (!tryInsert(table, values))
        qFatal("fixture insert into %s failed", qPrintable(table));
}

bool TestDatabase::tryInsert(const QString &table, const QVariantMap &values)
{
    Connection c(DataFolder::databaseLocation());
    QStringList names;
    QStringList marks;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        names << TableDef::quoted(it.key());
        marks << QStringLiteral("?");
    }
    QSqlQuery q(c.database());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(TableDef::quoted(table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning("fixture insert failed: %s", qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

void TestDatabase::insertGuest(const QString &name, const QString &ktp)
{
    insert(QStringLiteral("Tamu"), {{QStringLiteral("No KTP/KTA"), ktp},
                                    {QStringLiteral("Nama"), name},
                                    {QStringLiteral("Alamat"), QStringLiteral("Jl. Mawar 1")},
                                    {QStringLiteral("Kota"), QStringLiteral("Kalisor")},
                                    {QStringLiteral("No Telpon"), QStringLiteral("0341-1")},
                                    {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                    {QStringLiteral("NoKamar"), QStringLiteral("PM 01")},
                                    {QStringLiteral("Harga"), 60000},
                                    {QStringLiteral("Status"), QStringLiteral("Isi")}});
}

void TestDatabase::insertStay(const QString &number, const QString &name)
{
    insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), number},
                                         {QStringLiteral("Nama"), name},
                                         {QStringLiteral("Checkin"), QStringLiteral("2004-02-28")},
                                         {QStringLiteral("Checkout"), QStringLiteral("2004-03-01")},
                                         {QStringLiteral("HargaSewa"), 60000},
                                         {QStringLiteral("Lama"), 2},
                                         {QStringLiteral("JumlahOrang"), 1},
                                         {QStringLiteral("Pengeluaran"), 0.0}});
}

void TestDatabase::exec(const QString &sql)
{
    Connection c(DataFolder::databaseLocation());
    QSqlQuery q(c.database());
    if (!q.exec(sql))
        qFatal("fixture statement failed: %s", qPrintable(q.lastError().text()));
}

QList<QVariantMap> TestDatabase::rows(const QString &sql)
{
    Connection c(DataFolder::databaseLocation());
    QSqlQuery q(c.database());
    if (!q.exec(sql))
        qFatal("fixture query failed: %s", qPrintable(q.lastError().text()));
    QList<QVariantMap> result;
    while (q.next()) {
        QVariantMap row;
        const QSqlRecord rec = q.record();
        for (int i = 0; i < rec.count(); ++i)
            row.insert(rec.fieldName(i), q.value(i));
        result << row;
    }
    return result;
}
