#include "data/BackupCheck.h"

#include "data/DataError.h"
#include "data/Schema.h"
#include "data/SqliteFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// What is wrong with a file that opens but is not a good backup.
struct Refusal
{
    QString what;
};

DataError refused(const QString &path, const QString &what)
{
    return DataError(DataError::NotOurDatabase,
                     QStringLiteral("Berkas cadangan %1 %2.").arg(QDir::toNativeSeparators(path), what));
}

// Feeds every value of every row a statement gives, with its type, into the hash.
void hashRows(QCryptographicHash &hash, SqliteFile &file, const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(file.handle(), sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        file.fail(QString());
    const int columns = sqlite3_column_count(statement);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const int type = sqlite3_column_type(statement, c);
            const char tag = char('0' + type);
            hash.addData(QByteArrayView(&tag, 1));
            switch (type) {
            case SQLITE_INTEGER: {
                const sqlite3_int64 v = sqlite3_column_int64(statement, c);
                hash.addData(QByteArrayView(reinterpret_cast<const char *>(&v), sizeof v));
                break;
            }
            case SQLITE_FLOAT: {
                const double v = sqlite3_column_double(statement, c);
                hash.addData(QByteArrayView(reinterpret_cast<const char *>(&v), sizeof v));
                break;
            }
            case SQLITE_NULL:
                break;
            default: { // text and blobs: their length, then their bytes
                const void *bytes = sqlite3_column_blob(statement, c);
                const qint64 size = sqlite3_column_bytes(statement, c);
                hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
                hash.addData(QByteArrayView(static_cast<const char *>(bytes), size));
                break;
            }
            }
        }
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throw DataError::fromCode(rc, file.path());
}

BackupCheck::Contents countRows(SqliteFile &file)
{
    BackupCheck::Contents contents;
    contents.guests = file.number(QStringLiteral("SELECT count(*) FROM \"Tamu\""));
    contents.stays = file.number(QStringLiteral("SELECT count(*) FROM \"Transaksi\""));
    contents.purchases = file.number(QStringLiteral("SELECT count(*) FROM \"Pembelian\""));
    return contents;
}

} // namespace

BackupCheck::Contents BackupCheck::verify(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw DataError(DataError::CannotOpen,
                        QStringLiteral("Berkas cadangan %1 tidak ada.").arg(QDir::toNativeSeparators(path)));
    if (!info.isReadable())
        throw DataError(DataError::CannotOpen,
                        QStringLiteral("Berkas cadangan %1 tidak dapat dibaca.").arg(QDir::toNativeSeparators(path)));
    Contents contents;
    try {
        SqliteFile file(path, SqliteFile::Mode::Unchanging, path);
        if (file.number(QStringLiteral("PRAGMA application_id")) != Schema::applicationId)
            throw Refusal{QStringLiteral("bukan database Penginapan")};
        for (const TableDef *def : Schema::tables()) {
            QStringList columns;
            try {
                columns = file.columns(def->name);
            } catch (const DataError &) {
                throw Refusal{QStringLiteral("tidak memiliki tabel %1").arg(def->name)};
            }
            for (const FieldDef &f : def->fields)
                if (!columns.contains(f.name))
                    throw Refusal{QStringLiteral("tidak memiliki field %1 di tabel %2").arg(f.name, def->name)};
        }
        const QString integrity = file.text(QStringLiteral("PRAGMA integrity_check"));
        if (integrity != QLatin1String("ok"))
            throw Refusal{QStringLiteral("rusak (pemeriksaan keutuhan gagal)")};
        contents = countRows(file);
    } catch (const Refusal &r) {
        throw refused(path, r.what);
    } catch (const DataError &e) {
        if (e.number() == DataError::NotOurDatabase)
            throw refused(path, QStringLiteral("rusak atau bukan database Penginapan"));
        throw refused(path, QStringLiteral("tidak dapat dibaca"));
    }
    return contents;
}

BackupCheck::Contents BackupCheck::count(const QString &path)
{
    SqliteFile file(path, SqliteFile::Mode::Unchanging, path);
    return countRows(file);
}

QByteArray BackupCheck::fingerprint(SqliteFile &file)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hashRows(hash, file, QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_schema ORDER BY name"));
    sqlite3_stmt *tables = nullptr;
    if (sqlite3_prepare_v2(file.handle(), "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY name", -1,
                           &tables, nullptr) != SQLITE_OK)
        file.fail(QString());
    QStringList names;
    while (sqlite3_step(tables) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(tables, 0)));
    sqlite3_finalize(tables);
    for (const QString &name : names)
        hashRows(hash, file, QStringLiteral("SELECT * FROM %1").arg(TableDef::quoted(name)));
    return hash.result();
}
