#include "Countdown.h"

namespace Countdown {

double intervalToNextBoundary(double remaining)
{
    for (const double boundary : boundaries) {
        if (boundary < remaining)
            return remaining - boundary;
    }
    return remaining;
}

}
