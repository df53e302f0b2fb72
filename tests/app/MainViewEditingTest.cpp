#include "MainWindowFixture.h"

#include "core/Echo.h"
#include "scene/SceneNode.h"
#include "scene/XformInfo.h"
#include "ui/SceneTreeControl.h"

#include <QWidget>

namespace {

// The client point of a view nearest to a world point.
QPoint ClientPointOf(const TAV_WindowHandler& handler, const QWidget* view, float wx, float wy)
{
    int dx = 0;
    int dy = 0;
    handler.WorldToDevice(wx, wy, dx, dy);
    return QPoint(dx, view->height() - dy);
}

TAV_Vector3 TranslationOf(const TAV_SceneNode* node)
{
    return node->GetXformInfo().GetTranslation();
}

} // namespace

TEST_F(MainWindowTest, AClickCreatesABoxAtTheClickedWorldPointAndAddsItToTheTree)
{
    const QPoint at(120, 90);
    const TAV_Vector3 expected = MainWorldPoint(at);
    Click(MainView(), at);

    ASSERT_EQ(world.Root->NumChildren(), 1);
    TAV_SceneNode* box = world.Root->GetChild(0);
    EXPECT_EQ(box->GetTypeCode(), 'B');
    EXPECT_EQ(world.CurrentNode, box);
    EXPECT_FLOAT_EQ(TranslationOf(box).x, expected.x);
    EXPECT_FLOAT_EQ(TranslationOf(box).y, expected.y);
    // The new object's item hangs under "Big Daddy"'s, where the object is.
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    EXPECT_EQ(TopLevelTreeItems(), 1);
    const HTREEITEM item = tree.GetChildItem(tree.GetRootItem());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(tree.GetItemData(item), reinterpret_cast<DWORD_PTR>(box));
}

TEST_F(MainWindowTest, AReleaseAfterAPressOnEmptySpaceCreatesAtTheReleasePoint)
{
    const QPoint press(60, 60);
    const QPoint release(200, 150);
    const TAV_Vector3 expected = MainWorldPoint(release);
    Press(MainView(), press);
    Move(MainView(), release, Qt::LeftButton);
    Release(MainView(), release);

    ASSERT_EQ(TopLevelObjects(), 1);
    EXPECT_FLOAT_EQ(TranslationOf(world.Root->GetChild(0)).x, expected.x);
    EXPECT_FLOAT_EQ(TranslationOf(world.Root->GetChild(0)).y, expected.y);
}

TEST_F(MainWindowTest, DraggingAnObjectOntoAnotherMovesAndReparentsIt)
{
    const CMainHandler& handler = dialog->GetMainHandler();
    world.PrimitiveType = 2;
    world.CreateNodeAt(-10, 0); // box over (-10, 0)-(-5, 3)
    TAV_SceneNode* box = world.CurrentNode;
    world.PrimitiveType = 1;
    world.CreateNodeAt(10, 10); // circle of radius 1.5 around (10, 10)
    TAV_SceneNode* circle = world.CurrentNode;
    SceneTreePanel->RebuildTree();

    // Press on the circle, drag it by whole pixels to just right of the box's top edge.
    const QPoint grab = ClientPointOf(handler, MainView(), 10, 10);
    const QPoint drop = ClientPointOf(handler, MainView(), -4, 3);
    const TAV_Vector3 grabWorld = MainWorldPoint(grab);
    const TAV_Vector3 dropWorld = MainWorldPoint(drop);
    Press(MainView(), grab);
    Move(MainView(), drop, Qt::LeftButton);
    const TAV_Vector3 moved = TranslationOf(circle);
    EXPECT_NEAR(moved.x, 10 + dropWorld.x - grabWorld.x, 1e-4);
    EXPECT_NEAR(moved.y, 10 + dropWorld.y - grabWorld.y, 1e-4);
    EXPECT_FLOAT_EQ(circle->GetXformInfo().GetPivot().x, moved.x);
    Release(MainView(), drop);

    ASSERT_EQ(box->NumChildren(), 1);
    EXPECT_EQ(box->GetChild(0), circle);
    EXPECT_EQ(world.Root->GetChild(1), nullptr); // the circle's old slot stays empty
    EXPECT_NEAR(TranslationOf(circle).x, moved.x + 10, 1e-4);
    EXPECT_NEAR(TranslationOf(circle).y, moved.y, 1e-4);
    EXPECT_EQ(world.CurrentNode, box);
    // The tree was rebuilt from the root: one top-level item, the box under it, the circle under the box.
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    EXPECT_EQ(TopLevelTreeItems(), 1);
    const HTREEITEM boxItem = tree.GetChildItem(tree.GetRootItem());
    ASSERT_NE(boxItem, nullptr);
    EXPECT_NE(tree.GetChildItem(boxItem), nullptr);
}

