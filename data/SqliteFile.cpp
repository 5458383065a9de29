#include "data/SqliteFile.h"

#include "data/DataError.h"
#include "data/TableDef.h"

#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

SqliteFile::SqliteFile(const QString &path, Mode mode, const QString &context) : m_path(path), m_context(context)
{
    int flags = SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    switch (mode) {
    case Mode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Mode::Unchanging:
        flags |= SQLITE_OPEN_READONLY;
        url.setQuery(QStringLiteral("immutable=1"));
        break;
    }
    const int rc = sqlite3_open_v2(url.toString(QUrl::FullyEncoded).toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DataError error = DataError::fromCode(m_db ? sqlite3_extended_errcode(m_db) : rc, context);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw error;
    }
    sqlite3_extended_result_codes(m_db, 1);
}

SqliteFile::~SqliteFile()
{
    sqlite3_close_v2(m_db);
}

void SqliteFile::fail(const QString &context) const
{
    throw DataError::fromCode(sqlite3_extended_errcode(m_db), context.isEmpty() ? m_context : context);
}

sqlite3_stmt *SqliteFile::prepare(const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        fail(QString());
    return statement;
}

void SqliteFile::exec(const QString &sql)
{
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QString());
}

QString SqliteFile::text(const QString &sql)
{
    sqlite3_stmt *statement = prepare(sql);
    QString result;
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DataError::fromCode(rc, m_context);
    return result;
}

qint64 SqliteFile::number(const QString &sql)
{
    sqlite3_stmt *statement = prepare(sql);
    qint64 result = 0;
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        result = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw DataError::fromCode(rc, m_context);
    return result;
}

void SqliteFile::setBusyTimeout(int ms)
{
    sqlite3_busy_timeout(m_db, ms);
}

QStringList SqliteFile::columns(const QString &table)
{
    sqlite3_stmt *statement = prepare(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(TableDef::quoted(table)));
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(statement); ++i)
        names << QString::fromUtf8(sqlite3_column_name(statement, i));
    sqlite3_finalize(statement);
    return names;
}
