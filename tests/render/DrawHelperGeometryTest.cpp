#include "render/D3DDrawHelper.h"
#include "tests/render/DrawHelperTestFixture.h"

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u;
constexpr std::uint32_t Blue = 0xFF0000FFu;

void ExpectVertex(const LoggedShapeVertex& v, float x, float y, float u, float w)
{
    EXPECT_NEAR(v.x, x, 1e-6f);
    EXPECT_NEAR(v.y, y, 1e-6f);
    EXPECT_EQ(v.z, 0.0f);
    EXPECT_NEAR(v.u, u, 1e-6f);
    EXPECT_NEAR(v.v, w, 1e-6f);
}

} // namespace

using DrawHelperGeometry = DrawHelperDeviceTest;

TEST_F(DrawHelperGeometry, CircleVertexCountFollowsTheLevelOfDetail)
{
    TAVD3D_DrawHelper helper;
    const int levels[] = {0, 1, 2, 5, -1};
    const std::size_t vertices[] = {10, 20, 40, 40, 40};
    for (int i = 0; i < 5; ++i) {
        device_->ClearCallLog();
        helper.SetLod(levels[i]);
        ASSERT_TRUE(helper.DrawCircle(0, 0, 0, 1));
        const DeviceCall draw = OnlyDraw();
        EXPECT_EQ(draw.primitiveType, D3DPT_TRIANGLEFAN) << "lod " << levels[i];
        EXPECT_EQ(draw.VertexCount(), vertices[i]) << "lod " << levels[i];
        EXPECT_EQ(draw.primitiveCount, vertices[i] - 2) << "lod " << levels[i];
        EXPECT_EQ(draw.fvf, 0x142u);
        EXPECT_EQ(draw.stride, 24u);
    }
}

TEST_F(DrawHelperGeometry, CircleRimRunsCounterClockwiseInThePlaneAndCloses)
{
    TAVD3D_DrawHelper helper;
    helper.SetLod(0);
    ASSERT_TRUE(helper.DrawCircle(0, 0, 7, 1));
    const std::vector<LoggedShapeVertex> v = ShapeVertices(OnlyDraw());
    ASSERT_EQ(v.size(), 10u);
    const float h = 0.70710677f;
    ExpectVertex(v[0], 0, 0, 0.5f, 0.5f);
    ExpectVertex(v[1], 1, 0, 1, 0.5f);
    ExpectVertex(v[2], h, h, 0.5f + 0.5f * h, 0.5f - 0.5f * h);
    ExpectVertex(v[3], 0, 1, 0.5f, 0);
    ExpectVertex(v[5], -1, 0, 0, 0.5f);
    ExpectVertex(v[7], 0, -1, 0.5f, 1);
    ExpectVertex(v[8], h, -h, 0.5f + 0.5f * h, 0.5f + 0.5f * h);
    ExpectVertex(v[9], 1, 0, 1, 0.5f);

    device_->ClearCallLog();
    EXPECT_FALSE(helper.DrawCircle(0, 0, 0, 0));
    EXPECT_FALSE(helper.DrawCircle(0, 0, 0, -2));
    EXPECT_TRUE(Draws().empty());
}

TEST_F(DrawHelperGeometry, RectangleFanIsTheSameWhicheverWayTheCornersCome)
{
    TAVD3D_DrawHelper helper;
    ASSERT_TRUE(helper.DrawRectangle(2, 3, 0, -2, -3, 0));
    ASSERT_TRUE(helper.DrawRectangle(-2, -3, 5, 2, 3, 5));
    const std::vector<DeviceCall> draws = Draws();
    ASSERT_EQ(draws.size(), 2u);
    for (const DeviceCall& draw : draws) {
        EXPECT_EQ(draw.primitiveType, D3DPT_TRIANGLEFAN);
        EXPECT_EQ(draw.primitiveCount, 4u);
        const std::vector<LoggedShapeVertex> v = ShapeVertices(draw);
        ASSERT_EQ(v.size(), 6u);
        ExpectVertex(v[0], 0, 0, 0.5f, 0.5f);
        ExpectVertex(v[1], -2, 3, 1, 0);
        ExpectVertex(v[2], -2, -3, 1, 1);
        ExpectVertex(v[3], 2, -3, 0, 1);
        ExpectVertex(v[4], 2, 3, 0, 0);
        ExpectVertex(v[5], -2, 3, 1, 0);
    }
}

