#include "MainWindowFixture.h"
#include "SceneSnapshot.h"

#include "platform/win/WidgetTraits.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSlider>
#include <QTreeWidget>
#include <fstream>
#include <functional>

// The main window over the hanging example: a box holding a circle, a circle, and a crab at (2, 10).
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

    template <typename Widget> static Widget* PanelControl(const CWnd& panel, int id)
    {
        return qobject_cast<Widget*>(
            WidgetTraits::FindChild(WindowHandles::WidgetOf(panel.GetSafeHwnd()), id));
    }
    static QSlider* SliderOf(const CWnd& panel, int id) { return PanelControl<QSlider>(panel, id); }
    static QLineEdit* FieldOf(const CWnd& panel, int sliderId)
    {
        return PanelControl<QLineEdit>(panel, sliderId + TAVMFC_SliderCtrlWithEcho::EchoIdOffset);
    }
    // Press on the thumb, move it through positions, release: one gesture.
    static void DragSlider(QSlider* slider, std::initializer_list<int> positions)
    {
        slider->setSliderDown(true);
        for (int position : positions)
            slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
    static void ClickButton(const CWnd& panel, int id) { PanelControl<QAbstractButton>(panel, id)->click(); }
    CXformInfoControl& XformPanel() { return SceneTreePanel->GetXformPanel(); }
    CPrimitiveControl& AttributePanel() { return SceneTreePanel->GetPrimitivePanel(); }
    void Drag(float fromX, float fromY, float toX, float toY)
    {
        Press(MainView(), MainClientPoint(fromX, fromY));
        Move(MainView(), MainClientPoint(toX, toY), Qt::LeftButton);
        Release(MainView(), MainClientPoint(toX, toY));
    }
    void MakeCurrent(TAV_SceneNode* node) { SceneTreePanel->ShowNode(node); }
    void ChooseFromPopupMenu(UINT item)
    {
        menuAnswer = item;
        ContextMenuOn(Control(IDOK));
    }
    TAV_SceneNode* TopLevel(int index) { return world.Root->GetChild(index); }
};

TEST_F(UndoHistoryTest, EveryKindOfStepRoundTripsThroughTheHistoryExactly)
{
    const std::wstring hanging = QUORVEL_EXAMPLES L"/hanging.qvl";
    const auto type = [](QLineEdit* field, const QString& text) {
        field->setText(text);
        // Backspace in a field edits the text and deletes no object.
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Return);
    };
    const auto load = [&](int answer, std::optional<ModalPrompts::FileDialogAnswer> file) {
        boxAnswers = {answer};
        fileAnswers = {file};
        dialog->OnLoadModel();
    };
    const std::pair<QString, std::function<void()>> steps[] = {
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
        {"Translate Box", [&] { type(FieldOf(XformPanel(), IDC_X_SLIDER), QStringLiteral("-3.25")); }},
        {"Reset Box", [&] { ClickButton(XformPanel(), IDC_RESET); }},
        {"Show Pivot of Box", [&] { ClickButton(XformPanel(), IDC_SHOW_PIVOT); }},
        {"Change Wireframe of Box", [&] { ClickButton(AttributePanel(), IDC_WIREFRAME); }},
        {"Change Color of Box",
         [&] {
             DragSlider(SliderOf(AttributePanel(), IDC_RED_SLIDER), {10, 90000});
         }},
        {"Change Color of Box", [&] { type(FieldOf(AttributePanel(), IDC_GREEN_SLIDER), "0.55"); }},
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
        {"Delete Everything", [&] { load(IDYES, std::nullopt); }},
        {"Load Model", [&] { load(IDNO, hanging); }},
        {"Delete Everything",
         [&] {
             boxAnswers = {IDYES};
             dialog->OnDeleteEverything();
         }},
        {"Load Model", [&] { load(IDYES, hanging); }},
        {"Load Model", [&] { load(IDNO, hanging); }},
    };
    for (const auto& [name, act] : steps) {
        SCOPED_TRACE(name.toStdString());
        const std::string before = Snapshot(world);
        const int count = Stack().count();
        act();
        ASSERT_EQ(Stack().count(), count + 1);
        EXPECT_EQ(Stack().undoText(), name);
        const std::string after = Snapshot(world);
        ASSERT_NE(after, before);

        QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Snapshot(world), before);
        QTest::keyClick(Window(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Snapshot(world), after);
        EXPECT_TRUE(world.CurrentNode == world.Root || world.Contains(world.CurrentNode));
    }
}

