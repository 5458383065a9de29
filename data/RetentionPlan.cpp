#include "data/RetentionPlan.h"

#include <QHash>
#include <QSet>
#include <algorithm>

QList<QDateTime> RetentionPlan::toDelete(const QList<QDateTime> &stamps, const QDateTime &now)
{
    QList<QDateTime> newestFirst = stamps;
    std::sort(newestFirst.begin(), newestFirst.end(), std::greater<QDateTime>());

    const QDate today = now.date();
    const QDate firstDay = today.addDays(-29);
    const QDate firstMonth = QDate(today.year(), today.month(), 1).addMonths(-11);
    QSet<QDate> daysTaken;
    QSet<int> monthsTaken;
    QSet<int> yearsTaken;

    QList<QDateTime> doomed;
    for (int i = 0; i < newestFirst.size(); ++i) {
        const QDateTime &t = newestFirst.at(i);
        const QDate day = t.date();
        bool keep = i == 0                                   // the newest one
                    || t.secsTo(now) < 24 * 60 * 60;         // the last 24 hours (and any from a clock set back)
        // Going newest first, the first backup met in a period is its newest.
        if (day >= firstDay && !daysTaken.contains(day)) {
            daysTaken.insert(day);
            keep = true;
        }
        const int month = day.year() * 12 + day.month();
        if (QDate(day.year(), day.month(), 1) >= firstMonth && !monthsTaken.contains(month)) {
            monthsTaken.insert(month);
            keep = true;
        }
        if (!yearsTaken.contains(day.year())) {
            yearsTaken.insert(day.year());
            keep = true;
        }
        if (!keep)
            doomed << t;
    }
    return doomed;
}
