#pragma once

#include <QString>
#include <QVariant>

// The program's few settings, kept in DATA/penginapan.ini (INI format).
// Keys name their group: "Cadangan/FolderKedua", "Database/Server".
class Settings
{
public:
    // DATA/penginapan.ini
    static QString path();

    static QVariant value(const QString &key, const QVariant &defaultValue = QVariant());
    // Stores the value at once; throws DataError when the file cannot be written.
    static void setValue(const QString &key, const QVariant &value);
    static void remove(const QString &key);
};
