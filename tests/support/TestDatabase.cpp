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
    Connection c(DataFolder::databasePath());
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
    if (!q.exec())
        qFatal("fixture insert failed: %s", qPrintable(q.lastError().text()));
}

void TestDatabase::exec(const QString &sql)
{
    Connection c(DataFolder::databasePath());
    QSqlQuery q(c.database());
    if (!q.exec(sql))
        qFatal("fixture statement failed: %s", qPrintable(q.lastError().text()));
}

QList<QVariantMap> TestDatabase::rows(const QString &sql)
{
    Connection c(DataFolder::databasePath());
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
