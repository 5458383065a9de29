#pragma once

#include "data/Store.h"

// A database on a PostgreSQL server, shared by several desks, reached
// through Qt's QPSQL driver. The location is a libpq connection URI;
// passwords come as libpq takes them (PGPASSWORD, ~/.pgpass).
class ServerStore : public Store
{
public:
    explicit ServerStore(const QString &uri);

    // The server and database, as messages name them.
    QString describe() const;
    QString driverName() const override { return QStringLiteral("QPSQL"); }
    void open(QSqlDatabase &db) const override;
    QString nextSerial(const QSqlDatabase &db, const TableDef &table, const FieldDef &field) const override;
    // A sequence: never rolled back, never given twice.
    bool numbersInATransaction() const override { return false; }
    QString returningRowKey() const override { return QStringLiteral(" RETURNING rowid"); }
    QString sameAs() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    bool beginSnapshot(QSqlDatabase &db) const override;
    TransaksiTotals totals(const QSqlDatabase &db) const override;
    DataError error(const QSqlDatabase &db, const QSqlError &error, const QString &context) const override;
    bool isLost(const QSqlDatabase &db) const override;

    // Sets host, port, database, user, password and the other libpq options
    // of a URI on db. Throws DataError when the URI cannot be read.
    static void configure(QSqlDatabase &db, const QString &uri);
    // The URI's server (host, or the socket folder) and database names.
    static QString serverName(const QString &uri);
    static QString databaseName(const QString &uri);

    // Statements that make the schema in an empty server database.
    static QStringList createStatements();
    static const char *const serialSequence;
    static const char *const serialFunction;

private:
    void ensureSchema(QSqlDatabase &db) const;
};
