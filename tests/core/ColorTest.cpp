#include "core/Color.h"
#include "core/Rounding.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <utility>

TEST(RoundToInt, HalvesGoAwayFromZero)
{
    EXPECT_EQ(RoundToInt(2.5), 3);
    EXPECT_EQ(RoundToInt(-2.5), -3);
    EXPECT_EQ(RoundToInt(-0.4), 0);
    EXPECT_EQ(RoundToInt(0.49), 0);
    EXPECT_EQ(RoundToInt(-1.6), -2);
}

TEST(Color, FloatGettersAreExactAtTheEnds)
{
    EXPECT_EQ(TAV_Color(0, 0, 0, 255).GetAlphaF(), 1.0f);
    EXPECT_FLOAT_EQ(TAV_Color(0, 51, 0, 0).GetGreenF(), 0.2f);
}

// Int channels are clamped, float ones rounded half up and clamped, a colour reference is 0x00BBGGRR.
TEST(Color, ConstructorsPackClampedChannelsAsArgb)
{
    const std::pair<TAV_Color, std::uint32_t> cases[] = {
        {TAV_Color(300, -5, 128, 255), 0xFFFF0080u},      {TAV_Color(), 0u},
        {TAV_Color(1.0f, 0.5f, 0.0f, 1.0f), 0xFFFF8000u}, {TAV_Color(1.2f, -0.3f, 0.25f, 0.0f), 0x00FF0040u},
        {TAV_Color(0xFFFFFFFFu, 255), 0xFFFFFFFFu},       {TAV_Color(0x00332211u, 128), 0x80112233u}};
    for (const auto& [color, argb] : cases)
        EXPECT_EQ(color.GetARGB(), argb);
}
