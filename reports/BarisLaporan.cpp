#include "reports/BarisLaporan.h"

#include "reports/ReportError.h"

#include <QtNumeric>
#include <cmath>
#include <limits>

namespace {
QVariant present(const BarisLaporan::Field &field, const QString &name)
{
    const QVariant v = field(name);
    if (v.isNull())
        throw ReportError(ReportError::InvalidNull,
                          QStringLiteral("Penggunaan Null tidak sah (field %1 kosong)").arg(name));
    return v;
}

QString text(const BarisLaporan::Field &field, const QString &name)
{
    return present(field, name).toString();
}

qint32 whole(const BarisLaporan::Field &field, const QString &name)
{
    bool ok = false;
    const double v = present(field, name).toDouble(&ok);
    if (!ok)
        throw ReportError(ReportError::TypeMismatch, QStringLiteral("Tipe data tidak cocok (field %1)").arg(name));
    const double rounded = std::nearbyint(v); // to the even neighbour at a half
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        throw ReportError::overflow();
    return qint32(rounded);
}

QDate date(const BarisLaporan::Field &field, const QString &name)
{
    const QDate d = QDate::fromString(text(field, name), Qt::ISODate);
    if (!d.isValid())
        throw ReportError(ReportError::TypeMismatch, QStringLiteral("Tipe data tidak cocok (field %1)").arg(name));
    return d;
}
} // namespace

BarisLaporan BarisLaporan::fromRecord(const Field &field, CheckoutField checkout)
{
    BarisLaporan b;
    b.NoTransaksi = text(field, QStringLiteral("NoTransaksi"));
    b.Nama = text(field, QStringLiteral("Nama"));
    b.Checkin = date(field, QStringLiteral("Checkin"));
    b.JumlahOrang = whole(field, QStringLiteral("JumlahOrang"));
    b.HargaSewa = whole(field, QStringLiteral("HargaSewa"));
    b.Lama = whole(field, QStringLiteral("Lama"));
    b.Pengeluaran = whole(field, QStringLiteral("Pengeluaran"));
    if (checkout == CheckoutField::Read)
        b.Checkout = date(field, QStringLiteral("Checkout"));

    qint32 perPerson = 0;
    if (qMulOverflow(b.Lama, b.JumlahOrang, &perPerson) || qMulOverflow(perPerson, b.HargaSewa, &b.Pendapatan)
        || qSubOverflow(b.Pendapatan, b.Pengeluaran, &b.Saldo))
        throw ReportError::overflow();
    return b;
}
