#pragma once

#include <QDateTime>

// Today and now. Tests fix them.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};
