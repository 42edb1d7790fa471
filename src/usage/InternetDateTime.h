#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Strict ISO-8601 internet date-time: "2026-12-06T18:30:00Z", "...T18:30:00.123456+02:00".
// A fraction of a second may have 1 to 9 digits; anything else is rejected.
std::optional<QDateTime> parseInternetDateTime(const QString &text);
