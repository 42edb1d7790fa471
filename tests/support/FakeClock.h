#pragma once

#include "platform/Clock.h"
#include <QTimeZone>

// A clock that stands still until told to move.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc()))
        : current(std::move(start))
    {
    }
    QDateTime now() const override { return current; }
    void advance(qint64 milliseconds) { current = current.addMSecs(milliseconds); }

    QDateTime current;
};
