#include "PanelTestFixture.h"

#include "platform/win/ModalPrompts.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <QPalette>

namespace {

constexpr int kColorSliders[] = {IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER, IDC_ALPHA_SLIDER};

class PrimitiveControlTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        ShowPopup();
        node = AddTopLevel(new TAV_SceneNode(L"plain"));
        primitive = new TAV_PrimitiveRectangleXY;
        node->SetPrimitive(primitive);
        SelectNode(node);
    }

    void TearDown() override { ModalPrompts::SetFileDialogAnswerer({}); }

    QSlider* Slider(int id) { return ControlOf<QSlider>(Attributes(), id); }

    std::vector<int> SliderPositions()
    {
        std::vector<int> positions;
        for (int id : kColorSliders)
            positions.push_back(Slider(id)->value());
        return positions;
    }

    TAV_SceneNode* node = nullptr;
    TAV_Primitive* primitive = nullptr;
};

TEST_F(PrimitiveControlTest, ADefaultPrimitiveShowsVisibilityAndShadingAndOpaqueBlack)
{
    EXPECT_TRUE(Attributes().IsWindowVisible());
    EXPECT_TRUE(IsChecked(Attributes(), IDC_VISIBILITY));
    EXPECT_TRUE(IsChecked(Attributes(), IDC_SHADING));
    for (int id : {IDC_BOUND_VOL, IDC_TEXTURE, IDC_WIREFRAME, IDC_BLENDING})
        EXPECT_FALSE(IsChecked(Attributes(), id)) << id;
    EXPECT_TRUE(IsChecked(Attributes(), IDC_OBJ_COLOR));
    EXPECT_EQ(SliderPositions(), (std::vector<int>{0, 0, 0, 100000}));
    EXPECT_EQ(EchoOf(Slider(IDC_ALPHA_SLIDER)), " 1.00");
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "");
}

TEST_F(PrimitiveControlTest, ShadeColorShowsWhiteAndGreenAtHalfStores128)
{
    Click(Attributes(), IDC_SHADE_COLOR);
    EXPECT_EQ(SliderPositions(), (std::vector<int>{100000, 100000, 100000, 100000}));

    MoveSlider(Slider(IDC_GREEN_SLIDER), 50000);

    const TAV_Color shade = primitive->GetShadeColor();
    EXPECT_EQ(shade.GetGreen(), 128);
    EXPECT_EQ(shade.GetRed(), 255);
    EXPECT_EQ(shade.GetBlue(), 255);
    EXPECT_EQ(shade.GetAlpha(), 255);
    EXPECT_EQ(primitive->GetColor(), TAV_Color(0, 0, 0, 255));
    EXPECT_EQ(EchoOf(Slider(IDC_GREEN_SLIDER)), " 0.50");

    Click(Attributes(), IDC_OBJ_COLOR);
    EXPECT_EQ(SliderPositions(), (std::vector<int>{0, 0, 0, 100000}));
}

TEST_F(PrimitiveControlTest, EachCheckBoxWritesOnlyItsOwnAttribute)
{
    Click(Attributes(), IDC_WIREFRAME);
    EXPECT_EQ(primitive->GetFillMode(), 1);
    EXPECT_EQ(primitive->GetShadeMode(), 1);
    Click(Attributes(), IDC_WIREFRAME);
    EXPECT_EQ(primitive->GetFillMode(), 2);

    Click(Attributes(), IDC_SHADING);
    EXPECT_EQ(primitive->GetShadeMode(), 0);
    Click(Attributes(), IDC_SHADING);
    EXPECT_EQ(primitive->GetShadeMode(), 1);

    Click(Attributes(), IDC_VISIBILITY);
    Click(Attributes(), IDC_BOUND_VOL);
    Click(Attributes(), IDC_TEXTURE);
    Click(Attributes(), IDC_BLENDING);
    EXPECT_FALSE(primitive->IsVisible());
    EXPECT_TRUE(primitive->IsDrawBoundingVolume());
    EXPECT_TRUE(primitive->IsTexturing());
    EXPECT_TRUE(primitive->IsBlending());
    EXPECT_EQ(primitive->GetFillMode(), 2);
}

