#include "data/Database.h"

#include "data/DataError.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRandomGenerator>
#include <QUrl>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString notOurs(const QString &path, const QString &what)
{
    return QStringLiteral("Berkas database %1 %2. Berkas itu tidak diubah.").arg(QDir::toNativeSeparators(path), what);
}

// Runs work on a connection of its own that is removed afterwards.
template<typename Work>
void withConnection(const QString &path, const QString &options, Work work)
{
    static int counter = 0;
    const QString name = QStringLiteral("penginapan-check-%1").arg(++counter);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        QString opts = options;
        db.setDatabaseName(Database::connectName(path, &opts));
        db.setConnectOptions(opts);
        try {
            if (!db.open())
                throw DataError::fromSql(db.lastError(), QStringLiteral("Membuka %1").arg(path));
            work(db);
        } catch (...) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void exec(QSqlQuery &q, const QString &sql, const QString &path)
{
    if (!q.exec(sql))
        throw DataError::fromSql(q.lastError(), QStringLiteral("Membuat database %1").arg(path));
}

} // namespace

QString Database::connectName(const QString &path, QString *options)
{
    if (QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        return path;
    QStringList opts = options->split(QLatin1Char(';'), Qt::SkipEmptyParts);
    opts.removeAll(QStringLiteral("QSQLITE_OPEN_READONLY"));
    opts << QStringLiteral("QSQLITE_OPEN_READONLY") << QStringLiteral("QSQLITE_OPEN_URI");
    *options = opts.join(QLatin1Char(';'));
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(QStringLiteral("immutable=1"));
    return url.toString(QUrl::FullyEncoded);
}

void Database::ensure(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        create(path);
    else
        verify(path);
}

void Database::create(const QString &path)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw DataError(DataError::CannotOpen,
                        QStringLiteral("Folder %1 tidak dapat dibuat.").arg(QDir::toNativeSeparators(info.absolutePath())));

    // Build the database under a temporary name and move it into place whole,
    // so a crash never leaves a half-made Zavav.mdb behind.
    // The temporary name is this program's own, so two programs starting on
    // one empty folder never build in each other's file.
    const QString temp = QStringLiteral("%1.baru-%2-%3")
                             .arg(path)
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate());
    try {
        withConnection(temp, QString(), [&](QSqlDatabase &db) {
            QSqlQuery q(db);
            exec(q, QStringLiteral("PRAGMA application_id = %1").arg(Schema::applicationId), temp);
            exec(q, QStringLiteral("PRAGMA user_version = %1").arg(Schema::version), temp);
            exec(q, QStringLiteral("PRAGMA journal_mode = WAL"), temp);
            if (!db.transaction())
                throw DataError::fromSql(db.lastError(), QStringLiteral("Membuat database %1").arg(path));
            for (const QString &sql : Schema::createStatements())
                exec(q, sql, temp);
            if (!db.commit())
                throw DataError::fromSql(db.lastError(), QStringLiteral("Membuat database %1").arg(path));
        });
    } catch (const DataError &) {
        QFile::remove(temp);
        throw;
    }
    QFile::remove(temp + QStringLiteral("-wal"));
    QFile::remove(temp + QStringLiteral("-shm"));
    // Put it in place only if no other program did so meanwhile: a link
    // never replaces an existing file, where a rename would.
    const bool placed = ::link(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) == 0;
    const int linkError = errno;
    QFile::remove(temp);
    if (!placed) {
        if (linkError != EEXIST)
            throw DataError(DataError::CannotOpen,
                            QStringLiteral("Berkas database %1 tidak dapat dibuat (%2).")
                                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(strerror(linkError))));
        verify(path); // another program made it first
    }
}

void Database::verify(const QString &path)
{
    // Read the header ourselves first: a file that is not a SQLite database
    // of ours is never handed to the driver, which could change it.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(DataError::CannotOpen, notOurs(path, QStringLiteral("tidak dapat dibaca (%1)").arg(file.errorString())));
    const QByteArray header = file.read(100);
    const qint64 size = file.size();
    file.close();
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("bukan database Penginapan")));
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    if (qFromBigEndian<qint32>(bytes + 68) != Schema::applicationId)
        throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("bukan database Penginapan")));
    quint32 pageSize = qFromBigEndian<quint16>(bytes + 16);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const bool pagesValid = qFromBigEndian<quint32>(bytes + 24) == qFromBigEndian<quint32>(bytes + 92);
    // A file shorter than the header says has been cut off. (In WAL mode the
    // main file may lag behind; it is never longer than the header says when
    // the count is valid, but it can be shorter only when damaged.)
    if (pagesValid && pages > 0 && qint64(pageSize) * pages > size
        && !QFileInfo::exists(path + QStringLiteral("-wal")))
        throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("rusak (terpotong)")));

    // Then look at the tables through a read-only connection.
    try {
        withConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"), [&](QSqlDatabase &db) {
            for (const TableDef *def : {&Schema::tamu(), &Schema::transaksi(), &Schema::pembelian()}) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(TableDef::quoted(def->name))))
                    throw DataError::fromSql(q.lastError(), QStringLiteral("Tabel %1").arg(def->name));
                const QSqlRecord rec = q.record();
                for (const FieldDef &f : def->fields)
                    if (rec.indexOf(f.name) < 0)
                        throw DataError(DataError::NotOurDatabase,
                                        notOurs(path, QStringLiteral("tidak memiliki field %1 di tabel %2").arg(f.name, def->name)));
            }
        });
    } catch (const DataError &e) {
        if (e.number() == DataError::Locked)
            throw;
        throw DataError(e.number() == DataError::CannotOpen ? DataError::CannotOpen : DataError::NotOurDatabase,
                        notOurs(path, QStringLiteral("tidak dapat dipakai: %1").arg(e.description())));
    }
}
