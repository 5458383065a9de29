#pragma once

#include <QDateTime>
#include <QList>

// Which backups to keep: every backup of the last 24 hours, and the newest
// backup of each of the last 30 days, of each of the last 12 months and of
// each year. The newest backup is always kept. A pure function of the
// backups' times and the clock.
class RetentionPlan
{
public:
    // The times among `stamps` whose backups are to be deleted, newest first.
    static QList<QDateTime> toDelete(const QList<QDateTime> &stamps, const QDateTime &now);
};
