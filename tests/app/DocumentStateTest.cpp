#include "MainWindowFixture.h"
#include "SceneSnapshot.h"

#include "app/ModelFile.h"
#include "core/Echo.h"
#include "resources/ResourceIds.h"

#include "platform/win/WindowHandles.h"
#include "scene/World.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QUndoStack>

namespace {

QString Title(const CQuorvelDlg& dialog)
{
    return WindowHandles::WidgetOf(dialog.GetSafeHwnd())->windowTitle();
}

} // namespace

TEST_F(MainWindowTest, TheCaptionNamesTheDocumentAndMarksUnsavedChanges)
{
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel"));
    Click(MainView(), QPoint(50, 50));
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel"));

    boxAnswers = {IDYES};
    fileAnswers = {QUORVEL_EXAMPLES L"/crab.qvl"};
    dialog->OnLoadModel();
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - crab.qvl"));
    Click(MainView(), QPoint(30, 30));
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - crab.qvl*"));

    fileAnswers = {dir.filePath(QStringLiteral("mine")).toStdWString()};
    ASSERT_TRUE(dialog->OnSaveModel());
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - mine.qvl"));
    dialog->Undo();
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - mine.qvl*"));
    dialog->Redo();
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - mine.qvl"));
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChangesAndClosesOnlyWhenTheyAreDealtWith)
{
    QWidget* window = WindowHandles::WidgetOf(dialog->GetSafeHwnd());
    const auto closeBox = [&] {
        QCloseEvent event;
        QApplication::sendEvent(window, &event);
    };
    Click(MainView(), QPoint(50, 50));

    boxAnswers = {IDCANCEL};
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].text, L"Save changes before closing?");
    EXPECT_EQ(boxesShown[0].type & 0x0F, MB_SAVEDISCARDCANCEL);
    EXPECT_TRUE(dialog->IsWindowVisible());

    // Save, but the save fails: the window stays.
    boxAnswers = {IDYES, IDOK};
    fileAnswers = {dir.filePath(QStringLiteral("missing/folder/model.qvl")).toStdWString()};
    closeBox();
    EXPECT_EQ(fileDialogsShown.size(), 1u);
    EXPECT_TRUE(dialog->IsWindowVisible());

    // Save and the save works: the window closes.
    boxAnswers = {IDYES};
    fileAnswers = {dir.filePath(QStringLiteral("model")).toStdWString()};
    QTest::mouseClick(Control(IDOK), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("model.qvl"))));
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(MainWindowTest, ClosingDiscardsWhenToldAndAsksNothingWithoutChanges)
{
    dialog->RequestClose();
    EXPECT_TRUE(boxesShown.empty());
    EXPECT_FALSE(dialog->IsWindowVisible());

    dialog->ShowWindow(SW_SHOW);
    boxAnswers = {IDYES};
    fileAnswers = {QUORVEL_EXAMPLES L"/crab.qvl"};
    dialog->OnLoadModel();
    Click(MainView(), QPoint(50, 50));
    boxAnswers = {IDNO};
    dialog->RequestClose();
    ASSERT_EQ(boxesShown.size(), 2u);
    EXPECT_EQ(boxesShown[1].text, L"Save changes to crab.qvl before closing?");
    EXPECT_EQ(fileDialogsShown.size(), 1u);
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(MainWindowTest, TheSceneFilterSavesADocumentAndAModelFileSaysWhatItCannotKeep)
{
    world.CreateNodeAt(2, 3);
    world.CurrentNode->GetPrimitive()->SetVisible(false);

    fileAnswers = {ModalPrompts::FileDialogAnswer(dir.filePath(QStringLiteral("scene")).toStdWString(), 1)};
    ASSERT_TRUE(dialog->OnSaveModel());
    ASSERT_EQ(fileDialogsShown[0].filters.size(), 3u);
    EXPECT_EQ(fileDialogsShown[0].filters[1].description, L"Quorvel Scene (*.qvs)");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("scene.qvs"))));
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel - scene.qvs"));
    EXPECT_EQ(EchoText().find(L"Saved without"), std::wstring::npos);

    fileAnswers = {dir.filePath(QStringLiteral("model")).toStdWString()};
    ASSERT_TRUE(dialog->OnSaveModel());
    EXPECT_EQ(EchoText(),
              L"Saved without visibility, which a .qvl file cannot keep; a .qvs scene keeps them");
}

