#pragma once

#include <QString>

// The worked search example: the guest window, the criterion typed as jaya,
// the second record holding "Jaya Abadi" in Nama and "Jl. Jaya 5" in Alamat.
// The result text after Find First, byte for byte.
inline const QString &jayaGolden()
{
    static const QString text = QStringLiteral("Ditemukan data 'JAYA' pada:\r\n"
                                               "---------------------------\r\n"
                                               "\r\n"
                                               "  Record ke-2\r\n"
                                               "  - Nama field: Nama\r\n"
                                               "  - Isi field : Jaya Abadi\r\n"
                                               "  - Kolom ke  : 3 di tabel.\r\n"
                                               "\r\n"
                                               "  Record ke-2\r\n"
                                               "  - Nama field: Alamat\r\n"
                                               "  - Isi field : Jl. Jaya 5\r\n"
                                               "  - Kolom ke  : 4 di tabel.\r\n");
    return text;
}
