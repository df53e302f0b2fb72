#include "platform/win/DialogUnits.h"
#include "platform/win/Dialog.h"
#include "platform/win/WindowFunctions.h"
#include "resources/DialogTemplate.h"

#include <gtest/gtest.h>

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(7, 6, 4), 11);   // 10.5
    EXPECT_EQ(MulDiv(-7, 6, 4), -11); // -10.5
    EXPECT_EQ(MulDiv(5, 13, 8), 8);   // 8.125
    EXPECT_EQ(MulDiv(3, 5, 0), -1);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000); // no 32-bit overflow in the product
}

TEST(DialogUnits, RectangleEdgesConvertWithBaseUnits)
{
    // Base units 6 x 13: one dialog unit is 1.5 pixels across and 1.625 down.
    const RECT r = DialogUnitsToPixels(7, 7, 50, 14, DialogBaseUnits{6, 13});
    EXPECT_EQ(r.left, 11);   // 10.5
    EXPECT_EQ(r.top, 11);    // 11.375
    EXPECT_EQ(r.right, 86);  // 57 * 1.5 = 85.5
    EXPECT_EQ(r.bottom, 34); // 21 * 1.625 = 34.125
}

TEST(DialogUnits, TemplateControlsArePlacedInPixelsOfTheDialogFont)
{
    CDialog dialog(102);
    ASSERT_TRUE(dialog.Create(102, nullptr));
    const DialogTemplate* source = FindDialogTemplate(102);
    RECT client;
    dialog.GetClientRect(&client);
    RECT expectedClient{0, 0, source->cx, source->cy};
    dialog.MapDialogRect(&expectedClient);
    EXPECT_EQ(client.right, expectedClient.right);
    EXPECT_EQ(client.bottom, expectedClient.bottom);
    EXPECT_GT(client.right, source->cx); // a dialog unit is more than a pixel wide in any usable font

    for (const ControlTemplate& control : source->controls) {
        CWnd* item = dialog.GetDlgItem(control.id);
        ASSERT_NE(item, nullptr) << control.id;
        RECT expected{control.x, control.y, control.x + control.cx, control.y + control.cy};
        dialog.MapDialogRect(&expected);
        RECT actual;
        item->GetWindowRect(&actual);
        dialog.ScreenToClient(&actual);
        EXPECT_EQ(actual.left, expected.left) << control.id;
        EXPECT_EQ(actual.top, expected.top) << control.id;
        EXPECT_EQ(actual.right, expected.right) << control.id;
        EXPECT_EQ(actual.bottom, expected.bottom) << control.id;
    }
}
