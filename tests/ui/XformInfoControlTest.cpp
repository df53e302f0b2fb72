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

TEST_F(XformInfoControlTest, TranslateShowsTheTranslationAndMovingXStoresBothSlidersWithZeroZ)
{
    SelectWith(Translated(3.0f, -2.0f, 5.0f));

    EXPECT_TRUE(IsChecked(Xform(), IDC_TRANSLATE));
    EXPECT_FALSE(ControlOf<QAbstractButton>(Xform(), IDC_RESET)->isVisible());
    EXPECT_EQ(X()->value(), 65000);
    EXPECT_EQ(EchoOf(X()), " 3.00");
    EXPECT_EQ(Y()->value(), 40000);
    EXPECT_EQ(EchoOf(Y()), " -2.00");
    // Showing the node writes nothing back: the z of 5 is still there.
    EXPECT_FLOAT_EQ(node->GetXformInfo().GetTranslation().z, 5.0f);

    MoveSlider(X(), 70000);

    const TAV_Vector3 moved = node->GetXformInfo().GetTranslation();
    EXPECT_FLOAT_EQ(moved.x, 4.0f);
    EXPECT_FLOAT_EQ(moved.y, -2.0f);
    EXPECT_FLOAT_EQ(moved.z, 0.0f);
    EXPECT_EQ(EchoOf(X()), " 4.00");
}

TEST_F(XformInfoControlTest, RotationShowsDegreesOnXDisablesYAndWritesOnlyTheRotation)
{
    TAV_XformInfo xform = Translated(1.0f, 2.0f, 0.0f);
    xform.SetScale(2.0f, 0.5f, 1.0f);
    xform.SetRotationInDegrees(90.0f);
    SelectWith(xform);

    Click(Xform(), IDC_ROTATION);

    EXPECT_EQ(X()->value(), 75000);
    EXPECT_EQ(EchoOf(X()), " 90.00");
    EXPECT_EQ(EchoOf(Y()), " 0.00");
    EXPECT_FALSE(Y()->isEnabled());

    MoveSlider(X(), 37500); // -45 degrees

    const TAV_XformInfo stored = node->GetXformInfo();
    EXPECT_NEAR(stored.GetRotationInDegrees(), -45.0f, 1e-4f);
    EXPECT_FLOAT_EQ(stored.GetTranslation().y, 2.0f);
    EXPECT_FLOAT_EQ(stored.GetScale().y, 0.5f);

    Click(Xform(), IDC_TRANSLATE);
    EXPECT_TRUE(Y()->isEnabled());
}

TEST_F(XformInfoControlTest, AValueOutsideTheLimitsLeavesThatSliderExactlyAsItWas)
{
    TAV_XformInfo xform = Translated(5.0f, -5.0f, 0.0f);
    xform.SetRotationInDegrees(200.0f);
    SelectWith(xform);
    ASSERT_EQ(X()->value(), 75000);

    Click(Xform(), IDC_ROTATION);

    EXPECT_EQ(X()->value(), 75000);
    EXPECT_EQ(EchoOf(X()), " 5.00");
    EXPECT_EQ(EchoOf(Y()), " 0.00");
    // The slider still reads in its old range, and that value becomes the rotation.
    MoveSlider(X(), 80000);
    EXPECT_NEAR(node->GetXformInfo().GetRotationInDegrees(), 6.0f, 1e-4f);
}

TEST_F(XformInfoControlTest, ScaleUsesPointOneToThreeAndStoresZOfOne)
{
    TAV_XformInfo xform;
    xform.SetScale(3.0f, 0.1f, 7.0f);
    SelectWith(xform);

    Click(Xform(), IDC_SCALE);

    EXPECT_EQ(X()->value(), 100000);
    EXPECT_EQ(Y()->value(), 0);
    MoveSlider(Y(), 50000);
    const TAV_Vector3 scale = node->GetXformInfo().GetScale();
    EXPECT_FLOAT_EQ(scale.x, 3.0f);
    EXPECT_NEAR(scale.y, 1.55f, 1e-5f);
    EXPECT_FLOAT_EQ(scale.z, 1.0f);
}

// "Show Pivot" is no mode button: checked, it must not change which mode the sliders edit.
TEST_F(XformInfoControlTest, PivotUsesTheTranslationLimitsAndShowPivotSwitchesTheMarker)
{
    TAV_XformInfo xform;
    xform.SetPivot(-10.0f, 2.5f, 4.0f);
    SelectWith(xform);
    Click(Xform(), IDC_SHOW_PIVOT);
    EXPECT_TRUE(node->IsPivotVisible());

    Click(Xform(), IDC_PIVOT);

    EXPECT_EQ(X()->value(), 0);
    EXPECT_EQ(Y()->value(), 62500);
    MoveSlider(X(), 100000);
    const TAV_Vector3 pivot = node->GetXformInfo().GetPivot();
    EXPECT_FLOAT_EQ(pivot.x, 10.0f);
    EXPECT_FLOAT_EQ(pivot.y, 2.5f);
    EXPECT_FLOAT_EQ(pivot.z, 0.0f);
    EXPECT_FLOAT_EQ(node->GetXformInfo().GetTranslation().x, 0.0f);

    Click(Xform(), IDC_SHOW_PIVOT);
    EXPECT_FALSE(node->IsPivotVisible());
    auto* marked = AddTopLevel(new CBox(1.0f, 1.0f, 0.0f));
    marked->SetPivotVisible(true);
    SelectNode(marked);
    EXPECT_TRUE(IsChecked(Xform(), IDC_SHOW_PIVOT));
}

} // namespace
