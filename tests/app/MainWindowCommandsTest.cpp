#include "MainWindowFixture.h"

#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "ui/SceneTreeControl.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QString kExamples = QStringLiteral(QUORVEL_EXAMPLES);

} // namespace

TEST_F(MainWindowTest, LoadAnsweredYesThenCancelledLeavesTheSceneEmpty)
{
    world.CreateNodeAt(1, 1);
    boxAnswers = {IDYES};
    fileAnswers = {std::nullopt};
    QTest::mouseClick(Control(2), Qt::LeftButton);

    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].caption, L"Alert");
    EXPECT_EQ(boxesShown[0].type, 68u);
    EXPECT_EQ(boxesShown[0].text,
              L"Would you like to Delete all Items prior to opening a recent model? NOTE: "
              L"all work will be LOST if not saved...");
    ASSERT_EQ(fileDialogsShown.size(), 1u);
    ASSERT_EQ(fileDialogsShown[0].filters.size(), 3u);
    EXPECT_EQ(fileDialogsShown[0].filters[0].description, L"QVL Files (*.qvl)");
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(TopLevelTreeItems(), 1);
}

TEST_F(MainWindowTest, LoadAnsweredNoAppendsTheFilesObjects)
{
    world.CreateNodeAt(1, 1);
    boxAnswers = {IDNO};
    fileAnswers = {(kExamples + QStringLiteral("/crab.qvl")).toStdWString()};
    dialog->OnLoadModel();

    ASSERT_EQ(world.Root->NumChildren(), 2);
    EXPECT_EQ(world.Root->GetChild(0)->GetTypeCode(), 'B');
    EXPECT_EQ(world.Root->GetChild(1)->GetTypeCode(), 'j');
    EXPECT_EQ(EchoText(), L"Model Loaded...");
    CTreeCtrl& tree = SceneTreePanel->GetTreeCtrl();
    int objects = 0;
    for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
        ++objects;
    EXPECT_EQ(objects, 2);
}

TEST_F(MainWindowTest, LoadReportsAMissingFileAndAFileThatStopsPartWay)
{
    boxAnswers = {IDNO, IDNO};
    const QString broken = dir.filePath(QStringLiteral("broken.qvl"));
    WriteAll(broken, "x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 2 \r\n"
                     "B 3.0 4.0 0.0 3.0 4.0 0.0 1.0 1.0 1.0 0.0 0 \r\n"
                     "C 1.0 oops\r\n");
    fileAnswers = {dir.filePath(QStringLiteral("missing.qvl")).toStdWString(), broken.toStdWString()};

    dialog->OnLoadModel();
    EXPECT_EQ(EchoText(), L"**ERROR** [missing.qvl]: could not open model file!");
    dialog->OnLoadModel();
    EXPECT_EQ(EchoText(), L"**ERROR** [broken.qvl]: line 3 could not be read, 1 objects loaded");
    ASSERT_EQ(world.Root->NumChildren(), 1);
    EXPECT_EQ(world.Root->GetChild(0)->GetTypeCode(), 'B');
}

TEST_F(MainWindowTest, SaveWritesTheModelAndAddsTheExtensionOnlyWhenMissing)
{
    world.PrimitiveType = 0;
    world.CreateNodeAt(0, 0);
    const QByteArray crab = ReadAll(kExamples + QStringLiteral("/crab.qvl"));
    const QString path = dir.filePath(QStringLiteral("crab.qvl"));

    fileAnswers = {dir.filePath(QStringLiteral("crab")).toStdWString()};
    dialog->OnSaveModel();
    EXPECT_EQ(ReadAll(path), crab);
    EXPECT_FALSE(fileDialogsShown.at(0).open);

    world.DeleteAllNodes();
    fileAnswers = {path.toStdWString()};
    dialog->OnSaveModel();
    EXPECT_EQ(ReadAll(path), QByteArray("x 0.0 0.0 0.0 0.0 0.0 0.0 1.0 1.0 1.0 0.0 0 \r\n"));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".qvl")));
    EXPECT_TRUE(boxesShown.empty());
}

TEST_F(MainWindowTest, SaveAsksBeforeTheAddedExtensionReplacesAnotherFile)
{
    const QString path = dir.filePath(QStringLiteral("crab.qvl"));
    WriteAll(path, "keep me");
    boxAnswers = {IDNO};
    fileAnswers = {dir.filePath(QStringLiteral("crab")).toStdWString()};
    dialog->OnSaveModel();
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(ReadAll(path), QByteArray("keep me"));
}

TEST_F(MainWindowTest, AFailedSaveSaysSoAndLeavesTheOldFileByteForByte)
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

TEST_F(MainWindowTest, DeleteEverythingAsksAndKeepsTheEditingState)
{
    world.CreateNodeAt(2, 2);
    world.PrimitiveType = 1;
    world.ShowGrid = false;
    const TAV_BoundingBox mainWindow = dialog->GetMainHandler().GetWorldWindow();

    boxAnswers = {IDNO};
    QTest::mouseClick(Control(IDC_DELETE_EVERYTHING), Qt::LeftButton);
    EXPECT_EQ(world.Root->NumChildren(), 1);
    ASSERT_EQ(boxesShown.size(), 1u);
    EXPECT_EQ(boxesShown[0].text, L"Delete all Items?");

    boxAnswers = {IDYES};
    QTest::mouseClick(Control(IDC_DELETE_EVERYTHING), Qt::LeftButton);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(TopLevelTreeItems(), 1);
    EXPECT_EQ(world.PrimitiveType, 1);
    EXPECT_FALSE(world.ShowGrid);
    EXPECT_FLOAT_EQ(dialog->GetMainHandler().GetWorldWindow().GetMax().y, mainWindow.GetMax().y);
}
