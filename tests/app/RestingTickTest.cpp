#include "MainWindowFixture.h"

#include "platform/d3d9/SoftwareDevice.h"
#include "primitives/PrimitiveList.h"
#include "render/GraphicsSystem.h"

#include <functional>

namespace {

// Clears and draws of one tick, read from the device's call log, and the views
// that were given a new frame.
std::pair<int, int> WorkOfOneTick(CQuorvelDlg& dialog, const std::vector<QWidget*>& views)
{
    std::vector<qint64> shown;
    for (QWidget* view : views)
        shown.push_back(FramePresenter::LastFrame(WindowHandles::HandleOf(view)).cacheKey());
    SoftwareDevice* device = SoftwareDevice::From(TAVD3D_GraphicsSystem::GetInstance().GetDevice());
    device->ClearCallLog();
    device->EnableCallLog(true);
    dialog.DrawViews();
    device->EnableCallLog(false);
    int draws = 0, presents = 0;
    for (const DeviceCall& call : device->CallLog())
        draws += call.kind == DeviceCall::Kind::DrawPrimitiveUP || call.kind == DeviceCall::Kind::Clear;
    device->ClearCallLog();
    for (std::size_t i = 0; i < views.size(); ++i)
        presents += FramePresenter::LastFrame(WindowHandles::HandleOf(views[i])).cacheKey() != shown[i];
    return {draws, presents};
}

} // namespace

using RestingTick = MainWindowTest;

// Every kind of change to what a view shows makes the next tick draw and present
// the views that show it. A tick after a change may draw once more, since the
// device state a frame starts from is signed too; then ticks do nothing.
TEST_F(RestingTick, DrawsOnlyAfterAChangeToWhatAViewShows)
{
    const QString texturePath = dir.filePath(QStringLiteral("stripes.png"));
    QImage stripes(2, 2, QImage::Format_RGB32);
    stripes.fill(QColor(0, 200, 0));
    ASSERT_TRUE(stripes.save(texturePath));
    world.PrimitiveType = 0;
    world.CreateNodeAt(1.0f, 1.0f);
    TAV_SceneNode* crab = world.CurrentNode;
    TAV_Primitive* shell = static_cast<TAV_PrimitiveList*>(crab->GetPrimitive())->GetPrimitive(0);
    const auto repaintTexture = [] {
        IDirect3DTexture9* texture = TAVD3D_GraphicsSystem::GetInstance().Textures().GetAt(0)->GetTexture();
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
        *static_cast<D3DCOLOR*>(locked.pBits) = 0xFFFF0000u;
        texture->UnlockRect(0);
    };
    // What changed, the change, and how many views show it at least.
    const std::tuple<const char*, std::function<void()>, int> changes[] = {
        {"a node moved", [crab] { crab->SetXformInfo(TAV_XformInfo()); }, 2},
        {"an attribute", [shell] { shell->SetColor(TAV_Color(0, 0, 255, 255)); }, 2},
        {"a texture set",
         [&] {
             shell->SetTexturing(true);
             shell->SetTextureName(texturePath.toStdWString());
         },
         2},
        {"texels changed", repaintTexture, 2},
        {"the highlight", [this, crab] { world.HitNode = crab; }, 2},
        {"the grid", [this] { world.ShowGrid = false; }, 2},
        {"the zoom window",
         [this] {
             dialog->GetZoomHandler().SetWorldWindow(
                 TAV_BoundingBox(TAV_Vector3(-2, -2, 0), TAV_Vector3(2, 2, 0)));
         },
         2},
        {"the main view's size",
         [this] { MainView()->resize(MainView()->width() - 10, MainView()->height()); }, 1},
    };
    const std::vector<QWidget*> views{MainView(), ZoomView()};
    for (const auto& [change, make, presents] : changes) {
        SCOPED_TRACE(change);
        WorkOfOneTick(*dialog, views);
        WorkOfOneTick(*dialog, views);
        EXPECT_EQ(WorkOfOneTick(*dialog, views), std::make_pair(0, 0)) << "draws and presents at rest";
        make();
        const auto [draws, shown] = WorkOfOneTick(*dialog, views);
        EXPECT_GT(draws, 0);
        EXPECT_GE(shown, presents);
    }
}
