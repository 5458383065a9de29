#pragma once

#include <QDateTime>
#include <QString>

// The backups of the books: a verified backup in DATA/Cadangan whenever the
// database changed since the newest one, a verified copy of it in the
// clerk's second folder, and old backups let go by the retention plan.
class Backups
{
public:
    struct Outcome
    {
        QString written;       // the new backup; empty when the newest one already held the books
        QString newest;        // the newest backup after the run
        QString secondProblem; // why the second folder got no copy; empty when it did or none is chosen
    };

    // Throws DataError when no backup could be written to DATA/Cadangan; a
    // failing second folder is only reported in the outcome.
    static Outcome run(const QDateTime &now, bool onlyIfChanged);
    // How a secondProblem is told to the clerk.
    static QString secondProblemText(const QString &problem);

    // The second folder from DATA/penginapan.ini; empty when none is chosen.
    static QString secondFolder();
    // An empty folder stops the copies. Throws DataError when the setting
    // cannot be stored.
    static void setSecondFolder(const QString &folder);

    // A message kept for the next start (a backup that failed as the program
    // ended), and taking it back out.
    static void leaveNotice(const QString &text);
    static QString takeNotice();
};
