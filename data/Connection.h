#pragma once

#include "data/DataError.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

class QSqlError;
class Store;

// One open connection to the books, closed when it goes: the database file
// (checked to be ours, created with its schema when missing, saved rows
// durable) or a database on a PostgreSQL server (its schema made when the
// database is empty). What differs between the two is the Store's.
class Connection
{
public:
    // A file path or a postgresql:// URI. Throws DataError when the store
    // cannot be opened or is not ours.
    explicit Connection(const QString &location);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const Store &store() const { return *m_store; }

    // A failure of a statement on this connection, in the program's words.
    DataError error(const QSqlError &error, const QString &context) const;
    // True when the connection to the server broke. Queries made on it must
    // go before reconnect() opens it again.
    bool isLost() const;
    void reconnect();

private:
    void open();

    std::unique_ptr<Store> m_store;
    QString m_name;
};
