#include "data/TableDef.h"

#include <QStringList>

int TableDef::indexOf(const QString &field) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields.at(i).name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TableDef::columnList() const
{
    QStringList names;
    for (const FieldDef &f : fields)
        names << quoted(f.name);
    return names.join(QStringLiteral(", "));
}

QString TableDef::quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
