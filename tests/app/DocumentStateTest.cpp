#include "MainWindowFixture.h"
#include "SceneSnapshot.h"

#include "app/ModelFile.h"
#include "primitives/Primitive.h"

#include <QDir>

using DocumentState = MainWindowTest;

TEST_F(DocumentState, TheCaptionNamesTheDocumentWithAStarWhileUnsaved)
{
    Click(MainView(), QPoint(50, 50));
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel"));

    boxAnswers = {IDYES};
    fileAnswers = {QUORVEL_EXAMPLES L"/crab.qvl"};
    dialog->OnLoadModel();
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel - crab.qvl"));
    Click(MainView(), QPoint(30, 30));
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel - crab.qvl*"));

    fileAnswers = {dir.filePath(QStringLiteral("mine")).toStdWString()};
    ASSERT_TRUE(dialog->OnSaveModel());
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel - mine.qvl"));
    dialog->Undo();
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel - mine.qvl*"));
}

TEST_F(DocumentState, ClosingWithUnsavedChangesWaitsUntilTheyAreSavedOrDiscarded)
{
    dialog->RequestClose(); // nothing to lose: closes without asking
    EXPECT_TRUE(boxesShown.empty());
    EXPECT_FALSE(dialog->IsWindowVisible());
    dialog->ShowWindow(SW_SHOW);
    Click(MainView(), QPoint(50, 50));

    boxAnswers = {IDCANCEL};
    QTest::keyClick(Window(), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].text, L"Save changes before closing?");
    EXPECT_EQ(boxesShown[0].type & 0x0F, MB_SAVEDISCARDCANCEL);
    EXPECT_TRUE(dialog->IsWindowVisible());

    // Save, but the save fails: the window stays.
    boxAnswers = {IDYES, IDOK};
    fileAnswers = {dir.filePath(QStringLiteral("missing/folder/model.qvl")).toStdWString()};
    QCloseEvent close;
    QApplication::sendEvent(Window(), &close);
    EXPECT_TRUE(dialog->IsWindowVisible());

    // Save and the save works: the window closes.
    boxAnswers = {IDYES};
    fileAnswers = {dir.filePath(QStringLiteral("model")).toStdWString()};
    QTest::mouseClick(Control(IDOK), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("model.qvl"))));
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(DocumentState, SavingEchoesWhatTheChosenFormatCannotKeep)
{
    world.CreateNodeAt(2, 3);
    world.CurrentNode->GetPrimitive()->SetVisible(false);

    fileAnswers = {ModalPrompts::FileDialogAnswer(dir.filePath(QStringLiteral("scene")).toStdWString(), 1)};
    ASSERT_TRUE(dialog->OnSaveModel());
    EXPECT_EQ(fileDialogsShown[0].filters.at(1).description, L"Quorvel Scene (*.qvs)");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("scene.qvs"))));
    EXPECT_EQ(EchoText().find(L"Saved without"), std::wstring::npos);

    fileAnswers = {dir.filePath(QStringLiteral("model")).toStdWString()};
    ASSERT_TRUE(dialog->OnSaveModel());
    EXPECT_EQ(EchoText(),
              L"Saved without visibility, which a .qvl file cannot keep; a .qvs scene keeps them");
}

// Unsaved work is kept in the recovery folder as it happens; a window that ends
// without a clean exit, as a killed run does, leaves it for the next start.
TEST_F(DocumentState, TheSceneOfAnUncleanEndIsRestoredExactlyAtTheNextStart)
{
    // A model that ends early loads as unsaved work.
    const QString model = dir.filePath(QStringLiteral("cut.qvl"));
    WriteAll(
        model,
        "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\nC 4.0 2.0 0.0 4.0 2.0 0.0 1.0 1.0 1.0 0.5 0 \r\n");
    boxAnswers = {IDNO};
    fileAnswers = {model.toStdWString()};
    dialog->OnLoadModel();
    const std::string scene = Snapshot(world);
    dialog.reset();
    world.DeleteAllNodes();

    boxAnswers = {IDYES};
    Open(RecoveryFolder());
    ASSERT_EQ(boxesShown.size(), 2u);
    EXPECT_EQ(boxesShown[1].text.rfind(L"Recover the unsaved scene from ", 0), 0u);
    EXPECT_EQ(Snapshot(world), scene);
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_FALSE(Stack().isClean());

    // Only this run's own file is left, and a clean exit removes that too.
    dialog->RequestClose(); // the box answers IDOK: neither Save nor Cancel, so discard
    EXPECT_EQ(QDir(RecoveryFolder()).entryList({QStringLiteral("*.qvs")}).size(), 0);
}

// A scene file read into an empty scene sets the root as well; undoing the load takes that back too.
TEST_F(DocumentState, UndoingASceneFileLoadRestoresTheRootItSet)
{
    world.CreateNodeAt(2, 3);
    TAV_XformInfo turned;
    turned.SetRotationInDegrees(30);
    world.Root->SetXformInfo(turned);
    const QString scene = dir.filePath(QStringLiteral("turned.qvs"));
    ASSERT_TRUE(ModelFile::Save(world, scene, nullptr));
    world.DeleteAllNodes();
    const std::string empty = Snapshot(world);

    boxAnswers = {IDNO};
    fileAnswers = {scene.toStdWString()};
    dialog->OnLoadModel();
    EXPECT_FLOAT_EQ(world.Root->GetXformInfo().GetRotationInDegrees(), 30.0f);
    dialog->Undo();
    EXPECT_EQ(Snapshot(world), empty);
}
