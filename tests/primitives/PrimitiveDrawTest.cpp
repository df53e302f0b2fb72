#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "tests/primitives/RecordingDrawHelper.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

constexpr std::uint32_t OpaqueRed = 0xFFFF0000u;
constexpr std::uint32_t OpaqueWhite = 0xFFFFFFFFu;

// The base attribute sequence: a reset (which switches blending and texture off),
// then the primitive's own blending, texture name and texturing.
const Names BaseSetup = {"ResetAttributes", "EnableBlending", "EnableTexture",
                         "EnableBlending",  "SetTextureName", "EnableTexture"};

Names Concat(Names a, const Names& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A primitive with the base behaviour only: no volume of its own.
class BarePrimitive : public TAV_Primitive
{
public:
    void DrawPrimitive(int, TAV_DrawHelper& helper) override { helper.DrawPoint(0, 0, 0); }
};

} // namespace

TEST(PrimitiveDraw, InvisiblePrimitiveSendsNothingEvenWithItsOutlineOn)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(1);
    circle.SetDrawBoundingVolume(true);
    circle.SetVisible(false);
    RecordingDrawHelper helper;
    circle.Draw(2, helper);
    EXPECT_TRUE(helper.calls.empty());
}

TEST(PrimitiveDraw, CircleSetsItsAttributesThenDrawsInItsColours)
{
    TAV_PrimitiveCircle circle;
    circle.SetCenter(1, 2, 0);
    circle.SetRadius(3);
    circle.SetColor(TAV_Color(200, 0, 0, 100));
    circle.SetShadeColor(TAV_Color(0, 0, 255, 255));
    circle.SetFillMode(1);
    circle.SetShadeMode(0);
    circle.SetBlending(true);
    circle.SetTexturing(true);
    circle.SetTextureName(L"wood.bmp");
    RecordingDrawHelper helper;
    helper.SetLod(1);
    circle.Draw(0, helper);
    EXPECT_EQ(helper.GetLod(), 1);

    EXPECT_EQ(helper.Names(), Concat(BaseSetup, {"SetShadeMode", "SetFillMode", "DrawCircle"}));
    const RecordingDrawHelper::Call& draw = helper.calls.back();
    EXPECT_EQ(draw.args, (std::vector<float>{1, 2, 0, 3}));
    EXPECT_EQ(draw.color, 0x64C80000u);
    EXPECT_EQ(draw.shadeColor, 0xFF0000FFu);
    EXPECT_EQ(draw.shadeMode, 0);
    EXPECT_EQ(draw.fillMode, 1);
    EXPECT_EQ(draw.lod, 0);
    EXPECT_TRUE(draw.blending);
    EXPECT_TRUE(draw.texturing);
    EXPECT_EQ(helper.GetTextureName(), L"wood.bmp");
}

TEST(PrimitiveDraw, LineSetsNoFillModeAndRectangleDrawsItsOrderedCorners)
{
    TAV_PrimitiveLine line;
    line.SetStartPoint(0, 1, 0);
    line.SetEndPoint(2, 3, 0);
    RecordingDrawHelper lineHelper;
    lineHelper.SetFillMode(0);
    lineHelper.calls.clear();
    line.Draw(2, lineHelper);
    EXPECT_EQ(lineHelper.Names(), Concat(BaseSetup, {"SetShadeMode", "DrawLine"}));
    EXPECT_EQ(lineHelper.calls.back().args, (std::vector<float>{0, 1, 0, 2, 3, 0}));
    EXPECT_EQ(lineHelper.calls.back().fillMode, 0);
    EXPECT_EQ(lineHelper.calls.back().color, 0xFF000000u);
    EXPECT_EQ(lineHelper.calls.back().shadeColor, OpaqueWhite);

    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(3, 4, 0, -1, 2, 0);
    RecordingDrawHelper rectHelper;
    rect.Draw(2, rectHelper);
    EXPECT_EQ(rectHelper.Names(), Concat(BaseSetup, {"SetShadeMode", "SetFillMode", "DrawRectangle"}));
    EXPECT_EQ(rectHelper.calls.back().args, (std::vector<float>{-1, 2, 0, 3, 4, 0}));
}

TEST(PrimitiveDraw, OutlineComesAfterTheGeometryInFlatRedWireframeWithBlendingAndTextureOff)
{
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(0, 0, 0, 2, 1, 0);
    rect.SetBlending(true);
    rect.SetTexturing(true);
    rect.SetDrawBoundingVolume(true);
    RecordingDrawHelper helper;
    rect.Draw(2, helper);

    const Names outline = {"ResetAttributes", "EnableBlending", "EnableTexture",
                           "SetShadeMode",    "SetFillMode",    "DrawLine",
                           "DrawLine",        "DrawLine",       "DrawLine"};
    EXPECT_EQ(helper.Names(),
              Concat(Concat(BaseSetup, {"SetShadeMode", "SetFillMode", "DrawRectangle"}), outline));
    EXPECT_TRUE(helper.calls[8].blending);
    for (size_t i = helper.calls.size() - 4; i < helper.calls.size(); ++i) {
        const RecordingDrawHelper::Call& line = helper.calls[i];
        EXPECT_EQ(line.color, OpaqueRed);
        EXPECT_EQ(line.shadeMode, 0);
        EXPECT_EQ(line.fillMode, 1);
        EXPECT_FALSE(line.blending);
        EXPECT_FALSE(line.texturing);
    }
}

TEST(PrimitiveDraw, PrimitiveWithoutVolumeDrawsNoOutlineAndBaseLeavesShadingAlone)
{
    BarePrimitive bare;
    bare.SetDrawBoundingVolume(true);
    RecordingDrawHelper helper;
    helper.SetShadeMode(0);
    helper.SetFillMode(1);
    helper.calls.clear();
    bare.Draw(2, helper);
    EXPECT_EQ(helper.Names(), Concat(BaseSetup, {"DrawPoint"}));
    EXPECT_EQ(helper.calls.back().shadeMode, 0);
    EXPECT_EQ(helper.calls.back().fillMode, 1);

    helper.calls.clear();
    TAV_PrimitiveCircle circle;
    circle.SetRadius(1);
    circle.DrawBoundingVolume(2, nullptr, TAV_Color(255, 0, 0, 255));
    bare.DrawBoundingVolume(2, &helper, TAV_Color(255, 0, 0, 255));
    EXPECT_TRUE(helper.calls.empty());
}

TEST(PrimitiveMotion, StationaryBelowOneBillionthPerAxis)
{
    BarePrimitive p;
    EXPECT_TRUE(p.IsStationary());
    p.SetVelocity(1e-10f, 0, -1e-10f);
    EXPECT_TRUE(p.IsStationary());
    p.SetVelocity(1e-8f, 0, 0);
    EXPECT_FALSE(p.IsStationary());
    p.SetVelocity(0, 0, -1e-8f);
    EXPECT_FALSE(p.IsStationary());
}

TEST(PrimitiveMotion, MoveAwayFromKeepsTheSpeedAndTurnsAway)
{
    TAV_PrimitiveCircle circle;
    circle.SetVelocity(0, 2, 0);
    circle.MoveAwayFrom({1, 0, 0});
    EXPECT_FLOAT_EQ(circle.GetVelocity().x, -2.0f);
    EXPECT_FLOAT_EQ(circle.GetVelocity().y, 0.0f);

    circle.MoveAwayFrom({0, 0, 0});
    EXPECT_TRUE(circle.IsStationary());
}
