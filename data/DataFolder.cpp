#include "data/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString g_root;
QString g_server;
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

void DataFolder::setServer(const QString &uri)
{
    g_server = uri;
}

QString DataFolder::server()
{
    return g_server;
}

QString DataFolder::databaseLocation()
{
    return g_server.isEmpty() ? databasePath() : g_server;
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
