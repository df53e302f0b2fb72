#include "MainWindowFixture.h"

#include <algorithm>
#include <cmath>

namespace {

TAV_Vector3 TranslationOf(const TAV_SceneNode* node)
{
    return node->GetXformInfo().GetTranslation();
}

} // namespace

using MainViewEditing = MainWindowTest;

TEST_F(MainViewEditing, APressOnEmptySpaceCreatesABoxWhereTheButtonIsReleased)
{
    const QPoint release(200, 150);
    const TAV_Vector3 expected = MainWorldPoint(release);
    Press(MainView(), QPoint(60, 60));
    Move(MainView(), release, Qt::LeftButton);
    Release(MainView(), release);

    ASSERT_EQ(world.Root->NumChildren(), 1);
    TAV_SceneNode* box = world.Root->GetChild(0);
    EXPECT_EQ(box->GetTypeCode(), 'B');
    EXPECT_EQ(world.CurrentNode, box);
    EXPECT_FLOAT_EQ(TranslationOf(box).x, expected.x);
    EXPECT_FLOAT_EQ(TranslationOf(box).y, expected.y);
    // The new object's item hangs under "Big Daddy"'s, where the object is.
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    const HTREEITEM item = tree.GetChildItem(tree.GetRootItem());
    EXPECT_EQ(tree.GetItemData(item), reinterpret_cast<DWORD_PTR>(box));
}

TEST_F(MainViewEditing, ADropHangsTheDraggedObjectUnderTheTargetOutlinedInGreen)
{
    world.PrimitiveType = 2;
    world.CreateNodeAt(-10, 0); // box over (-10, 0)-(-5, 3)
    TAV_SceneNode* box = world.CurrentNode;
    world.PrimitiveType = 1;
    world.CreateNodeAt(10, 10); // circle of radius 1.5 around (10, 10)
    TAV_SceneNode* circle = world.CurrentNode;
    SceneTreePanel->RebuildTree();
    const auto greenPixels = [&] {
        dialog->GetMainHandler().CenterZoomWindowAt(-400, -400); // the zoom outline out of the way
        const QImage frame = TickAndGrab(MainView());
        const QRgb* pixels = reinterpret_cast<const QRgb*>(frame.constBits());
        return std::count_if(pixels, pixels + frame.width() * frame.height(),
                             [](QRgb pixel) { return (pixel & 0xFFFFFF) == 0x00C800u; });
    };

    // Press on the circle; drag it by whole pixels to just right of the box's top edge, away and back.
    const QPoint grab = MainClientPoint(10, 10);
    const QPoint drop = MainClientPoint(-4, 3);
    Press(MainView(), grab);
    Move(MainView(), drop, Qt::LeftButton);
    EXPECT_EQ(world.DropTarget, box);
    EXPECT_GT(greenPixels(), 40) << "the target's outline";
    Move(MainView(), MainClientPoint(0, -10), Qt::LeftButton);
    EXPECT_EQ(world.DropTarget, nullptr);
    EXPECT_EQ(greenPixels(), 0);
    Move(MainView(), drop, Qt::LeftButton);
    const TAV_Vector3 shift = MainWorldPoint(drop) - MainWorldPoint(grab);
    const TAV_Vector3 moved = TranslationOf(circle);
    EXPECT_NEAR(moved.x, 10 + shift.x, 1e-4);
    EXPECT_NEAR(moved.y, 10 + shift.y, 1e-4);
    Release(MainView(), drop);

    ASSERT_EQ(box->NumChildren(), 1);
    EXPECT_EQ(box->GetChild(0), circle);
    EXPECT_EQ(world.Root->GetChild(1), nullptr); // the circle's old slot stays empty
    EXPECT_EQ(world.CurrentNode, box);
    EXPECT_EQ(world.DropTarget, nullptr);
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    const HTREEITEM boxItem = tree.GetChildItem(tree.GetRootItem());
    EXPECT_EQ(tree.GetItemData(tree.GetChildItem(boxItem)), reinterpret_cast<DWORD_PTR>(circle));
}

