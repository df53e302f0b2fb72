#include "platform/d3d9/SoftwareDevice.h"
#include "platform/win/WindowHandles.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"
#include "tests/render/RecordingDrawHelper.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u;
constexpr std::uint32_t Blue = 0xFF0000FFu;
const TAV_Color OpaqueWhite(255, 255, 255, 255);
constexpr float QuarterTurn = 1.5707964f;

// A shape vertex as the device receives it.
struct Vertex
{
    float x, y, z;
    std::uint32_t color;
    float u, v;
};

// Position and texture coordinates; shapes lie in the plane z = 0 whatever z they are given.
void ExpectVertex(const Vertex& v, float x, float y, float u, float w)
{
    for (const auto& [actual, expected] : {std::pair{v.x, x}, {v.y, y}, {v.z, 0.0f}, {v.u, u}, {v.v, w}})
        EXPECT_NEAR(actual, expected, 1e-6f);
}

// The point through the helper's transform lands on the expected one.
void ExpectMaps(TAV_DrawHelper& helper, TAV_Vector3 point, TAV_Vector3 expected)
{
    EXPECT_TRUE(helper.TransformPoint(point));
    for (const auto& [a, e] : {std::pair{point.x, expected.x}, {point.y, expected.y}, {point.z, expected.z}})
        EXPECT_NEAR(a, e, 1e-5f);
}

} // namespace

// What a reset leaves alone (shade and fill mode, texture name) every primitive sets for itself after one.
TEST(DrawHelperState, ResetRestoresTheDefaultSizeColoursBlendingAndTexture)
{
    RecordingDrawHelper helper;
    helper.SetPointSize(4.0f);
    EXPECT_EQ(helper.SetColor(TAV_Color(255, 0, 0, 255)), OpaqueWhite); // the previous colour
    helper.SetShadeColor(TAV_Color(0, 0, 0, 0));
    helper.EnableBlending(true);
    helper.EnableTexture(true);
    helper.ResetAttributes();
    EXPECT_FLOAT_EQ(helper.GetPointSize(), 1.0f);
    EXPECT_EQ(helper.GetColor(), OpaqueWhite);
    EXPECT_EQ(helper.GetShadeColor(), OpaqueWhite);
    EXPECT_FALSE(helper.calls.back().blending || helper.calls.back().texturing);
}

// Regression: enabling blending or a texture without a device used to report success.
TEST(DrawHelperState, WithoutDeviceNothingIsDrawnOrEnabled)
{
    ASSERT_EQ(TAVD3D_GraphicsSystem::GetInstance().GetDevice(), nullptr);
    TAVD3D_DrawHelper helper;
    // Mapping a point needs no device; with no stack yet it is the identity.
    ExpectMaps(helper, {1, 2, 3}, {1, 2, 3});
    for (bool done :
         {helper.DrawPoint(0, 0, 0), helper.DrawLine(0, 0, 0, 1, 1, 0), helper.DrawCircle(0, 0, 0, 1),
          helper.DrawRectangle(0, 0, 0, 1, 1, 0), helper.InitializeModelTransform(),
          helper.PushModelTransform(), helper.AccumulateModelTransform(1, 2, 0, 1, 1, 1, 0, 0, 0, 0),
          helper.PopModelTransform(), helper.EnableBlending(true), helper.EnableTexture(true)})
        EXPECT_FALSE(done);
}

