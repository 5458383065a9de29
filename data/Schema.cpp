#include "data/Schema.h"

const TableDef &Schema::tamu()
{
    static const TableDef def{QStringLiteral("Tamu"),
                              {{QStringLiteral("NoID"), FieldType::Counter},
                               {QStringLiteral("No KTP/KTA"), FieldType::Text},
                               {QStringLiteral("Nama"), FieldType::Text},
                               {QStringLiteral("Alamat"), FieldType::Text},
                               {QStringLiteral("Kota"), FieldType::Text},
                               {QStringLiteral("No Telpon"), FieldType::Text},
                               {QStringLiteral("Checkin"), FieldType::Date},
                               {QStringLiteral("NoKamar"), FieldType::Text},
                               {QStringLiteral("Harga"), FieldType::WholeNumber},
                               {QStringLiteral("Status"), FieldType::Text}}};
    return def;
}

const TableDef &Schema::transaksi()
{
    static const TableDef def{QStringLiteral("Transaksi"),
                              {{QStringLiteral("NoTransaksi"), FieldType::Serial},
                               {QStringLiteral("No ID"), FieldType::Text},
                               {QStringLiteral("No KTP/KTA"), FieldType::Text},
                               {QStringLiteral("Nama"), FieldType::Text},
                               {QStringLiteral("Alamat"), FieldType::Text},
                               {QStringLiteral("Kota"), FieldType::Text},
                               {QStringLiteral("No Telpon"), FieldType::Text},
                               {QStringLiteral("Checkin"), FieldType::Date},
                               {QStringLiteral("No Kamar"), FieldType::Text},
                               {QStringLiteral("HargaSewa"), FieldType::WholeNumber},
                               {QStringLiteral("Checkout"), FieldType::Date},
                               {QStringLiteral("Lama"), FieldType::WholeNumber},
                               {QStringLiteral("JumlahOrang"), FieldType::WholeNumber},
                               {QStringLiteral("TotalBayar"), FieldType::Number},
                               {QStringLiteral("Pengeluaran"), FieldType::Number}}};
    return def;
}

QList<const TableDef *> Schema::tables()
{
    return {&tamu(), &transaksi(), &pembelian()};
}

const TableDef &Schema::pembelian()
{
    static const TableDef def{QStringLiteral("Pembelian"),
                              {{QStringLiteral("Tanggal"), FieldType::Date},
                               {QStringLiteral("Nama"), FieldType::Text},
                               {QStringLiteral("Jenis"), FieldType::Text},
                               {QStringLiteral("Jumlah"), FieldType::Number},
                               {QStringLiteral("Harga"), FieldType::Number},
                               {QStringLiteral("Total"), FieldType::Number}}};
    return def;
}

namespace {
QString columnType(FieldType type)
{
    switch (type) {
    case FieldType::Text: return QStringLiteral("TEXT");
    case FieldType::Date: return QStringLiteral("TEXT");
    case FieldType::WholeNumber: return QStringLiteral("INTEGER");
    case FieldType::Number: return QStringLiteral("REAL");
    case FieldType::Counter: return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Serial: return QStringLiteral("TEXT PRIMARY KEY NOT NULL");
    }
    return QString();
}

QString createTable(const TableDef &def)
{
    QStringList columns;
    for (const FieldDef &f : def.fields)
        columns << TableDef::quoted(f.name) + QLatin1Char(' ') + columnType(f.type);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(TableDef::quoted(def.name), columns.join(QStringLiteral(", ")));
}
} // namespace

QStringList Schema::createStatements()
{
    return {createTable(tamu()), createTable(transaksi()), createTable(pembelian()),
            QStringLiteral("CREATE INDEX \"Transaksi_Checkin\" ON \"Transaksi\" (\"Checkin\")"),
            QStringLiteral("CREATE INDEX \"Transaksi_HargaSewa\" ON \"Transaksi\" (\"HargaSewa\")")};
}
