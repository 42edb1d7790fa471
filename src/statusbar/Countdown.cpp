#include "Countdown.h"

#include <cmath>

namespace Countdown {

double intervalToNextBoundary(double remaining)
{
    if (remaining > weekSeconds)
        return remaining - (std::ceil(remaining / 86400) - 1) * 86400;
    for (const double boundary : boundaries) {
        if (boundary < remaining)
            return remaining - boundary;
    }
    return remaining;
}

}
