#pragma once
#include "platform/d3d9/SoftwareSurface.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>

// The world box of a node's own primitive, searched from the root.
inline TAV_BoundingBox WorldBox(CWorld& world, TAV_SceneNode* node)
{
    TAV_BoundingBox box;
    world.GetDrawHelper().InitializeModelTransform();
    world.Root->FindWorldBoundingBox(node, box, world.GetDrawHelper(), false);
    return box;
}

// A graphics context on a 16 x 16 window, cleared to black, whose back buffer is
// the render target. The view maps a world window onto the whole buffer, y up;
// the default one puts world point (x, y) at the centre of pixel (x + 8, row 7 - y).
class SceneDeviceTest : public ::testing::Test
{
protected:
    static constexpr int Size = 16;
    static constexpr std::uint32_t Background = 0x000000u;

    void SetUp() override
    {
        window_.resize(Size, Size);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_)));
        IDirect3DDevice9* device = Graphics().GetDevice();
        IDirect3DSwapChain9* chain = nullptr;
        ASSERT_EQ(device->GetSwapChain(0, &chain), D3D_OK);
        ASSERT_EQ(chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &target_), D3D_OK);
        chain->Release();
        device->SetRenderTarget(0, target_);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, Background, 1.0f, 0);
        SetWorldWindow(-8.5f, -8.5f, 7.5f, 7.5f);
        device->BeginScene();
    }

    void TearDown() override
    {
        if (target_ != nullptr)
            target_->Release();
        Graphics().ReleaseGraphicsContext();
    }

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }

    // World window to clip space as the view transform, identity projection.
    void SetWorldWindow(float minX, float minY, float maxX, float maxY)
    {
        D3DXMATRIX view;
        D3DXMatrixIdentity(&view);
        view._11 = 2.0f / (maxX - minX);
        view._22 = 2.0f / (maxY - minY);
        view._41 = -(minX + maxX) / (maxX - minX);
        view._42 = -(minY + maxY) / (maxY - minY);
        D3DXMATRIX projection;
        D3DXMatrixIdentity(&projection);
        IDirect3DDevice9* device = Graphics().GetDevice();
        device->SetTransform(D3DTS_VIEW, &view);
        device->SetTransform(D3DTS_PROJECTION, &projection);
    }

    // RGB of a back-buffer pixel, row 0 at the top.
    std::uint32_t Pixel(int x, int row) const
    {
        Graphics().GetDevice()->EndScene();
        return SoftwareSurface::From(target_)->PixelAt(x, row) & 0xFFFFFFu;
    }

    QWidget window_;
    IDirect3DSurface9* target_ = nullptr;
};