// The transform a node is given under the root is the world's own business; here it shows as the crab's
// scale.
TEST_F(UndoHistoryTest, UnHingeMovesOnlyANestedNodeUnderTheRoot)
{
    TAV_SceneNode* crab = TopLevel(2);
    TAV_SceneNode* claw = crab->GetChild(0)->GetChild(0)->GetChild(1);
    TAV_XformInfo scaled = crab->GetXformInfo();
    scaled.SetScale(2, 2, 1);
    crab->SetXformInfo(scaled);

    MakeCurrent(claw);
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    ASSERT_EQ(TopLevel(3), claw);
    EXPECT_EQ(crab->GetChild(0)->GetChild(0)->GetChild(1), nullptr);
    EXPECT_EQ(world.CurrentNode, claw);
    EXPECT_FLOAT_EQ(claw->GetXformInfo().GetScale().x, 2.0f);

    // A top-level object and the root have no parent to leave.
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    MakeCurrent(world.Root);
    ChooseFromPopupMenu(ID_PRIMITIVE_UNHINGE);
    ChooseFromPopupMenu(ID_PRIMITIVE_MAKE_PARENT);
    EXPECT_EQ(Stack().count(), 1);
}

TEST_F(UndoHistoryTest, ADeletedNodeLeavesEveryPanelUntilUndone)
{
    QTest::keyClick(Window(), Qt::Key_Delete);
    MakeCurrent(world.Root);
    ChooseFromPopupMenu(ID_PRIMITIVE_DELETE);
    EXPECT_EQ(Stack().count(), 0);

    TAV_SceneNode* circle = TopLevel(0)->GetChild(0);
    const UINT items = TreeItems();
    MakeCurrent(circle);
    ChooseFromPopupMenu(ID_PRIMITIVE_DELETE);
    EXPECT_EQ(TreeItems(), items - 2);
    EXPECT_EQ(XformPanel().GetNode(), nullptr);
    EXPECT_EQ(AttributePanel().GetPrimitive(), nullptr);
    EXPECT_EQ(world.CurrentNode, world.Root);

    dialog->Undo();
    EXPECT_EQ(TreeItems(), items);
    EXPECT_EQ(TopLevel(0)->GetChild(0), circle);
    EXPECT_EQ(XformPanel().GetNode(), circle);
}

TEST_F(UndoHistoryTest, ARightClickOnATreeItemOpensTheMenuForItsNode)
{
    auto* tree =
        qobject_cast<QTreeWidget*>(WindowHandles::WidgetOf(SceneTreePanel->GetTreeCtrl().GetSafeHwnd()));
    SceneTreePanel->ShowNode(TopLevel(1));
    const QPoint at = tree->visualItemRect(tree->currentItem()).center();
    SceneTreePanel->ShowNode(world.Root);

    menuAnswer = ID_PRIMITIVE_DELETE;
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &event);
    EXPECT_EQ(TopLevel(1), nullptr);
    EXPECT_EQ(Stack().undoText(), QStringLiteral("Delete Circle"));
}

TEST_F(UndoHistoryTest, AnUndoneSliderGestureShowsTheRestoredValueInThePanel)
{
    TAV_SceneNode* crab = TopLevel(2); // at (2, 10)
    MakeCurrent(crab);
    QSlider* x = SliderOf(XformPanel(), IDC_X_SLIDER);
    DragSlider(x, {65000, 70000});

    MakeCurrent(TopLevel(0));
    dialog->Undo();
    EXPECT_FLOAT_EQ(crab->GetXformInfo().GetTranslation().x, 2.0f);
    EXPECT_EQ(x->value(), 60000); // 2 on -10..10, shown for the crab again
    dialog->Redo();
    EXPECT_EQ(x->value(), 70000);
}

TEST_F(UndoHistoryTest, CtrlZInATextFieldUndoesOnlyTheTyping)
{
    MakeCurrent(TopLevel(0));
    ClickButton(XformPanel(), IDC_RESET);
    const std::string scene = Snapshot(world);
    QLineEdit* field = FieldOf(XformPanel(), IDC_X_SLIDER);
    const QString shown = field->text();
    QTest::keyClicks(field, QStringLiteral("7"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text(), shown);
    EXPECT_EQ(Stack().count(), 1);
    EXPECT_EQ(Snapshot(world), scene);
}
