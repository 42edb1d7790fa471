#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// How a figure reads wherever people see it: the panel, the menu, notices and reports.
namespace Figures {

// 100 minus the used percentage, rounded half away from zero, never -0.
double remainingRounded(double used);
// Remaining percentage of a used one: "73%", "-1%", or "new" when unknown.
QString pct(std::optional<double> used);
// Coarse countdown to a reset ("3h", "45m", "4d"), or "new" when unknown or passed.
QString timeRemaining(const std::optional<QDateTime> &resetAt, const QDateTime &now);

}
