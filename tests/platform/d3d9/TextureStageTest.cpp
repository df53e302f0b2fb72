#include "DeviceFixture.h"

namespace {

// A quad over the whole target with texture coordinates from (0, 0) to (extent, extent).
std::vector<ShapeVertex> FullQuad(float extent, D3DCOLOR color)
{
    return {DeviceTest::Textured(0, 0, 0, 0, color), DeviceTest::Textured(16, 0, extent, 0, color),
            DeviceTest::Textured(16, 16, extent, extent, color),
            DeviceTest::Textured(0, 16, 0, extent, color)};
}

} // namespace

class TextureStageTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        // Texels, top row first: red, green / blue, transparent white.
        ASSERT_EQ(device_->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture_, nullptr),
                  D3D_OK);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture_->LockRect(0, &locked, nullptr, 0), D3D_OK);
        auto* texels = static_cast<D3DCOLOR*>(locked.pBits);
        texels[0] = kRed;
        texels[1] = kGreen;
        texels[locked.Pitch / 4] = kBlue;
        texels[locked.Pitch / 4 + 1] = 0x00FFFFFFu;
        texture_->UnlockRect(0);
        device_->SetTexture(0, texture_);
    }
    void TearDown() override
    {
        if (texture_)
            texture_->Release();
        DeviceTest::TearDown();
    }

    void SelectTexture()
    {
        device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
        device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    }
    void DrawQuad(float extent, D3DCOLOR color = 0xFF404040u)
    {
        const std::vector<ShapeVertex> quad = FullQuad(extent, color);
        Draw(D3DPT_TRIANGLEFAN, 2, quad, kShapeFvf);
    }

    IDirect3DTexture9* texture_ = nullptr;
};

TEST_F(TextureStageTest, SelectTextureShowsTexelsInsteadOfTheVertexColour)
{
    SelectTexture();
    DrawQuad(1.0f);

    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(7, 7), kRed);
    EXPECT_EQ(Pixel(8, 0), kGreen);
    EXPECT_EQ(Pixel(0, 8), kBlue);
    EXPECT_EQ(Pixel(15, 15), kWhite); // alpha is dropped by the XRGB target
}

TEST_F(TextureStageTest, DisabledStagePassesTheVertexColour)
{
    SelectTexture();
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    DrawQuad(1.0f);
    EXPECT_EQ(CountNot(0xFF404040u), 0);

    // So does a stage with no texture.
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 0.0f, 0);
    SelectTexture();
    device_->SetTexture(0, nullptr);
    DrawQuad(1.0f, kGreen);
    EXPECT_EQ(CountNot(kGreen), 0);
}

TEST_F(TextureStageTest, CoordinatesBeyondOneWrapAround)
{
    // Two repeats across the target: each texel is four pixels wide.
    SelectTexture();
    DrawQuad(2.0f);

    EXPECT_EQ(Pixel(3, 0), kRed);
    EXPECT_EQ(Pixel(4, 0), kGreen);
    EXPECT_EQ(Pixel(8, 0), kRed);
    EXPECT_EQ(Pixel(12, 12), kWhite);
    EXPECT_EQ(Pixel(12, 8), kGreen);
    EXPECT_EQ(Pixel(8, 8), kRed);
}

TEST_F(TextureStageTest, TexelAlphaBlendsOverTheBackground)
{
    SelectTexture();
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00123456u, 0.0f, 0);
    DrawQuad(1.0f);

    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(12, 12), 0xFF123456u); // transparent texel leaves the background
}

TEST_F(TextureStageTest, ModulateMultipliesTexelAndVertexColour)
{
    // The stage's initial operation.
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    DrawQuad(1.0f, 0xFF808080u);

    EXPECT_EQ(Pixel(0, 0), 0xFF800000u);
    EXPECT_EQ(Pixel(8, 0), 0xFF008000u);
}
