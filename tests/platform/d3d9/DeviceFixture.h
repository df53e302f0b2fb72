#pragma once
#include "platform/d3d9/SoftwareTexture.h"
#include "platform/d3d9/d3d9.h"
#include "platform/win/WindowHandles.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

// The vertex layouts the renderer sends.
struct ColorVertex // D3DFVF_XYZ | D3DFVF_DIFFUSE
{
    float x, y, z;
    D3DCOLOR color;
};
struct ShapeVertex // D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1
{
    float x, y, z;
    D3DCOLOR color;
    float u, v;
};
struct PointVertex // D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE
{
    float x, y, z;
    float size;
    D3DCOLOR color;
};

constexpr DWORD kColorFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;
constexpr DWORD kShapeFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
constexpr DWORD kPointFvf = D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE;

constexpr D3DCOLOR kBlack = 0xFF000000u;
constexpr D3DCOLOR kWhite = 0xFFFFFFFFu;
constexpr D3DCOLOR kRed = 0xFFFF0000u;
constexpr D3DCOLOR kGreen = 0xFF00FF00u;
constexpr D3DCOLOR kBlue = 0xFF0000FFu;

// Windowed, the back buffer taking the device window's client size.
inline D3DPRESENT_PARAMETERS Windowed()
{
    D3DPRESENT_PARAMETERS params{};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    return params;
}

// A device on a 16 x 16 window; vertices are given in target pixels (x right,
// y down from the top-left corner), which the identity transforms map as
// clip x = px / 8 - 1, clip y = 1 - py / 8.
class DeviceTest : public ::testing::Test
{
public:
    static constexpr int Size = 16;

    static float ClipX(float px) { return px / (Size / 2.0f) - 1.0f; }
    static float ClipY(float py) { return 1.0f - py / (Size / 2.0f); }
    static ColorVertex At(float px, float py, D3DCOLOR color) { return {ClipX(px), ClipY(py), 0.0f, color}; }
    static ShapeVertex Textured(float px, float py, float u, float v, D3DCOLOR color = kWhite)
    {
        return {ClipX(px), ClipY(py), 0.0f, color, u, v};
    }

protected:
    void SetUp() override
    {
        window_.resize(Size, Size);
        direct3D_ = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(direct3D_, nullptr);
        D3DPRESENT_PARAMETERS params = Windowed();
        ASSERT_EQ(direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, Window(),
                                          D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device_),
                  D3D_OK);
        ClearTo(kBlack);
    }

    void TearDown() override
    {
        if (device_)
            device_->Release();
        if (direct3D_)
            direct3D_->Release();
    }

    HWND Window() { return WindowHandles::HandleOf(&window_); }

    template <typename V>
    void Draw(D3DPRIMITIVETYPE type, UINT count, const std::vector<V>& vertices, DWORD fvf)
    {
        device_->SetFVF(fvf);
        ASSERT_EQ(device_->DrawPrimitiveUP(type, count, vertices.data(), sizeof(V)), D3D_OK);
    }
    void DrawFan(const std::vector<ColorVertex>& vertices)
    {
        Draw(D3DPT_TRIANGLEFAN, static_cast<UINT>(vertices.size() - 2), vertices, kColorFvf);
    }

    // Source alpha over inverse source alpha, the device's starting factors.
    void Blend() { device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE); }
    void ClearTo(D3DCOLOR color) { device_->Clear(0, nullptr, D3DCLEAR_TARGET, color, 0.0f, 0); }

    D3DCOLOR Pixel(int x, int row) { return SoftwareDevice::From(device_)->RenderTarget().PixelAt(x, row); }
    // Every pixel, row by row.
    std::vector<D3DCOLOR> Pixels()
    {
        std::vector<D3DCOLOR> pixels;
        for (int row = 0; row < Size; ++row)
            for (int x = 0; x < Size; ++x)
                pixels.push_back(Pixel(x, row));
        return pixels;
    }

    struct Expected
    {
        int x, row;
        D3DCOLOR color;
    };
    void ExpectPixels(std::initializer_list<Expected> expected)
    {
        for (const Expected& e : expected)
            EXPECT_EQ(Pixel(e.x, e.row), e.color) << "pixel " << e.x << "," << e.row;
    }

    // How many pixels of the target differ from the background colour.
    int CountNot(D3DCOLOR background)
    {
        const std::vector<D3DCOLOR> pixels = Pixels();
        return Size * Size - static_cast<int>(std::count(pixels.begin(), pixels.end(), background));
    }

    QWidget window_;
    IDirect3D9* direct3D_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};
