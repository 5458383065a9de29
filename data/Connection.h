#pragma once

#include <QSqlDatabase>
#include <QString>

// One open connection to the database file, closed when it goes. Opening
// checks that the file is a database of ours and creates it, with its
// schema, when it is missing. Saved rows are durable (synchronous FULL).
class Connection
{
public:
    // Throws DataError when the file cannot be opened or is not ours.
    explicit Connection(const QString &path);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    const QString &path() const { return m_path; }

private:
    QString m_name;
    QString m_path;
};
