#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
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

TEST(PrimitiveDraw, InvisiblePrimitiveSendsNothingAndOneWithoutVolumeNoOutline)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(1);
    circle.SetDrawBoundingVolume(true);
    circle.SetVisible(false);
    RecordingDrawHelper helper;
    circle.Draw(2, helper);
    EXPECT_TRUE(helper.calls.empty());
    circle.DrawBoundingVolume(2, nullptr, TAV_Color(255, 0, 0, 255));

    BarePrimitive bare;
    bare.SetDrawBoundingVolume(true);
    bare.Draw(2, helper);
    EXPECT_EQ(helper.Names(), AfterBaseSetup({"DrawPoint"}));
}

TEST(PrimitiveDraw, EachShapeSetsItsAttributesThenDrawsItselfInItsColours)
{
    TAV_PrimitiveCircle circle;
    circle.SetCenter(1, 2, 0);
    circle.SetRadius(3);
    circle.SetColor(TAV_Color(200, 0, 0, 100));
    circle.SetShadeColor(TAV_Color(0, 0, 255, 255));
    circle.SetFillMode(FillMode::Wireframe);
    circle.SetShadeMode(ShadeMode::Flat);
    circle.SetBlending(true);
    circle.SetTexturing(true);
    circle.SetTextureName(L"wood.bmp");
    TAV_PrimitiveLine line;
    line.SetStartPoint(0, 1, 0);
    line.SetEndPoint(2, 3, 0);
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(3, 4, 0, -1, 2, 0);
    const std::pair<TAV_Primitive*, std::vector<float>> cases[] = {
        {&circle, {1, 2, 0, 3}}, {&line, {0, 1, 0, 2, 3, 0}}, {&rect, {-1, 2, 0, 3, 4, 0}}};
    const char* shapes[] = {"DrawCircle", "DrawLine", "DrawRectangle"};
    for (int i = 0; i < 3; ++i) {
        RecordingDrawHelper helper;
        helper.SetLod(1);
        cases[i].first->Draw(0, helper);
        EXPECT_EQ(helper.Names(), AfterBaseSetup({shapes[i]}));
        EXPECT_EQ(helper.calls.back().args, cases[i].second);
        if (i > 0)
            continue;
        // The circle draws at the level of detail asked for and gives the helper its own back.
        const RecordingDrawHelper::Call& draw = helper.calls.back();
        EXPECT_EQ(draw.lod, 0);
        EXPECT_EQ(helper.GetLod(), 1);
        EXPECT_EQ(draw.color, 0x64C80000u);
        EXPECT_EQ(draw.shadeColor, 0xFF0000FFu);
        EXPECT_EQ(draw.shadeMode, ShadeMode::Flat);
        EXPECT_EQ(draw.fillMode, FillMode::Wireframe);
        EXPECT_TRUE(draw.blending && draw.texturing);
        EXPECT_EQ(helper.GetTextureName(), L"wood.bmp");
    }
}

TEST(PrimitiveDraw, OutlineComesAfterTheGeometryInFlatRedWireframeWithBlendingAndTextureOff)
{
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(0, 0, 0, 2, 1, 0);
    rect.SetFillMode(FillMode::Points);
    rect.SetBlending(true);
    rect.SetTexturing(true);
    rect.SetDrawBoundingVolume(true);
    RecordingDrawHelper helper;
    rect.Draw(2, helper);
    EXPECT_EQ(helper.Names(),
              AfterBaseSetup({"DrawRectangle", "ResetAttributes", "EnableBlending", "EnableTexture",
                              "DrawLine", "DrawLine", "DrawLine", "DrawLine"}));
    ASSERT_EQ(helper.calls.size(), 13u);
    EXPECT_TRUE(helper.calls[5].blending && helper.calls[5].texturing);
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
}
