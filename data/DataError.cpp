#include "data/DataError.h"

#include <QSqlError>

DataError::DataError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8())
{
}

const char *DataError::what() const noexcept
{
    return m_what.constData();
}

DataError DataError::fromSql(const QSqlError &error, const QString &context)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return fromCode(ok ? code : -1, error.databaseText().isEmpty() ? error.text() : error.databaseText(), context);
}

DataError DataError::fromCode(int code, const QString &detail, const QString &context)
{
    const int primary = code < 0 ? -1 : (code & 0xff);
    const QString suffix = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    switch (primary) {
    case 19: // SQLITE_CONSTRAINT
        return DataError(KeyViolation,
                         context + QStringLiteral(": data ditolak karena kunci sudah ada") + suffix);
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return DataError(Locked, context + QStringLiteral(": database sedang dipakai program lain") + suffix);
    case 13: // SQLITE_FULL
        return DataError(WriteFailed, context + QStringLiteral(": disk penuh") + suffix);
    case 10: // SQLITE_IOERR
        return DataError(WriteFailed, context + QStringLiteral(": kesalahan baca/tulis disk") + suffix);
    case 8: // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
    case 23: // SQLITE_AUTH
        return DataError(CannotOpen, context + QStringLiteral(": database tidak dapat dibuka atau ditulis (folder data hanya-baca atau tanpa izin?)") + suffix);
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return DataError(NotOurDatabase, context + QStringLiteral(": database rusak") + suffix);
    default:
        return DataError(StoreFailure, context + QStringLiteral(": kesalahan database") + suffix);
    }
}
