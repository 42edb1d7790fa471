#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Whether a window lasts until it resets at the pace of its samples since the last reset.
struct Forecast
{
    enum class Kind { runsOut, lastsUntilReset };
    Kind kind = Kind::lastsUntilReset;
    QDateTime exhaustedAt; // when it runs out; only for runsOut
};

namespace Pace {

// One sample of one window: seconds since the epoch, percent used, reset instant.
struct Point
{
    qint64 at = 0;
    double used = 0;
    std::optional<qint64> resetAt;
};

inline constexpr int minimumSamples = 3;
inline constexpr qint64 minimumSpanSeconds = 600;

// The forecast from a window's samples, oldest first, the newest being the current record.
// Only the newest run of the same period counts: the same reset instant (give or take a few
// minutes) and no drop in use. Nothing with fewer than 3 such samples, less than 10 minutes
// between them, no reset instant, or a window already used up.
std::optional<Forecast> forecast(const QList<Point> &points);

// What the menu adds to the row: "  · runs out in ~1 hr. 10 min.", "  · lasts until reset", or nothing.
QString menuSuffix(const std::optional<Forecast> &forecast, const QDateTime &now);

}
