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
#include <QAtomicInt>
#include <QDateTime>
#include <QMutex>
#include <QRandomGenerator>
#include <QHash>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString notOurs(const QString &path, const QString &what)
{
    return QStringLiteral("Berkas database %1 %2. Berkas itu tidak diubah.").arg(QDir::toNativeSeparators(path), what);
}

QString fileUri(const QString &path, const QString &query)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!query.isEmpty())
        url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

// Runs work on a connection of its own that is removed afterwards.
// A read-only look at a file without a journal beside it reads the file as
// unchanging: SQLite then takes no locks and makes no files beside it.
template<typename Work>
void withConnection(const QString &path, const QString &options, Work work)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("penginapan-check-%1").arg(counter.fetchAndAddRelaxed(1));
    QString opts = options;
    QString databaseName = Database::connectName(path, &opts);
    if (databaseName == path && opts.contains(QLatin1String("QSQLITE_OPEN_READONLY"))
        && !QFileInfo::exists(path + QStringLiteral("-wal"))) {
        databaseName = fileUri(path, QStringLiteral("immutable=1"));
        opts += QStringLiteral(";QSQLITE_OPEN_URI");
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseName);
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

// Damage is looked for when a file is first opened, and again only when
// the file itself has changed since (another inode, size or modification
// time), not on every connection.
QMutex g_checkedLock;
QHash<QString, QByteArray> g_checked;

QByteArray identity(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QByteArray();
    return QByteArray::number(qulonglong(st.st_dev)) + ':' + QByteArray::number(qulonglong(st.st_ino)) + ':'
           + QByteArray::number(qlonglong(st.st_size)) + ':' + QByteArray::number(qlonglong(st.st_mtim.tv_sec)) + '.'
           + QByteArray::number(qlonglong(st.st_mtim.tv_nsec));
}

// Whether the file, as seen now, is not the one checked last.
bool firstLook(const QString &path, const QByteArray &seen)
{
    QMutexLocker locker(&g_checkedLock);
    return g_checked.value(QFileInfo(path).absoluteFilePath()) != seen;
}

void lookedAt(const QString &path, const QByteArray &seen)
{
    QMutexLocker locker(&g_checkedLock);
    g_checked.insert(QFileInfo(path).absoluteFilePath(), seen);
}

// Holds an advisory lock on the database folder while a missing database is
// made, so two programs starting together never make it at once. The lock is
// on the folder, never on a file SQLite uses.
class FolderLock
{
public:
    explicit FolderLock(const QString &dir)
        : m_fd(::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_fd;
};

// Journal files left beside a database that is gone belong to that old
// file: a new database must never take pages from them. The journals are
// kept under a name of their own, for whoever looks for the old file's data;
// the shared-memory index holds nothing of its own and goes.
void setLeftoversAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const char *suffix : {"-wal", "-journal"}) {
        const QString leftover = path + QLatin1String(suffix);
        if (QFileInfo::exists(leftover) || QFileInfo(leftover).isSymLink())
            QFile::rename(leftover, QStringLiteral("%1.sisa-%2").arg(leftover, stamp));
    }
    QFile::remove(path + QStringLiteral("-shm"));
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
    // Rows not yet moved from the journal into the file are read through
    // the shared-memory index beside it. Without a journal the file holds
    // every row, and SQLite is told the file never changes, since it cannot
    // make its index in a folder it cannot write.
    const QFileInfo journal(path + QStringLiteral("-wal"));
    if (journal.exists() && journal.size() > 0) {
        if (!QFileInfo::exists(path + QStringLiteral("-shm")))
            throw DataError(DataError::CannotOpen,
                            QStringLiteral("Berkas database %1 tidak dapat dibaca utuh: folder datanya hanya-baca dan "
                                           "data terakhir masih di berkas %2 yang hanya dapat dibaca bila berkas %3 ada. "
                                           "Buka program sekali di folder yang dapat ditulis agar data itu dipindahkan "
                                           "ke database. Berkas itu tidak diubah.")
                                .arg(QDir::toNativeSeparators(path), QFileInfo(journal).fileName(),
                                     QFileInfo(path).fileName() + QStringLiteral("-shm")));
        return fileUri(path, QString());
    }
    return fileUri(path, QStringLiteral("immutable=1"));
}

void Database::ensure(const QString &path)
{
    // Only stat() here: opening and closing the file with anything but
    // SQLite would drop the locks SQLite holds on it for this process.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
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

    const FolderLock lock(info.absolutePath());
    if (QFileInfo::exists(path)) {
        verify(path); // another program made it while this one waited
        return;
    }
    setLeftoversAside(path);

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
                                .arg(QDir::toNativeSeparators(path), DataError::systemErrorText(linkError)));
        verify(path); // another program made it first
    }
}

void Database::verify(const QString &path)
{
    // Everything is read through SQLite on a read-only connection, which
    // changes nothing in a file that is not ours and keeps the locks of the
    // program's other connections.
    const QFileInfo info(path);
    if (!info.isFile())
        throw DataError(DataError::CannotOpen, notOurs(path, QStringLiteral("bukan berkas biasa (misalnya sebuah folder)")));
    if (!info.isReadable())
        throw DataError(DataError::CannotOpen, notOurs(path, QStringLiteral("tidak dapat dibaca (tidak ada izin)")));
    const QByteArray seen = identity(path);
    const bool first = firstLook(path, seen);
    try {
        withConnection(path, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"), [&](QSqlDatabase &db) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
                throw DataError::fromSql(q.lastError(), QStringLiteral("Membuka %1").arg(path));
            if (q.value(0).toInt() != Schema::applicationId)
                throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("bukan database Penginapan")));
            q.finish();
            // Damage anywhere in the file is found before anything is
            // written into it.
            if (first) {
                if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next())
                    throw DataError::fromSql(q.lastError(), QStringLiteral("Memeriksa %1").arg(path));
                if (q.value(0).toString() != QLatin1String("ok"))
                    throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("rusak")));
                q.finish();
            }
            for (const TableDef *def : Schema::tables()) {
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
        if (e.number() == DataError::Locked || e.description().startsWith(QLatin1String("Berkas database")))
            throw;
        if (e.number() == DataError::CannotOpen)
            throw DataError(DataError::CannotOpen, notOurs(path, QStringLiteral("tidak dapat dibuka: %1").arg(e.description())));
        if (e.number() == DataError::NotOurDatabase)
            throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("rusak atau bukan database Penginapan")));
        throw DataError(DataError::NotOurDatabase, notOurs(path, QStringLiteral("tidak dapat dipakai: %1").arg(e.description())));
    }
    if (first)
        lookedAt(path, seen);
}
