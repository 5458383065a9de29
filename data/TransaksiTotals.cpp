#include "data/TransaksiTotals.h"

#include "data/Connection.h"
#include "data/Store.h"

TransaksiTotals TransaksiTotals::read(Connection &connection)
{
    return connection.store().totals(connection.database());
}
