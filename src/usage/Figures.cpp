#include "Figures.h"

#include "usage/LimitWindows.h"

#include <array>
#include <cmath>

namespace {

struct CountdownStep
{
    double above; // the label holds for remaining times above this many seconds
    const char *label;
};

// Each label is the remaining time rounded up to the next step of this scale.
constexpr std::array<CountdownStep, 22> timeLabels{{
    {518400, "7d"}, {432000, "6d"}, {345600, "5d"}, {259200, "4d"}, {172800, "3d"}, {86400, "2d"},
    {82800, "1d"},  {18000, "23h"}, {14400, "5h"},  {10800, "4h"},  {7200, "3h"},   {3600, "2h"},
    {2700, "1h"},   {1800, "45m"},  {900, "30m"},   {600, "15m"},   {300, "10m"},   {240, "5m"},
    {180, "4m"},    {120, "3m"},    {60, "2m"},     {0, "1m"},
}};

} // namespace

namespace Figures {

double remainingRounded(double used)
{
    const double remaining = std::round(100.0 - used); // halves away from zero
    return remaining == 0 ? 0 : remaining;              // no "-0%"
}

QString pct(std::optional<double> used)
{
    if (!used)
        return QStringLiteral("new");
    return QString::number(remainingRounded(*used), 'f', 0) + QLatin1Char('%');
}

QString timeRemaining(const std::optional<QDateTime> &resetAt, const QDateTime &now)
{
    if (!resetAt)
        return QStringLiteral("new");
    const double remaining = now.msecsTo(*resetAt) / 1000.0;
    // Only windows longer than a week get here: whole days, rounded up like the rest of the scale.
    if (remaining > LimitWindows::weekSeconds)
        return QStringLiteral("%1d").arg(static_cast<qint64>(std::ceil(remaining / 86400)));
    for (const CountdownStep &step : timeLabels) {
        if (remaining > step.above)
            return QString::fromLatin1(step.label);
    }
    return QStringLiteral("new");
}

}
