#include "platform/win/DialogUnits.h"

#include <cstdint>
#include <cstdlib>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = std::llabs(denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits base)
{
    return RECT{MulDiv(x, base.x, 4), MulDiv(y, base.y, 8), MulDiv(x + cx, base.x, 4),
                MulDiv(y + cy, base.y, 8)};
}
