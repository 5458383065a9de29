#include "data/Restorer.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/BackupWriter.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Schema.h"
#include "data/SerialCounter.h"
#include "data/SqliteFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include <cerrno>
#include <cstdio>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

DataError restoreFailed(int number, const QString &why)
{
    return DataError(number, QStringLiteral("Pemulihan dibatalkan, database tidak diubah: %1").arg(why));
}

// Moves a file that may be missing; throws DataError when it is there and
// cannot be moved.
void moveAside(const QString &from, const QString &to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0 && errno != ENOENT)
        throw restoreFailed(DataError::WriteFailed, QStringLiteral("%1 tidak dapat disisihkan ke %2 (%3).")
                                                        .arg(native(from), native(to), DataError::systemErrorText(errno)));
}

void removeSideFile(const QString &path)
{
    if (::remove(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        throw restoreFailed(DataError::WriteFailed, QStringLiteral("%1 tidak dapat dihapus (%2).")
                                                        .arg(native(path), DataError::systemErrorText(errno)));
}

// The highest number the books gave in one serial field.
struct Given
{
    const TableDef *table;
    QString field;
    qint64 highest;
};

// What the books in a file ever gave in each serial field, read through the
// connection that holds them.
QList<Given> numbersGiven(SqliteFile &books)
{
    QList<Given> given;
    for (const TableDef *table : Schema::tables())
        for (const FieldDef &f : table->fields)
            if (f.type == FieldType::Serial)
                given.append({table, f.name, SerialCounter::highestGiven(books, *table, f.name)});
    return given;
}

} // namespace

void Restorer::restore(const QString &chosen, const QDateTime &now, const std::function<void()> &closeAll)
{
    const QString database = DataFolder::databasePath();
    const QFileInfo chosenInfo(chosen);
    const QString folder = QFileInfo(database).absolutePath();
    // The database in use is only ever read through SQLite, never as a file.
    for (const QString &own : {database, database + QStringLiteral("-wal"), database + QStringLiteral("-shm")})
        if (chosenInfo.exists() && chosenInfo.canonicalFilePath() == QFileInfo(own).canonicalFilePath())
            throw restoreFailed(DataError::NotOurDatabase,
                                QStringLiteral("%1 adalah database yang sedang dipakai, bukan cadangan.").arg(native(chosen)));

    BackupCheck::verify(chosen);
    if (!QDir().mkpath(folder))
        throw restoreFailed(DataError::CannotOpen, QStringLiteral("folder %1 tidak dapat dibuat.").arg(native(folder)));

    // What goes into place is a copy beside the database, checked again.
    const QString incoming = QStringLiteral("%1/.Zavav.mdb.%2.pulih").arg(folder).arg(QCoreApplication::applicationPid());
    try {
        BackupFolder::copyFile(chosen, incoming);
        BackupCheck::verify(incoming);

        // The books as they are now become a backup first. A current file
        // that is no database of ours is kept aside whole instead.
        const BackupFolder backups = BackupFolder::primary();
        bool setAside = false;
        if (QFileInfo::exists(database)) {
            try {
                BackupWriter::backUp(database, backups, now, true);
            } catch (const DataError &e) {
                if (e.number() != DataError::NotOurDatabase)
                    throw restoreFailed(e.number(), QStringLiteral("database sekarang tidak dapat dicadangkan dulu. %1").arg(e.description()));
                setAside = true;
            }
        }

        closeAll();

        std::unique_ptr<SqliteFile> lock;
        QList<Given> given;
        if (QFileInfo::exists(database) && !setAside) {
            // Every connection to the database holds a shared lock on it for
            // as long as it is open (write-ahead log mode), ours included.
            // An exclusive lock is granted only when no program, this one or
            // another, has it open; it is held until the new file is in place.
            const QString context = QStringLiteral("Memulihkan %1").arg(native(database));
            lock = std::make_unique<SqliteFile>(database, SqliteFile::Mode::ReadWrite, context);
            lock->exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
            lock->setBusyTimeout(1000);
            try {
                lock->number(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
                // Fold the old log into the old file and leave log mode: a
                // program that opened the old file meanwhile then gets an
                // error on saving instead of writing into a removed file.
                lock->exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
                given = numbersGiven(*lock);
            } catch (const DataError &e) {
                if (e.number() == DataError::Locked)
                    throw restoreFailed(DataError::Locked,
                                        QStringLiteral("database sedang dibuka oleh program Penginapan lain. "
                                                       "Tutup program itu dulu, lalu pulihkan lagi."));
                throw restoreFailed(e.number(), e.description());
            }
        } else {
            // No database to fold the log into: a log left beside it (by a
            // program that had the old file open when it was lost, or beside
            // the damaged file) is kept aside with it, never read into the
            // restored books.
            backups.make();
            const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
            const QString aside = setAside ? QStringLiteral("%1/Zavav-rusak-%2.mdb").arg(backups.path(), stamp)
                                           : QStringLiteral("%1/Zavav-sisa-%2.mdb").arg(backups.path(), stamp);
            moveAside(database + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
            if (setAside)
                moveAside(database, aside);
        }
        // A number the books gave after the backup was taken may be on a
        // receipt already: the restored books go on after the highest
        // number they ever gave. Books that cannot be read (kept aside as
        // damaged or foreign) leave the backup's own counter.
        if (!given.isEmpty()) {
            try {
                SqliteFile copy(incoming, SqliteFile::Mode::ReadWrite, QStringLiteral("Memulihkan %1").arg(native(chosen)));
                for (const Given &g : std::as_const(given))
                    SerialCounter::raiseTo(copy, *g.table, g.field, g.highest);
            } catch (const DataError &e) {
                throw restoreFailed(e.number(), e.description());
            }
            // Closing the copy folded its log into it; a log still there
            // would hold the raised counter outside the file put in place.
            if (QFileInfo::exists(incoming + QStringLiteral("-wal")))
                throw restoreFailed(DataError::WriteFailed,
                                    QStringLiteral("penomoran transaksi di %1 tidak dapat disimpan.").arg(native(incoming)));
        }
        removeSideFile(database + QStringLiteral("-wal"));
        removeSideFile(database + QStringLiteral("-shm"));
        if (::rename(QFile::encodeName(incoming).constData(), QFile::encodeName(database).constData()) != 0)
            throw restoreFailed(DataError::WriteFailed, QStringLiteral("%1 tidak dapat diganti (%2).")
                                                            .arg(native(database), DataError::systemErrorText(errno)));
        BackupFolder::sync(folder);
    } catch (...) {
        QFile::remove(incoming);
        QFile::remove(incoming + QStringLiteral("-wal"));
        QFile::remove(incoming + QStringLiteral("-shm"));
        throw;
    }
}
