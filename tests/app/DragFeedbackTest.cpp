#include "MainWindowFixture.h"

#include "scene/SceneNode.h"
#include "ui/SceneTreeControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

namespace {

int GreenPixels(const QImage& frame)
{
    int count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            count += (frame.pixel(x, y) & 0xFFFFFF) == 0x00C800u;
    return count;
}

} // namespace

class DragFeedbackTest : public MainWindowTest
{
protected:
    void MoveWithControl(QPoint to)
    {
        QMouseEvent event(QEvent::MouseMove, to, MainView()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                          Qt::ControlModifier);
        QApplication::sendEvent(MainView(), &event);
    }
};

// Box A over (-10, 0)-(-5, 3), box B over (5, 0)-(10, 3).
TEST_F(DragFeedbackTest, WhatAReleaseWouldHangTheDraggedObjectUnderIsOutlinedInGreen)
{
    world.CreateNodeAt(-10, 0);
    world.CreateNodeAt(5, 0);
    TAV_SceneNode* target = world.CurrentNode;
    SceneTreePanel->RebuildTree();
    dialog->GetMainHandler().CenterZoomWindowAt(-400, -400);

    Press(MainView(), MainClientPoint(-9, 1));
    Move(MainView(), MainClientPoint(6, 2), Qt::LeftButton);
    EXPECT_EQ(world.DropTarget, target);
    dialog->GetMainHandler().CenterZoomWindowAt(-400, -400);
    EXPECT_GT(GreenPixels(TickAndGrab(MainView())), 40) << "the target's outline";

    Move(MainView(), MainClientPoint(-9, -10), Qt::LeftButton);
    EXPECT_EQ(world.DropTarget, nullptr);
    dialog->GetMainHandler().CenterZoomWindowAt(-400, -400);
    EXPECT_EQ(GreenPixels(TickAndGrab(MainView())), 0);
    Release(MainView(), MainClientPoint(-9, -10));
    EXPECT_EQ(world.DropTarget, nullptr);
}

TEST_F(DragFeedbackTest, HoldingControlKeepsTheDraggedObjectOnWholeGridUnits)
{
    world.CreateNodeAt(-10, 0);
    TAV_SceneNode* box = world.CurrentNode;
    Press(MainView(), MainClientPoint(-9, 1));
    MoveWithControl(MainClientPoint(-5.3f, 4.4f)); // by about (3.7, 3.4) from the press
    EXPECT_EQ(box->GetXformInfo().GetTranslation(), TAV_Vector3(-6, 3, 0));
    EXPECT_EQ(box->GetXformInfo().GetPivot(), TAV_Vector3(-6, 3, 0));
    // Let go of Ctrl and the object follows the mouse exactly again.
    Move(MainView(), MainClientPoint(-5.3f, 4.4f), Qt::LeftButton);
    const TAV_Vector3 free = box->GetXformInfo().GetTranslation();
    EXPECT_NE(free.x, std::round(free.x));
    Release(MainView(), MainClientPoint(-5.3f, 4.4f));
}

TEST_F(DragFeedbackTest, APressOnAnObjectSelectsItsItemWhileTheHierarchyIsOpen)
{
    world.PrimitiveType = 0;
    world.CreateNodeAt(-10, 0);
    world.CreateNodeAt(10, 0);
    TAV_SceneNode* crab = world.CurrentNode;
    SceneTreePanel->RebuildTree();
    dialog->GetSelectionPanel().GetHierarchy().ShowWindow(SW_SHOW);

    Click(MainView(), MainClientPoint(10, 0));
    const HTREEITEM selected = SceneTreePanel->GetTreeCtrl().GetSelectedItem();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(SceneTreePanel->GetTreeCtrl().GetItemData(selected), reinterpret_cast<DWORD_PTR>(crab));
    EXPECT_EQ(SceneTreePanel->GetXformPanel().GetNode(), crab);
}
