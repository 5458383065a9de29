#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>

// One report row, filled from one Transaksi record, with its income and
// balance in 32-bit integers.
struct BarisLaporan
{
    QString NoTransaksi;
    QString Nama;
    QDate Checkin;
    qint32 JumlahOrang = 0;
    qint32 HargaSewa = 0;
    qint32 Lama = 0;
    qint32 Pendapatan = 0;
    qint32 Pengeluaran = 0;
    qint32 Saldo = 0;
    QDate Checkout;

    // A field of the current record by its name.
    using Field = std::function<QVariant(const QString &)>;
    enum class CheckoutField { Read, NotRead };

    // Fills the row from a record and computes Pendapatan = Lama x
    // JumlahOrang x HargaSewa and Saldo = Pendapatan - Pengeluaran. Numbers
    // round half to even. Throws ReportError on an empty field, a field of the
    // wrong kind or a value beyond 32 bits.
    static BarisLaporan fromRecord(const Field &field, CheckoutField checkout = CheckoutField::Read);
};