// A graphics context on a 16 x 16 window with the device's call log on, released after each test.
class DrawHelperDevice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window_.resize(16, 16);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_)));
        device_ = SoftwareDevice::From(Graphics().GetDevice());
        ASSERT_NE(device_, nullptr);
        device_->EnableCallLog(true);
    }
    void TearDown() override { Graphics().ReleaseGraphicsContext(); }
    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }

    // The vertices of the one draw logged since the last call, checked to be of that type; clears the log.
    std::vector<Vertex> OnlyDraw(D3DPRIMITIVETYPE type)
    {
        std::vector<DeviceCall> draws;
        for (const DeviceCall& call : device_->CallLog())
            if (call.kind == DeviceCall::Kind::DrawPrimitiveUP)
                draws.push_back(call);
        device_->ClearCallLog();
        std::vector<Vertex> vertices;
        EXPECT_EQ(draws.size(), 1u);
        if (draws.size() != 1)
            return vertices;
        EXPECT_EQ(draws[0].primitiveType, type);
        for (std::size_t i = 0; i < draws[0].VertexCount(); ++i)
            vertices.push_back(draws[0].VertexAt<Vertex>(i));
        return vertices;
    }

    QWidget window_;
    SoftwareDevice* device_ = nullptr;
    TAVD3D_DrawHelper helper_;
};

TEST_F(DrawHelperDevice, CircleIsAClosedCounterClockwiseFanWithTenTwentyOrFortyVertices)
{
    const std::pair<int, std::size_t> levels[] = {{0, 10}, {1, 20}, {2, 40}, {5, 40}, {-1, 40}};
    for (const auto& [lod, count] : levels) {
        helper_.SetLod(lod);
        ASSERT_TRUE(helper_.DrawCircle(0, 0, 7, 1));
        const std::vector<Vertex> v = OnlyDraw(D3DPT_TRIANGLEFAN);
        ASSERT_EQ(v.size(), count) << "lod " << lod;
        ExpectVertex(v[0], 0, 0, 0.5f, 0.5f);
        ExpectVertex(v[1], 1, 0, 1, 0.5f);
        for (std::size_t i = 1; i < count; ++i)
            EXPECT_NEAR(v[i].x * v[i].x + v[i].y * v[i].y, 1.0f, 1e-5f) << "lod " << lod << " vertex " << i;
        ExpectVertex(v[count - 1], 1, 0, 1, 0.5f);
        if (count == 10)
            ExpectVertex(v[3], 0, 1, 0.5f, 0);
    }
    EXPECT_FALSE(helper_.DrawCircle(0, 0, 0, 0));
    EXPECT_TRUE(device_->CallLog().empty());
}

TEST_F(DrawHelperDevice, RectangleIsAFanCounterClockwiseFromTheTopLeftCorner)
{
    ASSERT_TRUE(helper_.DrawRectangle(-2, -3, 0, 2, 3, 5));
    const std::vector<Vertex> v = OnlyDraw(D3DPT_TRIANGLEFAN);
    // x, y, u, v: the centre, then counter-clockwise from the top-left corner and back to it.
    const float expected[6][4] = {{0, 0, 0.5f, 0.5f}, {-2, 3, 1, 0}, {-2, -3, 1, 1},
                                  {2, -3, 0, 1},      {2, 3, 0, 0},  {-2, 3, 1, 0}};
    ASSERT_EQ(v.size(), 6u);
    for (int i = 0; i < 6; ++i)
        ExpectVertex(v[i], expected[i][0], expected[i][1], expected[i][2], expected[i][3]);
}

// Fans are shaded the same way; the crowd frame's pixels cover them.
TEST_F(DrawHelperDevice, ALineEndsInTheShadeColourOnlyWhenGouraud)
{
    helper_.SetColor(TAV_Color(255, 0, 0, 255));
    helper_.SetShadeColor(TAV_Color(0, 0, 255, 255));
    for (const auto& [mode, end] : {std::pair{ShadeMode::Gouraud, Blue}, {ShadeMode::Flat, Red}}) {
        helper_.SetShadeMode(mode);
        ASSERT_TRUE(helper_.DrawLine(0, 1, 0, 2, 3, 0));
        const std::vector<Vertex> line = OnlyDraw(D3DPT_LINELIST);
        ASSERT_EQ(line.size(), 2u);
        EXPECT_EQ(line[0].color, Red);
        EXPECT_EQ(line[1].color, end);
    }
}

// Regression: a texture that cannot be loaded used to be reported as enabled.
TEST_F(DrawHelperDevice, MissingTextureIsNotReportedAsEnabled)
{
    helper_.SetTextureName(L"no-such-texture.bmp");
    EXPECT_FALSE(helper_.EnableTexture(true));
}

