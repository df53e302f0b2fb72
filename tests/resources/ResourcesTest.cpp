#include "resources/DialogTemplate.h"
#include "resources/IconImage.h"
#include "resources/MenuTemplate.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(DialogTemplates, EveryTemplateExistsWithUniqueAddressableIds)
{
    for (unsigned id : {IDD_QUORVEL_DIALOG, IDD_PRIMITIVE_SELECT, IDD_HIERARCHY, IDD_SCENE_TREE,
                        IDD_XFORM_INFO, IDD_PRIMITIVE_CONTROL}) {
        const DialogTemplate* dialog = FindDialogTemplate(id);
        ASSERT_NE(dialog, nullptr) << id;
        std::set<int> seen;
        for (const ControlTemplate& control : dialog->controls) {
            if (control.id != -1) {
                EXPECT_TRUE(seen.insert(control.id).second) << "template " << id << " repeats " << control.id;
            }
            EXPECT_TRUE(control.style & WS_CHILD);
            // Every control lies inside its dialog.
            EXPECT_LE(control.x + control.cx, dialog->cx) << id << "/" << control.id;
            EXPECT_LE(control.y + control.cy, dialog->cy) << id << "/" << control.id;
        }
    }
    EXPECT_EQ(FindDialogTemplate(IDR_PRIMITIVE_MENU), nullptr); // the menu's id names no dialog
}

TEST(DialogTemplates, PanelsCarryTheirKindsAndStyles)
{
    const DialogTemplate* xform = FindDialogTemplate(IDD_XFORM_INFO);
    ASSERT_NE(xform, nullptr);
    auto find = [](const DialogTemplate* dialog, int id) -> const ControlTemplate* {
        for (const ControlTemplate& control : dialog->controls)
            if (control.id == id)
                return &control;
        return nullptr;
    };
    EXPECT_TRUE(find(xform, IDC_Z_SLIDER)->style & WS_DISABLED);
    EXPECT_FALSE(find(xform, IDC_RESET)->style & WS_VISIBLE);
    EXPECT_EQ(find(xform, IDC_TRANSLATE)->style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_EQ(find(xform, IDC_X_SLIDER)->windowClass, ControlClass::Trackbar);

    const DialogTemplate* tree = FindDialogTemplate(IDD_SCENE_TREE);
    EXPECT_EQ(find(tree, IDC_SCENE_TREE)->windowClass, ControlClass::TreeView);
    EXPECT_FALSE(find(tree, IDC_SCENE_TREE)->style & (TVS_HASLINES | TVS_HASBUTTONS));

    const DialogTemplate* main = FindDialogTemplate(IDD_QUORVEL_DIALOG);
    EXPECT_EQ(std::wstring(main->caption), L"Quorvel");
    EXPECT_FALSE(main->style & WS_SYSMENU);
    EXPECT_EQ(std::wstring(find(main, IDC_MAIN_GRAPHICS)->text), L"Main Graphics Window");
    EXPECT_EQ(find(main, IDC_ZOOM_GRAPHICS)->x, 363);

    const DialogTemplate* hierarchy = FindDialogTemplate(IDD_HIERARCHY);
    EXPECT_FALSE(hierarchy->style & WS_VISIBLE);
    EXPECT_TRUE(hierarchy->style & WS_POPUP);
}

TEST(MenuTemplates, PrimitiveMenuHasItsThreeCommands)
{
    const MenuTemplate* menu = FindMenuTemplate(IDR_PRIMITIVE_MENU);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popups.size(), 1u);
    EXPECT_EQ(std::wstring(menu->popups[0].text), L"Primitive Menu");
    ASSERT_EQ(menu->popups[0].items.size(), 3u);
    EXPECT_EQ(menu->popups[0].items[0].id, ID_PRIMITIVE_DELETE);
    EXPECT_EQ(std::wstring(menu->popups[0].items[2].text), L"UnHinge");
    EXPECT_EQ(FindMenuTemplate(IDD_HIERARCHY), nullptr);
}

TEST(IconImages, CrabIconIsOpaqueInTheBodyAndClearAtTheCorners)
{
    const IconImage* icon = FindIconImage(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->argb.size(), static_cast<std::size_t>(icon->width * icon->height));
    auto at = [&](int x, int y) { return icon->argb[static_cast<std::size_t>(y * icon->width + x)]; };
    EXPECT_EQ(at(0, 0) >> 24, 0u);
    EXPECT_EQ(at(icon->width - 1, icon->height - 1) >> 24, 0u);
    EXPECT_EQ(at(icon->width / 2, icon->height * 19 / 32) >> 24, 0xFFu);
    // Left and right halves mirror each other.
    for (int y = 0; y < icon->height; ++y)
        for (int x = 0; x < icon->width / 2; ++x)
            ASSERT_EQ(at(x, y), at(icon->width - 1 - x, y)) << x << "," << y;
    EXPECT_EQ(FindIconImage(129), nullptr);
}
