#include "platform/win/WindowHandles.h"
#include "view/WindowHandler.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

namespace {

// Only the platform-neutral mappings; nothing is drawn.
class MappingHandler : public TAV_WindowHandler
{
public:
    bool IsInitialized() const override { return false; }
    void BeginDraw() override {}
    void EndDraw() override {}
    void DrawGraphics() override {}
    void SetupViewTransform() override {}
};

struct Mapping : ::testing::Test
{
    void Attach(int width, int height, TAV_Vector3 lo, TAV_Vector3 hi)
    {
        window.resize(width, height);
        ASSERT_TRUE(handler.AttachToWindow(WindowHandles::HandleOf(&window)));
        handler.SetWorldWindow(TAV_BoundingBox(lo, hi));
    }
    // Client point to world, the two steps every mouse event takes.
    std::pair<float, float> ClientToWorld(int x, int y)
    {
        int dx = 0, dy = 0;
        EXPECT_TRUE(handler.ClientToDevice(x, y, dx, dy));
        float wx = 0, wy = 0;
        handler.DeviceToWorld(dx, dy, wx, wy);
        return {wx, wy};
    }
    QWidget window;
    MappingHandler handler;
};

} // namespace

TEST_F(Mapping, ClientCornersAndCentreReachTheWorldWindowCornersAndCentre)
{
    Attach(400, 300, {-10.0f, -7.5f, 0.0f}, {10.0f, 7.5f, 0.0f});
    EXPECT_EQ(ClientToWorld(0, 0), std::make_pair(-10.0f, 7.5f));
    EXPECT_EQ(ClientToWorld(200, 150), std::make_pair(0.0f, 0.0f));
    EXPECT_EQ(ClientToWorld(400, 300), std::make_pair(10.0f, -7.5f));
    EXPECT_FLOAT_EQ(handler.GetAspectRatio(), 400.0f / 300.0f);
}

TEST_F(Mapping, OddWidthCentresBetweenPixels)
{
    Attach(201, 100, {-10.0f, -5.0f, 0.0f}, {10.0f, 5.0f, 0.0f});
    float wx = 0, wy = 0;
    handler.DeviceToWorld(100, 50, wx, wy);
    EXPECT_FLOAT_EQ(wx, 0.0f - 20.0f / 402.0f); // c.x - bw / 402, not c.x
    EXPECT_FLOAT_EQ(wy, 0.0f);
}

TEST_F(Mapping, WorldToDeviceUndoesDeviceToWorld)
{
    Attach(353, 221, {-25.0f, -15.6f, 0.0f}, {25.0f, 15.6f, 0.0f});
    for (int dx : {0, 1, 100, 176, 177, 352, 353})
        for (int dy : {0, 1, 110, 111, 220, 221}) {
            float wx = 0, wy = 0;
            handler.DeviceToWorld(dx, dy, wx, wy);
            int bx = -1, by = -1;
            handler.WorldToDevice(wx, wy, bx, by);
            EXPECT_EQ(bx, dx) << wx;
            EXPECT_EQ(by, dy) << wy;
        }
}

TEST_F(Mapping, FarPointsAndFlatWindowsStayInsideIntRange)
{
    Attach(100, 100, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}); // zero-sized world window
    int dx = 1, dy = 1;
    handler.WorldToDevice(5.0f, 0.0f, dx,
                          dy); // infinite and undefined scales must not be undefined behaviour
    EXPECT_EQ(dx, INT_MAX);
    EXPECT_EQ(dy, 0);
    handler.SetWorldWindow(TAV_BoundingBox({-1.0f, -1.0f, 0.0f}, {1.0f, 1.0f, 0.0f}));
    handler.WorldToDevice(-1e30f, 1e30f, dx, dy);
    EXPECT_EQ(dx, -INT_MAX);
    EXPECT_EQ(dy, INT_MAX);
}

TEST_F(Mapping, WithoutAWindowNothingIsMappedOrDivided)
{
    int dx = 7, dy = 8;
    EXPECT_FALSE(handler.ClientToDevice(1, 2, dx, dy));
    EXPECT_EQ(dx, 7);
    EXPECT_EQ(dy, 8);
    EXPECT_EQ(handler.GetAspectRatio(), 0.0f);

    Attach(50, 0, {-1.0f, -1.0f, 0.0f}, {1.0f, 1.0f, 0.0f});
    EXPECT_EQ(handler.GetAspectRatio(), 0.0f); // no height

    // A dead handle is refused and the live one kept.
    HWND live = handler.GetWindow();
    HWND dead = nullptr;
    {
        QWidget gone;
        dead = WindowHandles::HandleOf(&gone);
    }
    EXPECT_FALSE(handler.AttachToWindow(dead));
    EXPECT_EQ(handler.GetWindow(), live);
}

TEST_F(Mapping, ResizeKeepsTheTopLeftCornerInTheParent)
{
    QWidget parent;
    parent.resize(300, 200);
    auto* child = new QWidget(&parent);
    child->setGeometry(30, 40, 100, 50);
    ASSERT_TRUE(handler.AttachToWindow(WindowHandles::HandleOf(child)));
    handler.ResizeWindow(120, 70);
    EXPECT_EQ(child->geometry(), QRect(30, 40, 120, 70));
    int w = 0, h = 0;
    handler.GetDeviceSize(w, h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 70);
}
