#include "reports/Recapitulation.h"

#include "data/TextForms.h"
#include "reports/Module1.h"

namespace {
const QString kEnd = QStringLiteral("\r\n");
const QString kAmount = QStringLiteral("#,###,###,###");

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString rule(QChar c, int n)
{
    return QLatin1Char(' ') + QString(n, c);
}
} // namespace

void Recapitulation::add(const BarisLaporan &row)
{
    m_income += row.Pendapatan;
    m_expenses += row.Pengeluaran;
    m_balance += row.Saldo;
}

QString Recapitulation::text(const QDate &today) const
{
    const QString month = today.toString(QStringLiteral("MM/yyyy"));
    return rule(QLatin1Char('-'), 107) + kEnd
           + blanks(27) + QStringLiteral("LAPORAN REKAPITULASI PENGINAPAN RERAR MERBALUNTA KALISOR") + kEnd
           + blanks(40) + QStringLiteral("BULAN: ") + month + QStringLiteral(" ") + kEnd
           + rule(QLatin1Char('-'), 107) + kEnd
           + kEnd
           + QStringLiteral("       Pendapatan                   = Rp ") + Module1::RataKanan(m_income, kAmount) + kEnd
           + QStringLiteral("       Pengeluaran                  = Rp ") + Module1::RataKanan(m_expenses, kAmount) + kEnd
           + kEnd
           + QStringLiteral(" ------------------------------------------------------ -") + kEnd
           + QStringLiteral("       Saldo Sisa ") + month + QStringLiteral("           = Rp ")
           + Module1::RataKanan(m_balance, kAmount) + kEnd
           + rule(QLatin1Char('='), 107) + kEnd
           + QStringLiteral(" ") + kEnd
           + blanks(87) + QStringLiteral("Kalisor,") + TextForms::dateText(today) + QStringLiteral(" ") + kEnd
           + QStringLiteral("   KOMANDAN KORPAS,") + blanks(20) + QStringLiteral("KADISPERS,") + blanks(12)
           + QStringLiteral(" KASI YANPERS,") + blanks(12) + QStringLiteral("PENGURUS,") + blanks(15) + kEnd
           + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd + QStringLiteral(" ") + kEnd
           + QStringLiteral(" ") + kEnd
           + QStringLiteral("   TRIWANDOKO.MSC,") + blanks(19) + QStringLiteral("SULISTYO RAMLA") + blanks(11)
           + QStringLiteral("BUDI HARSANTO") + blanks(13) + QStringLiteral("SUPANG") + blanks(12) + kEnd
           + QLatin1Char(' ') + QString(22, QLatin1Char('_')) + blanks(11) + QString(20, QLatin1Char('_'))
           + blanks(5) + QString(21, QLatin1Char('_')) + blanks(4) + QString(23, QLatin1Char('_')) + blanks(15) + kEnd
           + QStringLiteral(" KOLONEL PNB NRP.400101") + blanks(11) + QStringLiteral("MAYOR ADM NRP.400102") + blanks(5)
           + QStringLiteral("KAPTEN KAL NRP.400103") + blanks(4) + QStringLiteral("PNS III/a NIP.010000001")
           + blanks(15);
}

void Recapitulation::addSums(qint64 income, qint64 expenses, qint64 balance)
{
    m_income += income;
    m_expenses += expenses;
    m_balance += balance;
}
