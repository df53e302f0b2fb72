#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "tests/render/RecordingDrawHelper.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

// A reset (which switches blending and texture off), then the primitive's own
// blending and texturing, then the rest.
Names AfterBaseSetup(const Names& rest)
{
    Names names = {"ResetAttributes", "EnableBlending", "EnableTexture", "EnableBlending", "EnableTexture"};
    names.insert(names.end(), rest.begin(), rest.end());
    return names;
}

// A primitive with the base behaviour only: no volume of its own.
class BarePrimitive : public TAV_Primitive
{
public:
    void DrawPrimitive(int, TAV_DrawHelper& helper) override { helper.DrawPoint(0, 0, 0); }
};

} // namespace

// Rectangles send the same attributes, lines all but the fill mode.
TEST(PrimitiveDraw, ACircleDrawsWithItsOwnAttributesAtTheLevelOfDetailAskedFor)
{
    TAV_PrimitiveCircle circle;
    circle.SetCenter(1, 2, 0);
    circle.SetRadius(3);
    // Shown without outline, wireframe, flat, blended and textured.
    circle.SetAttributes(
        {true, false, TAV_Color(200, 0, 0, 100), TAV_Color(0, 0, 255, 255), FillMode::Wireframe, ShadeMode::Flat, true, true, L"wood.bmp"});
    RecordingDrawHelper helper;
    helper.SetLod(1);
    circle.Draw(0, helper);
    EXPECT_EQ(helper.Names(), AfterBaseSetup({"DrawCircle"}));
    const RecordingDrawHelper::Call& draw = helper.calls.back();
    EXPECT_EQ(draw.args, (std::vector<float>{1, 2, 0, 3}));
    EXPECT_EQ(draw.lod, 0);
    EXPECT_EQ(helper.GetLod(), 1);
    EXPECT_EQ(draw.color, 0x64C80000u);
    EXPECT_EQ(draw.shadeColor, 0xFF0000FFu);
    EXPECT_EQ(draw.shadeMode, ShadeMode::Flat);
    EXPECT_EQ(draw.fillMode, FillMode::Wireframe);
    EXPECT_TRUE(draw.blending && draw.texturing);
    EXPECT_EQ(helper.GetTextureName(), L"wood.bmp");
}

// An invisible primitive sends nothing at all, one without a volume of its own no outline.
TEST(PrimitiveDraw, OutlineComesAfterTheGeometryInFlatRedWireframeWithBlendingAndTextureOff)
{
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(2, 1, 0, 0, 0, 0);
    rect.SetFillMode(FillMode::Points);
    rect.SetBlending(true);
    rect.SetTexturing(true);
    rect.SetDrawBoundingVolume(true);
    RecordingDrawHelper helper;
    rect.Draw(2, helper);
    ASSERT_EQ(helper.Names(),
              AfterBaseSetup({"DrawRectangle", "ResetAttributes", "EnableBlending", "EnableTexture",
                              "DrawLine", "DrawLine", "DrawLine", "DrawLine"}));
    EXPECT_EQ(helper.calls[5].args, (std::vector<float>{0, 0, 0, 2, 1, 0}));
    EXPECT_EQ(helper.calls[5].fillMode, FillMode::Points);
    // Four lines at the lowest z, counter-clockwise from the minimum corner.
    const std::vector<float> lines[] = {
        {0, 0, 0, 2, 0, 0}, {2, 0, 0, 2, 1, 0}, {2, 1, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        const RecordingDrawHelper::Call& line = helper.calls[9 + i];
        EXPECT_EQ(line.args, lines[i]);
        EXPECT_EQ(line.color, 0xFFFF0000u);
        EXPECT_EQ(line.shadeMode, ShadeMode::Flat);
        EXPECT_EQ(line.fillMode, FillMode::Wireframe);
        EXPECT_FALSE(line.blending || line.texturing);
    }

    RecordingDrawHelper hidden;
    rect.SetVisible(false);
    rect.Draw(2, hidden);
    EXPECT_TRUE(hidden.calls.empty());
    rect.DrawBoundingVolume(2, nullptr, TAV_Color(255, 0, 0, 255)); // a null helper draws nothing
    BarePrimitive bare;
    bare.SetDrawBoundingVolume(true);
    bare.Draw(2, hidden);
    EXPECT_EQ(hidden.Names(), AfterBaseSetup({"DrawPoint"}));
}

// A recording helper whose visible world is everything left of x = 10.
class LeftOfTenHelper : public RecordingDrawHelper
{
public:
    bool IsOutsideVisibleWorld(TAV_Vector3 min, TAV_Vector3) override { return min.x > 10.0f; }
};

// A shape out of sight sends nothing, not even its attributes; a list's entries
// are judged one by one.
TEST(PrimitiveDraw, AShapeWhollyOutsideTheVisibleWorldSendsNothing)
{
    auto* inside = new TAV_PrimitiveRectangleXY;
    inside->SetCorners(0, 0, 0, 1, 1, 0);
    auto* outside = new TAV_PrimitiveRectangleXY;
    outside->SetCorners(20, 0, 0, 21, 1, 0);
    TAV_PrimitiveList list;
    list.AddPrimitive(outside);
    list.AddPrimitive(inside);
    list.AddPrimitive(new TAV_PrimitiveRectangleXY);
    LeftOfTenHelper helper;
    list.Draw(2, helper);
    ASSERT_EQ(helper.Names(), AfterBaseSetup({"DrawRectangle", "ResetAttributes", "EnableBlending", "EnableTexture",
                                              "EnableBlending", "EnableTexture", "DrawRectangle"}));
    EXPECT_EQ(helper.calls[5].args, (std::vector<float>{0, 0, 0, 1, 1, 0}));
}