TEST_F(MainViewEditing, HoldingControlKeepsTheDraggedObjectOnWholeGridUnits)
{
    world.CreateNodeAt(-10, 0);
    TAV_SceneNode* box = world.CurrentNode;
    const QPoint to = MainClientPoint(-5.3f, 4.4f); // about (3.7, 3.4) from the press
    Press(MainView(), MainClientPoint(-9, 1));
    Mouse(MainView(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(TranslationOf(box), TAV_Vector3(-6, 3, 0));
    EXPECT_EQ(box->GetXformInfo().GetPivot(), TAV_Vector3(-6, 3, 0));
    // Let go of Ctrl and the object follows the mouse exactly again.
    Move(MainView(), to, Qt::LeftButton);
    EXPECT_NE(TranslationOf(box).x, std::round(TranslationOf(box).x));
}

TEST_F(MainViewEditing, APressOnAnObjectSelectsItsItemWhileTheHierarchyIsOpen)
{
    world.PrimitiveType = 0;
    world.CreateNodeAt(-10, 0);
    world.CreateNodeAt(10, 0);
    TAV_SceneNode* crab = world.CurrentNode;
    SceneTreePanel->RebuildTree();
    dialog->GetSelectionPanel().GetHierarchy().ShowWindow(SW_SHOW);

    Click(MainView(), MainClientPoint(10, 0));
    const HTREEITEM selected = SceneTreePanel->GetTreeCtrl().GetSelectedItem();
    EXPECT_EQ(SceneTreePanel->GetTreeCtrl().GetItemData(selected), reinterpret_cast<DWORD_PTR>(crab));
    EXPECT_EQ(SceneTreePanel->GetXformPanel().GetNode(), crab);
}

TEST_F(MainViewEditing, ClearingDuringADragEndsItWithoutMovingTheRoot)
{
    world.CreateNodeAt(0, 0);
    Press(MainView(), MainClientPoint(1, 1));
    ASSERT_TRUE(dialog->GetMainHandler().IsDragging());

    boxAnswers = {IDYES};
    dialog->OnDeleteEverything();
    EXPECT_FALSE(dialog->GetMainHandler().IsDragging());
    Move(MainView(), MainClientPoint(1, 1) + QPoint(40, 40), Qt::LeftButton);
    EXPECT_EQ(TranslationOf(world.Root), TAV_Vector3(0, 0, 0));
}

// The zoom window follows the mouse at its size; a right drag resizes it from its size at the press.
TEST_F(MainViewEditing, TheMouseOverTheMainViewSteersTheZoomWindow)
{
    CDrawOnlyHandler& zoom = dialog->GetZoomHandler();
    const float width = zoom.GetWorldWindow().GetWidth();
    Move(MainView(), QPoint(100, 80), Qt::NoButton);
    const TAV_BoundingBox start = zoom.GetWorldWindow();
    EXPECT_FLOAT_EQ(start.GetWidth(), width);
    EXPECT_NEAR(start.GetCenter().x, MainWorldPoint(QPoint(100, 80)).x, 1e-4);
    EXPECT_NEAR(start.GetCenter().y, MainWorldPoint(QPoint(100, 80)).y, 1e-4);
    // A drag whose right press happened outside the view has no anchor: nothing changes.
    Move(MainView(), QPoint(130, 80), Qt::RightButton);
    EXPECT_FLOAT_EQ(zoom.GetWorldWindow().GetWidth(), start.GetWidth());

    Press(MainView(), QPoint(100, 80), Qt::RightButton);
    const std::pair<int, float> steps[] = {{149, 1.98f}, {150, 1.98f}, {56, 0.12f},
                                           {55, 0.12f},  {101, 1.02f}, {100, 1.02f}};
    for (const auto& [x, factor] : steps) {
        Move(MainView(), QPoint(x, 80), Qt::RightButton);
        const TAV_BoundingBox g = zoom.GetWorldWindow();
        EXPECT_NEAR(g.GetWidth(), start.GetWidth() * factor, 1e-3) << "at x " << x;
        EXPECT_NEAR(g.GetCenter().x, start.GetCenter().x, 1e-4);
    }
}

TEST_F(MainViewEditing, ALeftPressInTheZoomViewOnlyEchoesTheWorldPoint)
{
    CDrawOnlyHandler& zoom = dialog->GetZoomHandler();
    const TAV_BoundingBox before = zoom.GetWorldWindow();
    const QPoint at(ZoomView()->width() / 2, ZoomView()->height() / 2);
    const TAV_Vector3 under = WorldPointOf(zoom, at);

    Press(ZoomView(), at);
    wchar_t expected[128];
    std::swprintf(expected, 128, L"Moving Hero To: (%f %f)", under.x, under.y);
    EXPECT_EQ(EchoText(), expected);
    Release(ZoomView(), at);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_FLOAT_EQ(zoom.GetWorldWindow().GetMin().x, before.GetMin().x);
}
