#pragma once

#include "reports/ReportWindow.h"

// The receipts report window: builds the report of one of five categories
// into the pane and the report file, and opens text files into the pane.
class frmcetaklap : public ReportWindow
{
    Q_OBJECT

public:
    frmcetaklap();

    // "SEMUA DATA", "TANGGAL", "NOTRANSAKSI", "NAMA" or "HARGA".
    void TampilData(const QString &category) override;
    // Asks for a file name and shows the file's text in the pane; a cancel
    // or a file that cannot be read ends it silently.
    void BukaLaporan();
};
