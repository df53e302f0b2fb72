#include "MainWindowFixture.h"

#include "platform/d3d9/SoftwareDevice.h"
#include "render/GraphicsSystem.h"

#include <algorithm>

using RestingTick = MainWindowTest;

// A tick whose frames would equal the ones last shown neither draws nor presents;
// a change to the world makes the next tick draw and present again.
TEST_F(RestingTick, DrawsOnlyAfterAChangeToTheWorld)
{
    world.CreateNodeAt(1.0f, 1.0f);
    SoftwareDevice* device = SoftwareDevice::From(TAVD3D_GraphicsSystem::GetInstance().GetDevice());
    // The clears and draws of one tick, and whether the main view was given a new frame.
    const auto tick = [&] {
        const qint64 shown = FramePresenter::LastFrame(WindowHandles::HandleOf(MainView())).cacheKey();
        device->ClearCallLog();
        device->EnableCallLog(true);
        const bool presented = TickAndGrab(MainView()).cacheKey() != shown;
        device->EnableCallLog(false);
        const auto draws = std::count_if(device->CallLog().begin(), device->CallLog().end(), [](auto& call) {
            return call.kind == DeviceCall::Kind::DrawPrimitiveUP || call.kind == DeviceCall::Kind::Clear;
        });
        device->ClearCallLog();
        return std::pair(draws > 0, presented);
    };
    tick();
    tick(); // the device state a frame starts from is signed too, so a second tick may still draw
    EXPECT_EQ(tick(), std::pair(false, false)) << "draws and presents at rest";
    world.CurrentNode->SetXformInfo(TAV_XformInfo());
    EXPECT_EQ(tick(), std::pair(true, true));
}
