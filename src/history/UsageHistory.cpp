#include "UsageHistory.h"

#include "usage/Figures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <QTimeZone>

namespace {

// A later reset instant this close to the known one belongs to the same period.
constexpr qint64 samePeriodTolerance = 600;
// Percentage points the value left may climb within a period, from rounding and jitter.
constexpr double climbTolerance = 1.0;

bool usedUp(const UsageHistory::Point &point)
{
    return Figures::remainingRounded(100 - point.left) <= 0;
}

QString clockText(qint64 at, const QTimeZone &zone, bool withDay)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(at, zone);
    // The day's name in the session's language, as the sentence around it is.
    const QLocale locale;
    return locale.toString(local, withDay ? QStringLiteral("ddd HH:mm") : QStringLiteral("HH:mm"));
}

QString percentText(double left)
{
    return Figures::pct(100 - left);
}

// A label is the user's own text: quoted when a comma, quote or line break would split it.
QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r'))
        return field;
    return '"' + field.replace('"', "\"\"") + '"';
}

} // namespace

namespace UsageHistory {

QString windowLabel(Window window)
{
    if (window == Window::session)
        //: The five-hour limit's name in the history window, as in "Session: 72% left"
        return QCoreApplication::translate("UsageHistory", "Session");
    //: The seven-day limit's name in the history window, as in "Weekly: 45% left"
    return QCoreApplication::translate("UsageHistory", "Weekly");
}

qint64 spanSeconds(Span span)
{
    return span == Span::day ? 24 * 3600 : 7 * 24 * 3600;
}

qint64 bucketSeconds(Span span)
{
    return span == Span::day ? 600 : 3600;
}

qint64 windowSeconds(Window window)
{
    return window == Window::session ? 5 * 3600 : 7 * 24 * 3600;
}

QList<Point> samples(const QList<HistoryEntry> &entries, const AccountId &account, Window window)
{
    QList<Point> points;
    for (const HistoryEntry &entry : entries) {
        const WindowSample &sample = entry.window(window);
        if (entry.account == account && sample.used)
            points.append({entry.at, 100 - *sample.used, sample.resetAt});
    }
    return points;
}

bool resetBetween(const Point &earlier, const Point &later)
{
    if (later.left > earlier.left + climbTolerance)
        return true;
    return earlier.resetAt && later.at >= *earlier.resetAt
           && (!later.resetAt || *later.resetAt > *earlier.resetAt + samePeriodTolerance);
}

QList<Point> bucketed(const QList<Point> &samples, Span span, qint64 now)
{
    const qint64 from = now - spanSeconds(span);
    const qint64 step = bucketSeconds(span);
    QList<Point> points;
    const Point *previous = nullptr;
    for (const Point &point : samples) {
        const bool inSpan = point.at >= from && point.at <= now;
        if (inSpan) {
            const bool sameBucket = !points.isEmpty() && points.last().at / step == point.at / step
                                    && previous && !resetBetween(*previous, point);
            if (sameBucket)
                points.last() = point;
            else
                points.append(point);
        }
        previous = &point;
    }
    return points;
}

QList<qint64> resets(const QList<Point> &samples, qint64 from, qint64 now)
{
    QList<qint64> instants;
    for (qsizetype i = 1; i < samples.size(); ++i) {
        const Point &earlier = samples[i - 1];
        const Point &later = samples[i];
        if (!resetBetween(earlier, later))
            continue;
        // The known reset instant when it lies between the two, or else the first sign of it.
        const bool known = earlier.resetAt && *earlier.resetAt > earlier.at && *earlier.resetAt <= later.at;
        const qint64 at = known ? *earlier.resetAt : later.at;
        if (at >= from && at <= now)
            instants.append(at);
    }
    return instants;
}

double PaceLine::leftAt(qint64 at) const
{
    const double length = double(resetAt - startAt);
    return std::clamp(100.0 * double(resetAt - at) / length, 0.0, 100.0);
}

std::optional<PaceLine> paceLine(const QList<Point> &samples, Window window, qint64 now)
{
    if (samples.isEmpty() || !samples.last().resetAt || *samples.last().resetAt <= now)
        return std::nullopt;
    const qint64 resetAt = *samples.last().resetAt;
    return PaceLine{resetAt - windowSeconds(window), resetAt};
}

std::optional<Standing> standing(const QList<Point> &samples, Window window, qint64 now)
{
    const auto line = paceLine(samples, window, now);
    if (!line)
        return std::nullopt;
    const Point &latest = samples.last();
    const double difference = latest.left - line->leftAt(std::max(latest.at, line->startAt));
    if (std::abs(difference) < onPaceMargin)
        return Standing{Standing::Kind::onPace, difference};
    return Standing{difference > 0 ? Standing::Kind::ahead : Standing::Kind::behind, std::abs(difference)};
}

QString standingText(const Standing &standing)
{
    // Ahead or behind by less than onPaceMargin is on pace, so there are always several points.
    const int points = static_cast<int>(std::lround(standing.points));
    switch (standing.kind) {
    case Standing::Kind::ahead:
        //: How the usage left stands against an even spread over the period; %n is percentage points more
        //: left than that. Keep " · ": the screen reader's summary reads it as a comma.
        return QCoreApplication::translate("UsageHistory", "Ahead of pace · %n points to spare", nullptr, points);
    case Standing::Kind::behind:
        //: %n is percentage points fewer left than an even spread over the period would leave
        return QCoreApplication::translate("UsageHistory", "Behind pace · %n points short", nullptr, points);
    case Standing::Kind::onPace:
        break;
    }
    //: The usage left is near what an even spread over the period would leave
    return QCoreApplication::translate("UsageHistory", "On pace");
}

QList<LimitHit> limitHits(const QList<Point> &samples, Window window, qint64 now)
{
    QList<LimitHit> hits;
    std::optional<LimitHit> open;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const Point &point = samples[i];
        if (open && resetBetween(samples[i - 1], point)) {
            const Point &last = samples[i - 1];
            const bool known = last.resetAt && *last.resetAt > last.at && *last.resetAt <= point.at;
            open->availableAt = known ? *last.resetAt : point.at;
            open->over = true;
            hits.append(*open);
            open.reset();
        }
        if (!open && usedUp(point))
            open = LimitHit{window, point.at, std::nullopt, false};
    }
    if (open) {
        // Still used up at the newest record: its reset instant says when it comes back.
        open->availableAt = samples.last().resetAt;
        open->over = open->availableAt && *open->availableAt <= now;
        hits.append(*open);
    }
    return hits;
}

