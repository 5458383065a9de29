#include "reports/ReceiptsReport.h"

#include "data/TextForms.h"
#include "reports/Module1.h"

namespace {
const QString kEnd = QStringLiteral("\r\n");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString rule(QChar c, int n)
{
    return QLatin1Char(' ') + QString(n, c);
}
} // namespace

ReceiptsReport::ReceiptsReport(const QString &criterion, const QString &category, const QString &dayName,
                               const QDate &today)
    : m_criterion(criterion), m_category(category), m_dayName(dayName), m_today(today)
{
}

QString ReceiptsReport::header() const
{
    return QStringLiteral(" PENGINAPAN RERAR MERBALUTA KALISOR") + kEnd
           + QStringLiteral(" ") + kEnd
           + QStringLiteral(" LAPORAN PENERIMAAN KEUANGAN RERAR MERBALUNTA") + kEnd
           + QStringLiteral(" BERDASARKAN KATEGORI: ") + m_criterion + QStringLiteral(" (") + m_category
           + QStringLiteral(")") + kEnd
           + QStringLiteral(" ") + m_dayName + QStringLiteral(", ") + TextForms::dateText(m_today) + kEnd
           + blanks(92) + QStringLiteral("Halaman: 01") + kEnd
           + rule(QLatin1Char('='), 109) + kEnd
           + QStringLiteral(" No Trans     Nama                 Tgl Masuk     TglKeluar  LamaJumlah Harga   "
                            "Pendapatan   Pengeluaran  Saldo  ") + kEnd
           + rule(QLatin1Char('-'), 109) + kEnd;
}

QString ReceiptsReport::pageBreak(int page) const
{
    const QString carried = Module1::RataKanan(m_total, QStringLiteral("#,###,###,###"));
    return rule(QLatin1Char('-'), 124) + kEnd
           + QStringLiteral(" Dipindahkan") + blanks(80) + carried + kEnd
           + rule(QLatin1Char('='), 117) + kEnd
           + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd
           + blanks(89) + QStringLiteral("Halaman: ") + QStringLiteral("%1").arg(page, 2, 10, QLatin1Char('0')) + kEnd
           + rule(QLatin1Char('='), 99) + kEnd
           + QStringLiteral(" No Trans      Nama                 Tgl Keluar        Lama     Jumlah      Harga"
                            "          Total     ") + kEnd
           + rule(QLatin1Char('-'), 99) + kEnd
           + QStringLiteral(" Pindahan") + blanks(76) + carried + kEnd;
}

QString ReceiptsReport::startRow()
{
    if (m_rowsOnPage != RowsPerPage)
        return QString();
    m_rowsOnPage = 0;
    ++m_page;
    return pageBreak(m_page);
}

QString ReceiptsReport::row(const BarisLaporan &b)
{
    const QString text = Module1::RataKanan(m_rows + 1, QStringLiteral("###")) + QStringLiteral(". ")
            + Module1::RataKiri(b.NoTransaksi, QStringLiteral("###")) + blanks(2)
            + Module1::RataKiri(b.Nama, QStringLiteral("######################")) + blanks(3)
            + TextForms::dateText(b.Checkin) + blanks(4)
            + TextForms::dateText(b.Checkout) + blanks(4)
            + Module1::RataKiri(b.Lama, QStringLiteral("##")) + blanks(2)
            + Module1::RataKiri(b.JumlahOrang, QStringLiteral("##")) + blanks(2)
            + Module1::RataKiri(b.HargaSewa, QStringLiteral("##,###")) + blanks(2)
            + Module1::RataKanan(b.Pendapatan, QStringLiteral("#,###,###")) + blanks(2)
            + Module1::RataKanan(b.Pengeluaran, QStringLiteral("#,###,###")) + blanks(2)
            + Module1::RataKanan(b.Saldo, QStringLiteral("#,###,###")) + kEnd;
    ++m_rows;
    ++m_rowsOnPage;
    m_total += b.Saldo;
    return text;
}

QString ReceiptsReport::closing() const
{
    return rule(QLatin1Char('-'), 109) + kEnd
           + QStringLiteral(" Total Pengunjung = ") + Module1::RataKanan(m_rows, QStringLiteral("#,###"))
           + QStringLiteral(";") + blanks(52) + QStringLiteral("Total Besar Uang = ")
           + Module1::RataKanan(m_total, QStringLiteral("#,###,###,###")) + kEnd
           + rule(QLatin1Char('='), 109) + kEnd
           + QStringLiteral(" ") + kEnd
           + QStringLiteral("  Pengurus Ruriv,") + kEnd
           + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd
           + QStringLiteral(" ______________");
}
