#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test moves it.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &at) : m_now(at) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &at) { m_now = at; }

private:
    QDateTime m_now;
};
