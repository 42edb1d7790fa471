#pragma once

#include <QString>

#include <array>
#include <optional>

// What the panel title shows; the raw value is both the stored value and the picker label.
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
// Matches a raw value exactly (case-sensitive, whole string).
std::optional<DisplayFormat> fromRawValue(const QString &rawValue);

}
