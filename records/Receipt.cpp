#include "records/Receipt.h"

#include <QStringList>

QString Receipt::text(const Texts &t)
{
    const QString margin(21, QLatin1Char(' '));
    const QStringList lines = {
        margin + QStringLiteral("ID Tamu") + t.idTamu,
        margin + QStringLiteral("Nama") + t.nama,
        margin + QStringLiteral("Alamat") + t.alamat,
        margin + QStringLiteral("Checkin") + t.checkin,
        margin + QStringLiteral("Checkout") + t.checkout,
        margin + QStringLiteral("Lama") + t.lama,
        margin + QStringLiteral("Total Bayar") + t.totalBayar,
    };
    return lines.join(QStringLiteral("\r\n"));
}
