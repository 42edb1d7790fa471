#include "ResetLabel.h"

#include <QCoreApplication>

#include <cstdlib>

namespace ResetPhrases {

namespace {

enum class Unit { year, month, week, day, hour, minute, second };

struct UnitSpan
{
    qint64 seconds;
    Unit unit;
};

constexpr UnitSpan units[] = {
    {365 * 86400, Unit::year}, {30 * 86400, Unit::month}, {7 * 86400, Unit::week}, {86400, Unit::day},
    {3600, Unit::hour},        {60, Unit::minute},        {1, Unit::second},
};

QString translated(const char *text, int count)
{
    return QCoreApplication::translate("RelativeTime", text, nullptr, count);
}

// English abbreviates every unit but the day, and so has one form for any count but the day's one.
QString ahead(Unit unit, int n)
{
    switch (unit) {
    case Unit::year:
        //: Time till a reset, abbreviated: in %n years
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n yr."), n);
    case Unit::month:
        //: Time till a reset, abbreviated: in %n months
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n mo."), n);
    case Unit::week:
        //: Time till a reset, abbreviated: in %n weeks
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n wk."), n);
    case Unit::day:
        return n == 1 ? QCoreApplication::translate("RelativeTime", "in 1 day")
                      : translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n days"), n);
    case Unit::hour:
        //: Time till a reset, abbreviated: in %n hours
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n hr."), n);
    case Unit::minute:
        //: Time till a reset, abbreviated: in %n minutes
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n min."), n);
    case Unit::second:
        //: Time till a reset, abbreviated: in %n seconds
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "in %n sec."), n);
    }
    return {};
}

QString ago(Unit unit, int n)
{
    switch (unit) {
    case Unit::year:
        //: A reset instant already past, abbreviated: %n years ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n yr. ago"), n);
    case Unit::month:
        //: A reset instant already past, abbreviated: %n months ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n mo. ago"), n);
    case Unit::week:
        //: A reset instant already past, abbreviated: %n weeks ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n wk. ago"), n);
    case Unit::day:
        return n == 1 ? QCoreApplication::translate("RelativeTime", "1 day ago")
                      : translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n days ago"), n);
    case Unit::hour:
        //: A reset instant already past, abbreviated: %n hours ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n hr. ago"), n);
    case Unit::minute:
        //: A reset instant already past, abbreviated: %n minutes ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n min. ago"), n);
    case Unit::second:
        //: A reset instant already past, abbreviated: %n seconds ago
        return translated(QT_TRANSLATE_N_NOOP("RelativeTime", "%n sec. ago"), n);
    }
    return {};
}

} // namespace

QString relativeTime(const QDateTime &date, const QDateTime &relativeTo)
{
    const qint64 difference = relativeTo.secsTo(date);
    UnitSpan chosen = units[std::size(units) - 1];
    for (const UnitSpan &span : units) {
        if (std::llabs(difference) >= span.seconds) {
            chosen = span;
            break;
        }
    }
    const auto count = static_cast<int>(std::llabs(difference) / chosen.seconds);
    return difference < 0 ? ago(chosen.unit, count) : ahead(chosen.unit, count);
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
