#include "DurationText.h"

#include <algorithm>
#include <cmath>

namespace DurationText {

QString phrase(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(1, std::llround(seconds / 60.0));
    const qint64 days = minutes / 1440;
    const qint64 hours = minutes % 1440 / 60;
    const qint64 rest = minutes % 60;
    const auto hoursText = [](qint64 n) { return QStringLiteral("%1 hr.").arg(n); };
    if (days > 0) {
        const QString dayText = days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
        return hours > 0 ? dayText + QLatin1Char(' ') + hoursText(hours) : dayText;
    }
    const QString minutesText = QStringLiteral("%1 min.").arg(rest);
    if (hours > 0)
        return rest > 0 ? hoursText(hours) + QLatin1Char(' ') + minutesText : hoursText(hours);
    return minutesText;
}

}
