#include "data/Settings.h"

#include "data/DataError.h"
#include "data/DataFolder.h"

#include <QDir>
#include <QSettings>

namespace {

// QSettings writes the whole file anew under a temporary name and renames it.
void store(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw DataError(DataError::WriteFailed, QStringLiteral("Pengaturan tidak dapat disimpan ke %1.")
                                                    .arg(QDir::toNativeSeparators(Settings::path())));
}

} // namespace

QString Settings::path()
{
    return DataFolder::root() + QStringLiteral("/penginapan.ini");
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue)
{
    const QSettings settings(path(), QSettings::IniFormat);
    return settings.value(key, defaultValue);
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    QDir().mkpath(DataFolder::root());
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(key, value);
    store(settings);
}

void Settings::remove(const QString &key)
{
    QSettings settings(path(), QSettings::IniFormat);
    if (!settings.contains(key))
        return;
    settings.remove(key);
    store(settings);
}
