#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"

#include <gtest/gtest.h>

namespace {

const TAV_Color OpaqueWhite(255, 255, 255, 255);

// Counts the virtual enable calls that reach a derived helper.
class CountingDrawHelper : public TAV_DrawHelper
{
public:
    bool EnableBlending(bool on) override
    {
        ++blendingCalls;
        blending = on;
        return true;
    }
    bool EnableTexture(bool on) override
    {
        ++textureCalls;
        texturing = on;
        return true;
    }
    int blendingCalls = 0;
    int textureCalls = 0;
    bool blending = true;
    bool texturing = true;
};

} // namespace

TEST(DrawHelperState, ConstructionGivesTheDefaultsWithoutReachingDerivedEnables)
{
    const CountingDrawHelper helper;
    EXPECT_EQ(helper.GetLod(), 2);
    EXPECT_EQ(helper.GetShadeMode(), 1);
    EXPECT_EQ(helper.GetFillMode(), 2);
    EXPECT_FLOAT_EQ(helper.GetPointSize(), 1.0f);
    EXPECT_EQ(helper.GetColor(), OpaqueWhite);
    EXPECT_EQ(helper.GetShadeColor(), OpaqueWhite);
    EXPECT_TRUE(helper.GetTextureName().empty());
    EXPECT_EQ(helper.blendingCalls, 0);
    EXPECT_EQ(helper.textureCalls, 0);
}

TEST(DrawHelperState, ResetRestoresSizeAndColoursAndSwitchesBlendingAndTextureOff)
{
    CountingDrawHelper helper;
    helper.SetLod(0);
    helper.SetShadeMode(0);
    helper.SetFillMode(1);
    helper.SetTextureName(L"wood.bmp");
    helper.SetPointSize(4.0f);
    EXPECT_EQ(helper.SetColor(TAV_Color(255, 0, 0, 255)), OpaqueWhite);
    EXPECT_EQ(helper.SetColor(TAV_Color(0, 0, 255, 255)), TAV_Color(255, 0, 0, 255));
    helper.SetShadeColor(TAV_Color(0, 0, 0, 0));

    helper.ResetAttributes();
    EXPECT_FLOAT_EQ(helper.GetPointSize(), 1.0f);
    EXPECT_EQ(helper.GetColor(), OpaqueWhite);
    EXPECT_EQ(helper.GetShadeColor(), OpaqueWhite);
    EXPECT_EQ(helper.blendingCalls, 1);
    EXPECT_EQ(helper.textureCalls, 1);
    EXPECT_FALSE(helper.blending);
    EXPECT_FALSE(helper.texturing);
    EXPECT_EQ(helper.GetLod(), 0);
    EXPECT_EQ(helper.GetShadeMode(), 0);
    EXPECT_EQ(helper.GetFillMode(), 1);
    EXPECT_EQ(helper.GetTextureName(), L"wood.bmp");
}

// Regression: enabling blending or a texture without a device used to report success.
TEST(DrawHelperState, WithoutDeviceNothingIsDrawnOrEnabled)
{
    ASSERT_EQ(TAVD3D_GraphicsSystem::GetInstance().GetDevice(), nullptr);
    TAVD3D_DrawHelper helper;
    EXPECT_FALSE(helper.DrawPoint(0, 0, 0));
    EXPECT_FALSE(helper.DrawLine(0, 0, 0, 1, 1, 0));
    EXPECT_FALSE(helper.DrawCircle(0, 0, 0, 1));
    EXPECT_FALSE(helper.DrawRectangle(0, 0, 0, 1, 1, 0));
    EXPECT_FALSE(helper.InitializeModelTransform());
    EXPECT_FALSE(helper.PushModelTransform());
    EXPECT_FALSE(helper.AccumulateModelTransform(1, 2, 0, 1, 1, 1, 0, 0, 0, 0));
    EXPECT_FALSE(helper.PopModelTransform());
    EXPECT_FALSE(helper.EnableBlending(true));
    EXPECT_FALSE(helper.EnableTexture(true));

    // Mapping a point needs no device; with no stack yet it is the identity.
    TAV_Vector3 point(1, 2, 3);
    EXPECT_TRUE(helper.TransformPoint(point));
    EXPECT_FLOAT_EQ(point.x, 1.0f);
    EXPECT_FLOAT_EQ(point.y, 2.0f);
    EXPECT_FLOAT_EQ(point.z, 3.0f);
}
