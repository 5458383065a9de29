#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// Puts a backup in place of the database, so that it cannot make things
// worse: the chosen file is checked first (a damaged or foreign file is
// refused and nothing changes), the books as they are now are backed up,
// and the file goes into place in one rename, with the old database's
// leftover -wal/-shm removed so nothing of it is replayed into the
// restored books.
class Restorer
{
public:
    // closeAll closes every window and connection of this program that
    // holds the database; it is called once the chosen file is checked and
    // the current books are backed up. A restore while another program has
    // the database open is refused. Throws DataError; the database is then
    // as it was.
    static void restore(const QString &chosen, const QDateTime &now, const std::function<void()> &closeAll);
};
