#include "MainWindowFixture.h"

#include "platform/win/WindowFunctions.h"

#include <QDir>
#include <csignal>
#include <sys/resource.h>

// The main view shows x from -25 to 25 about the origin, the zoom view x from -10 to 10 from y = -7 up;
// each world window takes its view's shape.
TEST_F(MainWindowTest, StartUpFitsBothWorldWindowsToTheirViews)
{
    const TAV_BoundingBox main = dialog->GetMainHandler().GetWorldWindow();
    const TAV_BoundingBox zoom = dialog->GetZoomHandler().GetWorldWindow();
    EXPECT_FLOAT_EQ(main.GetMin().x, -25.0f);
    EXPECT_EQ(main.GetCenter(), TAV_Vector3(0, 0, 0));
    EXPECT_FLOAT_EQ(zoom.GetMin().x, -10.0f);
    EXPECT_FLOAT_EQ(zoom.GetMin().y, -7.0f);
    EXPECT_FLOAT_EQ(zoom.GetWidth(), 20.0f);
    for (const auto& [view, window] : {std::pair{MainView(), main}, {ZoomView(), zoom}})
        EXPECT_NEAR(window.GetHeight() / window.GetWidth(), float(view->height()) / view->width(), 1e-5);
}

TEST_F(MainWindowTest, TheTimerDrawsBothViews)
{
    EXPECT_TRUE(FramePresenter::LastFrame(dialog->GetMainHandler().GetWindow()).isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!FramePresenter::LastFrame(dialog->GetMainHandler().GetWindow()).isNull(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!FramePresenter::LastFrame(dialog->GetZoomHandler().GetWindow()).isNull(), 2000);
}

TEST_F(MainWindowTest, ThePopupMenuShowsOnlyOverExitProgram)
{
    for (QWidget* elsewhere : {MainView(), ZoomView(), Control(IDC_SAVE_MODEL)})
        ContextMenuOn(elsewhere);
    EXPECT_TRUE(menusShown.empty());

    ContextMenuOn(Control(IDOK));
    ASSERT_EQ(menusShown.size(), 1u);
    EXPECT_EQ(menusShown[0].title, L"Primitive Menu");
    ASSERT_EQ(menusShown[0].items.size(), 3u);
    EXPECT_EQ(menusShown[0].items[0].id, ID_PRIMITIVE_DELETE);
    EXPECT_EQ(menusShown[0].items[2].id, ID_PRIMITIVE_UNHINGE);
}

TEST_F(MainWindowTest, OnlyControlKeysRunFileCommandsFromTheKeyboard)
{
    Window()->activateWindow();
    QTest::keyClick(Window(), Qt::Key_Escape);
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_TRUE(boxesShown.empty());
    EXPECT_TRUE(fileDialogsShown.empty());
    EXPECT_TRUE(IsWindow(dialog->GetSafeHwnd()));

    boxAnswers = {IDNO};
    QTest::keyClick(Window(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(fileDialogsShown.size(), 1u);
    EXPECT_TRUE(fileDialogsShown[0].open);
    QTest::keyClick(Window(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(fileDialogsShown.size(), 2u);
    EXPECT_FALSE(fileDialogsShown[1].open);
}

// Load first asks whether to delete everything, then appends what it could read of the chosen file.
TEST_F(MainWindowTest, LoadEchoesWhatItCouldReadOfTheChosenFile)
{
    world.CreateNodeAt(1, 1);
    const QString broken = dir.filePath(QStringLiteral("broken.qvl"));
    WriteAll(broken, "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                     "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n"
                     "C 1.0 oops\r\n");
    // The answer to the box, the file chosen, the echo, then the objects and the tree's items.
    const std::tuple<int, std::optional<std::wstring>, std::wstring, int, UINT> loads[] = {
        {IDNO, QUORVEL_EXAMPLES L"/crab.qvl", L"Model Loaded...", 2, 11}, // the crab: nine items
        {IDNO, dir.filePath("missing.qvl").toStdWString(),
         L"**ERROR** [missing.qvl]: could not open model file!", 2, 11},
        {IDNO, broken.toStdWString(), L"**ERROR** [broken.qvl]: line 3 could not be read, 1 objects loaded",
         3, 12},
        {IDYES, std::nullopt, L"", 0, 1}, // the file dialog cancelled
    };
    for (const auto& [answer, file, echo, objects, items] : loads) {
        boxAnswers = {answer};
        fileAnswers = {file};
        QTest::mouseClick(Control(IDC_LOAD_MODEL), Qt::LeftButton);
        if (!echo.empty()) {
            EXPECT_EQ(EchoText(), echo);
        }
        EXPECT_EQ(world.Root->NumChildren(), objects);
        EXPECT_EQ(TreeItems(), items);
    }
    ASSERT_EQ(boxesShown.size(), 4u);
    EXPECT_EQ(boxesShown[0].caption, L"Alert");
    EXPECT_EQ(boxesShown[0].type, UINT(MB_YESNO | MB_ICONINFORMATION));
    EXPECT_EQ(boxesShown[0].text,
              L"Would you like to Delete all Items prior to opening a recent model? NOTE: "
              L"all work will be LOST if not saved...");
    EXPECT_EQ(fileDialogsShown.at(0).filters.at(0).description, L"QVL Files (*.qvl)");
}

TEST_F(MainWindowTest, SaveAddsTheExtensionOnlyWhenMissing)
{
    world.PrimitiveType = 0;
    world.CreateNodeAt(0, 0);
    const QString path = dir.filePath(QStringLiteral("crab.qvl"));
    fileAnswers = {dir.filePath(QStringLiteral("crab")).toStdWString()};
    dialog->OnSaveModel();
    EXPECT_EQ(ReadAll(path), ReadAll(QUORVEL_EXAMPLES "/crab.qvl"));

    world.DeleteAllNodes();
    fileAnswers = {path.toStdWString()};
    dialog->OnSaveModel();
    EXPECT_EQ(ReadAll(path), QByteArray("x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 0 \r\n"));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".qvl")));
    EXPECT_TRUE(boxesShown.empty());

    // The added extension would replace another file: asked first, and No keeps it.
    WriteAll(path, "keep me");
    boxAnswers = {IDNO};
    fileAnswers = {dir.filePath(QStringLiteral("crab")).toStdWString()};
    dialog->OnSaveModel();
    EXPECT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(ReadAll(path), QByteArray("keep me"));
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheOldFileByteForByte)
{
    const QString path = dir.filePath(QStringLiteral("crab.qvl"));
    WriteAll(path, "old model");
    world.PrimitiveType = 0;
    world.CreateNodeAt(0, 0);

    // Files may grow to 16 bytes only: the model's write fails as on a full disk.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
    fileAnswers = {path.toStdWString()};
    dialog->OnSaveModel();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadAll(path), QByteArray("old model"));
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].caption, L"Alert");
    EXPECT_NE(boxesShown[0].text.find(path.toStdWString()), std::wstring::npos);
    EXPECT_NE(boxesShown[0].text.find(L"File too large"), std::wstring::npos) << "the system's reason";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file is left behind";
}

TEST_F(MainWindowTest, DeleteEverythingClearsOnlyTheSceneOnceConfirmed)
{
    world.CreateNodeAt(2, 2);
    world.PrimitiveType = 1;
    world.ShowGrid = false;
    const TAV_BoundingBox mainWindow = dialog->GetMainHandler().GetWorldWindow();

    boxAnswers = {IDNO, IDYES};
    QTest::mouseClick(Control(IDC_DELETE_EVERYTHING), Qt::LeftButton);
    EXPECT_EQ(world.Root->NumChildren(), 1);
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].text, L"Delete all Items?");

    QTest::mouseClick(Control(IDC_DELETE_EVERYTHING), Qt::LeftButton);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(TreeItems(), 1u);
    EXPECT_EQ(world.PrimitiveType, 1);
    EXPECT_FALSE(world.ShowGrid);
    EXPECT_FLOAT_EQ(dialog->GetMainHandler().GetWorldWindow().GetMax().y, mainWindow.GetMax().y);
}
