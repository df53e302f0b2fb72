#include "platform/d3d9/SoftwareSurface.h"
#include "render/D3DDrawHelper.h"
#include "tests/render/DrawHelperTestFixture.h"

#include <cstdlib>

namespace {

constexpr std::uint32_t Grey = 0x808080u;

std::uint32_t Rgb(std::uint32_t pixel)
{
    return pixel & 0xFFFFFFu;
}

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFFu);
}

// Expects a pixel within one step per channel of (r, g, b): the interpolation may round either way.
void ExpectColorNear(std::uint32_t pixel, int r, int g, int b)
{
    EXPECT_LE(std::abs(Channel(pixel, 16) - r), 1) << std::hex << pixel;
    EXPECT_LE(std::abs(Channel(pixel, 8) - g), 1) << std::hex << pixel;
    EXPECT_LE(std::abs(Channel(pixel, 0) - b), 1) << std::hex << pixel;
}

} // namespace

// Clip space spans the 16 x 16 back buffer: 1/8 of clip space per pixel, y up.
class DrawHelperRaster : public DrawHelperDeviceTest
{
protected:
    void SetUp() override
    {
        DrawHelperDeviceTest::SetUp();
        IDirect3DDevice9* device = Graphics().GetDevice();
        IDirect3DSwapChain9* chain = nullptr;
        ASSERT_EQ(device->GetSwapChain(0, &chain), D3D_OK);
        ASSERT_EQ(chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &target_), D3D_OK);
        chain->Release();
        device->SetRenderTarget(0, target_);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, Grey, 1.0f, 0);
        device->BeginScene();
    }
    void TearDown() override
    {
        if (IDirect3DDevice9* device = Graphics().GetDevice())
            device->EndScene();
        if (target_ != nullptr)
            target_->Release();
        DrawHelperDeviceTest::TearDown();
    }

    std::uint32_t Pixel(int x, int row) const { return Rgb(SoftwareSurface::From(target_)->PixelAt(x, row)); }

    // A solid red circle with a blue shade colour, centred on the centre of pixel
    // (7, row 8), radius 8 pixels, rim vertices every 45 degrees.
    void DrawRedCircleWithBlueShade(int shadeMode)
    {
        helper_.SetColor(TAV_Color(255, 0, 0, 255));
        helper_.SetShadeColor(TAV_Color(0, 0, 255, 255));
        helper_.SetShadeMode(shadeMode);
        helper_.SetFillMode(2);
        helper_.SetLod(0);
        ASSERT_TRUE(helper_.DrawCircle(-0.0625f, -0.0625f, 0, 1));
    }

    IDirect3DSurface9* target_ = nullptr;
    TAVD3D_DrawHelper helper_;
};

TEST_F(DrawHelperRaster, RedCircleWithBlueShadeRunsFromBlueCentreToRedRim)
{
    DrawRedCircleWithBlueShade(1);

    EXPECT_EQ(Pixel(7, 8), 0x0000FFu);
    // Along the edge to the first rim vertex: 6 of 8 pixels out, 3/4 of the way to red.
    ExpectColorNear(Pixel(13, 8), 191, 0, 64);
    ExpectColorNear(Pixel(9, 8), 64, 0, 191);
    // Straight up the same distance, through the rim vertex at 90 degrees.
    ExpectColorNear(Pixel(7, 2), 191, 0, 64);
    // The corners lie outside the polygon.
    EXPECT_EQ(Pixel(0, 0), Grey);
    EXPECT_EQ(Pixel(15, 15), Grey);
    EXPECT_EQ(Pixel(15, 0), Grey);
}

TEST_F(DrawHelperRaster, FlatCircleIsRedThroughout)
{
    DrawRedCircleWithBlueShade(0);
    for (int x = 2; x <= 13; ++x)
        EXPECT_EQ(Pixel(x, 8), 0xFF0000u) << "x " << x;
    EXPECT_EQ(Pixel(0, 0), Grey);
}

TEST_F(DrawHelperRaster, RectangleCoversExactlyItsPixels)
{
    helper_.SetColor(TAV_Color(0, 255, 0, 255));
    helper_.SetShadeMode(0);
    helper_.SetFillMode(2);
    // Pixels 4..7 across and rows 8..11 (clip y from -0.5 up to 0).
    ASSERT_TRUE(helper_.DrawRectangle(-0.5f, -0.5f, 0, 0, 0, 0));
    for (int row = 6; row <= 13; ++row)
        for (int x = 2; x <= 9; ++x) {
            const bool inside = x >= 4 && x <= 7 && row >= 8 && row <= 11;
            EXPECT_EQ(Pixel(x, row), inside ? 0x00FF00u : Grey) << "x " << x << " row " << row;
        }
}
