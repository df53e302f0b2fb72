#include "resources/DialogTemplate.h"
#include "resources/IconImage.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>
#include <set>

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
}

TEST(IconImages, CrabIconHasAnOpaqueBodyClearCornersAndMirroredHalves)
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
