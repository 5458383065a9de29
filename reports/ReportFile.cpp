#include "reports/ReportFile.h"

#include "data/DataError.h"
#include "platform/OwnFile.h"
#include "reports/ReportError.h"

#include <QDir>

#include <cerrno>

ReportFile::ReportFile(const QString &path) : m_path(path)
{
    int error = 0;
    if (!OwnFile::openEmptied(m_file, path, &error))
        fail(error);
}

void ReportFile::fail(int error) const
{
    throw ReportError(ReportError::FileAccess, QStringLiteral("Kesalahan akses file %1: %2")
                                                   .arg(QDir::toNativeSeparators(m_path), DataError::systemErrorText(error)));
}

void ReportFile::append(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (!m_file.seek(m_length) || m_file.write(bytes) != bytes.size() || m_file.write("\r\n", 2) != 2
        || !m_file.flush())
        fail(errno ? errno : EIO);
    m_length += bytes.size();
}
