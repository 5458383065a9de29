#pragma once

#include "reports/ReportWindow.h"

// The recapitulation window: sums every transaction into the monthly
// recapitulation. The report file is left empty.
class frmlaprek : public ReportWindow
{
    Q_OBJECT

public:
    frmlaprek();

    // "SEMUA DATA" builds the recapitulation.
    void TampilData(const QString &category) override;
};
