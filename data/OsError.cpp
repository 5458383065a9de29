#include "data/OsError.h"

#include <cerrno>

QString OsError::describe(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("folder atau berkas tidak ada");
    case EACCES:
    case EPERM: return QStringLiteral("tidak ada izin");
    case EROFS: return QStringLiteral("disk hanya-baca");
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return QStringLiteral("disk penuh");
    case EIO: return QStringLiteral("kesalahan baca/tulis disk");
    case ENOTDIR: return QStringLiteral("bukan folder");
    case EXDEV: return QStringLiteral("berbeda disk");
    case EBUSY: return QStringLiteral("sedang dipakai");
    default: return QStringLiteral("kesalahan sistem nomor %1").arg(error);
    }
}
