#include "platform/FileDialogs.h"

#include <QStringList>

QString FileDialogs::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return entries.join(QStringLiteral(";;"));
}
