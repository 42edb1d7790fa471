#include "DurationText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Two parts of a duration, the larger first: "2 days 3 hr.", "3 hr. 20 min.".
QString both(const QString &larger, const QString &smaller)
{
    //: A duration of two parts, the larger first: %1 is days or hours ("2 days"), %2 hours or minutes ("3 hr.")
    return QCoreApplication::translate("DurationText", "%1 %2").arg(larger, smaller);
}

} // namespace

namespace DurationText {

QString phrase(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(1, std::llround(seconds / 60.0));
    const qint64 days = minutes / 1440;
    const qint64 hours = minutes % 1440 / 60;
    const qint64 rest = minutes % 60;
    //: Hours, abbreviated ("3 hr.")
    const auto hoursText = [](qint64 n) { return QCoreApplication::translate("DurationText", "%n hr.", nullptr, int(n)); };
    if (days > 0) {
        const QString dayText = days == 1 ? QCoreApplication::translate("DurationText", "1 day") : QCoreApplication::translate("DurationText", "%n days", nullptr, int(days));
        return hours > 0 ? both(dayText, hoursText(hours)) : dayText;
    }
    //: Minutes, abbreviated ("20 min.")
    const QString minutesText = QCoreApplication::translate("DurationText", "%n min.", nullptr, int(rest));
    if (hours > 0)
        return rest > 0 ? both(hoursText(hours), minutesText) : hoursText(hours);
    return minutesText;
}

}
