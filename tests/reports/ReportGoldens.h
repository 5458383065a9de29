#pragma once

#include "LocaleGrouping.h"
#include "ReportFixture.h"

#include <QString>

// The worked examples of the two reports, built from
// ReportFixture::addExampleStays() on 01/03/2004, without the line end
// that closes the report file. Written as under en_GB; the amounts take
// the running locale's grouping sign.
namespace ReportGoldens {

// frmcetaklap by name, the clerk asking for "Tamu".
inline QString receiptsExample()
{
    return withLocaleGrouping(ReportFixture::lines({
        " PENGINAPAN RERAR MERBALUTA KALISOR",
        " ",
        " LAPORAN PENERIMAAN KEUANGAN RERAR MERBALUNTA",
        " BERDASARKAN KATEGORI: Tamu (NAMA)",
        " Senin, 01/03/2004",
        "                                                                                            Halaman: 01",
        " =============================================================================================================",
        " No Trans     Nama                 Tgl Masuk     TglKeluar  LamaJumlah Harga   Pendapatan   Pengeluaran  Saldo  ",
        " -------------------------------------------------------------------------------------------------------------",
        "  1. 1    Tamu Satu                28/02/2004    01/03/2004    2   1   75,000    150,000          0    150,000",
        "  2. 2    Tamu Dua                 29/02/2004    02/03/2004    2   3   40,000    240,000     15,000    225,000",
        " -------------------------------------------------------------------------------------------------------------",
        " Total Pengunjung =     2;                                                    Total Besar Uang =       375,000",
        " =============================================================================================================",
        " ",
        "  Pengurus Ruriv,",
        " ",
        " ",
        " ",
        " ______________",
    }));
}

// frmlaprek for month 03/2004; the three amounts as printed, 13 wide.
inline QString recapitulation(const char *income, const char *expenses, const char *balance)
{
    return withLocaleGrouping(ReportFixture::lines({
               " -----------------------------------------------------------------------------------------------------------",
               "                           LAPORAN REKAPITULASI PENGINAPAN RERAR MERBALUNTA KALISOR",
               "                                        BULAN: 03/2004 ",
               " -----------------------------------------------------------------------------------------------------------",
               "",
           })
           + QStringLiteral("\r\n       Pendapatan                   = Rp ") + QString::fromLatin1(income)
           + QStringLiteral("\r\n       Pengeluaran                  = Rp ") + QString::fromLatin1(expenses)
           + QStringLiteral("\r\n\r\n ------------------------------------------------------ -\r\n")
           + QStringLiteral("       Saldo Sisa 03/2004           = Rp ") + QString::fromLatin1(balance)
           + QStringLiteral("\r\n")
           + ReportFixture::lines({
               " ===========================================================================================================",
               " ",
               "                                                                                       Kalisor,01/03/2004 ",
               "   KOMANDAN KORPAS,                    KADISPERS,             KASI YANPERS,            PENGURUS,               ",
               " ",
               " ",
               " ",
               " ",
               "   TRIWANDOKO.MSC,                   SULISTYO RAMLA           BUDI HARSANTO             SUPANG            ",
               " ______________________           ____________________     _____________________    _______________________               ",
               " KOLONEL PNB NRP.400101           MAYOR ADM NRP.400102     KAPTEN KAL NRP.400103    PNS III/a NIP.010000001               ",
           }));
}

inline QString recapitulationExample()
{
    return recapitulation("      390,000", "       15,000", "      375,000");
}

} // namespace ReportGoldens
