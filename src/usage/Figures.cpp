#include "Figures.h"

#include "usage/LimitWindows.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace {

enum class Unit { days, hours, minutes };

struct CountdownStep
{
    double above; // the label holds for remaining times above this many seconds
    qint64 count;
    Unit unit;
};

// Each label is the remaining time rounded up to the next step of this scale.
constexpr std::array<CountdownStep, 22> timeLabels{{
    {518400, 7, Unit::days},    {432000, 6, Unit::days},    {345600, 5, Unit::days},   {259200, 4, Unit::days},
    {172800, 3, Unit::days},    {86400, 2, Unit::days},     {82800, 1, Unit::days},    {18000, 23, Unit::hours},
    {14400, 5, Unit::hours},    {10800, 4, Unit::hours},    {7200, 3, Unit::hours},    {3600, 2, Unit::hours},
    {2700, 1, Unit::hours},     {1800, 45, Unit::minutes},  {900, 30, Unit::minutes},  {600, 15, Unit::minutes},
    {300, 10, Unit::minutes},   {240, 5, Unit::minutes},    {180, 4, Unit::minutes},   {120, 3, Unit::minutes},
    {60, 2, Unit::minutes},     {0, 1, Unit::minutes},
}};

// A countdown abbreviated to fit the panel: "4d", "23h", "45m".
QString countdown(qint64 count, Unit unit)
{
    switch (unit) {
    case Unit::days:
        //: A countdown in whole days, abbreviated to fit the panel ("4d")
        return QCoreApplication::translate("Figures", "%1d").arg(count);
    case Unit::hours:
        //: A countdown in whole hours, abbreviated to fit the panel ("23h")
        return QCoreApplication::translate("Figures", "%1h").arg(count);
    case Unit::minutes:
        break;
    }
    //: A countdown in whole minutes, abbreviated to fit the panel ("45m")
    return QCoreApplication::translate("Figures", "%1m").arg(count);
}

// What a figure shows while it is unknown: no record has it yet, or its window has just reset.
QString unknown()
{
    //: Shown in the panel in place of a percentage or a countdown that is not known yet; keep it short
    return QCoreApplication::translate("Figures", "new");
}

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
        return unknown();
    return QString::number(remainingRounded(*used), 'f', 0) + QLatin1Char('%');
}

QString timeRemaining(const std::optional<QDateTime> &resetAt, const QDateTime &now)
{
    if (!resetAt)
        return unknown();
    const double remaining = now.msecsTo(*resetAt) / 1000.0;
    // Only windows longer than a week get here: whole days, rounded up like the rest of the scale.
    if (remaining > LimitWindows::weekSeconds)
        return countdown(static_cast<qint64>(std::ceil(remaining / 86400)), Unit::days);
    for (const CountdownStep &step : timeLabels) {
        if (remaining > step.above)
            return countdown(step.count, step.unit);
    }
    return unknown();
}

}
