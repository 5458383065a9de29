#include "data/FileStore.h"

#include "data/Database.h"
#include "data/SerialCounter.h"
#include "data/TableDef.h"

#include <QDate>
#include <QDir>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace {

const QString kContext = QStringLiteral("Membaca tabel Transaksi");

sqlite3 *handleOf(const QSqlDatabase &database)
{
    const QVariant handle = database.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DataError(DataError::StoreFailure, kContext + QStringLiteral(": database tidak dikenal"));
    return *static_cast<sqlite3 *const *>(handle.constData());
}

DataError storeError(sqlite3 *db)
{
    return DataError::fromCode(sqlite3_extended_errcode(db), kContext);
}

// A number field as the report reads it into a 32-bit whole number: a whole
// number, or a real rounded to the nearest, a half to the even neighbour.
bool whole(sqlite3_stmt *row, int column, qint32 *out)
{
    double v = 0;
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_INTEGER: {
        const sqlite3_int64 i = sqlite3_column_int64(row, column);
        if (i < std::numeric_limits<qint32>::min() || i > std::numeric_limits<qint32>::max())
            return false;
        *out = qint32(i);
        return true;
    }
    case SQLITE_FLOAT:
        v = std::nearbyint(sqlite3_column_double(row, column));
        if (!(v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max()))
            return false;
        *out = qint32(v);
        return true;
    default:
        return false; // empty, or a text: the rows read one by one tell what is wrong
    }
}

// A day stored as yyyy-MM-dd.
bool isDay(sqlite3_stmt *row, int column)
{
    if (sqlite3_column_type(row, column) != SQLITE_TEXT || sqlite3_column_bytes(row, column) != 10)
        return false;
    const unsigned char *t = sqlite3_column_text(row, column);
    const auto digits = [t](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i) {
            if (t[i] < '0' || t[i] > '9')
                return -1;
            n = n * 10 + (t[i] - '0');
        }
        return n;
    };
    const int y = digits(0, 4);
    const int m = digits(5, 2);
    const int d = digits(8, 2);
    return t[4] == '-' && t[7] == '-' && y > 0 && m > 0 && d > 0 && QDate::isValid(y, m, d);
}

} // namespace
void FileStore::open(QSqlDatabase &db) const
{
    const QString &path = location();
    Database::ensure(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    db.setDatabaseName(Database::connectName(path, &options));
    db.setConnectOptions(options);
    if (!db.open())
        throw DataError::fromSql(db.lastError(), QStringLiteral("Membuka %1").arg(path));
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        throw DataError::fromSql(pragma.lastError(), QStringLiteral("Membuka %1").arg(path));
}

QString FileStore::nextSerial(const QSqlDatabase &db, const TableDef &table, const FieldDef &field) const
{
    return SerialCounter::next(db, table, field.name);
}

bool FileStore::beginSnapshot(QSqlDatabase &db) const
{
    return db.transaction();
}

DataError FileStore::error(const QSqlDatabase &, const QSqlError &error, const QString &context) const
{
    return DataError::fromSql(error, context);
}

TransaksiTotals FileStore::totals(const QSqlDatabase &database) const
{
    sqlite3 *db = handleOf(database);
    sqlite3_stmt *row = nullptr;
    const char *sql = "SELECT \"NoTransaksi\" IS NOT NULL AND \"Nama\" IS NOT NULL, \"Checkin\", \"Lama\","
                      " \"JumlahOrang\", \"HargaSewa\", \"Pengeluaran\" FROM \"Transaksi\"";
    if (sqlite3_prepare_v2(db, sql, -1, &row, nullptr) != SQLITE_OK)
        throw storeError(db);

    TransaksiTotals t;
    int step;
    while ((step = sqlite3_step(row)) == SQLITE_ROW) {
        ++t.rows;
        if (!t.clean)
            continue;
        qint32 lama, orang, harga, expense, perPerson, income, balance;
        if (!sqlite3_column_int(row, 0) || !isDay(row, 1) || !whole(row, 2, &lama) || !whole(row, 3, &orang)
            || !whole(row, 4, &harga) || !whole(row, 5, &expense) || qMulOverflow(lama, orang, &perPerson)
            || qMulOverflow(perPerson, harga, &income) || qSubOverflow(income, expense, &balance)) {
            t.clean = false;
            continue;
        }
        t.income += income;
        t.expenses += expense;
        t.balance += balance;
    }
    sqlite3_finalize(row);
    if (step != SQLITE_DONE)
        throw storeError(db);
    return t;
}
