#include "MainWindowFixture.h"
#include "SceneSnapshot.h"

#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowHandles.h"
#include "resources/ResourceIds.h"
#include "ui/SceneTreeControl.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <fstream>
#include <functional>
#include <random>

namespace {

QWidget* PanelControl(const CWnd& panel, int id)
{
    return WidgetTraits::FindChild(WindowHandles::WidgetOf(panel.GetSafeHwnd()), id);
}

QSlider* SliderOf(const CWnd& panel, int id)
{
    return qobject_cast<QSlider*>(PanelControl(panel, id));
}

// Press on the thumb, move it through positions, release: one gesture.
void DragSlider(QSlider* slider, std::initializer_list<int> positions)
{
    ASSERT_NE(slider, nullptr);
    slider->setSliderDown(true);
    for (int position : positions)
        slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

void ClickButton(const CWnd& panel, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(PanelControl(panel, id));
    ASSERT_NE(button, nullptr);
    button->click();
}

// Items in the scene tree, nested ones included.
int TreeItemCount()
{
    auto* tree = static_cast<QTreeWidget*>(WindowHandles::WidgetOf(SceneTreePanel->GetTreeCtrl().m_hWnd));
    return tree->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive).size();
}

} // namespace

class UndoHistoryTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        std::ifstream file(QUORVEL_EXAMPLES "/hanging.qvl");
        world.LoadModel(file);
        SceneTreePanel->RebuildTree();
    }

    QUndoStack& Stack() { return dialog->GetHistory().Stack(); }
    CXformInfoControl& XformPanel() { return SceneTreePanel->GetXformPanel(); }
    CPrimitiveControl& AttributePanel() { return SceneTreePanel->GetPrimitivePanel(); }
    QWidget* Window() { return WindowHandles::WidgetOf(dialog->GetSafeHwnd()); }

    void Drag(float fromX, float fromY, float toX, float toY)
    {
        const QPoint from = MainClientPoint(fromX, fromY);
        const QPoint to = MainClientPoint(toX, toY);
        Press(MainView(), from);
        Move(MainView(), to, Qt::LeftButton);
        Release(MainView(), to);
    }
    void MakeCurrent(TAV_SceneNode* node) { SceneTreePanel->ShowNode(node); }
    void ChooseFromPopupMenu(UINT item)
    {
        menuAnswer = item;
        QWidget* exitButton = Control(IDOK);
        const QPoint centre = exitButton->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, exitButton->mapToGlobal(centre));
        QApplication::sendEvent(exitButton, &event);
    }
    TAV_SceneNode* TopLevel(int index) { return world.Root->GetChild(index); }
};

