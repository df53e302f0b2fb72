#pragma once
#include "platform/d3d9/SoftwareSurface.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// A model line as the editor writes it, with the default pivot, scale and rotation.
inline std::string Line(char code, const char* translation, int children, const char* end = " \r\n")
{
    return std::string(1, code) + ' ' + translation + " 0.0 0.0 0.0 1.0 1.0 1.0 0.0 " +
           std::to_string(children) + end;
}

inline ModelLoadResult Load(CWorld& world, const std::string& text)
{
    std::istringstream stream(text);
    return world.LoadModel(stream);
}

inline std::string Save(const CWorld& world)
{
    const std::wstring text = world.SaveModel();
    return std::string(text.begin(), text.end());
}

// A subtree's nodes in pre-order, empty slots skipped.
inline void Flatten(TAV_SceneNode* node, std::vector<TAV_SceneNode*>& out)
{
    out.push_back(node);
    for (int i = 0; i < node->NumChildren(); ++i) {
        if (node->GetChild(i) != nullptr)
            Flatten(node->GetChild(i), out);
    }
}

// A graphics context on a 16 x 16 window whose render target is cleared to black. The view maps the world
// window (-4.25, -4.25)-(3.75, 3.75) onto the whole buffer, y up: world point (x, y) lands on the centre of
// pixel (2x + 8, row 7 - 2y).
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
        target_ = &SoftwareDevice::From(device)->RenderTarget();
        D3DXMATRIX view, projection;
        D3DXMatrixIdentity(&view);
        D3DXMatrixIdentity(&projection);
        view._11 = view._22 = 0.25f;
        view._41 = view._42 = 0.0625f;
        device->SetTransform(D3DTS_VIEW, &view);
        device->SetTransform(D3DTS_PROJECTION, &projection);
        ClearTarget();
        device->BeginScene();
    }

    void TearDown() override { Graphics().ReleaseGraphicsContext(); }

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }
    static void ClearTarget()
    {
        Graphics().GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, Background, 1.0f, 0);
    }

    // RGB of a back-buffer pixel, row 0 at the top.
    std::uint32_t Pixel(int x, int row) const
    {
        Graphics().GetDevice()->EndScene();
        return target_->PixelAt(x, row) & 0xFFFFFFu;
    }

    QWidget window_;
    const SoftwareSurface* target_ = nullptr; // the device's
};
