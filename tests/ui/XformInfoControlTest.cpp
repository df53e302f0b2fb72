#include "PanelTestFixture.h"

#include "scene/Box.h"

namespace {

class XformInfoControlTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        ShowPopup();
        node = AddTopLevel(new CBox(0.0f, 0.0f, 0.0f));
    }

    // Stores xform in the node and selects it, as the user picks it in the tree.
    void SelectWith(const TAV_XformInfo& xform)
    {
        node->SetXformInfo(xform);
        SelectNode(node);
    }

    QSlider* X() { return ControlOf<QSlider>(Xform(), IDC_X_SLIDER); }
    QSlider* Y() { return ControlOf<QSlider>(Xform(), IDC_Y_SLIDER); }

    CBox* node = nullptr;
};

TAV_XformInfo Translated(float x, float y, float z)
{
    TAV_XformInfo xform;
    xform.SetTranslation(x, y, z);
    return xform;
}

TEST_F(XformInfoControlTest, MovingATranslationSliderStoresBothSlidersWithZeroZ)
{
    SelectWith(Translated(3.0f, -2.0f, 5.0f));

    EXPECT_TRUE(IsChecked(Xform(), IDC_TRANSLATE));
    EXPECT_FALSE(ControlOf<QAbstractButton>(Xform(), IDC_RESET)->isVisible());
    EXPECT_EQ(EchoOf(X()), " 3.00");
    // Showing the node writes nothing back: the z of 5 is still there.
    EXPECT_FLOAT_EQ(node->GetXformInfo().GetTranslation().z, 5.0f);

    MoveSlider(X(), 70000);

    const TAV_Vector3 moved = node->GetXformInfo().GetTranslation();
    EXPECT_FLOAT_EQ(moved.x, 4.0f);
    EXPECT_FLOAT_EQ(moved.y, -2.0f);
    EXPECT_FLOAT_EQ(moved.z, 0.0f);
}

TEST_F(XformInfoControlTest, RotationModeDrivesOnlyTheRotationFromX)
{
    TAV_XformInfo xform = Translated(1.0f, 2.0f, 0.0f);
    xform.SetScale(2.0f, 0.5f, 1.0f);
    xform.SetRotationInDegrees(90.0f);
    SelectWith(xform);

    Click(Xform(), IDC_ROTATION);

    EXPECT_EQ(EchoOf(X()), " 90.00");
    EXPECT_FALSE(Y()->isEnabled());
    MoveSlider(X(), 37500); // -45 degrees
    const TAV_XformInfo stored = node->GetXformInfo();
    EXPECT_NEAR(stored.GetRotationInDegrees(), -45.0f, 1e-4f);
    EXPECT_FLOAT_EQ(stored.GetTranslation().y, 2.0f);
    EXPECT_FLOAT_EQ(stored.GetScale().y, 0.5f);

    Click(Xform(), IDC_TRANSLATE);
    EXPECT_TRUE(Y()->isEnabled());
}

// A value beyond the limits is shown as it is, and kept when the other slider is touched.
TEST_F(XformInfoControlTest, AValueBeyondTheLimitsWidensTheSlidersRange)
{
    SelectWith(Translated(-15.0f, 2.0f, 0.0f));
    EXPECT_EQ(X()->value(), 0);
    EXPECT_EQ(EchoOf(X()), " -15.00");
    QTest::keyClick(Y(), Qt::Key_Right);
    EXPECT_EQ(node->GetXformInfo().GetTranslation().x, -15.0f);
}

// Scale: 0.1 to 3.0, z stored as 1. Pivot: the translation limits, z stored as 0,
// also while "Show Pivot", which is no mode button, is checked.
TEST_F(XformInfoControlTest, ScaleAndPivotModesUseTheirOwnLimits)
{
    TAV_XformInfo xform;
    xform.SetScale(3.0f, 0.1f, 7.0f);
    xform.SetPivot(-10.0f, 2.5f, 4.0f);
    node->SetPivotVisible(true);
    SelectWith(xform);

    Click(Xform(), IDC_SCALE);
    ASSERT_TRUE(IsChecked(Xform(), IDC_SHOW_PIVOT));
    EXPECT_EQ(std::pair(X()->value(), Y()->value()), std::pair(100000, 0));
    MoveSlider(Y(), 50000);
    const TAV_Vector3 scale = node->GetXformInfo().GetScale();
    EXPECT_EQ(scale.x, 3.0f);
    EXPECT_NEAR(scale.y, 1.55f, 1e-5f);
    EXPECT_EQ(scale.z, 1.0f);

    Click(Xform(), IDC_PIVOT);
    EXPECT_EQ(std::pair(X()->value(), Y()->value()), std::pair(0, 62500));
    MoveSlider(X(), 100000);
    EXPECT_EQ(node->GetXformInfo().GetPivot(), TAV_Vector3(10.0f, 2.5f, 0.0f));
    EXPECT_EQ(node->GetXformInfo().GetTranslation().x, 0.0f);
}

TEST_F(XformInfoControlTest, ShowPivotSwitchesTheSelectedNodesMarker)
{
    node->SetPivotVisible(true);
    SelectNode(node);
    Click(Xform(), IDC_SHOW_PIVOT);
    EXPECT_FALSE(node->IsPivotVisible());
    Click(Xform(), IDC_SHOW_PIVOT);
    EXPECT_TRUE(node->IsPivotVisible());
    SelectNode(AddTopLevel(new CBox(1.0f, 1.0f, 0.0f)));
    EXPECT_FALSE(IsChecked(Xform(), IDC_SHOW_PIVOT)); // follows the selected node
}

// A typed value sets its component exactly; a bad number and Escape change nothing.
TEST_F(XformInfoControlTest, ATypedValueIsSetExactlyUnlessItIsRefused)
{
    SelectWith(Translated(3.0f, -2.0f, 5.0f));
    TypeInto(X(), QStringLiteral(" 12.345 "));
    EXPECT_EQ(node->GetXformInfo().GetTranslation(), TAV_Vector3(12.345f, -2.0f, 5.0f));
    EXPECT_EQ(EchoOf(X()), " 12.35");
    for (const char* bad : {"abc", "1e99", "nan", "", "3,5"}) {
        TypeInto(X(), QString::fromLatin1(bad));
        EXPECT_EQ(node->GetXformInfo().GetTranslation().x, 12.345f) << bad;
    }
    TypeInto(Y(), QStringLiteral("7"), Qt::Key_Escape);
    EXPECT_EQ(EchoOf(Y()), " -2.00");
    EXPECT_EQ(node->GetXformInfo().GetTranslation().y, -2.0f);

    Click(Xform(), IDC_SCALE);
    TypeInto(X(), QStringLiteral("0"));
    TypeInto(Y(), QStringLiteral("-1"));
    EXPECT_EQ(node->GetXformInfo().GetScale(), TAV_Vector3(1.0f, 1.0f, 1.0f));
    TypeInto(Y(), QStringLiteral("4.5"));
    EXPECT_EQ(node->GetXformInfo().GetScale(), TAV_Vector3(1.0f, 4.5f, 1.0f));

    Click(Xform(), IDC_ROTATION);
    TypeInto(X(), QStringLiteral("400"));
    EXPECT_NEAR(node->GetXformInfo().GetRotationInDegrees(), 400.0f, 1e-3f);
    EXPECT_EQ(EchoOf(X()), " 400.00");
}

} // namespace
