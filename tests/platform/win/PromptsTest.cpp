#include "platform/win/FileDialog.h"
#include "platform/win/Menu.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WideFormat.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/Wnd.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

// Removes every answerer at the end of a test, so no prompt of a later test blocks.
struct PromptFixture : ::testing::Test
{
    void TearDown() override
    {
        ModalPrompts::SetMessageBoxAnswerer(nullptr);
        ModalPrompts::SetFileDialogAnswerer(nullptr);
        ModalPrompts::SetPopupMenuAnswerer(nullptr);
    }
};

} // namespace

TEST_F(PromptFixture, MessageBoxesPassTheirRequestAndReturnTheAnswer)
{
    ModalPrompts::MessageBoxRequest seen;
    ModalPrompts::SetMessageBoxAnswerer([&](const ModalPrompts::MessageBoxRequest& request) {
        seen = request;
        return request.text == L"Delete all Items?" ? IDYES : IDNO;
    });
    EXPECT_EQ(MessageBoxW(nullptr, L"Delete all Items?", L"Alert", MB_YESNO | MB_ICONINFORMATION), 6);
    EXPECT_EQ(seen.caption, L"Alert");
    EXPECT_EQ(seen.type, 68u);
    CWnd window;
    EXPECT_EQ(window.MessageBox(L"Something else", nullptr, MB_YESNO), 7);
}

TEST_F(PromptFixture, FileDialogSplitsTheFilterAndAnswersPathAndNameOrNothingWhenCancelled)
{
    ModalPrompts::FileDialogRequest seen;
    std::optional<std::wstring> answer = L"/home/user/models/crab.qvl";
    ModalPrompts::SetFileDialogAnswerer([&](const ModalPrompts::FileDialogRequest& request) {
        seen = request;
        return answer;
    });
    CFileDialog save(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"QVL Files (*.qvl)|*.qvl|All Files (*.*)|*.*||");
    EXPECT_EQ(save.DoModal(), 1);
    EXPECT_FALSE(seen.open);
    EXPECT_EQ(seen.flags, 6u);
    ASSERT_EQ(seen.filters.size(), 2u);
    EXPECT_EQ(seen.filters[0].description, L"QVL Files (*.qvl)");
    EXPECT_EQ(seen.filters[0].pattern, L"*.qvl");
    EXPECT_EQ(seen.filters[1].pattern, L"*.*");
    EXPECT_EQ(save.GetPathName(), L"/home/user/models/crab.qvl");
    EXPECT_EQ(save.GetFileName(), L"crab.qvl");

    answer.reset();
    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), L"");
    EXPECT_TRUE(CFileDialog::ParseFilter(nullptr).empty());
    EXPECT_EQ(CFileDialog::ParseFilter(L"Text|*.txt|Dangling").size(), 1u);
    EXPECT_EQ(CFileDialog::ParseFilter(L"Images|*.png;*.bmp||")[0].pattern, L"*.png;*.bmp");
}

TEST_F(PromptFixture, PopupMenuShowsTheResourceAndSendsTheChosenCommand)
{
    class Owner : public CWnd
    {
    public:
        std::vector<UINT> commands;

    protected:
        BOOL OnCommand(WPARAM wParam, LPARAM) override
        {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
    } owner;
    ASSERT_TRUE(owner.CreateEx(0, L"owner", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    ModalPrompts::PopupMenuRequest seen;
    ModalPrompts::SetPopupMenuAnswerer([&](const ModalPrompts::PopupMenuRequest& request) {
        seen = request;
        return request.items.at(1).id;
    });
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(131));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    EXPECT_TRUE(popup->TrackPopupMenu(TPM_RIGHTBUTTON, 40, 30, &owner));
    EXPECT_EQ(seen.title, L"Primitive Menu");
    EXPECT_EQ(seen.items.size(), 3u);
    EXPECT_EQ(seen.screenPoint.x, 40);
    EXPECT_EQ(owner.commands, (std::vector<UINT>{32772}));
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 32772);
    EXPECT_EQ(owner.commands.size(), 1u); // returned, not sent
    EXPECT_FALSE(menu.LoadMenu(999));
}

TEST(WideFormat, FormatsInTheClassicLocaleAndGrowsForLongText)
{
    EXPECT_EQ(FormatWide(L" %.2f", 0.99999f), L" 1.00");
    EXPECT_EQ(FormatWide(L"%ls selected", L"Circle"), L"Circle selected");
    const std::wstring longText(1000, L'x');
    EXPECT_EQ(FormatWide(L"%ls!", longText.c_str()).size(), 1001u);
    EXPECT_EQ(FormatWide(nullptr), L"");
}
