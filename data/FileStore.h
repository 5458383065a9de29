#pragma once

#include "data/Store.h"

// The database file Zavav.mdb on this PC (SQLite).
class FileStore : public Store
{
public:
    explicit FileStore(const QString &path) : Store(path) {}

    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    void open(QSqlDatabase &db) const override;
    QString nextSerial(const QSqlDatabase &db, const TableDef &table, const FieldDef &field) const override;
    // The file's counter is a row of its own, written with the stay.
    bool numbersInATransaction() const override { return true; }
    QString returningRowKey() const override { return QString(); }
    QString sameAs() const override { return QStringLiteral("IS"); }
    bool beginSnapshot(QSqlDatabase &db) const override;
    TransaksiTotals totals(const QSqlDatabase &db) const override;
    DataError error(const QSqlDatabase &db, const QSqlError &error, const QString &context) const override;
    bool isLost(const QSqlDatabase &) const override { return false; }
};
