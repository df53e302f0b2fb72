#include "MainWindowFixture.h"

#include "platform/win/WindowHandles.h"
#include "scene/World.h"

#include <QDir>
#include <QFile>
#include <QTest>
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
