#include "data/ServerCopy.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "data/SerialCounter.h"
#include "data/ServerStore.h"
#include "data/TableDef.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>

namespace {

struct Figures
{
    qint64 rows = 0;
    QList<double> sums; // one per number field, in the table's order
};

bool isNumber(FieldType type)
{
    return type == FieldType::WholeNumber || type == FieldType::Number || type == FieldType::Counter;
}

Figures figures(QSqlDatabase &db, const TableDef &def, const QString &sumOf, const std::function<DataError(const QSqlError &)> &fail)
{
    QStringList columns{QStringLiteral("count(*)")};
    for (const FieldDef &f : def.fields)
        if (isNumber(f.type))
            columns << sumOf.arg(TableDef::quoted(f.name));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), TableDef::quoted(def.name)))
        || !q.next())
        throw fail(q.lastError());
    Figures result;
    result.rows = q.value(0).toLongLong();
    for (int i = 1; i < columns.size(); ++i)
        result.sums << q.value(i).toDouble();
    return result;
}

bool same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

QString number(double v)
{
    return QString::number(v, 'f', std::floor(v) == v ? 0 : 2);
}

} // namespace

QStringList ServerCopy::copy(const QString &filePath, const QString &uri)
{
    if (!QFileInfo::exists(filePath))
        throw DataError(DataError::CannotOpen,
                        QStringLiteral("Berkas database %1 tidak ada.").arg(QDir::toNativeSeparators(filePath)));
    Connection file(filePath);
    QSqlDatabase source = file.database();
    const auto fileFail = [&](const QSqlError &e) { return file.error(e, QStringLiteral("Membaca %1").arg(filePath)); };

    const ServerStore store(uri);
    const QString name = QStringLiteral("penginapan-copy");
    QStringList report;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const auto serverFail = [&](const QSqlError &e) {
            const DataError error = store.error(db, e, QStringLiteral("Menyalin ke %1").arg(store.describe()));
            db.rollback();
            return error;
        };
        try {
            ServerStore::configure(db, uri);
            if (!db.open())
                throw DataError(DataError::ConnectionLost,
                                QStringLiteral("Tidak dapat terhubung ke %1.").arg(store.describe()));
            if (!db.transaction())
                throw serverFail(db.lastError());
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(Schema::applicationId)))
                throw serverFail(q.lastError());
            if (!q.exec(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_schema = current_schema()"))
                || !q.next())
                throw serverFail(q.lastError());
            if (q.value(0).toInt() != 0) {
                db.rollback();
                throw DataError(DataError::NotOurDatabase,
                                QStringLiteral("%1 tidak kosong: salinan hanya ke database tanpa tabel. Tidak ada yang ditulis.")
                                    .arg(store.describe()));
            }
            for (const QString &sql : ServerStore::createStatements())
                if (!q.exec(sql))
                    throw serverFail(q.lastError());

            qint64 lastSerial = 0;
            for (const TableDef *def : Schema::tables()) {
                QStringList names{QStringLiteral("rowid")};
                QStringList marks{QStringLiteral("?")};
                for (const FieldDef &f : def->fields) {
                    names << TableDef::quoted(f.name);
                    marks << QStringLiteral("?");
                }
                QSqlQuery insert(db);
                if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(TableDef::quoted(def->name), names.join(QStringLiteral(", ")),
                                             marks.join(QStringLiteral(", ")))))
                    throw serverFail(insert.lastError());
                const int serial = def->indexOf(QStringLiteral("NoTransaksi"));
                QSqlQuery rows(source);
                rows.setForwardOnly(true);
                if (!rows.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(names.join(QStringLiteral(", ")), TableDef::quoted(def->name))))
                    throw fileFail(rows.lastError());
                while (rows.next()) {
                    for (int c = 0; c < names.size(); ++c)
                        insert.bindValue(c, rows.value(c));
                    if (!insert.exec())
                        throw serverFail(insert.lastError());
                    if (serial >= 0)
                        lastSerial = std::max(lastSerial, rows.value(serial + 1).toString().toLongLong());
                }
                if (rows.lastError().isValid())
                    throw fileFail(rows.lastError());

                // The server's own counters go on after the copied keys.
                QStringList counters{QStringLiteral("rowid")};
                for (const FieldDef &f : def->fields)
                    if (f.type == FieldType::Counter)
                        counters << f.name;
                for (const QString &counter : counters) {
                    const QString column = counter == QLatin1String("rowid") ? counter : TableDef::quoted(counter);
                    if (!q.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                                               "coalesce(max(%3), 0) + 1, false) FROM %1")
                                    .arg(TableDef::quoted(def->name), counter, column)))
                        throw serverFail(q.lastError());
                }
            }
            // Numbers the file gave to stays since deleted are not given again.
            {
                QSqlQuery counter(source);
                if (counter.exec(QStringLiteral("SELECT \"Terakhir\" FROM %1 WHERE \"Tabel\" = 'Transaksi'")
                                     .arg(TableDef::quoted(SerialCounter::counterTable())))
                    && counter.next())
                    lastSerial = std::max(lastSerial, counter.value(0).toLongLong());
            }
            if (!q.exec(QStringLiteral("SELECT setval('\"%1\"', %2, false)")
                            .arg(QLatin1String(ServerStore::serialSequence))
                            .arg(lastSerial + 1)))
                throw serverFail(q.lastError());

            // Both sides must agree before anything is committed.
            bool agree = true;
            for (const TableDef *def : Schema::tables()) {
                const Figures from = figures(source, *def, QStringLiteral("total(%1)"), fileFail);
                const Figures to = figures(db, *def, QStringLiteral("coalesce(sum(%1), 0)::float8"), serverFail);
                bool tableAgrees = from.rows == to.rows;
                QStringList sums;
                int i = 0;
                for (const FieldDef &f : def->fields) {
                    if (!isNumber(f.type))
                        continue;
                    const bool equal = same(from.sums.at(i), to.sums.at(i));
                    tableAgrees = tableAgrees && equal;
                    sums << (equal ? QStringLiteral("%1 %2").arg(f.name, number(from.sums.at(i)))
                                   : QStringLiteral("%1 %2 (server: %3)").arg(f.name, number(from.sums.at(i)), number(to.sums.at(i))));
                    ++i;
                }
                report << QStringLiteral("%1: %2 baris%3; jumlah %4: %5")
                              .arg(def->name)
                              .arg(from.rows)
                              .arg(from.rows == to.rows ? QString() : QStringLiteral(" (server: %1)").arg(to.rows))
                              .arg(sums.join(QStringLiteral(", ")), tableAgrees ? QStringLiteral("sama") : QStringLiteral("BERBEDA"));
                agree = agree && tableAgrees;
            }
            if (!agree) {
                db.rollback();
                throw DataError(DataError::StoreFailure,
                                QStringLiteral("Salinan ke %1 tidak sama dengan berkas; tidak ada yang ditulis.\n%2")
                                    .arg(store.describe(), report.join(QLatin1Char('\n'))));
            }
            if (!db.commit())
                throw serverFail(db.lastError());
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return report;
}
