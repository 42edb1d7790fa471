#include "UsageHistory.h"

#include "usage/Figures.h"

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
    const QLocale c = QLocale::c();
    return withDay ? c.toString(local, QStringLiteral("ddd HH:mm")) : c.toString(local, QStringLiteral("HH:mm"));
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
    return window == Window::session ? QStringLiteral("Session") : QStringLiteral("Weekly");
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
    const QString points = QString::number(std::lround(standing.points));
    switch (standing.kind) {
    case Standing::Kind::ahead:
        return QStringLiteral("Ahead of pace · %1 points to spare").arg(points);
    case Standing::Kind::behind:
        return QStringLiteral("Behind pace · %1 points short").arg(points);
    case Standing::Kind::onPace:
        break;
    }
    return QStringLiteral("On pace");
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
    QString text = windowLabel(hit.window) + QStringLiteral(" limit reached ") + clockText(hit.reachedAt, zone, true);
    if (!hit.availableAt)
        return text + QStringLiteral(" · reset time unknown");
    const bool sameDay = QDateTime::fromSecsSinceEpoch(hit.reachedAt, zone).date()
                         == QDateTime::fromSecsSinceEpoch(*hit.availableAt, zone).date();
    return text + (hit.over ? QStringLiteral(" · available again ") : QStringLiteral(" · available again at "))
           + clockText(*hit.availableAt, zone, !sameDay);
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
    const QString over = span == Span::day ? QStringLiteral("the last 24 hours") : QStringLiteral("the last 7 days");
    if (shown.isEmpty())
        return title + QStringLiteral(": no records in ") + over + QLatin1Char('.');
    const auto lowest = std::min_element(shown.cbegin(), shown.cend(),
                                         [](const Point &a, const Point &b) { return a.left < b.left; });
    const qsizetype resetCount = resets(samples, now - spanSeconds(span), now).size();
    QString text = title + QStringLiteral(": ") + percentText(shown.last().left) + QStringLiteral(" left at ")
                   + clockText(shown.last().at, QTimeZone::systemTimeZone(), true) + QStringLiteral("; lowest ")
                   + percentText(lowest->left) + QStringLiteral(" in ") + over + QStringLiteral("; ")
                   + QString::number(resetCount) + (resetCount == 1 ? QStringLiteral(" reset") : QStringLiteral(" resets"));
    if (const auto stands = standing(samples, window, now))
        text += QStringLiteral("; ") + standingText(*stands).replace(QStringLiteral(" · "), QStringLiteral(", "));
    return text + QLatin1Char('.');
}

}
