#include "reports/ReportError.h"

ReportError::ReportError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1 %2").arg(number).arg(m_description).toUtf8())
{
}

ReportError ReportError::invalidArgument()
{
    return ReportError(InvalidArgument, QStringLiteral("Pemanggilan prosedur atau argumen tidak sah"));
}

ReportError ReportError::overflow()
{
    return ReportError(Overflow, QStringLiteral("Luapan bilangan (overflow)"));
}
