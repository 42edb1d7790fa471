#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

// Processes events until the condition holds or the time is up; answers the condition.
template<typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}
