#include "view/D3DWindowHandler.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/WindowHandles.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Draws one white point at a world position on grey, inside the full frame bracket.
class PointView : public TAVD3D_WindowHandler
{
public:
    float x = 0.0f, y = 0.0f;
    void DrawGraphics() override
    {
        BeginDraw();
        SetupViewTransform();
        GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF808080u, 1.0f, 0);
        TAVD3D_DrawHelper helper;
        helper.ResetAttributes();
        helper.DrawPoint(x, y, 0.0f);
        EndDraw();
    }
};

ULONG References(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

// A graphics context for a 16 x 16 focus window, which the views attach to.
struct D3DView : ::testing::Test
{
    void SetUp() override
    {
        focus.resize(16, 16);
        ASSERT_TRUE(TAVD3D_GraphicsSystem::GetInstance().CreateGraphicsContext(Focus()));
        device = TAVD3D_GraphicsSystem::GetInstance().GetDevice();
    }
    void TearDown() override { TAVD3D_GraphicsSystem::GetInstance().ReleaseGraphicsContext(); }
    HWND Focus() { return WindowHandles::HandleOf(&focus); }

    QWidget focus;
    IDirect3DDevice9* device = nullptr;
};

} // namespace

TEST_F(D3DView, PointDrawnAtAWorldPositionLandsOnThePixelWorldToDeviceNames)
{
    PointView view;
    ASSERT_TRUE(view.AttachToWindow(Focus()));
    // One pixel per unit across, two units per pixel up: the mapping is not symmetric.
    view.SetWorldWindow(TAV_BoundingBox({-4.0f, 0.0f, 0.0f}, {12.0f, 32.0f, 0.0f}));
    view.x = 3.25f; // device x 7.25
    view.y = 20.5f; // device y 10.25

    view.DrawGraphics();
    QImage expected(16, 16, QImage::Format_RGB32);
    expected.fill(qRgb(128, 128, 128));
    expected.setPixel(7, 15 - 10, qRgb(255, 255, 255)); // device rows count up from the bottom
    EXPECT_EQ(FramePresenter::LastFrame(Focus()).convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(D3DView, AViewHoldsTheDeviceOnceHoweverOftenItAttaches)
{
    const ULONG before = References(device);
    {
        PointView view;
        ASSERT_TRUE(view.AttachToWindow(Focus()));
        const ULONG once = References(device);
        EXPECT_GT(once, before);
        ASSERT_TRUE(view.AttachToWindow(Focus()));
        EXPECT_EQ(References(device), once);
        view.DetachFromWindow();
        EXPECT_EQ(References(device), before);
        ASSERT_TRUE(view.AttachToWindow(Focus()));
    }
    EXPECT_EQ(References(device), before); // the destructor detaches
}

// A handler may be destroyed, or begin again, in the middle of a frame.
TEST_F(D3DView, BackBufferOfAnUnfinishedFrameIsGivenBackByTheNextBeginDrawOrByTheDestructor)
{
    // References left on a frame's back buffer once its handler is gone.
    auto leftAfter = [&](bool beginAgain, bool endFrame) {
        IDirect3DSurface9* buffer = nullptr;
        {
            PointView view;
            EXPECT_TRUE(view.AttachToWindow(Focus()));
            view.BeginDraw();
            buffer = &SoftwareDevice::From(device)->RenderTarget(); // the view's back buffer
            buffer->AddRef();
            if (beginAgain)
                view.BeginDraw();
            if (endFrame)
                view.EndDraw();
        }
        const ULONG left = References(buffer);
        buffer->Release();
        return left;
    };
    const ULONG ended = leftAfter(false, true);
    EXPECT_EQ(leftAfter(true, true), ended);
    EXPECT_EQ(leftAfter(false, false), ended);
}