// A run killed with unsaved work leaves its scene behind; the next start offers it.
TEST_F(MainWindowTest, TheSceneOfAKilledRunIsOfferedAtTheNextStartAndRestoredExactly)
{
    // A model that ends early loads as unsaved work, which the editor keeps at once.
    const QString model = dir.filePath(QStringLiteral("cut.qvl"));
    QFile file(model);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\nC 4.0 2.0 0.0 4.0 2.0 0.0 1.0 1.0 1.0 0.5 0 \r\n");
    file.close();
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(QUORVEL_EXECUTABLE), {model});
    const QString folder = dir.filePath(QStringLiteral("data/quorvel"));
    QDeadlineTimer deadline(20000);
    while (QDir(folder).entryList({QStringLiteral("*.qvs")}).isEmpty() && !deadline.hasExpired())
        QThread::msleep(50);
    run.kill();
    run.waitForFinished();
    ASSERT_EQ(QDir(folder).entryList({QStringLiteral("*.qvs")}).size(), 1);

    CWorld expected;
    ModelFile::Load(expected, model);
    dialog.reset();
    boxAnswers = {IDYES};
    dialog.emplace(world);
    dialog->SetRecoveryFolder(folder);
    ASSERT_TRUE(dialog->Create(IDD_QUORVEL_DIALOG));
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].text.rfind(L"Recover the unsaved scene from ", 0), 0u);
    EXPECT_EQ(Snapshot(world), Snapshot(expected));
    EXPECT_EQ(Title(*dialog), QStringLiteral("Quorvel"));
    EXPECT_FALSE(dialog->GetHistory().Stack().isClean());

    // Only this run's own file is left, and a clean exit removes that too.
    dialog->RequestClose(); // the box answers IDOK: neither Save nor Cancel, so discard
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("*.qvs")}).isEmpty());
}

TEST_F(MainWindowTest, RecoveryRefusedRemovesTheFileAndKeepsTheSceneEmpty)
{
    Click(MainView(), QPoint(50, 50));
    dialog->KeepRecovery();
    ASSERT_EQ(QDir(RecoveryFolder()).entryList({QStringLiteral("*.qvs")}).size(), 1);
    dialog.reset(); // no clean exit: the file stays
    world.DeleteAllNodes();

    boxAnswers = {IDNO};
    dialog.emplace(world);
    dialog->SetRecoveryFolder(RecoveryFolder());
    ASSERT_TRUE(dialog->Create(IDD_QUORVEL_DIALOG));
    EXPECT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_TRUE(QDir(RecoveryFolder()).entryList({QStringLiteral("*.qvs")}).isEmpty());
}

// A scene file read into an empty scene sets the root as well; undoing the load takes that back too.
TEST_F(MainWindowTest, UndoingASceneFileLoadRestoresTheRootItSet)
{
    world.CreateNodeAt(2, 3);
    TAV_XformInfo turned;
    turned.SetRotationInDegrees(30);
    world.Root->SetXformInfo(turned);
    const QString scene = dir.filePath(QStringLiteral("turned.qvs"));
    QString error;
    ASSERT_TRUE(ModelFile::Save(world, scene, &error)) << error.toStdString();
    world.DeleteAllNodes();
    const std::wstring empty = Snapshot(world);

    boxAnswers = {IDNO};
    fileAnswers = {scene.toStdWString()};
    dialog->OnLoadModel();
    EXPECT_FLOAT_EQ(world.Root->GetXformInfo().GetRotationInDegrees(), 30.0f);
    dialog->Undo();
    EXPECT_EQ(Snapshot(world), empty);
}
