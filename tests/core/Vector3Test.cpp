#include "core/Vector3.h"

#include <gtest/gtest.h>

TEST(Vector3, NormalizeScalesToUnitLengthAndLeavesZeroAlone)
{
    TAV_Vector3 v(3, 0, 4);
    EXPECT_FLOAT_EQ(v.Length(), 5.0f);
    v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.0f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);

    TAV_Vector3 zero(0.0f);
    zero.Normalize();
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    EXPECT_EQ(zero.z, 0.0f);
}

TEST(Vector3, IndexBeyondOneIsZ)
{
    TAV_Vector3 v(1, 2, 3);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[1], 2.0f);
    EXPECT_EQ(v[2], 3.0f);
    EXPECT_EQ(v[3], 3.0f);
    EXPECT_EQ(v[-1], 3.0f);
    v[7] = 9.0f;
    EXPECT_EQ(v.z, 9.0f);
}

TEST(Vector3, Arithmetic)
{
    TAV_Vector3 a(1, 2, 3);
    const TAV_Vector3 b = 2.0f * a - TAV_Vector3(1.0f) + a / 2.0f;
    EXPECT_FLOAT_EQ(b.x, 1.5f);
    EXPECT_FLOAT_EQ(b.y, 4.0f);
    EXPECT_FLOAT_EQ(b.z, 6.5f);
    a += TAV_Vector3(1, 1, 1);
    a *= 2.0f;
    a /= 4.0f;
    EXPECT_FLOAT_EQ(a.x, 1.0f);
    EXPECT_FLOAT_EQ(a.z, 2.0f);
}
