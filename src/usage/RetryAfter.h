#pragma once

#include <QByteArray>
#include <QDateTime>

#include <chrono>
#include <optional>

// When a service that answered with a Retry-After field may be asked again.
namespace RetryAfter {

// Longer waits are shortened to this, so that one odd answer never silences a provider for long.
inline constexpr std::chrono::seconds longest{3600};

// The instant `field` (delay-seconds or an HTTP date) names, at most `longest` after `now`;
// nothing for an absent or unreadable field, or an instant that is not in the future.
std::optional<QDateTime> instant(const QByteArray &field, const QDateTime &now);

}
