#include "data/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString g_root;
}

void DataFolder::setRoot(const QString &dir)
{
    g_root = QDir(dir).absolutePath();
}

QString DataFolder::root()
{
    if (g_root.isEmpty())
        g_root = defaultRoot();
    return g_root;
}

QString DataFolder::databasePath()
{
    return root() + QStringLiteral("/Database/Zavav.mdb");
}

QString DataFolder::reportFilePath()
{
    return root() + QStringLiteral("/Lap.txt");
}

QString DataFolder::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/penginapan");
}
