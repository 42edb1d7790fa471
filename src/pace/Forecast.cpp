#include "Forecast.h"

#include "pace/DurationText.h"

#include <QCoreApplication>
#include <QTimeZone>

#include <cstdlib>

namespace {

// Reset instants of one period differ by seconds between polls; periods lie hours apart.
constexpr qint64 sameResetTolerance = 600;
// Use that falls by more than this between two samples means the window was reset between them.
constexpr double resetDrop = 1.0;

// Percent per second by least squares.
double slope(const QList<Pace::Point> &points)
{
    double meanX = 0;
    double meanY = 0;
    for (const Pace::Point &point : points) {
        meanX += double(point.at - points.first().at);
        meanY += point.used;
    }
    meanX /= points.size();
    meanY /= points.size();
    double covariance = 0;
    double variance = 0;
    for (const Pace::Point &point : points) {
        const double dx = double(point.at - points.first().at) - meanX;
        covariance += dx * (point.used - meanY);
        variance += dx * dx;
    }
    return variance > 0 ? covariance / variance : 0;
}

} // namespace

namespace Pace {

std::optional<Forecast> forecast(const QList<Point> &points)
{
    if (points.isEmpty() || !points.last().resetAt || points.last().used >= 100)
        return std::nullopt;
    const qint64 resetAt = *points.last().resetAt;

    QList<Point> period{points.last()};
    for (auto it = points.crbegin() + 1; it != points.crend(); ++it) {
        const bool samePeriod = it->resetAt && std::llabs(*it->resetAt - resetAt) <= sameResetTolerance
                                && it->used <= period.first().used + resetDrop;
        if (!samePeriod)
            break;
        period.prepend(*it);
    }
    if (period.size() < minimumSamples || period.last().at - period.first().at < minimumSpanSeconds)
        return std::nullopt;

    const double rate = slope(period);
    if (rate <= 0)
        return Forecast{Forecast::Kind::lastsUntilReset, {}};
    const double exhaustedAt = double(period.last().at) + (100 - period.last().used) / rate;
    if (exhaustedAt >= double(resetAt))
        return Forecast{Forecast::Kind::lastsUntilReset, {}};
    return Forecast{Forecast::Kind::runsOut, QDateTime::fromSecsSinceEpoch(static_cast<qint64>(exhaustedAt), QTimeZone::utc())};
}

QString menuSuffix(const std::optional<Forecast> &forecast, const QDateTime &now)
{
    if (!forecast)
        return {};
    if (forecast->kind == Forecast::Kind::lastsUntilReset) {
        //: Added to a window's row in the menu (keep the two leading spaces) when its usage, at the current pace, lasts
        //: until the window resets
        return QCoreApplication::translate("Pace", "  · lasts until reset");
    }
    //: Added to a window's row in the menu (keep the two leading spaces): at the current pace the limit is reached
    //: in about %1 ("3 hr. 20 min.")
    return QCoreApplication::translate("Pace", "  · runs out in ~%1").arg(DurationText::phrase(now.secsTo(forecast->exhaustedAt)));
}

}
