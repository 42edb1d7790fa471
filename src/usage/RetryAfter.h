#pragma once

#include <QByteArray>
#include <QDateTime>

#include <chrono>
#include <optional>

// When a service that answered with a Retry-After field may be asked again.
namespace RetryAfter {

// Longer waits are shortened to this, so that one odd answer never silences a provider for long.
inline constexpr std::chrono::seconds longest{3600};

// The shortest wait after a refusal for too many requests (HTTP 429), whatever Retry-After said:
// services answer "Retry-After: 0", or nothing, while they go on refusing for long stretches.
inline constexpr std::chrono::seconds rateLimitedAtLeast{300};

// The instant `field` (delay-seconds or an HTTP date) names, at most `longest` after `now`;
// nothing for an absent or unreadable field, or an instant that is not in the future.
std::optional<QDateTime> instant(const QByteArray &field, const QDateTime &now);

// When to ask again after the `streak`-th refusal in a row for too many requests (1 for the
// first): five minutes, doubling with each further one, or later where `field` says so; never
// more than `longest` after `now`.
QDateTime afterRateLimit(const QByteArray &field, int streak, const QDateTime &now);

}
