#include "resources/DialogTemplate.h"
#include "resources/IconImage.h"
#include "resources/MenuTemplate.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(DialogTemplates, EveryTemplateExistsWithUniqueAddressableIds)
{
    for (unsigned id : {102u, 129u, 130u, 132u, 133u, 134u}) {
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
    EXPECT_EQ(FindDialogTemplate(131), nullptr); // the menu's id names no dialog
}

TEST(DialogTemplates, PanelsCarryTheirKindsAndStyles)
{
    const DialogTemplate* xform = FindDialogTemplate(133);
    ASSERT_NE(xform, nullptr);
    auto find = [](const DialogTemplate* dialog, int id) -> const ControlTemplate* {
        for (const ControlTemplate& control : dialog->controls)
            if (control.id == id)
                return &control;
        return nullptr;
    };
    EXPECT_TRUE(find(xform, 1025)->style & WS_DISABLED);
    EXPECT_FALSE(find(xform, 1029)->style & WS_VISIBLE);
    EXPECT_EQ(find(xform, 1021)->style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    EXPECT_EQ(find(xform, 1027)->windowClass, ControlClass::Trackbar);

    const DialogTemplate* tree = FindDialogTemplate(132);
    EXPECT_EQ(find(tree, 1017)->windowClass, ControlClass::TreeView);
    EXPECT_FALSE(find(tree, 1017)->style & (TVS_HASLINES | TVS_HASBUTTONS));

    const DialogTemplate* main = FindDialogTemplate(102);
    EXPECT_EQ(std::wstring(main->caption), L"Quorvel");
    EXPECT_FALSE(main->style & WS_SYSMENU);
    EXPECT_EQ(std::wstring(find(main, 1008)->text), L"Main Graphics Window");
    EXPECT_EQ(find(main, 1009)->x, 363);

    const DialogTemplate* hierarchy = FindDialogTemplate(130);
    EXPECT_FALSE(hierarchy->style & WS_VISIBLE);
    EXPECT_TRUE(hierarchy->style & WS_POPUP);
}

TEST(MenuTemplates, PrimitiveMenuHasItsThreeCommands)
{
    const MenuTemplate* menu = FindMenuTemplate(131);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popups.size(), 1u);
    EXPECT_EQ(std::wstring(menu->popups[0].text), L"Primitive Menu");
    ASSERT_EQ(menu->popups[0].items.size(), 3u);
    EXPECT_EQ(menu->popups[0].items[0].id, 32771u);
    EXPECT_EQ(std::wstring(menu->popups[0].items[2].text), L"UnHinge");
    EXPECT_EQ(FindMenuTemplate(130), nullptr);
}

TEST(IconImages, CrabIconIsOpaqueInTheBodyAndClearAtTheCorners)
{
    const IconImage* icon = FindIconImage(128);
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