TEST_F(MainWindowTest, ClearingDuringADragEndsItWithoutMovingTheRoot)
{
    world.CreateNodeAt(0, 0);
    const QPoint grab = ClientPointOf(dialog->GetMainHandler(), MainView(), 1, 1);
    Press(MainView(), grab);
    ASSERT_TRUE(dialog->GetMainHandler().IsDragging());

    boxAnswers = {IDYES};
    dialog->OnDeleteEverything();
    EXPECT_FALSE(dialog->GetMainHandler().IsDragging());
    Move(MainView(), grab + QPoint(40, 40), Qt::LeftButton);
    const TAV_Vector3 root = TranslationOf(world.Root);
    EXPECT_EQ(root.x, 0.0f);
    EXPECT_EQ(root.y, 0.0f);
}

TEST_F(MainWindowTest, TheZoomWindowFollowsTheMouseAtItsSize)
{
    const TAV_BoundingBox before = dialog->GetZoomHandler().GetWorldWindow();
    const QPoint at(150, 100);
    Move(MainView(), at, Qt::NoButton);
    const TAV_BoundingBox after = dialog->GetZoomHandler().GetWorldWindow();
    const TAV_Vector3 expected = MainWorldPoint(at);
    EXPECT_NEAR(after.GetCenter().x, expected.x, 1e-4);
    EXPECT_NEAR(after.GetCenter().y, expected.y, 1e-4);
    EXPECT_NEAR(after.GetWidth(), before.GetWidth(), 1e-4);
    EXPECT_NEAR(after.GetHeight(), before.GetHeight(), 1e-4);
}

TEST_F(MainWindowTest, ARightDragResizesTheZoomWindowFromItsSizeAtThePress)
{
    CDrawOnlyHandler& zoom = dialog->GetZoomHandler();
    Move(MainView(), QPoint(100, 80), Qt::NoButton);
    const float width = zoom.GetWorldWindow().GetWidth();
    const float height = zoom.GetWorldWindow().GetHeight();
    const TAV_Vector3 centre = zoom.GetWorldWindow().GetCenter();
    // A drag whose right press happened outside the view has no anchor: nothing changes.
    Move(MainView(), QPoint(130, 80), Qt::RightButton);
    EXPECT_FLOAT_EQ(zoom.GetWorldWindow().GetWidth(), width);

    Press(MainView(), QPoint(100, 80), Qt::RightButton);
    const struct
    {
        int x;
        float factor;
    } steps[] = {{149, 1.98f}, {150, 1.98f}, {56, 0.12f}, {55, 0.12f}, {101, 1.02f}, {100, 1.02f}};
    for (const auto& step : steps) {
        Move(MainView(), QPoint(step.x, 80), Qt::RightButton);
        const TAV_BoundingBox g = zoom.GetWorldWindow();
        EXPECT_NEAR(g.GetWidth(), width * step.factor, 1e-3) << "at x " << step.x;
        EXPECT_NEAR(g.GetHeight(), height * step.factor, 1e-3) << "at x " << step.x;
        EXPECT_NEAR(g.GetCenter().x, centre.x, 1e-4);
        EXPECT_NEAR(g.GetCenter().y, centre.y, 1e-4);
    }
}

TEST_F(MainWindowTest, ALeftPressInTheZoomViewEchoesTheWorldPointAndChangesNothing)
{
    CDrawOnlyHandler& zoom = dialog->GetZoomHandler();
    const TAV_BoundingBox zoomBefore = zoom.GetWorldWindow();
    const QPoint at(ZoomView()->width() / 2, ZoomView()->height() / 2);
    const TAV_Vector3 under = WorldPointOf(zoom, at);

    Press(ZoomView(), at);
    wchar_t expected[128];
    std::swprintf(expected, 128, L"Moving Hero To: (%f %f)", under.x, under.y);
    EXPECT_EQ(EchoText(), expected);
    Release(ZoomView(), at);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_FLOAT_EQ(zoom.GetWorldWindow().GetMin().x, zoomBefore.GetMin().x);
    EXPECT_FLOAT_EQ(zoom.GetWorldWindow().GetMax().y, zoomBefore.GetMax().y);
}
