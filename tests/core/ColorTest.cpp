#include "core/Color.h"
#include "core/Rounding.h"

#include <gtest/gtest.h>

TEST(RoundToInt, HalvesGoAwayFromZero)
{
    EXPECT_EQ(RoundToInt(2.5), 3);
    EXPECT_EQ(RoundToInt(-2.5), -3);
    EXPECT_EQ(RoundToInt(-0.4), 0);
    EXPECT_EQ(RoundToInt(0.49), 0);
    EXPECT_EQ(RoundToInt(-1.6), -2);
}

TEST(Color, IntChannelsAreClampedThenPackedAsArgb)
{
    const TAV_Color c(300, -5, 128, 255);
    EXPECT_EQ(c.GetARGB(), 0xFFFF0080u);
    EXPECT_EQ(TAV_Color().GetARGB(), 0u);
}

TEST(Color, FloatChannelsAreRoundedHalfUpWithinRange)
{
    EXPECT_EQ(TAV_Color(1.0f, 0.5f, 0.0f, 1.0f).GetARGB(), 0xFFFF8000u);
    EXPECT_EQ(TAV_Color(1.2f, -0.3f, 0.25f, 0.0f).GetARGB(), 0x00FF0040u);
}

TEST(Color, FloatGettersAreExactAtTheEnds)
{
    EXPECT_EQ(TAV_Color(0, 0, 0, 255).GetAlphaF(), 1.0f);
    EXPECT_FLOAT_EQ(TAV_Color(0, 51, 0, 0).GetGreenF(), 0.2f);
}

TEST(Color, ColourReferenceIsBlueGreenRed)
{
    EXPECT_EQ(TAV_Color(0xFFFFFFFFu, 255).GetARGB(), 0xFFFFFFFFu);
    // 0x00BBGGRR: red 0x11, green 0x22, blue 0x33.
    EXPECT_EQ(TAV_Color(0x00332211u, 128).GetARGB(), 0x80112233u);
}
