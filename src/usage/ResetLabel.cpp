#include "ResetLabel.h"

#include <QCoreApplication>

#include <cstdlib>

namespace ResetPhrases {

namespace {

// A unit's length and its counted texts. English abbreviates every unit but the day, and so has one
// form for any count but the day's one, which has texts of its own.
struct Unit
{
    qint64 seconds;
    const char *ahead;
    const char *ago;
    const char *aheadOne = nullptr;
    const char *agoOne = nullptr;
};

constexpr Unit units[] = {
    {365 * 86400,
     //: Time till a reset, abbreviated: in %n years
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n yr."),
     //: A reset instant already past, abbreviated: %n years ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n yr. ago")},
    {30 * 86400,
     //: Time till a reset, abbreviated: in %n months
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n mo."),
     //: A reset instant already past, abbreviated: %n months ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n mo. ago")},
    {7 * 86400,
     //: Time till a reset, abbreviated: in %n weeks
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n wk."),
     //: A reset instant already past, abbreviated: %n weeks ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n wk. ago")},
    {86400, QT_TRANSLATE_N_NOOP("RelativeTime", "in %n days"), QT_TRANSLATE_N_NOOP("RelativeTime", "%n days ago"),
     QT_TRANSLATE_NOOP("RelativeTime", "in 1 day"), QT_TRANSLATE_NOOP("RelativeTime", "1 day ago")},
    {3600,
     //: Time till a reset, abbreviated: in %n hours
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n hr."),
     //: A reset instant already past, abbreviated: %n hours ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n hr. ago")},
    {60,
     //: Time till a reset, abbreviated: in %n minutes
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n min."),
     //: A reset instant already past, abbreviated: %n minutes ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n min. ago")},
    {1,
     //: Time till a reset, abbreviated: in %n seconds
     QT_TRANSLATE_N_NOOP("RelativeTime", "in %n sec."),
     //: A reset instant already past, abbreviated: %n seconds ago
     QT_TRANSLATE_N_NOOP("RelativeTime", "%n sec. ago")},
};

} // namespace

QString relativeTime(const QDateTime &date, const QDateTime &relativeTo)
{
    const qint64 difference = relativeTo.secsTo(date);
    const Unit *chosen = &units[std::size(units) - 1];
    for (const Unit &unit : units) {
        if (std::llabs(difference) >= unit.seconds) {
            chosen = &unit;
            break;
        }
    }
    const auto count = static_cast<int>(std::llabs(difference) / chosen->seconds);
    const char *one = difference < 0 ? chosen->agoOne : chosen->aheadOne;
    if (count == 1 && one)
        return QCoreApplication::translate("RelativeTime", one);
    return QCoreApplication::translate("RelativeTime", difference < 0 ? chosen->ago : chosen->ahead, nullptr, count);
}

QString phrase(const QDateTime &resetAt, const QString &prefix, const QDateTime &now)
{
    //: A reset phrase: %1 is what resets ("Session resets"), %2 the time till then ("in 2 hr.")
    return QCoreApplication::translate("ResetPhrases", "%1 %2").arg(prefix, relativeTime(resetAt, now));
}

QString prefix(LimitWindow::Kind kind)
{
    switch (kind) {
    case LimitWindow::Kind::session:
        //: The start of the session (five-hour) window's reset phrase ("Session resets in 2 hr.")
        return QCoreApplication::translate("ResetPhrases", "Session resets");
    case LimitWindow::Kind::weekly:
        //: The start of the weekly window's reset phrase ("Weekly resets in 3 days")
        return QCoreApplication::translate("ResetPhrases", "Weekly resets");
    case LimitWindow::Kind::otherLength:
    case LimitWindow::Kind::extra:
        break;
    }
    //: The start of the reset phrase of a limit shown in a row of its own ("Opus weekly  12%  resets in 3 days")
    return QCoreApplication::translate("ResetPhrases", "resets");
}

} // namespace ResetPhrases
