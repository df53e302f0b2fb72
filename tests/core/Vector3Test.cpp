#include "core/Vector3.h"

#include <gtest/gtest.h>

TEST(Vector3, NormalizeScalesToUnitLengthExceptZero)
{
    TAV_Vector3 v(3, 0, 4);
    v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
    TAV_Vector3 zero(0.0f);
    zero.Normalize();
    EXPECT_EQ(zero.Length(), 0.0f);
}
