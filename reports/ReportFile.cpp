#include "reports/ReportFile.h"

#include "reports/ReportError.h"

ReportFile::ReportFile(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail();
}

void ReportFile::fail() const
{
    throw ReportError(ReportError::FileAccess, QStringLiteral("Kesalahan akses file %1: %2")
                                                   .arg(m_file.fileName(), m_file.errorString()));
}

void ReportFile::append(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (!m_file.seek(m_length) || m_file.write(bytes) != bytes.size() || m_file.write("\r\n", 2) != 2
        || !m_file.flush())
        fail();
    m_length += bytes.size();
}
