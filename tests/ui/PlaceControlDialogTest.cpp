#include "ui/PlaceControlDialog.h"
#include "platform/win/WindowFunctions.h"
#include "tests/ui/HostDialogTest.h"

namespace {

// A panel that hides itself while it initialises, as the attribute panel does.
class ShyPanel : public CDialog
{
public:
    CWnd* parentAtInit = nullptr;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        parentAtInit = GetParent();
        ShowWindow(SW_HIDE);
        return TRUE;
    }
};

using Placement = HostDialogTest;

} // namespace

TEST_F(Placement, APlacedPanelReplacesThePlaceholder)
{
    CWnd* placeholder = main.GetDlgItem(IDC_MAIN_CONTROLS);
    RECT before, after;
    placeholder->GetWindowRect(&before);
    const HWND old = placeholder->m_hWnd;

    ShyPanel panel;
    ASSERT_TRUE(PlaceControlDialog(&main, IDC_MAIN_CONTROLS, &panel, IDD_PRIMITIVE_SELECT));
    panel.GetWindowRect(&after);
    EXPECT_EQ(panel.parentAtInit, &main);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(Corners(after), Corners(before));
    EXPECT_TRUE(panel.IsWindowVisible()); // shown again after hiding itself
    EXPECT_TRUE(messages.empty());
}

TEST_F(Placement, OnlyAFailedCreationIsReported)
{
    ShyPanel panel;
    EXPECT_FALSE(PlaceControlDialog(&main, 4711, &panel, IDD_PRIMITIVE_SELECT));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(panel.m_hWnd, nullptr);

    EXPECT_FALSE(PlaceControlDialog(&main, IDC_MAIN_CONTROLS, &panel, 999)); // no such template
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Fields(messages[0]), std::make_tuple(L"Creation of control Dialog Failed!!", L"", MB_OK, main.m_hWnd));
}
