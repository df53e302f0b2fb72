#include "view/D3DWindowHandler.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/WindowHandles.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr D3DCOLOR kGrey = D3DCOLOR_XRGB(128, 128, 128);

// Draws one white point at a world position, inside the full frame bracket.
class PointView : public TAVD3D_WindowHandler
{
public:
    float x = 0.0f, y = 0.0f;
    void DrawGraphics() override
    {
        BeginDraw();
        SetupViewTransform();
        GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
        TAVD3D_DrawHelper helper;
        helper.ResetAttributes();
        helper.DrawPoint(x, y, 0.0f);
        EndDraw();
    }
    using TAVD3D_WindowHandler::GetDevice;
};

ULONG References(IUnknown* object)
{
    object->AddRef();
    return object->Release();
}

struct D3DView : ::testing::Test
{
    static constexpr int Size = 16;
    void SetUp() override
    {
        focus.resize(Size, Size);
        ASSERT_TRUE(Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&focus)));
    }
    void TearDown() override { Graphics().ReleaseGraphicsContext(); }
    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }
    IDirect3DDevice9* Device() { return Graphics().GetDevice(); }

    QWidget focus;
};

} // namespace

TEST_F(D3DView, PointDrawnAtAWorldPositionLandsOnThePixelWorldToDeviceNames)
{
    PointView view;
    ASSERT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
    ASSERT_TRUE(view.IsInitialized());
    // One pixel per unit across, two units per pixel up: the mapping is not symmetric.
    view.SetWorldWindow(TAV_BoundingBox({-4.0f, 0.0f, 0.0f}, {12.0f, 32.0f, 0.0f}));
    view.x = 3.25f; // device x 7.25
    view.y = 20.5f; // device y 10.25
    int dx = 0, dy = 0;
    view.WorldToDevice(view.x, view.y, dx, dy);
    ASSERT_EQ(dx, 7);
    ASSERT_EQ(dy, 10);

    view.DrawGraphics();
    const QImage frame = FramePresenter::LastFrame(WindowHandles::HandleOf(&focus));
    ASSERT_EQ(frame.size(), QSize(Size, Size));
    const int row = Size - 1 - dy; // device rows count up from the bottom
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const QRgb expected = (x == dx && y == row) ? qRgb(255, 255, 255) : qRgb(128, 128, 128);
            ASSERT_EQ(frame.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
        }
}

TEST_F(D3DView, AttachingTwiceGivesBackTheFirstReferencesBeforeTakingNewOnes)
{
    const ULONG before = References(Device());
    {
        PointView view;
        ASSERT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
        const ULONG once = References(Device());
        EXPECT_GT(once, before);
        ASSERT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
        EXPECT_TRUE(view.IsInitialized());
        // The second attach gets an additional swap chain; it must still present into the window.
        view.SetWorldWindow(TAV_BoundingBox({-8.0f, -8.0f, 0.0f}, {8.0f, 8.0f, 0.0f}));
        FramePresenter::Clear(WindowHandles::HandleOf(&focus));
        view.DrawGraphics();
        EXPECT_FALSE(FramePresenter::LastFrame(WindowHandles::HandleOf(&focus)).isNull());
        view.DetachFromWindow();
        EXPECT_FALSE(view.IsInitialized());
        EXPECT_EQ(References(Device()), before);
        ASSERT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
    }
    EXPECT_EQ(References(Device()), before); // the destructor detaches
}

TEST_F(D3DView, BeginDrawReleasesTheBackBufferOfAnUnfinishedFrame)
{
    PointView view;
    ASSERT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
    view.BeginDraw();
    IDirect3DSurface9* buffer = nullptr; // the handler's back buffer, now the render target
    ASSERT_EQ(Device()->GetRenderTarget(0, &buffer), D3D_OK);
    const ULONG inFrame = References(buffer);

    view.BeginDraw(); // the first frame never ended
    EXPECT_EQ(References(buffer), inFrame);
    view.EndDraw();
    EXPECT_EQ(References(buffer), inFrame - 1); // the handler holds it no longer
    buffer->Release();
}

TEST_F(D3DView, DestroyingAHandlerInTheMiddleOfAFrameGivesBackItsBackBuffer)
{
    // References left on a frame's back buffer once its handler is gone, with or without EndDraw.
    auto leftAfter = [&](bool endFrame) {
        IDirect3DSurface9* buffer = nullptr;
        {
            PointView view;
            EXPECT_TRUE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
            view.BeginDraw();
            EXPECT_EQ(Device()->GetRenderTarget(0, &buffer), D3D_OK);
            if (endFrame)
                view.EndDraw();
        }
        const ULONG left = References(buffer);
        buffer->Release();
        return left;
    };
    const ULONG midFrame = leftAfter(false);
    EXPECT_EQ(midFrame, leftAfter(true));
}

TEST_F(D3DView, AttachFailsWithoutContextWindowOrClientArea)
{
    PointView view;
    QWidget empty;
    empty.resize(0, 10);
    EXPECT_FALSE(view.AttachToWindow(WindowHandles::HandleOf(&empty))); // no swap chain for no pixels
    EXPECT_FALSE(view.IsInitialized());
    view.BeginDraw(); // does nothing for such a handler
    view.EndDraw();
    EXPECT_TRUE(FramePresenter::LastFrame(WindowHandles::HandleOf(&empty)).isNull());

    EXPECT_FALSE(view.AttachToWindow(nullptr));
    Graphics().ReleaseGraphicsContext();
    EXPECT_FALSE(view.AttachToWindow(WindowHandles::HandleOf(&focus)));
    EXPECT_FALSE(view.IsInitialized());
    EXPECT_EQ(view.GetWindow(), WindowHandles::HandleOf(&focus)); // the window is stored all the same
}

namespace {

// Records what the outline asks of the drawing interface.
class RecordingHelper : public TAV_DrawHelper
{
public:
    std::vector<std::string> calls;
    bool DrawRectangle(float x1, float y1, float, float x2, float y2, float) override
    {
        calls.push_back("rect " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
                        " " + std::to_string(y2) + " color " + std::to_string(GetColor().GetARGB()));
        return true;
    }
    void ResetAttributes() override
    {
        TAV_DrawHelper::ResetAttributes();
        calls.push_back("reset");
    }
    void SetShadeMode(int mode) override { calls.push_back("shade " + std::to_string(mode)); }
    void SetFillMode(int mode) override { calls.push_back("fill " + std::to_string(mode)); }
};

} // namespace

TEST(WorldWindowBounds, OutlineIsARedWireframeRectangleOverTheWorldWindow)
{
    PointView view;
    view.SetWorldWindow(TAV_BoundingBox({-10.0f, -7.0f, 0.0f}, {10.0f, 15.0f, 0.0f}));
    RecordingHelper helper;
    view.DrawWorldWindowBounds(&helper);
    EXPECT_EQ(helper.calls, (std::vector<std::string>{"reset", "shade 0", "fill 1",
                                                      "rect -10.000000 -7.000000 10.000000 15.000000 color " +
                                                          std::to_string(0xFFFF0000u)}));
}
