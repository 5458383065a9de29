#include "BenchData.h"

#include "data/Connection.h"
#include "data/DataFolder.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {

void fill(const QString &sql, int count, const std::function<void(QSqlQuery &, int)> &bind)
{
    Connection c(DataFolder::databasePath());
    QSqlDatabase db = c.database();
    db.transaction();
    QSqlQuery q(db);
    if (!q.prepare(sql))
        qFatal("bench data: %s", qPrintable(q.lastError().text()));
    for (int i = 0; i < count; ++i) {
        bind(q, i);
        if (!q.exec())
            qFatal("bench data: %s", qPrintable(q.lastError().text()));
    }
    db.commit();
}

QString isoDay(int i)
{
    return QDate(2000, 1, 1).addDays(i % 9000).toString(Qt::ISODate);
}

} // namespace

void BenchData::guests(int count)
{
    fill(QStringLiteral("INSERT INTO Tamu (\"No KTP/KTA\", Nama, Alamat, Kota, \"No Telpon\", Checkin, NoKamar, Harga, Status)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'Isi')"),
         count, [](QSqlQuery &q, int i) {
             q.bindValue(0, QStringLiteral("KTP%1").arg(i, 8, 10, QLatin1Char('0')));
             q.bindValue(1, QStringLiteral("Tamu Nomor %1").arg(i));
             q.bindValue(2, QStringLiteral("Jl. Merdeka %1").arg(i % 500));
             q.bindValue(3, QStringLiteral("Kalisor"));
             q.bindValue(4, QStringLiteral("0812%1").arg(i, 7, 10, QLatin1Char('0')));
             q.bindValue(5, isoDay(i));
             q.bindValue(6, QStringLiteral("PM %1").arg(i % 10 + 1, 2, 10, QLatin1Char('0')));
             q.bindValue(7, 60000);
         });
}

void BenchData::stays(int count)
{
    fill(QStringLiteral("INSERT INTO Transaksi (NoTransaksi, \"No ID\", \"No KTP/KTA\", Nama, Alamat, Kota, \"No Telpon\","
                        " Checkin, \"No Kamar\", HargaSewa, Checkout, Lama, JumlahOrang, TotalBayar, Pengeluaran)"
                        " VALUES (?, ?, ?, ?, ?, 'Kalisor', '0812', ?, 'PM 01', ?, ?, ?, ?, ?, ?)"),
         count, [](QSqlQuery &q, int i) {
             const int lama = i % 5 + 1;
             const int orang = i % 3 + 1;
             const int harga = i % 2 ? 60000 : 75000;
             q.bindValue(0, QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')));
             q.bindValue(1, QString::number(i + 1));
             q.bindValue(2, QStringLiteral("KTP%1").arg(i));
             q.bindValue(3, QStringLiteral("Tamu %1").arg(i % 10000));
             q.bindValue(4, QStringLiteral("Jl. Merdeka %1").arg(i % 500));
             q.bindValue(5, isoDay(i));
             q.bindValue(6, harga);
             q.bindValue(7, isoDay(i + lama));
             q.bindValue(8, lama);
             q.bindValue(9, orang);
             q.bindValue(10, double(lama) * harga * orang);
             q.bindValue(11, double(lama) * harga * orang * 0.25);
         });
}

void BenchData::purchases(int count)
{
    fill(QStringLiteral("INSERT INTO Pembelian (Tanggal, Nama, Jenis, Jumlah, Harga, Total) VALUES (?, ?, ?, ?, ?, ?)"),
         count, [](QSqlQuery &q, int i) {
             q.bindValue(0, isoDay(i));
             q.bindValue(1, QStringLiteral("Barang %1").arg(i % 1000));
             q.bindValue(2, QStringLiteral("001 PERLENGKAPAN"));
             q.bindValue(3, double(i % 7 + 1));
             q.bindValue(4, 2500.0);
             q.bindValue(5, double(i % 7 + 1) * 2500.0);
         });
}

void BenchData::lastGuestNamed(const QString &name)
{
    fill(QStringLiteral("INSERT INTO Tamu (Nama, NoKamar, Harga, Checkin) VALUES (?, 'PT 11', 75000, '2004-03-01')"), 1,
         [&](QSqlQuery &q, int) { q.bindValue(0, name); });
}