TEST_F(DrawHelperGeometry, GouraudGivesTheCentreTheShadeColourFlatGivesEveryVertexTheColour)
{
    TAVD3D_DrawHelper helper;
    helper.SetColor(TAV_Color(255, 0, 0, 255));
    helper.SetShadeColor(TAV_Color(0, 0, 255, 255));
    for (int mode : {1, 0, 2}) {
        helper.SetShadeMode(mode);
        device_->ClearCallLog();
        helper.SetLod(0);
        helper.DrawCircle(0, 0, 0, 1);
        helper.DrawRectangle(0, 0, 0, 1, 1, 0);
        helper.DrawLine(0, 0, 0, 1, 1, 0);
        const std::vector<DeviceCall> draws = Draws();
        ASSERT_EQ(draws.size(), 3u);
        for (int shape = 0; shape < 2; ++shape) {
            const std::vector<LoggedShapeVertex> v = ShapeVertices(draws[shape]);
            ASSERT_FALSE(v.empty());
            EXPECT_EQ(v[0].color, mode == 1 ? Blue : Red) << "mode " << mode << " shape " << shape;
            for (std::size_t i = 1; i < v.size(); ++i)
                EXPECT_EQ(v[i].color, Red);
        }
        // Any non-flat mode, even one nothing stores, gives the line's far end the shade colour.
        const std::vector<LoggedShapeVertex> line = ShapeVertices(draws[2]);
        EXPECT_EQ(draws[2].primitiveType, D3DPT_LINELIST);
        EXPECT_EQ(draws[2].primitiveCount, 1u);
        ASSERT_EQ(line.size(), 2u);
        EXPECT_EQ(line[0].color, Red);
        EXPECT_EQ(line[1].color, mode == 0 ? Red : Blue) << "mode " << mode;
        EXPECT_EQ(line[1].u, 1.0f);
    }
}

TEST_F(DrawHelperGeometry, PointCarriesItsSizeAndColourAsSprite)
{
    TAVD3D_DrawHelper helper;
    helper.SetPointSize(3.0f);
    helper.SetColor(TAV_Color(1, 2, 3, 4));
    ASSERT_TRUE(helper.DrawPoint(1, 2, 3));
    const DeviceCall draw = OnlyDraw();
    EXPECT_EQ(draw.primitiveType, D3DPT_POINTLIST);
    EXPECT_EQ(draw.fvf, 0x62u);
    EXPECT_EQ(draw.stride, 20u);
    ASSERT_EQ(draw.VertexCount(), 1u);
    const LoggedPointVertex v = draw.VertexAt<LoggedPointVertex>(0);
    EXPECT_EQ(v.size, 3.0f);
    EXPECT_EQ(v.color, 0x04010203u);
    EXPECT_EQ(v.z, 3.0f);
    DWORD sprites = 0;
    device_->GetRenderState(D3DRS_POINTSPRITEENABLE, &sprites);
    EXPECT_EQ(sprites, static_cast<DWORD>(TRUE));
}

TEST_F(DrawHelperGeometry, ModesAndBlendingBecomeRenderStates)
{
    TAVD3D_DrawHelper helper;
    const auto state = [this](D3DRENDERSTATETYPE s) {
        DWORD value = 0;
        device_->GetRenderState(s, &value);
        return value;
    };
    const std::pair<int, DWORD> shades[] = {{1, D3DSHADE_GOURAUD}, {0, D3DSHADE_FLAT}, {2, D3DSHADE_FLAT}};
    for (const auto& [mode, expected] : shades) {
        helper.SetShadeMode(mode);
        EXPECT_EQ(state(D3DRS_SHADEMODE), expected) << "shade mode " << mode;
    }
    const std::pair<int, DWORD> fills[] = {
        {2, D3DFILL_SOLID}, {1, D3DFILL_WIREFRAME}, {0, D3DFILL_POINT}, {7, D3DFILL_POINT}};
    for (const auto& [mode, expected] : fills) {
        helper.SetFillMode(mode);
        EXPECT_EQ(state(D3DRS_FILLMODE), expected) << "fill mode " << mode;
    }

    device_->ClearCallLog();
    EXPECT_TRUE(helper.EnableBlending(true));
    EXPECT_TRUE(helper.EnableBlending(false));
    std::vector<std::pair<DWORD, DWORD>> states;
    for (const DeviceCall& call : Log())
        if (call.kind == DeviceCall::Kind::SetRenderState)
            states.emplace_back(call.state, call.value);
    const std::vector<std::pair<DWORD, DWORD>> expected = {{D3DRS_ALPHABLENDENABLE, TRUE},
                                                           {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                                                           {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
                                                           {D3DRS_BLENDOP, D3DBLENDOP_ADD},
                                                           {D3DRS_ALPHABLENDENABLE, FALSE}};
    EXPECT_EQ(states, expected);
}

// Regression: a texture that cannot be loaded used to be reported as enabled.
TEST_F(DrawHelperGeometry, MissingTextureIsNotReportedAsEnabledAndDisablingClearsTheStage)
{
    TAVD3D_DrawHelper helper;
    helper.SetTextureName(L"no-such-texture.bmp");
    EXPECT_FALSE(helper.EnableTexture(true));
    EXPECT_TRUE(helper.EnableTexture(false));
    IDirect3DBaseTexture9* texture = nullptr;
    device_->GetTexture(0, &texture);
    EXPECT_EQ(texture, nullptr);
    if (texture != nullptr)
        texture->Release();
}
