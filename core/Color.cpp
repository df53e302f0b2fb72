#include "core/Color.h"

#include "core/Rounding.h"

#include <algorithm>

TAV_Color::TAV_Color(int r, int g, int b, int a)
{
    set(r, g, b, a);
}

TAV_Color::TAV_Color(float r, float g, float b, float a)
{
    set(RoundToInt(r * 255.0), RoundToInt(g * 255.0), RoundToInt(b * 255.0), RoundToInt(a * 255.0));
}

TAV_Color::TAV_Color(unsigned int rgb, int a)
{
    set(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF, a);
}

void TAV_Color::set(int r, int g, int b, int a)
{
    const auto clamp = [](int c) { return static_cast<std::uint32_t>(std::clamp(c, 0, 255)); };
    argb_ = (clamp(a) << 24) | (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}
