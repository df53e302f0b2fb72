#include "ui/PlaceControlDialog.h"
#include "platform/win/Dialog.h"
#include "platform/win/WindowFunctions.h"
#include "tests/ui/MessageRecorder.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

// A panel that hides itself while it initialises, as the attribute panel does.
class ShyPanel : public CDialog
{
public:
    bool wasChildOfParent = false;
    CWnd* expectedParent = nullptr;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        wasChildOfParent = GetParent() == expectedParent;
        ShowWindow(SW_HIDE);
        return TRUE;
    }
};

struct Placement : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(main.Create(102));
        main.ShowWindow(SW_SHOW);
    }
    CDialog main;
    MessageRecorder recorder;
    std::vector<ModalPrompts::MessageBoxRequest>& messages = recorder.messages;
};

} // namespace

TEST_F(Placement, PanelTakesThePlaceholdersRectangleAndIsShown)
{
    CWnd* placeholder = main.GetDlgItem(1011);
    RECT before;
    placeholder->GetWindowRect(&before);
    const HWND old = placeholder->m_hWnd;

    ShyPanel panel;
    panel.expectedParent = &main;
    ASSERT_TRUE(PlaceControlDialog(&main, 1011, &panel, 129));
    EXPECT_TRUE(panel.wasChildOfParent);
    EXPECT_FALSE(IsWindow(old));
    RECT after;
    panel.GetWindowRect(&after);
    EXPECT_EQ(std::tie(after.left, after.top, after.right, after.bottom),
              std::tie(before.left, before.top, before.right, before.bottom));
    EXPECT_TRUE(panel.IsWindowVisible()); // shown again after hiding itself
    EXPECT_NE(panel.GetDlgItem(1012), nullptr);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Placement, MissingPlaceholderFailsSilentlyAndFailedCreationSaysSo)
{
    ShyPanel panel;
    EXPECT_FALSE(PlaceControlDialog(&main, 4711, &panel, 129));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(panel.m_hWnd, nullptr);

    EXPECT_FALSE(PlaceControlDialog(&main, 1011, &panel, 999));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, L"Creation of control Dialog Failed!!");
    EXPECT_EQ(messages[0].caption, L"");
    EXPECT_EQ(messages[0].type, MB_OK);
    EXPECT_EQ(messages[0].owner, main.m_hWnd);
}