QString hitText(const LimitHit &hit, const QTimeZone &zone)
{
    const QString reachedAt = clockText(hit.reachedAt, zone, true);
    QString reached;
    if (hit.window == Window::session)
        //: %1 is when the limit was used up, e.g. "Tue 14:05"
        reached = QCoreApplication::translate("UsageHistory", "Session limit reached %1").arg(reachedAt);
    else
        //: %1 is when the limit was used up, e.g. "Tue 14:05"
        reached = QCoreApplication::translate("UsageHistory", "Weekly limit reached %1").arg(reachedAt);
    if (!hit.availableAt)
        //: %1 is "Session limit reached Tue 14:05" or the weekly one
        return QCoreApplication::translate("UsageHistory", "%1 · reset time unknown").arg(reached);
    const bool sameDay = QDateTime::fromSecsSinceEpoch(hit.reachedAt, zone).date()
                         == QDateTime::fromSecsSinceEpoch(*hit.availableAt, zone).date();
    const QString availableAt = clockText(*hit.availableAt, zone, !sameDay);
    if (hit.over)
        //: %1 is "Session limit reached Tue 14:05" or the weekly one, %2 when it came back ("16:00", "Wed 09:00")
        return QCoreApplication::translate("UsageHistory", "%1 · available again %2").arg(reached, availableAt);
    //: %1 is "Session limit reached Tue 14:05" or the weekly one, %2 when it comes back ("16:00", "Wed 09:00")
    return QCoreApplication::translate("UsageHistory", "%1 · available again at %2").arg(reached, availableAt);
}

