#pragma once

#include "reports/BarisLaporan.h"

#include <QDate>
#include <QString>

// The monthly recapitulation ("LAPORAN REKAPITULASI"): the sums of income,
// expenses and balance over the rows added, not limited to 32 bits, with the
// month, the place and date line and the signature block.
class Recapitulation
{
public:
    void add(const BarisLaporan &row);
    // Sums the store has already made over rows that each read cleanly.
    void addSums(qint64 income, qint64 expenses, qint64 balance);

    // The whole text for a build on the given day; the last line has no line
    // end. Throws ReportError when a sum does not fit its field.
    QString text(const QDate &today) const;

    qint64 income() const { return m_income; }
    qint64 expenses() const { return m_expenses; }
    qint64 balance() const { return m_balance; }

private:
    qint64 m_income = 0;
    qint64 m_expenses = 0;
    qint64 m_balance = 0;
};
