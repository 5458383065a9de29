#pragma once

#include "data/FieldType.h"

#include <QList>
#include <QString>

struct FieldDef
{
    QString name;
    FieldType type;
};

// A table of the database: its name and its fields in their order.
struct TableDef
{
    QString name;
    QList<FieldDef> fields;

    int indexOf(const QString &field) const;
    // The quoted field names in their order, for a SELECT.
    QString columnList() const;
    // "Nama" -> "\"Nama\""; names hold blanks and slashes.
    static QString quoted(const QString &identifier);
};
