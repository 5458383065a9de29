#include "data/BackupWriter.h"

#include "data/BackupCheck.h"
#include "data/BackupFolder.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "data/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Whether the newest backup in the folder holds the books with this fingerprint.
bool newestHolds(const BackupFolder &folder, const QByteArray &fingerprint)
{
    const QStringList backups = folder.backups();
    if (backups.isEmpty())
        return false;
    try {
        SqliteFile newest(backups.first(), SqliteFile::Mode::Unchanging, backups.first());
        return BackupCheck::fingerprint(newest) == fingerprint;
    } catch (const DataError &) {
        return false; // an unreadable newest backup is no reason to skip one
    }
}

} // namespace

QString BackupWriter::backUp(const QString &database, const BackupFolder &folder, const QDateTime &now, bool onlyIfChanged)
{
    const QString context = QStringLiteral("Membuat cadangan %1").arg(native(database));
    if (!QFileInfo::exists(database))
        throw DataError(DataError::CannotOpen, QStringLiteral("%1: berkas database tidak ada.").arg(context));
    folder.make();
    folder.removeLeftovers();

    // Opened read-only: a backup never changes the database, not even a
    // damaged one, and never folds or removes its log files.
    SqliteFile source(database, SqliteFile::Mode::ReadOnly, context);
    source.setBusyTimeout(5000);
    // One read snapshot for the comparison and the copy: writers go on
    // meanwhile (the database keeps a write-ahead log) and are not seen.
    source.exec(QStringLiteral("BEGIN"));
    try {
        if (source.number(QStringLiteral("PRAGMA application_id")) != Schema::applicationId)
            throw DataError(DataError::NotOurDatabase, QStringLiteral("%1: berkas itu bukan database Penginapan.").arg(context));
    } catch (const DataError &e) {
        if (e.number() == DataError::Locked)
            throw;
        throw DataError(DataError::NotOurDatabase, QStringLiteral("%1: berkas itu rusak atau bukan database Penginapan.").arg(context));
    }
    if (onlyIfChanged) {
        if (newestHolds(folder, BackupCheck::fingerprint(source))) {
            source.exec(QStringLiteral("COMMIT"));
            return QString();
        }
    } else {
        source.number(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
    }

    const QString temporary = folder.temporaryName(now);
    QFile::remove(temporary);
    try {
        {
            SqliteFile target(temporary, SqliteFile::Mode::Create, context);
            // The copy is synced and checked as a whole before it counts, so
            // it needs no journal of its own.
            target.exec(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF"));
            sqlite3_backup *backup = sqlite3_backup_init(target.handle(), "main", source.handle(), "main");
            if (!backup)
                target.fail(context);
            const int rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                throw DataError::fromCode(rc, context);
        }
        source.exec(QStringLiteral("COMMIT"));
        BackupFolder::sync(temporary);
        try {
            BackupCheck::verify(temporary);
        } catch (const DataError &e) {
            throw DataError(e.number(), QStringLiteral("%1: salinannya tidak lolos pemeriksaan, database mungkin rusak.").arg(context));
        }
        return folder.place(temporary, now);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

QString BackupWriter::copy(const QString &backup, const BackupFolder &folder)
{
    // The folder is never made here: a missing USB stick's folder made on
    // the local disk would only look like a copy off the PC.
    if (!QFileInfo(folder.path()).isDir())
        throw DataError(DataError::CannotOpen, QStringLiteral("Folder %1 tidak ada (belum dipasang?).").arg(native(folder.path())));
    folder.removeLeftovers();
    const QDateTime stamp = BackupFolder::stampOf(QFileInfo(backup).fileName());
    const QString temporary = folder.temporaryName(stamp);
    try {
        BackupFolder::copyFile(backup, temporary);
        BackupCheck::verify(temporary);
        return folder.place(temporary, stamp);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}
