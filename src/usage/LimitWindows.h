#pragma once

#include "usage/UsageData.h"

// What a window's length makes of it, and how plans and lengths are named to people.
namespace LimitWindows {

inline constexpr qint64 daySeconds = 86400;
inline constexpr qint64 fiveHourSeconds = 5 * 3600;
inline constexpr qint64 weekSeconds = 7 * daySeconds;

// Rows a provider shows beyond its session and weekly ones.
inline constexpr int maxExtraRows = 6;

// Drops the windows beyond the first `maxExtraRows` that are neither session nor weekly.
void limitExtraRows(QList<LimitWindow> &windows);
// Up to a day is a session window, six to eight days a weekly one, anything else a length of its own.
LimitWindow::Kind kindForLength(qint64 seconds);
// "30-day", "36-hour": how a window of another length is named in its row.
QString lengthLabel(qint64 seconds);
// A plan's name as the service spells it ("plus", "max_5x") as people read it ("Plus", "Max 5x").
QString planName(const QString &serviceName);

}
