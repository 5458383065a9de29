#pragma once

#include "data/TableDef.h"

#include <QStringList>

// The three tables of Zavav.mdb.
class Schema
{
public:
    static const TableDef &tamu();
    static const TableDef &transaksi();
    static const TableDef &pembelian();
    // All three, in that order.
    static QList<const TableDef *> tables();

    // Statements that create the tables in an empty database.
    static QStringList createStatements();

    // Marks the file as a database of this program (PRAGMA application_id).
    static constexpr int applicationId = 0x50474e50; // "PGNP"
    static constexpr int version = 1;
};
