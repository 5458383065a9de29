#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

// One connection of our own straight through the SQLite library, for the
// work that Qt's driver does not offer (online copies, locks, checks of a
// file that must not be changed). Closed when it goes.
class SqliteFile
{
public:
    enum class Mode {
        ReadWrite,  // an existing database, read and written
        Create,     // a new file, created when missing
        ReadOnly,   // read only; takes part in the locking of other readers and writers
        Unchanging, // read only and never written by anyone (a finished backup): no locks, no side files
    };

    // Throws DataError (naming what in `context`) when the file cannot be opened.
    SqliteFile(const QString &path, Mode mode, const QString &context);
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    sqlite3 *handle() const { return m_db; }
    const QString &path() const { return m_path; }

    // Runs statements that return no rows of interest; throws DataError.
    void exec(const QString &sql);
    // The first column of the first row as text (empty when no row); throws DataError.
    QString text(const QString &sql);
    qint64 number(const QString &sql);
    void setBusyTimeout(int ms);
    // The column names of a table, in their order; throws DataError.
    QStringList columns(const QString &table);

    // The failure of the last call, in our words.
    [[noreturn]] void fail(const QString &context) const;

private:
    sqlite3_stmt *prepare(const QString &sql);

    sqlite3 *m_db = nullptr;
    QString m_path;
    QString m_context;
};
