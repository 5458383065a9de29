#include "data/ReportQuery.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "data/TextForms.h"

#include <QSqlError>
#include <QSqlRecord>

namespace {
const QString kContext = QStringLiteral("Membaca tabel Transaksi");
}

ReportQuery::ReportQuery(Connection &connection, Category category, const QVariant &argument)
    : m_connection(connection), m_category(category), m_argument(argument),
      m_rows(connection.database())
{
    QSqlDatabase db = connection.database();
    // One read transaction, so that the count and the rows agree.
    m_inTransaction = connection.store().beginSnapshot(db);

    QString where;
    QString order = QStringLiteral(" ORDER BY \"NoTransaksi\" ASC");
    switch (category) {
    case Category::All:
        order = QStringLiteral(" ORDER BY rowid");
        break;
    case Category::CheckinDate:
        where = QStringLiteral(" WHERE \"Checkin\" = ?");
        m_argument = TextForms::isoDate(argument.toDate());
        break;
    case Category::RoomPrice:
        where = QStringLiteral(" WHERE \"HargaSewa\" = CAST(? AS DOUBLE PRECISION)");
        m_argument = argument.toDouble();
        break;
    case Category::TransactionNumber:
    case Category::GuestName:
        // Letter case is ignored for every letter, which the store's LIKE
        // does only for ASCII: the rows are filtered here instead.
        where = QStringLiteral(" WHERE %1 IS NOT NULL")
                    .arg(category == Category::GuestName ? QStringLiteral("\"Nama\"") : QStringLiteral("\"NoTransaksi\""));
        m_argument = argument.toString();
        m_filtered = true;
        break;
    }

    try {
        if (m_filtered) {
            QSqlQuery counter(db);
            counter.setForwardOnly(true);
            const QString column = category == Category::GuestName ? QStringLiteral("\"Nama\"") : QStringLiteral("\"NoTransaksi\"");
            run(counter, QStringLiteral("SELECT %1 FROM \"Transaksi\"%2").arg(column, where));
            while (counter.next())
                if (counter.value(0).toString().contains(m_argument.toString(), Qt::CaseInsensitive))
                    ++m_count;
        } else {
            QSqlQuery counter(db);
            counter.setForwardOnly(true);
            run(counter, QStringLiteral("SELECT count(*) FROM \"Transaksi\"") + where);
            if (counter.next())
                m_count = counter.value(0).toInt();
        }
        m_rows.setForwardOnly(true);
        run(m_rows, QStringLiteral("SELECT * FROM \"Transaksi\"") + where + order);
        m_record = m_rows.record();
        if (m_filtered)
            m_filterColumn = m_record.indexOf(category == Category::GuestName ? QStringLiteral("Nama")
                                                                                     : QStringLiteral("NoTransaksi"));
    } catch (...) {
        m_rows.finish();
        if (m_inTransaction)
            db.rollback();
        throw;
    }
}

ReportQuery::~ReportQuery()
{
    m_rows.finish();
    if (m_inTransaction)
        m_connection.database().commit();
}

void ReportQuery::run(QSqlQuery &query, const QString &sql) const
{
    if (!query.prepare(sql))
        throw m_connection.error(query.lastError(), kContext);
    if (sql.contains(QLatin1Char('?')))
        query.addBindValue(m_argument);
    if (!query.exec())
        throw m_connection.error(query.lastError(), kContext);
}

bool ReportQuery::matches() const
{
    return !m_filtered
           || m_rows.value(m_filterColumn).toString().contains(m_argument.toString(), Qt::CaseInsensitive);
}

bool ReportQuery::next()
{
    while (m_rows.next())
        if (matches())
            return true;
    if (m_rows.lastError().isValid())
        throw m_connection.error(m_rows.lastError(), kContext);
    return false;
}

QVariant ReportQuery::value(const QString &field) const
{
    const int c = m_record.indexOf(field);
    if (c < 0)
        throw DataError(DataError::StoreFailure, QStringLiteral("Field %1 tidak ada di tabel Transaksi.").arg(field));
    return m_rows.value(c);
}