TEST_F(UndoHistoryTest, EveryKindOfStepUndoesToTheEarlierSceneAndRedoesToTheLaterOne)
{
    const std::wstring hanging = QUORVEL_EXAMPLES L"/hanging.qvl";
    struct Step
    {
        QString name;
        std::function<void()> act;
    };
    const std::vector<Step> steps = {
        {"Create Circle",
         [&] {
             world.PrimitiveType = 1;
             Click(MainView(), MainClientPoint(15, -12));
         }},
        {"Move Crab", [&] { Drag(2, 10, -16, -8); }},
        {"Hang Circle under Box", [&] { Drag(15, -12, -10, 5); }},
        {"Translate Box",
         [&] {
             MakeCurrent(TopLevel(0));
             DragSlider(SliderOf(XformPanel(), IDC_X_SLIDER), {30000, 31000, 32000});
         }},
        {"Translate Box", [&] { QTest::keyClick(SliderOf(XformPanel(), IDC_Y_SLIDER), Qt::Key_Right); }},
        {"Translate Box",
         [&] {
             auto* field = qobject_cast<QLineEdit*>(
                 PanelControl(XformPanel(), IDC_X_SLIDER + TAVMFC_SliderCtrlWithEcho::EchoIdOffset));
             field->setText(QStringLiteral("-3.25"));
             QTest::keyClick(field, Qt::Key_Return);
         }},
        {"Reset Box", [&] { ClickButton(XformPanel(), IDC_RESET); }},
        {"Show Pivot of Box", [&] { ClickButton(XformPanel(), IDC_SHOW_PIVOT); }},
        {"Change Wireframe of Box", [&] { ClickButton(AttributePanel(), IDC_WIREFRAME); }},
        {"Change Color of Box",
         [&] {
             DragSlider(SliderOf(AttributePanel(), IDC_RED_SLIDER), {10, 90000});
         }},
        {"Change Color of Box",
         [&] {
             // Backspace in a field edits the text and deletes no object.
             auto* field = qobject_cast<QLineEdit*>(
                 PanelControl(AttributePanel(), IDC_GREEN_SLIDER + TAVMFC_SliderCtrlWithEcho::EchoIdOffset));
             field->setText(QStringLiteral("0.55"));
             QTest::keyClick(field, Qt::Key_Backspace);
             QTest::keyClick(field, Qt::Key_Return);
         }},
        {"Change Texture File of Box",
         [&] {
             fileAnswers = {L"/tmp/checker.png"};
             ClickButton(AttributePanel(), IDC_BROWSE);
         }},
        {"UnHinge Circle",
         [&] {
             MakeCurrent(TopLevel(0)->GetChild(1));
             ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
         }},
        {"Delete Crab",
         [&] {
             MakeCurrent(TopLevel(2));
             QTest::keyClick(Window(), Qt::Key_Delete);
         }},
        {"Delete Everything",
         [&] {
             boxAnswers = {IDYES};
             fileAnswers = {std::nullopt};
             dialog->OnLoadModel();
         }},
        {"Load Model",
         [&] {
             boxAnswers = {IDNO};
             fileAnswers = {hanging};
             dialog->OnLoadModel();
         }},
        {"Delete Everything",
         [&] {
             boxAnswers = {IDYES};
             dialog->OnDeleteEverything();
         }},
        {"Load Model",
         [&] {
             boxAnswers = {IDYES};
             fileAnswers = {hanging};
             dialog->OnLoadModel();
         }},
        {"Load Model",
         [&] {
             boxAnswers = {IDNO};
             fileAnswers = {hanging};
             dialog->OnLoadModel();
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name.toStdString());
        const std::wstring before = Snapshot(world);
        const int count = Stack().count();
        step.act();
        ASSERT_EQ(Stack().count(), count + 1);
        EXPECT_EQ(Stack().undoText(), step.name);
        const std::wstring after = Snapshot(world);
        ASSERT_NE(after, before);

        QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Snapshot(world), before);
        QTest::keyClick(Window(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Snapshot(world), after);
        EXPECT_TRUE(world.CurrentNode == world.Root || world.Contains(world.CurrentNode));
    }
}

// Random edits of every kind through the real views, panels, keys and menus,
// with undos and redos among them, so steps are dropped from the redo side too.
TEST_F(UndoHistoryTest, TwoHundredRandomEditsUndoToTheStartAndRedoToTheEnd)
{
    std::mt19937 random(20261207);
    const auto uniform = [&](float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    };
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const auto anyNode = [&] {
        std::vector<TAV_SceneNode*> nodes;
        std::vector<TAV_SceneNode*> pending{world.Root};
        while (!pending.empty()) {
            TAV_SceneNode* node = pending.back();
            pending.pop_back();
            nodes.push_back(node);
            for (int i = 0; i < node->NumChildren(); ++i)
                if (node->GetChild(i))
                    pending.push_back(node->GetChild(i));
        }
        return nodes[pick(static_cast<int>(nodes.size()))];
    };
    const std::wstring start = Snapshot(world);
    int edits = 0;
    while (edits < 220) {
        const int kind = pick(12);
        if (kind == 0) {
            world.PrimitiveType = pick(3);
            Click(MainView(), MainClientPoint(uniform(-20, 20), uniform(-12, 12)));
        } else if (kind == 1) {
            Drag(uniform(-20, 20), uniform(-12, 12), uniform(-20, 20), uniform(-12, 12));
        } else if (kind == 2 || kind == 3) {
            MakeCurrent(anyNode());
            const int modes[] = {IDC_TRANSLATE, IDC_SCALE, IDC_ROTATION, IDC_PIVOT};
            ClickButton(XformPanel(), modes[pick(4)]);
            QTest::keyClick(SliderOf(XformPanel(), IDC_X_SLIDER), pick(2) ? Qt::Key_PageUp : Qt::Key_Right);
        } else if (kind == 4) {
            MakeCurrent(anyNode());
            const int checks[] = {IDC_VISIBILITY, IDC_BOUND_VOL, IDC_TEXTURE,
                                  IDC_SHADING,    IDC_WIREFRAME, IDC_BLENDING};
            ClickButton(AttributePanel(), checks[pick(6)]);
            DragSlider(SliderOf(AttributePanel(), IDC_GREEN_SLIDER), {pick(100000)});
        } else if (kind == 5) {
            MakeCurrent(anyNode());
            QTest::keyClick(Window(), Qt::Key_Backspace);
        } else if (kind == 6) {
            MakeCurrent(anyNode());
            ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
        } else if (kind == 7 && pick(8) == 0) {
            boxAnswers = {IDYES};
            dialog->OnDeleteEverything();
        } else if (kind == 8 && pick(4) == 0) {
            boxAnswers = {pick(2) ? IDYES : IDNO};
            fileAnswers = {QUORVEL_EXAMPLES L"/hanging.qvl"};
            dialog->OnLoadModel();
        } else if (kind == 9) {
            dialog->Undo();
            continue;
        } else if (kind == 10) {
            dialog->Redo();
            continue;
        } else {
            MakeCurrent(anyNode());
            ClickButton(XformPanel(), IDC_RESET);
        }
        ++edits;
    }
    ASSERT_GT(Stack().count(), 100);
    const std::wstring end = Snapshot(world);
    while (Stack().canUndo())
        Stack().undo();
    EXPECT_EQ(Snapshot(world), start);
    while (Stack().canRedo())
        Stack().redo();
    EXPECT_EQ(Snapshot(world), end);
}

TEST_F(UndoHistoryTest, UnHingeKeepsAClawWhereItStandsUnderTheRoot)
{
    TAV_SceneNode* crab = TopLevel(2);
    TAV_SceneNode* claw = crab->GetChild(0)->GetChild(0)->GetChild(1);
    // Turn and scale the crab evenly, so the claw's world matrix has every part a transform can hold.
    TAV_XformInfo turned = crab->GetXformInfo();
    turned.SetRotationInDegrees(30);
    turned.SetScale(2, 2, 1);
    crab->SetXformInfo(turned);
    const TAV_BoundingBox before = [&] {
        TAV_BoundingBox box;
        world.GetDrawHelper().InitializeModelTransform();
        world.Root->FindWorldBoundingBox(claw, box, world.GetDrawHelper(), false);
        return box;
    }();

    MakeCurrent(claw);
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    ASSERT_EQ(world.Root->NumChildren(), 4);
    EXPECT_EQ(TopLevel(3), claw);
    EXPECT_EQ(crab->GetChild(0)->GetChild(0)->GetChild(1), nullptr);
    EXPECT_EQ(world.CurrentNode, claw);
    TAV_BoundingBox after;
    world.GetDrawHelper().InitializeModelTransform();
    world.Root->FindWorldBoundingBox(claw, after, world.GetDrawHelper(), false);
    for (int axis = 0; axis < 2; ++axis) {
        EXPECT_NEAR(after.GetMin()[axis], before.GetMin()[axis], 1e-4);
        EXPECT_NEAR(after.GetMax()[axis], before.GetMax()[axis], 1e-4);
    }
    EXPECT_FLOAT_EQ(claw->GetXformInfo().GetScale().x, 2.0f);

    // A top-level object and the root have no parent to leave.
    const int steps = Stack().count();
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    MakeCurrent(world.Root);
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    ChooseFromPopupMenu(ID_PRIMITIVE_MAKE_PARENT);
    EXPECT_EQ(Stack().count(), steps);
}

TEST_F(UndoHistoryTest, DeletingTakesTheNodesItemAwayAndTheRootStays)
{
    QTest::keyClick(Window(), Qt::Key_Delete);
    MakeCurrent(world.Root);
    ChooseFromPopupMenu(ID_PRIMITIVE_DELETE);
    EXPECT_EQ(Stack().count(), 0);

    TAV_SceneNode* box = TopLevel(0);
    const int items = TreeItemCount();
    MakeCurrent(box->GetChild(0));
    ASSERT_EQ(XformPanel().GetNode(), box->GetChild(0));
    ChooseFromPopupMenu(ID_PRIMITIVE_DELETE);
    EXPECT_EQ(box->GetChild(0), nullptr);
    EXPECT_EQ(TreeItemCount(), items - 2);
    EXPECT_EQ(XformPanel().GetNode(), nullptr);
    EXPECT_EQ(AttributePanel().GetPrimitive(), nullptr);
    EXPECT_EQ(world.CurrentNode, world.Root);

    dialog->Undo();
    EXPECT_EQ(TreeItemCount(), items);
    EXPECT_EQ(world.CurrentNode, box->GetChild(0));
    EXPECT_EQ(XformPanel().GetNode(), box->GetChild(0));
}

TEST_F(UndoHistoryTest, ARightClickOnATreeItemOpensTheMenuForItsNode)
{
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    auto* treeWidget = qobject_cast<QTreeWidget*>(WindowHandles::WidgetOf(tree.GetSafeHwnd()));
    ASSERT_NE(treeWidget, nullptr);
    SceneTreePanel->ShowNode(TopLevel(1));
    QTreeWidgetItem* item = treeWidget->currentItem();
    ASSERT_NE(item, nullptr);
    SceneTreePanel->ShowNode(world.Root);

    menuAnswer = ID_PRIMITIVE_DELETE;
    const QPoint at = treeWidget->visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, treeWidget->viewport()->mapToGlobal(at));
    QApplication::sendEvent(treeWidget->viewport(), &event);
    ASSERT_EQ(menusShown.size(), 1u);
    EXPECT_EQ(menusShown[0].items.size(), 3u);
    EXPECT_EQ(TopLevel(1), nullptr);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("Delete Circle"));
}

