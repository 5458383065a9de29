#include "records/StayComputation.h"

#include "data/TextForms.h"

#include <limits>

std::optional<int> StayComputation::stayLength(const QString &checkin, const QDate &checkout)
{
    const std::optional<QDate> from = TextForms::parseDate(checkin);
    if (!from)
        return std::nullopt;
    const qint64 days = from->daysTo(checkout);
    if (days < std::numeric_limits<qint16>::min() || days > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(days);
}

QString StayComputation::expenseShare(const QString &lama, const QString &total)
{
    return TextForms::numberText(TextForms::leadingNumber(lama) * 0.25 * TextForms::leadingNumber(total));
}

StayComputation::Result StayComputation::onKeyPress(const Boxes &boxes, const QDate &today)
{
    Result r;
    r.checkout = TextForms::dateText(today);
    const std::optional<int> days = stayLength(boxes.checkin, today);
    if (!days)
        return r;
    QString lama = QString::number(*days);
    if (TextForms::leadingNumber(lama) == 0)
        lama = QStringLiteral("1"); // a stay that ends on its first day counts as one day
    r.lama = lama;
    // The share follows the total as it was before this key.
    r.pengeluaran = expenseShare(lama, boxes.total);
    r.total = TextForms::numberText(TextForms::leadingNumber(lama) * TextForms::leadingNumber(boxes.harga)
                                    * TextForms::leadingNumber(boxes.orang));
    return r;
}
