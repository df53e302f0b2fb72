#include "scene/XformInfo.h"
#include "render/D3DDrawHelper.h"
#include "tests/scene/SceneTestFixture.h"

namespace {

// Where a point of a node's own space lands under the record alone.
TAV_Vector3 Map(const TAV_XformInfo& xform, TAV_Vector3 point)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    helper.PushModelTransform();
    xform.SetUpModelTransform(helper);
    helper.TransformPoint(point);
    helper.PopModelTransform();
    return point;
}

void ExpectNear(TAV_Vector3 actual, float x, float y, float z)
{
    EXPECT_NEAR(actual.x, x, 1e-5f);
    EXPECT_NEAR(actual.y, y, 1e-5f);
    EXPECT_NEAR(actual.z, z, 1e-5f);
}

} // namespace

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
    TAV_XformInfo scaled;
    scaled.SetPivot(1.0f, 0.0f, 0.0f);
    scaled.SetScale(2.0f, 2.0f, 1.0f);
    ExpectNear(Map(scaled, TAV_Vector3(0.0f, 0.0f, 0.0f)), -1.0f, 0.0f, 0.0f);

    TAV_XformInfo turned;
    turned.SetPivot(1.0f, 0.0f, 0.0f);
    turned.SetRotationInDegrees(90.0f);
    ExpectNear(Map(turned, TAV_Vector3(0.0f, 0.0f, 0.0f)), 1.0f, -1.0f, 0.0f);
    turned.SetPivot(0.0f, 0.0f, 0.0f);
    ExpectNear(Map(turned, TAV_Vector3(0.0f, 0.0f, 0.0f)), 0.0f, 0.0f, 0.0f);

    // The translation comes after the turn about the pivot.
    turned.SetPivot(1.0f, 0.0f, 0.0f);
    turned.SetTranslation(10.0f, 20.0f, 0.0f);
    ExpectNear(Map(turned, TAV_Vector3(2.0f, 0.0f, 0.0f)), 11.0f, 21.0f, 0.0f);
}

TEST_F(XformInfoMapping, PivotAloneChangesNothingAndZeroScaleCollapsesOntoIt)
{
    TAV_XformInfo pivotOnly;
    pivotOnly.SetPivot(4.0f, -3.0f, 2.0f);
    ExpectNear(Map(pivotOnly, TAV_Vector3(5.0f, 7.0f, 1.0f)), 5.0f, 7.0f, 1.0f);

    TAV_XformInfo flattened;
    flattened.SetPivot(2.0f, 3.0f, 0.0f);
    flattened.SetScale(0.0f, 1.0f, 1.0f);
    ExpectNear(Map(flattened, TAV_Vector3(5.0f, 7.0f, 0.0f)), 2.0f, 7.0f, 0.0f);

    TAV_XformInfo mirrored;
    mirrored.SetScale(-1.0f, 1.0f, 1.0f);
    mirrored.SetRotationInDegrees(720.0f);
    ExpectNear(Map(mirrored, TAV_Vector3(3.0f, 1.0f, 0.0f)), -3.0f, 1.0f, 0.0f);
}

TEST_F(XformInfoMapping, PivotMarkerIsAWhiteDiscWithABlueCentre)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    TAV_XformInfo xform;
    xform.SetPivot(0.0f, 0.0f, 0.0f);
    helper.SetColor(TAV_Color(255, 0, 0, 255));
    xform.DrawPivot(helper, 6.0f);

    EXPECT_EQ(Pixel(8, 7), 0x0000FFu);
    // One pixel in from the rim vertex at +x (world (5, 0)): nearly white.
    const std::uint32_t nearRim = Pixel(13, 7);
    EXPECT_GE((nearRim >> 16) & 0xFFu, 200u);
    EXPECT_EQ(nearRim & 0xFFu, 0xFFu);
    EXPECT_EQ(Pixel(0, 0), Background);
}
