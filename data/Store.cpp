#include "data/Store.h"

#include "data/FileStore.h"
#include "data/ServerStore.h"

std::unique_ptr<Store> Store::forLocation(const QString &location)
{
    if (location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return std::make_unique<ServerStore>(location);
    return std::make_unique<FileStore>(location);
}
