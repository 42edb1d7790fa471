#pragma once

#include <QDateTime>

// The current moment, behind an interface so time can be stepped in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
