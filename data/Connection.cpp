#include "data/Connection.h"

#include "data/DataError.h"
#include "data/Database.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt g_counter;
}

Connection::Connection(const QString &path)
    : m_name(QStringLiteral("penginapan-%1").arg(g_counter.fetchAndAddRelaxed(1))), m_path(path)
{
    Database::ensure(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        db.setDatabaseName(Database::connectName(path, &options));
        db.setConnectOptions(options);
        if (!db.open()) {
            const DataError error = DataError::fromSql(db.lastError(), QStringLiteral("Membuka %1").arg(path));
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw error;
        }
        QSqlQuery pragma(db);
        if (!pragma.exec(QStringLiteral("PRAGMA synchronous = FULL"))) {
            const DataError error = DataError::fromSql(pragma.lastError(), QStringLiteral("Membuka %1").arg(path));
            pragma = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw error;
        }
    }
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}
