#pragma once

#include "statusbar/ProviderUsage.h"
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

} // namespace WorkedExample
