#pragma once

#include <QString>
#include <QStringList>

// Choosing one item of a list (a backup to restore, for example).
class Choice
{
public:
    virtual ~Choice() = default;
    // The index of the chosen item, or -1 when the clerk cancels.
    virtual int choose(const QString &label, const QString &title, const QStringList &items) = 0;
};
