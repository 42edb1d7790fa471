#pragma once

#include "usage/ProviderUsage.h"
#include <QTimeZone>

// The worked example of the panel title at noon: Claude 27 % / 59 % used, ChatGPT 10 % / 35 % used.
namespace WorkedExample {

inline const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), QTimeZone::utc());

inline ProviderUsage usage(double session, qint64 sessionReset, double weekly, qint64 weeklyReset,
                           const QString &sessionPhrase, const QString &weeklyPhrase)
{
    ProviderUsage u;
    u.sessionPercentage = session;
    u.weeklyPercentage = weekly;
    u.sessionResetAt = now.addSecs(sessionReset);
    u.weeklyResetAt = now.addSecs(weeklyReset);
    u.sessionLabel = sessionPhrase;
    u.weeklyLabel = weeklyPhrase;
    u.fetchedAt = now;
    return u;
}

inline ProviderUsage failed(const QString &error)
{
    ProviderUsage u;
    u.fetchedAt = now;
    u.error = error;
    return u;
}

inline const ProviderUsage claude = usage(27, 2 * 3600 + 600, 59, 3 * 86400 + 4 * 3600,
                                          QStringLiteral("Session resets in 2 hr."), QStringLiteral("Weekly resets in 3 days"));
inline const ProviderUsage chatGPT = usage(10, 40 * 60, 35, 6 * 86400 + 2 * 3600, QStringLiteral("Session resets in 40 min."),
                                           QStringLiteral("Weekly resets in 6 days"));

// A Team account: five hours 10 % used, no weekly window, and 30 days 12 % used resetting in 12 days.
inline ProviderUsage team()
{
    ProviderUsage u = usage(10, 40 * 60, 0, 0, QStringLiteral("Session resets in 40 min."), QString());
    u.weeklyPercentage.reset();
    u.weeklyResetAt.reset();
    u.weeklyLabel.reset();
    u.windows = {
        {QStringLiteral("primary_window"), QStringLiteral("Session"), LimitWindow::Kind::session, 18000, 10,
         u.sessionResetAt, u.sessionLabel},
        {QStringLiteral("secondary_window"), QStringLiteral("30-day"), LimitWindow::Kind::otherLength, 2592000, 12,
         now.addSecs(12 * 86400), QStringLiteral("resets in 1 wk.")},
    };
    u.plan = QStringLiteral("Team");
    return u;
}

} // namespace WorkedExample
