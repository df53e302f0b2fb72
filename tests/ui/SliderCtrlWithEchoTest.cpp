#include "ui/SliderCtrlWithEcho.h"
#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowHandles.h"

#include <QLabel>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

class WatchedSlider : public TAVMFC_SliderCtrlWithEcho
{
public:
    void OnValueChanged(float value) override { journal.push_back("changed " + std::to_string(value)); }
};

// The transform panel's template (133): X slider 1027, Y slider 1026.
class SliderPanel : public CDialog
{
public:
    WatchedSlider x;
    TAVMFC_SliderCtrlWithEcho y;

    CWnd* Echo() const { return GetDlgItem(0xFFFF); }
    std::wstring EchoText() const { return Echo() ? Echo()->GetWindowText() : L"(none)"; }
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
        DDX_Control(dx, 1027, x);
        DDX_Control(dx, 1026, y);
    }
    void OnHScroll(UINT code, UINT position, CWnd* bar) override
    {
        const std::wstring echo = EchoText();
        journal.push_back("panel " + std::to_string(x.GetValue()) + " echo" +
                          std::string(echo.begin(), echo.end()));
        CDialog::OnHScroll(code, position, bar);
    }
};

struct EchoSlider : ::testing::Test
{
    void SetUp() override
    {
        journal.clear();
        ASSERT_TRUE(main.Create(102));
        ASSERT_TRUE(panel.Create(133, &main));
    }
    CDialog main;
    SliderPanel panel;
};

} // namespace

TEST_F(EchoSlider, ValuesBecomeTheNearestPositionAndATwoDecimalEcho)
{
    const struct
    {
        float minimum, maximum, value;
        int position;
        float readBack;
        const wchar_t* echo;
    } cases[] = {
        {0.0f, 1.0f, 0.8f, 80000, 0.8f, L" 0.80"},
        {0.1f, 3.0f, 1.0f, 31034, 0.99999f, L" 1.00"}, // 0.1 + 31034 * 2.9 / 100000
        {-10.0f, 10.0f, -10.0f, 0, -10.0f, L" -10.00"},
    };
    for (const auto& c : cases) {
        panel.x.SetRangeAndValue(c.minimum, c.maximum, c.value);
        EXPECT_EQ(panel.x.GetPos(), c.position) << c.value;
        EXPECT_NEAR(panel.x.GetValue(), c.readBack, 1e-5f) << c.value;
        EXPECT_EQ(panel.EchoText(), c.echo);
    }
    panel.x.SetRangeAndValue(0.1f, 3.0f, 1.0f);
    EXPECT_LT(panel.x.GetValue(), 1.0f);
}

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
    int echoes = 0;
    for (QLabel* label : WindowHandles::WidgetOf(panel.m_hWnd)->findChildren<QLabel*>())
        echoes += WidgetTraits::ControlId(label) == 0xFFFF ? 1 : 0;
    EXPECT_EQ(echoes, 1);
}

TEST_F(EchoSlider, FirstAcceptedCallMakesRoomForTheEchoOnce)
{
    const RECT original = panel.ClientRectOf(&panel.x);
    panel.x.SetRangeAndValue(0.0f, 1.0f, 0.5f);
    panel.x.SetRangeAndValue(-1.0f, 1.0f, 0.0f);
    const RECT narrowed = panel.ClientRectOf(&panel.x);
    EXPECT_EQ(narrowed.left, original.left);
    EXPECT_EQ(narrowed.right, original.right - 50);
    const RECT echo = panel.ClientRectOf(panel.Echo());
    EXPECT_EQ(echo.left, original.right - 50);
    EXPECT_EQ(echo.right, original.right);
    EXPECT_EQ(echo.top, original.top);
    EXPECT_EQ(echo.bottom, original.bottom);
}

TEST_F(EchoSlider, UprightSliderHasItsMaximumOnTopAndItsEchoAbove)
{
    TAVMFC_SliderCtrlWithEcho upright;
    ASSERT_TRUE(upright.Create(WS_CHILD | WS_VISIBLE | TBS_VERT, RECT{10, 30, 40, 130}, &panel, 2000));
    upright.SetRangeAndValue(0.0f, 1.0f, 0.25f);
    EXPECT_EQ(upright.GetPos(), 75000);
    EXPECT_FLOAT_EQ(upright.GetValue(), 0.25f);
    EXPECT_EQ(panel.ClientRectOf(&upright).top, 50);
    const RECT echo = panel.ClientRectOf(panel.Echo());
    EXPECT_EQ(echo.left, 10 + 15 - 25);
    EXPECT_EQ(echo.top, 30);
    EXPECT_EQ(echo.right - echo.left, 50);
    EXPECT_EQ(echo.bottom - echo.top, 20);
}

TEST_F(EchoSlider, UserMovesReachThePanelFirstThenTheEchoAndTheHook)
{
    panel.x.SetRangeAndValue(0.0f, 100000.0f, 500.0f); // one position per unit
    QTest::keyClick(WindowHandles::WidgetOf(panel.x.m_hWnd), Qt::Key_Right);
    EXPECT_EQ(journal, (std::vector<std::string>{"panel " + std::to_string(501.0f) + " echo 500.00",
                                                 "changed " + std::to_string(501.0f)}));
    EXPECT_EQ(panel.EchoText(), L" 501.00");
    panel.x.SetValue(900.0f); // code moves are not user moves
    EXPECT_EQ(journal.size(), 2u);
}
