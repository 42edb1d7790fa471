#pragma once

#include "pace/HistoryStore.h"

#include <QTimeZone>

// What the history window shows of one account's window: its remaining percentages over a span,
// its resets, the even pace of its current period, and the times it was used up.
namespace UsageHistory {

enum class Span { day, week };

// "Session" or "Weekly".
QString windowLabel(Window window);

qint64 spanSeconds(Span span);
// One point per this step and period on the chart: ten minutes over a day, an hour over a week.
qint64 bucketSeconds(Span span);
// How long a period of the window lasts: five hours, or seven days.
qint64 windowSeconds(Window window);

// One kept sample: seconds since the epoch, percent left, reset instant.
struct Point
{
    qint64 at = 0;
    double left = 0;
    std::optional<qint64> resetAt;

    bool operator==(const Point &) const = default;
};

// The account's samples of the window, oldest first.
QList<Point> samples(const QList<HistoryEntry> &entries, const AccountId &account, Window window);

// Whether the window was reset between two consecutive samples: the earlier one's reset instant
// has passed and a later one is reported, or the value left climbed.
bool resetBetween(const Point &earlier, const Point &later);

// The samples of [now − span, now], one for each step and period: the last one in it.
QList<Point> bucketed(const QList<Point> &samples, Span span, qint64 now);

// The instants within [from, now] at which the window reset, oldest first.
QList<qint64> resets(const QList<Point> &samples, qint64 from, qint64 now);

// The even pace of the current period: 100 % left at its start, none at its reset.
struct PaceLine
{
    qint64 startAt = 0;
    qint64 resetAt = 0;

    double leftAt(qint64 at) const;
};
std::optional<PaceLine> paceLine(const QList<Point> &samples, Window window, qint64 now);

// How the newest sample of the current period stands against the even pace.
struct Standing
{
    enum class Kind { onPace, ahead, behind };
    Kind kind = Kind::onPace;
    double points = 0; // percentage points more (ahead) or fewer (behind) left than the even pace
};
inline constexpr double onPaceMargin = 5;
std::optional<Standing> standing(const QList<Point> &samples, Window window, qint64 now);
// "On pace", "Ahead of pace · 12 points to spare", "Behind pace · 12 points short".
QString standingText(const Standing &standing);

// A time the window was used up, and when it was (or will be) available again.
struct LimitHit
{
    Window window = Window::session;
    qint64 reachedAt = 0;
    std::optional<qint64> availableAt;
    bool over = false; // availableAt has passed

    bool operator==(const LimitHit &) const = default;
};
// Hits of the window, oldest first; a record gap over the reset ends a hit at its reset instant.
QList<LimitHit> limitHits(const QList<Point> &samples, Window window, qint64 now);
// "Session limit reached Tue 14:05 · available again 16:00" (the day again when it differs).
QString hitText(const LimitHit &hit, const QTimeZone &zone);

// The account's records within [from, to] as CSV: one row per record and window, each naming the
// account by its id (what scripts match) and its label.
QByteArray csv(const QList<HistoryEntry> &entries, const Account &account, qint64 from, qint64 to);

// A sentence for a screen reader: the value now, the lowest, the resets and the pace.
QString summary(const QList<Point> &samples, Window window, Span span, qint64 now);

}
