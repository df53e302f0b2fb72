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
    // A client area of that size showing a world window centred on the origin.
    void Attach(int width, int height, float halfWidth, float halfHeight)
    {
        window.resize(width, height);
        ASSERT_TRUE(handler.AttachToWindow(WindowHandles::HandleOf(&window)));
        handler.SetWorldWindow(TAV_BoundingBox({-halfWidth, -halfHeight, 0}, {halfWidth, halfHeight, 0}));
    }
    std::pair<float, float> DeviceToWorld(int dx, int dy) const
    {
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
    Attach(400, 300, 10.0f, 7.5f);
    const std::pair<int, int> client[] = {{0, 0}, {200, 150}, {400, 300}};
    const std::pair<float, float> world[] = {{-10.0f, 7.5f}, {0.0f, 0.0f}, {10.0f, -7.5f}};
    for (int i = 0; i < 3; ++i) {
        int dx = 0, dy = 0;
        ASSERT_TRUE(handler.ClientToDevice(client[i].first, client[i].second, dx, dy));
        EXPECT_EQ(DeviceToWorld(dx, dy), world[i]) << "client point " << i;
    }
    // An odd width centres between pixels: device x 100 lies half a pixel left of c.x.
    Attach(201, 100, 10.0f, 5.0f);
    EXPECT_FLOAT_EQ(DeviceToWorld(100, 50).first, 0.0f - 20.0f / 402.0f);
}

TEST_F(Mapping, WorldToDeviceUndoesDeviceToWorld)
{
    Attach(353, 221, 25.0f, 15.6f);
    for (int dx : {0, 1, 100, 176, 177, 352, 353})
        for (int dy : {0, 1, 110, 111, 220, 221}) {
            const auto [wx, wy] = DeviceToWorld(dx, dy);
            int bx = -1, by = -1;
            handler.WorldToDevice(wx, wy, bx, by);
            EXPECT_EQ(std::pair(bx, by), std::pair(dx, dy)) << wx << "," << wy;
        }
}

TEST_F(Mapping, FarPointsAndFlatWindowsStayInsideIntRange)
{
    Attach(100, 100, 0.0f, 0.0f);
    int dx = 1, dy = 1;
    // Infinite and undefined scales must not be undefined behaviour.
    handler.WorldToDevice(5.0f, 0.0f, dx, dy);
    EXPECT_EQ(std::pair(dx, dy), std::pair(INT_MAX, 0));
    handler.SetWorldWindow(TAV_BoundingBox({-1.0f, -1.0f, 0.0f}, {1.0f, 1.0f, 0.0f}));
    handler.WorldToDevice(-1e30f, 1e30f, dx, dy);
    EXPECT_EQ(std::pair(dx, dy), std::pair(-INT_MAX, INT_MAX));
}
