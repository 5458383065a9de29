#include "platform/Printer.h"

Printer::Failure Printer::printerFailure(const QString &detail)
{
    Failure f;
    f.number = 482;
    f.description = QStringLiteral("Kesalahan printer");
    if (!detail.isEmpty())
        f.description += QStringLiteral(" (") + detail + QLatin1Char(')');
    return f;
}

QString Printer::noPrinterText()
{
    return QStringLiteral("Belum ada printer terinstall di\rkomputer Anda. Silahkan install\rprinter terlebih dulu!");
}

QString Printer::noPrinterTitle()
{
    return QStringLiteral("Printer Belum Diinstall");
}

QString Printer::failureText(const Failure &failure)
{
    return QStringLiteral("Kesalahan nomor: %1. Keterangan: %2\r\rKemungkinan printer belum diaktifkan\r"
                          "atau kertas habis/belum dipasang!\rNyalakan printer atau pasang kertas,\r"
                          "lalu klik menu Cetak kembali!")
        .arg(failure.number)
        .arg(failure.description);
}

QString Printer::failureTitle()
{
    return QStringLiteral("Printer Error");
}
