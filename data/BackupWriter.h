#pragma once

#include <QDateTime>
#include <QString>

class BackupFolder;

// Writes verified backups of the database. A copy is made under a
// temporary name, written to the disk, checked, and only then given its
// final name, so a name of a backup always stands for a good one.
class BackupWriter
{
public:
    // Takes a consistent copy of the database while this or another program
    // writes (SQLite's online backup, in one read snapshot) into `folder`,
    // named after `now`. With onlyIfChanged nothing is written when the
    // folder's newest backup holds the same books. Gives the new backup's
    // path, or an empty one. Throws DataError.
    static QString backUp(const QString &database, const BackupFolder &folder, const QDateTime &now, bool onlyIfChanged);

    // Copies a finished backup into another, existing folder under its own
    // name, verified the same way. Gives the copy's path. Throws DataError.
    static QString copy(const QString &backup, const BackupFolder &folder);
};
