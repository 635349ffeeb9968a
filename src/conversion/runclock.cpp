#include "conversion/runclock.h"

#include <QtGlobal>

int EstimateRemainingSeconds(int elapsed, int totalPercent, int previous)
{
    if (totalPercent == 0)
        return previous;
    // elapsed / (p / 100) - elapsed is elapsed * (100 - p) / p: worked out in whole numbers, so
    // a half is a true half and goes to the even neighbour, never to a side by a rounding error
    // of the division.
    const qint64 numerator = qint64(elapsed) * (100 - totalPercent);
    const qint64 quotient = numerator / totalPercent;
    const qint64 remainder = numerator % totalPercent;
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const qint64 step = numerator < 0 ? -1 : 1;
    qint64 result = quotient;
    if (twice > totalPercent || (twice == totalPercent && quotient % 2 != 0))
        result += step;
    return int(result);
}
