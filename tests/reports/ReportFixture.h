#pragma once

#include "TestDatabase.h"

#include "data/DataFolder.h"

#include <QFile>
#include <QString>

// Stays put straight into Transaksi, and the report file read back.
namespace ReportFixture {

struct Stay
{
    QString number;
    QString name;
    QString checkin;  // yyyy-MM-dd
    QString checkout; // yyyy-MM-dd
    int days;
    int persons;
    int price;
    double expense;
};

inline void add(const Stay &s)
{
    TestDatabase::insert(QStringLiteral("Transaksi"), {{QStringLiteral("NoTransaksi"), s.number},
                                                      {QStringLiteral("Nama"), s.name},
                                                      {QStringLiteral("Checkin"), s.checkin},
                                                      {QStringLiteral("Checkout"), s.checkout},
                                                      {QStringLiteral("Lama"), s.days},
                                                      {QStringLiteral("JumlahOrang"), s.persons},
                                                      {QStringLiteral("HargaSewa"), s.price},
                                                      {QStringLiteral("Pengeluaran"), s.expense}});
}

// The two stays of the worked examples.
inline void addExampleStays()
{
    add({QStringLiteral("001"), QStringLiteral("Tamu Satu"), QStringLiteral("2004-02-28"),
         QStringLiteral("2004-03-01"), 2, 1, 75000, 0});
    add({QStringLiteral("002"), QStringLiteral("Tamu Dua"), QStringLiteral("2004-02-29"),
         QStringLiteral("2004-03-02"), 2, 3, 40000, 15000});
}

// count stays "001", "002", ... of 20,000 each.
inline void addStays(int count)
{
    for (int i = 1; i <= count; ++i)
        add({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Tamu %1").arg(i),
             QStringLiteral("2004-02-28"), QStringLiteral("2004-03-01"), 2, 1, 10000, 0});
}

inline QByteArray reportFile()
{
    QFile f(DataFolder::reportFilePath());
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("(no report file)");
    return f.readAll();
}

inline QString lines(std::initializer_list<const char *> l)
{
    QStringList s;
    for (const char *line : l)
        s << QString::fromUtf8(line);
    return s.join(QStringLiteral("\r\n"));
}

} // namespace ReportFixture
