#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A folder of backups: DATA/Cadangan, or the clerk's second folder. Backups
// are named Zavav-YYYYMMDD-HHMMSS.mdb (local time); a file under such a name
// is always a finished, verified copy, because copies are made under a
// temporary name and only renamed once checked.
class BackupFolder
{
public:
    explicit BackupFolder(const QString &path) : m_path(path) {}
    // DATA/Cadangan
    static BackupFolder primary();

    const QString &path() const { return m_path; }

    static QString fileName(const QDateTime &stamp);
    // The time in a backup's name; invalid for any other name.
    static QDateTime stampOf(const QString &fileName);

    // The backups in the folder, newest first (full paths).
    QStringList backups() const;

    // Creates the folder when missing; throws DataError when it cannot.
    void make() const;
    // A temporary name in the folder for a copy taken at `stamp`, this
    // program's own.
    QString temporaryName(const QDateTime &stamp) const;
    // Removes temporary files that programs of this computer no longer
    // running left behind.
    void removeLeftovers() const;
    // Gives a finished copy its final name, never replacing another backup:
    // a name taken already moves on by a second. Throws DataError.
    QString place(const QString &temporary, const QDateTime &stamp) const;
    // Deletes the backups the retention plan lets go; returns their paths.
    QStringList prune(const QDateTime &now) const;

    // Copies a file's bytes and writes them to the disk; throws DataError
    // naming the copy on failure.
    static void copyFile(const QString &from, const QString &to);
    // Writes a file's or a folder's data to the disk; throws DataError.
    static void sync(const QString &path);

private:
    QString m_path;
};
