#include "ui/SliderCtrlWithEcho.h"
#include "platform/win/DataExchange.h"
#include "platform/win/WindowHandles.h"
#include "tests/ui/HostDialogTest.h"

#include <QLineEdit>
#include <cmath>
#include <string>

namespace {

// The transform panel's template (IDD_XFORM_INFO): X and Y sliders.
class SliderPanel : public CDialog
{
public:
    TAVMFC_SliderCtrlWithEcho x;
    TAVMFC_SliderCtrlWithEcho y;

    CWnd* Echo() const { return GetDlgItem(IDC_X_SLIDER + TAVMFC_SliderCtrlWithEcho::EchoIdOffset); }
    std::wstring EchoText() const { return Echo()->GetWindowText(); }
    RECT ClientRectOf(const CWnd* window) const
    {
        RECT r;
        window->GetWindowRect(&r);
        ScreenToClient(&r);
        return r;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_X_SLIDER, x);
        DDX_Control(dx, IDC_Y_SLIDER, y);
    }
};

struct EchoSlider : HostDialogTest
{
    void SetUp() override
    {
        HostDialogTest::SetUp();
        ASSERT_TRUE(panel.Create(IDD_XFORM_INFO, &main));
    }
    SliderPanel panel;
};

} // namespace

TEST_F(EchoSlider, RejectedRangesAndValuesChangeNothingNotEvenTheEcho)
{
    panel.x.SetRangeAndValue(-10.0f, 10.0f, 5.0f);
    const RECT before = panel.ClientRectOf(&panel.x);
    panel.x.SetRangeAndValue(-10.0f, 10.0f, 15.0f);
    panel.x.SetRangeAndValue(5.0f, 5.0f, 5.0f);
    panel.x.SetRangeAndValue(0.0f, 1.0f, std::nanf(""));
    panel.x.SetRangeAndValue(std::nanf(""), 1.0f, 0.5f);
    EXPECT_FALSE(panel.x.SetValue(10.5f));
    EXPECT_FALSE(panel.x.SetValue(std::nanf("")));
    EXPECT_EQ(panel.x.GetPos(), 75000);
    EXPECT_EQ(panel.EchoText(), L" 5.00");
    EXPECT_FLOAT_EQ(panel.x.GetValue(), 5.0f); // the old range still maps the position
    EXPECT_EQ(panel.ClientRectOf(&panel.x).right, before.right);

    // A slider whose first call is rejected is neither narrowed nor given an echo.
    panel.y.SetRangeAndValue(1.0f, 0.0f, 0.5f);
    EXPECT_EQ(panel.ClientRectOf(&panel.y).right, before.right + 50);
    EXPECT_EQ(WindowHandles::WidgetOf(panel.m_hWnd)->findChildren<QLineEdit*>().size(), 1);
}

TEST_F(EchoSlider, TheFirstAcceptedCallMakesRoomForTheEchoOnce)
{
    const RECT original = panel.ClientRectOf(&panel.x);
    panel.x.SetRangeAndValue(0.0f, 1.0f, 0.5f);
    panel.x.SetRangeAndValue(0.1f, 3.0f, 1.0f);
    EXPECT_EQ(panel.x.GetPos(), 31034); // the nearest of 100000 steps: 0.1 + 31034 * 2.9 / 100000
    const auto [left, top, right, bottom] = Corners(original);
    EXPECT_EQ(Corners(panel.ClientRectOf(&panel.x)), std::make_tuple(left, top, right - 50, bottom));
    EXPECT_EQ(Corners(panel.ClientRectOf(panel.Echo())), std::make_tuple(right - 50, top, right, bottom));
}
