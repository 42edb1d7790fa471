#pragma once

#include <QString>

#include <array>
#include <optional>

// What the panel title shows. The raw value is the stored value, English in every language; the
// label is what the picker shows, in the session's language.
enum class DisplayFormat {
    both,
    sessionOnly,
    weeklyOnly,
    sessionAndTimer,
    weeklyAndTimer,
};

namespace DisplayFormats {

inline constexpr std::array<DisplayFormat, 5> allCases{
    DisplayFormat::both,
    DisplayFormat::sessionOnly,
    DisplayFormat::weeklyOnly,
    DisplayFormat::sessionAndTimer,
    DisplayFormat::weeklyAndTimer,
};

QString rawValue(DisplayFormat format);
QString label(DisplayFormat format);
// Matches a raw value exactly (case-sensitive, whole string).
std::optional<DisplayFormat> fromRawValue(const QString &rawValue);

}
