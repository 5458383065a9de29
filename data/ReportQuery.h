#pragma once

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

class Connection;

// The read-only selections of the report windows over Transaksi. The row
// count is known before the first row is read; rows are read one at a time,
// so a large table is never held in memory. Values reach the store bound,
// never inside the statement.
class ReportQuery
{
public:
    enum class Category {
        All,               // every row, in the store's order
        CheckinDate,       // Checkin on the given day
        TransactionNumber, // NoTransaksi holds the text, any letter case
        GuestName,         // Nama holds the text, any letter case
        RoomPrice,         // HargaSewa equals the number
    };

    // Throws DataError when the store cannot run the selection.
    ReportQuery(Connection &connection, Category category, const QVariant &argument = QVariant());
    ~ReportQuery();
    ReportQuery(const ReportQuery &) = delete;
    ReportQuery &operator=(const ReportQuery &) = delete;

    int count() const { return m_count; }
    // Moves to the next row; false at the end.
    bool next();
    // A field of the current row; null when the field is empty.
    QVariant value(const QString &field) const;

private:
    bool matches() const;
    void run(QSqlQuery &query, const QString &sql) const;

    Connection &m_connection;
    Category m_category;
    QVariant m_argument;
    QSqlQuery m_rows;
    QSqlRecord m_record;
    bool m_filtered = false;
    int m_filterColumn = -1;
    int m_count = 0;
    bool m_inTransaction = false;
};