TEST_F(PrimitiveControlTest, PointFillShowsWireframeUnchecked)
{
    auto* points = AddTopLevel(new TAV_SceneNode(L"points"));
    points->SetPrimitive(new TAV_PrimitiveRectangleXY);
    points->GetPrimitive()->SetFillMode(0);
    points->GetPrimitive()->SetShadeMode(0);
    SelectNode(points);

    EXPECT_FALSE(IsChecked(Attributes(), IDC_WIREFRAME));
    EXPECT_FALSE(IsChecked(Attributes(), IDC_SHADING));
}

TEST_F(PrimitiveControlTest, BrowseOffersImagesFirstShowsTheFileNameAndStoresTheFullPath)
{
    std::vector<ModalPrompts::FileFilter> offered;
    ModalPrompts::SetFileDialogAnswerer([&](const ModalPrompts::FileDialogRequest& request) {
        offered = request.filters;
        return std::optional<std::wstring>(L"/home/user/textures/stone.png");
    });

    Click(Attributes(), IDC_BROWSE);

    ASSERT_EQ(offered.size(), 2u);
    EXPECT_NE(offered[0].pattern.find(L"*.png"), std::wstring::npos);
    EXPECT_NE(offered[0].pattern.find(L"*.jpg"), std::wstring::npos);
    EXPECT_EQ(offered[1].description, L"All Files (*.*)");
    EXPECT_EQ(offered[1].pattern, L"*.*");
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "stone.png");
    EXPECT_EQ(primitive->GetTextureName(), L"/home/user/textures/stone.png");

    SelectNode(world.Root);
    SelectNode(node);
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "/home/user/textures/stone.png");
}

TEST_F(PrimitiveControlTest, CancellingBrowseChangesNothing)
{
    primitive->SetTextureName(L"old.png");
    SelectNode(world.Root);
    SelectNode(node);
    ModalPrompts::SetFileDialogAnswerer(
        [](const ModalPrompts::FileDialogRequest&) { return std::optional<std::wstring>(); });

    Click(Attributes(), IDC_BROWSE);

    EXPECT_EQ(primitive->GetTextureName(), L"old.png");
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "old.png");
}

TEST_F(PrimitiveControlTest, TheRGAndBLabelsAreDrawnInTheirColours)
{
    WidgetOf(Attributes())->grab();

    const auto textColor = [this](int id) {
        return ControlOf<QLabel>(Attributes(), id)->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(textColor(IDC_LABEL_R), QColor(255, 0, 0));
    EXPECT_EQ(textColor(IDC_LABEL_G), QColor(0, 255, 0));
    EXPECT_EQ(textColor(IDC_LABEL_B), QColor(0, 0, 255));
    EXPECT_EQ(textColor(IDC_LABEL_A), WidgetOf(Attributes())->palette().color(QPalette::WindowText));
}

TEST_F(PrimitiveControlTest, HidesWithoutAPrimitiveAndShowsAgainWithOne)
{
    SelectNode(world.Root);
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(Attributes().GetPrimitive(), nullptr);

    SelectNode(node);
    EXPECT_TRUE(Attributes().IsWindowVisible());
    EXPECT_EQ(Attributes().GetPrimitive(), primitive);
}

TEST_F(PrimitiveControlTest, TheEditedColourKindSurvivesANewSelection)
{
    Click(Attributes(), IDC_SHADE_COLOR);
    auto* other = AddTopLevel(new TAV_SceneNode(L"other"));
    other->SetPrimitive(new TAV_PrimitiveRectangleXY);
    other->GetPrimitive()->SetShadeColor(TAV_Color(0, 51, 255, 0));

    SelectNode(other);

    EXPECT_TRUE(IsChecked(Attributes(), IDC_SHADE_COLOR));
    EXPECT_EQ(SliderPositions(), (std::vector<int>{0, 20000, 100000, 0}));
}

} // namespace
