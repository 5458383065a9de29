#include "data/DataError.h"

#include <QSqlError>

#include <cerrno>

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
    return fromCode(ok ? code : -1, context);
}

// The store's own texts are English; the clerk gets a description in
// Indonesian for each kind of failure instead.
DataError DataError::fromCode(int code, const QString &context)
{
    const int primary = code < 0 ? -1 : (code & 0xff);
    switch (primary) {
    case 19: // SQLITE_CONSTRAINT
        return DataError(KeyViolation, context + QStringLiteral(": data ditolak karena kunci sudah ada"));
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return DataError(Locked, context + QStringLiteral(": database sedang dipakai program lain"));
    case 13: // SQLITE_FULL
        return DataError(WriteFailed, context + QStringLiteral(": disk penuh"));
    case 10: // SQLITE_IOERR
        return DataError(WriteFailed, context + QStringLiteral(": kesalahan baca/tulis disk"));
    case 8: // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
    case 23: // SQLITE_AUTH
        return DataError(CannotOpen, context + QStringLiteral(": database tidak dapat dibuka atau ditulis (folder data hanya-baca atau tanpa izin?)"));
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return DataError(NotOurDatabase, context + QStringLiteral(": database rusak atau bukan database"));
    default:
        return DataError(StoreFailure, context + QStringLiteral(": kesalahan database (kode %1)").arg(code));
    }
}

QString DataError::systemErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QStringLiteral("tidak ada izin");
    case EROFS: return QStringLiteral("folder hanya-baca");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("disk penuh");
    case EFBIG: return QStringLiteral("disk penuh atau berkas terlalu besar untuk disk itu");
    case ENOENT: return QStringLiteral("folder atau berkas tidak ada");
    case ENOTDIR: return QStringLiteral("bagian jalurnya bukan folder");
    case EISDIR: return QStringLiteral("berupa folder, bukan berkas");
    case EEXIST: return QStringLiteral("sudah ada");
    case EIO: return QStringLiteral("kesalahan baca/tulis disk");
    case ENAMETOOLONG: return QStringLiteral("nama terlalu panjang");
    case ELOOP: return QStringLiteral("terlalu banyak tautan simbolik");
    default: return QStringLiteral("kesalahan sistem nomor %1").arg(error);
    }
}
