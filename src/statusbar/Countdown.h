#pragma once

#include <array>
#include <optional>

// Where the coarse countdown label changes, and how long until the next change.
namespace Countdown {

inline constexpr double weekSeconds = 604800;

// Seconds before a reset at which the countdown label changes, from the top.
inline constexpr std::array<double, 23> boundaries{
    604800, 518400, 432000, 345600, 259200, 172800, 86400, 82800, 18000, 14400, 10800, 7200,
    3600,   2700,   1800,   900,    600,    300,    240,    180,    120,    60,    0,
};

// Seconds until the label for `remaining` seconds changes next (remaining > 0); beyond a week the
// label counts whole days and changes at each of them.
double intervalToNextBoundary(double remaining);

}
