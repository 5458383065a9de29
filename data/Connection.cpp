#include "data/Connection.h"

#include "data/Store.h"

#include <QAtomicInt>

namespace {
QAtomicInt g_counter;
}

Connection::Connection(const QString &location)
    : m_store(Store::forLocation(location)),
      m_name(QStringLiteral("penginapan-%1").arg(g_counter.fetchAndAddRelaxed(1)))
{
    QSqlDatabase::addDatabase(m_store->driverName(), m_name);
    try {
        open();
    } catch (...) {
        QSqlDatabase::removeDatabase(m_name);
        throw;
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

void Connection::open()
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    try {
        m_store->open(db);
    } catch (...) {
        db.close();
        throw;
    }
}

DataError Connection::error(const QSqlError &error, const QString &context) const
{
    return m_store->error(database(), error, context);
}

bool Connection::isLost() const
{
    return m_store->isLost(database());
}

void Connection::reconnect()
{
    database().close();
    open();
}