TEST_F(DrawHelperDevice, NodeTransformsComposeAndPopBackDownToIdentity)
{
    ASSERT_TRUE(helper_.InitializeModelTransform());
    ASSERT_TRUE(helper_.PushModelTransform());
    // Parent: a quarter turn about the origin, then 10 along x.
    ASSERT_TRUE(helper_.AccumulateModelTransform(10, 0, 0, 1, 1, 1, QuarterTurn, 0, 0, 0));
    ASSERT_TRUE(helper_.PushModelTransform());
    // Child: about the pivot (1, 1), x doubled, a quarter turn, then 5 along x.
    ASSERT_TRUE(helper_.AccumulateModelTransform(5, 0, 0, 2, 1, 1, QuarterTurn, 1, 1, 0));
    // (2, 1) less the pivot is (1, 0), doubled (2, 0), turned (0, 2), pivot back (1, 3), moved
    // (6, 3); the parent turns that to (-3, 6) and moves it to (7, 6).
    ExpectMaps(helper_, {2, 1, 0}, {7, 6, 0});
    ASSERT_TRUE(helper_.PopModelTransform());
    ExpectMaps(helper_, {1, 1, 0}, {9, 1, 0});

    // Down to the one entry, moved; popping that resets it.
    ASSERT_TRUE(helper_.PopModelTransform());
    ASSERT_TRUE(helper_.AccumulateModelTransform(3, 0, 0, 1, 1, 1, 0, 0, 0, 0));
    ExpectMaps(helper_, {1, 1, 0}, {4, 1, 0});
    ASSERT_TRUE(helper_.PopModelTransform());
    ExpectMaps(helper_, {1, 1, 0}, {1, 1, 0});
}

// A box of the model space is left out only when its world box, through the top
// of the stack, misses the visible world; without one nothing is left out.
TEST_F(DrawHelperDevice, ABoxIsOutsideOnlyWhenItsWorldBoxMissesTheVisibleWorld)
{
    struct Case
    {
        float tx, scale, turn, minX, minY, maxX, maxY;
        bool outside;
    };
    const Case cases[] = {{0, 1, 0, 1.5f, -0.1f, 2.0f, 0.1f, true},     {0, 1, 0, -2.0f, 0.0f, -1.1f, 0.5f, true},
                          {0, 1, 0, 0.0f, 1.2f, 0.5f, 3.0f, true},      {0, 1, 0, 0.0f, -3.0f, 0.5f, -1.2f, true},
                          {0, 1, 0, 0.9f, 0.9f, 1.5f, 1.5f, false},     {0, 1, 0, -5.0f, -5.0f, 5.0f, 5.0f, false},
                          {-1.5f, 1, 0, 1.5f, -0.1f, 2.0f, 0.1f, false}, {0, 1, 0.7853982f, 1.2f, -0.1f, 1.3f, 0.1f, false},
                          {0, 2, 0, 0.6f, 0.0f, 0.8f, 0.2f, true}};
    ASSERT_TRUE(helper_.InitializeModelTransform());
    helper_.SetVisibleWorld(TAV_Vector3(-1, -1, 0), TAV_Vector3(1, 1, 0));
    for (const Case& c : cases) {
        helper_.PushModelTransform();
        helper_.AccumulateModelTransform(c.tx, 0, 0, c.scale, c.scale, 1, c.turn, 0, 0, 0);
        EXPECT_EQ(helper_.IsOutsideVisibleWorld(TAV_Vector3(c.minX, c.minY, 0), TAV_Vector3(c.maxX, c.maxY, 0)),
                  c.outside)
            << c.minX << "," << c.minY << " moved " << c.tx << " scaled " << c.scale << " turned " << c.turn;
        helper_.PopModelTransform();
    }
    helper_.ClearVisibleWorld();
    EXPECT_FALSE(helper_.IsOutsideVisibleWorld(TAV_Vector3(9, 9, 0), TAV_Vector3(10, 10, 0)));
}
