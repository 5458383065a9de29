#include "data/TableDef.h"

int TableDef::indexOf(const QString &field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TableDef::quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
