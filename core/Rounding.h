#pragma once

// Rounds half away from zero: 2.5 gives 3, -2.5 gives -3.
int RoundToInt(double x);
