#include "scene/XformInfo.h"

#include <gtest/gtest.h>

TEST(XformInfoDegrees, RoundTripsThroughSinglePrecisionFactors)
{
    TAV_XformInfo xform;
    xform.SetRotationInDegrees(90.0f);
    EXPECT_EQ(xform.GetRotationInRadians(), 1.5707964f);
    EXPECT_EQ(xform.GetRotationInDegrees(), 90.0f);
    xform.SetRotationInDegrees(1.0f);
    EXPECT_EQ(xform.GetRotationInDegrees(), 0.99999994f);
    xform.SetRotationInDegrees(-725.0f);
    EXPECT_EQ(xform.GetRotationInRadians(), -725.0f * 0.017453292f);
}
