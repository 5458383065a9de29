#pragma once

#include "data/DataError.h"
#include "data/TransaksiTotals.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

class QSqlError;
struct FieldDef;
struct TableDef;

// Where the books are kept: the database file Zavav.mdb or a PostgreSQL
// server. Everything that differs between the two lives behind this class:
// how a connection is opened (and the schema made or checked), the few
// pieces of SQL that differ, how a transaction number is handed out, how the
// recapitulation sums, and how the store's failures read. Record sets,
// windows and reports see only a Connection.
class Store
{
public:
    virtual ~Store() = default;

    // A location is a PostgreSQL connection URI (postgresql://... or
    // postgres://...) or the path of the database file.
    static std::unique_ptr<Store> forLocation(const QString &location);

    const QString &location() const { return m_location; }

    virtual QString driverName() const = 0;
    // Opens db (added with driverName()), making the schema in an empty
    // store and refusing one that is not ours. Throws DataError.
    virtual void open(QSqlDatabase &db) const = 0;

    // Hands out the next transaction number (001, 002, ...), never one
    // given before. When numbersInATransaction(), the caller has begun the
    // write transaction that stores the row, and the number is used up only
    // when it commits. Throws DataError.
    virtual QString nextSerial(const QSqlDatabase &db, const TableDef &table, const FieldDef &field) const = 0;
    virtual bool numbersInATransaction() const = 0;
    // What an INSERT adds to give the new row's key back as its result
    // row; empty when the driver's last insert id gives it. (The file's
    // INSERT must not return rows: its commit then happens when the
    // statement is reset, and a failure to commit would go unseen.)
    virtual QString returningRowKey() const = 0;
    // The comparison that holds for two equal values and for two nulls.
    virtual QString sameAs() const = 0;
    // Starts the read transaction in which a count and the rows agree.
    virtual bool beginSnapshot(QSqlDatabase &db) const = 0;

    virtual TransaksiTotals totals(const QSqlDatabase &db) const = 0;

    // A failure of a statement, in the program's numbers and words.
    virtual DataError error(const QSqlDatabase &db, const QSqlError &error, const QString &context) const = 0;
    // True when the connection to a server has broken; it can be opened again.
    virtual bool isLost(const QSqlDatabase &db) const = 0;

protected:
    explicit Store(QString location) : m_location(std::move(location)) {}

private:
    QString m_location;
};
