#include "core/Rounding.h"

int RoundToInt(double x)
{
    if (x >= 0.0)
        return static_cast<int>(x + 0.5);
    return -static_cast<int>(0.5 - x);
}
