#pragma once
// Dialog units: a quarter of the dialog font's average character width
// horizontally and an eighth of its height vertically.
#include "platform/win/WinTypes.h"

struct DialogBaseUnits
{
    int x = 0; // average character width in pixels
    int y = 0; // character height in pixels
};

// number * numerator / denominator, rounded half away from zero; -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);

// A rectangle given as left, top, width, height in dialog units, in pixels.
// The edges are converted, not the extent, as the platform does.
RECT DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits base);
