#include "scene/XformInfo.h"
#include "render/D3DDrawHelper.h"
#include "tests/scene/SceneTestFixture.h"

TEST(XformInfoDegrees, RoundTripsThroughSinglePrecisionFactors)
{
    TAV_XformInfo xform;
    xform.SetRotationInDegrees(90.0f);
    EXPECT_EQ(xform.GetRotationInRadians(), 1.5707964f);
    EXPECT_EQ(xform.GetRotationInDegrees(), 90.0f);
    xform.SetRotationInDegrees(1.0f);
    EXPECT_EQ(xform.GetRotationInDegrees(), 0.99999994f);
    xform.SetRotationInDegrees(10.0f);
    EXPECT_EQ(xform.GetRotationInDegrees(), 9.999999f);
    xform.SetRotationInDegrees(-725.0f);
    EXPECT_EQ(xform.GetRotationInRadians(), -725.0f * 0.017453292f);
}

using XformInfoMapping = SceneDeviceTest;

TEST_F(XformInfoMapping, ScalesAndRotatesAboutThePivotThenTranslates)
{
    // Pivot x, y; scale x, y; degrees; translation x, y; a point x, y and where it lands.
    const float cases[][11] = {
        {1, 0, 2, 2, 0, 0, 0, 0, 0, -1, 0},     // scaled about the pivot
        {1, 0, 1, 1, 90, 0, 0, 0, 0, 1, -1},    // turned about the pivot
        {0, 0, 1, 1, 90, 0, 0, 0, 0, 0, 0},     // pivot reset to the origin
        {1, 0, 1, 1, 90, 10, 20, 2, 0, 11, 21}, // translated after the turn
        {2, 3, 0, 1, 0, 0, 0, 5, 7, 2, 7},      // zero scale collapses onto the pivot
        {0, 0, -1, 1, 720, 0, 0, 3, 1, -3, 1},  // mirrored, two full turns
    };
    TAVD3D_DrawHelper helper;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TAV_XformInfo xform;
        xform.SetPivot(c[0], c[1], 0.0f);
        xform.SetScale(c[2], c[3], 1.0f);
        xform.SetRotationInDegrees(c[4]);
        xform.SetTranslation(c[5], c[6], 0.0f);
        helper.InitializeModelTransform();
        helper.PushModelTransform();
        xform.SetUpModelTransform(helper);
        TAV_Vector3 point(c[7], c[8], 0.0f);
        helper.TransformPoint(point);
        helper.PopModelTransform();
        EXPECT_NEAR(point.x, c[9], 1e-5f);
        EXPECT_NEAR(point.y, c[10], 1e-5f);
        EXPECT_NEAR(point.z, 0.0f, 1e-5f);
    }
}