QByteArray csv(const QList<HistoryEntry> &entries, const Account &account, qint64 from, qint64 to)
{
    const auto isoTime = [](qint64 at) {
        return QDateTime::fromSecsSinceEpoch(at, QTimeZone::utc()).toUTC().toString(Qt::ISODate).toLatin1();
    };
    // The account's columns come last, so that readers by position find the others in their place.
    const QByteArray accountFields = ',' + csvField(account.id) + ',' + csvField(account.label);
    QByteArray text = "time,provider,window,percent_left,resets_at,account,label\n";
    for (const HistoryEntry &entry : entries) {
        if (entry.account != account.id || entry.at < from || entry.at > to)
            continue;
        for (const Window window : allWindows) {
            const WindowSample &sample = entry.window(window);
            if (!sample.used)
                continue;
            text += isoTime(entry.at) + ',' + Providers::of(entry.provider).id.toLatin1() + ','
                    + UsageWindows::windowName(window).toLatin1() + ',' + QByteArray::number(100 - *sample.used, 'g', 6)
                    + ',' + (sample.resetAt ? isoTime(*sample.resetAt) : QByteArray()) + accountFields + '\n';
        }
    }
    return text;
}

QString summary(const QList<Point> &samples, Window window, Span span, qint64 now)
{
    const QString title = windowLabel(window);
    const QList<Point> shown = bucketed(samples, span, now);
    const bool day = span == Span::day;
    if (shown.isEmpty() && day)
        //: Read by a screen reader; %1 is the limit ("Session", "Weekly")
        return QCoreApplication::translate("UsageHistory", "%1: no records in the last 24 hours.").arg(title);
    if (shown.isEmpty())
        //: Read by a screen reader; %1 is the limit ("Session", "Weekly")
        return QCoreApplication::translate("UsageHistory", "%1: no records in the last 7 days.").arg(title);
    const auto lowest = std::min_element(shown.cbegin(), shown.cend(),
                                         [](const Point &a, const Point &b) { return a.left < b.left; });
    const int resetCount = static_cast<int>(resets(samples, now - spanSeconds(span), now).size());
    //: How many times the limit was reset in the span, read by a screen reader
    QString resetText = QCoreApplication::translate("UsageHistory", "%n resets", nullptr, resetCount);
    if (resetCount == 1)
        //: The limit was reset once in the span, read by a screen reader
        resetText = QCoreApplication::translate("UsageHistory", "1 reset");
    const QString left = percentText(shown.last().left);
    const QString at = clockText(shown.last().at, QTimeZone::systemTimeZone(), true);
    const QString least = percentText(lowest->left);

    const auto stands = standing(samples, window, now);
    QString text;
    if (!stands && day)
        //: Read by a screen reader: %1 the limit ("Session"), %2 the percentage left now, %3 the day and
        //: time of that record ("Tue 14:05"), %4 the lowest percentage left, %5 "1 reset" or "3 resets"
        text = QCoreApplication::translate("UsageHistory", "%1: %2 left at %3; lowest %4 in the last 24 hours; %5.");
    else if (!stands)
        //: Read by a screen reader: %1 the limit ("Session"), %2 the percentage left now, %3 the day and
        //: time of that record ("Tue 14:05"), %4 the lowest percentage left, %5 "1 reset" or "3 resets"
        text = QCoreApplication::translate("UsageHistory", "%1: %2 left at %3; lowest %4 in the last 7 days; %5.");
    else if (day)
        //: Read by a screen reader: %1 the limit ("Session"), %2 the percentage left now, %3 the day and
        //: time of that record ("Tue 14:05"), %4 the lowest percentage left, %5 "1 reset" or "3 resets",
        //: %6 the pace ("Ahead of pace, 12 points to spare")
        text = QCoreApplication::translate("UsageHistory", "%1: %2 left at %3; lowest %4 in the last 24 hours; %5; %6.");
    else
        //: Read by a screen reader: %1 the limit ("Session"), %2 the percentage left now, %3 the day and
        //: time of that record ("Tue 14:05"), %4 the lowest percentage left, %5 "1 reset" or "3 resets",
        //: %6 the pace ("Ahead of pace, 12 points to spare")
        text = QCoreApplication::translate("UsageHistory", "%1: %2 left at %3; lowest %4 in the last 7 days; %5; %6.");
    if (!stands)
        return text.arg(title, left, at, least, resetText);
    // Spoken, the middle dot would be read out by name; a comma is a pause.
    const QString pace = standingText(*stands).replace(QStringLiteral(" · "), QStringLiteral(", "));
    return text.arg(title, left, at, least, resetText, pace);
}

}
