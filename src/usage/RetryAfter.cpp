#include "RetryAfter.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>

namespace {

std::optional<QDateTime> httpDate(const QByteArray &field)
{
    // IMF-fixdate, the form every current server sends: "Wed, 21 Oct 2026 07:28:00 GMT".
    const QString text = QString::fromLatin1(field);
    if (!text.endsWith(QLatin1String(" GMT")))
        return std::nullopt;
    QDateTime at = QLocale::c().toDateTime(text.chopped(4), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss"));
    if (!at.isValid())
        return std::nullopt;
    at.setTimeZone(QTimeZone(0)); // the date is in GMT
    return at;
}

} // namespace

namespace RetryAfter {

std::optional<QDateTime> instant(const QByteArray &field, const QDateTime &now)
{
    const QDateTime latest = now.addSecs(longest.count());
    const bool digitsOnly = !field.isEmpty() && std::all_of(field.cbegin(), field.cend(), [](char c) {
        return c >= '0' && c <= '9';
    });
    std::optional<QDateTime> at;
    if (digitsOnly) {
        bool fits = false;
        const qlonglong seconds = field.toLongLong(&fits);
        at = !fits || seconds >= longest.count() ? latest : now.addSecs(seconds);
    } else {
        at = httpDate(field);
    }
    if (!at || *at <= now)
        return std::nullopt;
    return std::min(*at, latest);
}

QDateTime afterRateLimit(const QByteArray &field, int streak, const QDateTime &now)
{
    const qint64 doubled = rateLimitedAtLeast.count() << std::clamp(streak - 1, 0, 16);
    const QDateTime backOff = now.addSecs(std::min<qint64>(doubled, longest.count()));
    const std::optional<QDateTime> asked = instant(field, now);
    return asked ? std::max(*asked, backOff) : backOff;
}

}
