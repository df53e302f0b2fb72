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

TEST_F(TextureStageTest, SelectTextureShowsTexelsAndWrapsBeyondOne)
{
    SelectTexture();
    DrawQuad(1.0f); // alpha is dropped by the XRGB target
    ExpectPixels({{0, 0, kRed}, {7, 7, kRed}, {8, 0, kGreen}, {0, 8, kBlue}, {15, 15, kWhite}});
    DrawQuad(2.0f); // two repeats across the target: each texel is four pixels wide
    ExpectPixels({{3, 0, kRed}, {4, 0, kGreen}, {8, 0, kRed}, {12, 12, kWhite}, {12, 8, kGreen}});
}

TEST_F(TextureStageTest, DisabledStageOrMissingTexturePassesTheVertexColour)
{
    SelectTexture();
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    DrawQuad(1.0f);
    EXPECT_EQ(CountNot(0xFF404040u), 0);

    SelectTexture();
    device_->SetTexture(0, nullptr);
    DrawQuad(1.0f, kGreen);
    EXPECT_EQ(CountNot(kGreen), 0);
}

TEST_F(TextureStageTest, ModulateMultipliesAndTexelAlphaBlendsOverTheBackground)
{
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE); // the initial operation
    DrawQuad(1.0f, 0xFF808080u);
    ExpectPixels({{0, 0, 0xFF800000u}, {8, 0, 0xFF008000u}});

    SelectTexture();
    Blend();
    ClearTo(0x00123456u);
    DrawQuad(1.0f);
    ExpectPixels({{0, 0, kRed}, {12, 12, 0xFF123456u}}); // a transparent texel leaves the background
}
