#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The stay of a lodging transaction, computed from the texts of its boxes as
// they stand before a key reaches its box: the stay length from check-in to
// today (a stay of 0 days counts as 1), the expense share from the length and
// the total the last key computed, and the new total.
class StayComputation
{
public:
    struct Boxes
    {
        QString checkin; // "Checkin"
        QString lama;    // "Lama"
        QString harga;   // "Harga Sewa"
        QString orang;   // "Jumlah Orang"
        QString total;   // "Total Bayar"
    };

    struct Result
    {
        QString checkout; // today
        // Nothing when the check-in date cannot be read or the stay does not
        // fit a 16-bit whole number: length and totals stay as they are.
        std::optional<QString> lama;
        std::optional<QString> pengeluaran;
        std::optional<QString> total;
    };

    static Result onKeyPress(const Boxes &boxes, const QDate &today);

    // Days from check-in to check-out as a 16-bit whole number.
    static std::optional<int> stayLength(const QString &checkin, const QDate &checkout);
    // Lama x 0.25 x Total Bayar.
    static QString expenseShare(const QString &lama, const QString &total);
};