TEST_F(UndoHistoryTest, AnUndoneSliderGestureShowsTheRestoredValueInThePanel)
{
    TAV_SceneNode* crab = TopLevel(2); // at (2, 10)
    MakeCurrent(crab);
    QSlider* x = SliderOf(XformPanel(), IDC_X_SLIDER);
    ASSERT_EQ(x->value(), 60000);
    DragSlider(x, {65000, 70000});
    ASSERT_FLOAT_EQ(crab->GetXformInfo().GetTranslation().x, 4.0f);

    MakeCurrent(TopLevel(0));
    dialog->Undo();
    EXPECT_FLOAT_EQ(crab->GetXformInfo().GetTranslation().x, 2.0f);
    EXPECT_EQ(XformPanel().GetNode(), crab);
    EXPECT_EQ(x->value(), 60000);
    dialog->Redo();
    EXPECT_EQ(x->value(), 70000);
}

TEST_F(UndoHistoryTest, CtrlZInATextFieldUndoesTheTypingAndLeavesTheScene)
{
    MakeCurrent(TopLevel(0));
    ClickButton(XformPanel(), IDC_RESET);
    const std::wstring scene = Snapshot(world);
    auto* field = qobject_cast<QLineEdit*>(
        PanelControl(XformPanel(), IDC_X_SLIDER + TAVMFC_SliderCtrlWithEcho::EchoIdOffset));
    ASSERT_NE(field, nullptr);
    const QString shown = field->text();
    QTest::keyClicks(field, QStringLiteral("7"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), shown);
    EXPECT_EQ(Stack().count(), 1);
    EXPECT_EQ(Snapshot(world), scene);
}
