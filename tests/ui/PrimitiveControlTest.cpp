#include "PanelTestFixture.h"

#include "platform/win/ModalPrompts.h"
#include "primitives/PrimitiveRectangleXY.h"

namespace {

class PrimitiveControlTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        ShowPopup();
        node = AddTopLevel(new TAV_SceneNode(L"plain"));
        node->SetPrimitive(primitive);
        SelectNode(node);
    }
    void TearDown() override { ModalPrompts::SetFileDialogAnswerer({}); }

    void Reselect()
    {
        SelectNode(world.Root);
        SelectNode(node);
    }
    QSlider* Slider(int id) { return ControlOf<QSlider>(Attributes(), id); }
    std::vector<int> SliderPositions()
    {
        std::vector<int> positions;
        for (int id : {IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER, IDC_ALPHA_SLIDER})
            positions.push_back(Slider(id)->value());
        return positions;
    }

    TAV_SceneNode* node = nullptr;
    TAV_Primitive* primitive = new TAV_PrimitiveRectangleXY; // owned by node
};

TEST_F(PrimitiveControlTest, TheColourSlidersFollowTheChosenColour)
{
    EXPECT_TRUE(IsChecked(Attributes(), IDC_OBJ_COLOR));
    EXPECT_EQ(SliderPositions(), (std::vector<int>{0, 0, 0, 100000}));

    Click(Attributes(), IDC_SHADE_COLOR);
    EXPECT_EQ(SliderPositions(), (std::vector<int>{100000, 100000, 100000, 100000}));
    MoveSlider(Slider(IDC_GREEN_SLIDER), 50000);
    EXPECT_EQ(primitive->GetShadeColor(), TAV_Color(255, 128, 255, 255));
    EXPECT_EQ(primitive->GetColor(), TAV_Color(0, 0, 0, 255));
    EXPECT_EQ(EchoOf(Slider(IDC_GREEN_SLIDER)), " 0.50");

    // The edited colour stays the shade colour for the next primitive shown.
    Reselect();
    EXPECT_TRUE(IsChecked(Attributes(), IDC_SHADE_COLOR));
    EXPECT_EQ(Slider(IDC_RED_SLIDER)->value(), 100000);
}

TEST_F(PrimitiveControlTest, OnlyATypedChannelFrom0To1IsStored)
{
    TypeInto(Slider(IDC_BLUE_SLIDER), QStringLiteral("0.2"));
    TypeInto(Slider(IDC_RED_SLIDER), QStringLiteral("1.5"));
    EXPECT_EQ(primitive->GetColor(), TAV_Color(0, 0, 51, 255)); // 0.2 * 255 = 51
    EXPECT_EQ(EchoOf(Slider(IDC_RED_SLIDER)), " 0.00");
}

TEST_F(PrimitiveControlTest, EachCheckBoxControlsOnlyItsOwnAttribute)
{
    std::vector<int> modes; // fill, shade after each click
    for (int id : {IDC_WIREFRAME, IDC_WIREFRAME, IDC_SHADING, IDC_SHADING}) {
        Click(Attributes(), id);
        modes.insert(modes.end(), {static_cast<int>(primitive->GetFillMode()),
                                   static_cast<int>(primitive->GetShadeMode())});
    }
    EXPECT_EQ(modes, (std::vector<int>{1, 1, 2, 1, 2, 0, 2, 1}));

    for (int id : {IDC_VISIBILITY, IDC_BOUND_VOL, IDC_TEXTURE, IDC_BLENDING})
        Click(Attributes(), id);
    EXPECT_FALSE(primitive->IsVisible());
    EXPECT_TRUE(primitive->IsDrawBoundingVolume());
    EXPECT_TRUE(primitive->IsTexturing());
    EXPECT_TRUE(primitive->IsBlending());
    Reselect(); // the boxes show the primitive's state
    for (int id : {IDC_VISIBILITY, IDC_BOUND_VOL, IDC_TEXTURE, IDC_BLENDING})
        EXPECT_EQ(IsChecked(Attributes(), id), id != IDC_VISIBILITY) << id;
}

TEST_F(PrimitiveControlTest, BrowseStoresTheChosenImagesFullPath)
{
    std::vector<ModalPrompts::FileFilter> offered;
    ModalPrompts::SetFileDialogAnswerer([&](const ModalPrompts::FileDialogRequest& request) {
        offered = request.filters;
        return std::optional<ModalPrompts::FileDialogAnswer>(L"/home/user/textures/stone.png");
    });
    Click(Attributes(), IDC_BROWSE);

    ASSERT_EQ(offered.size(), 2u);
    EXPECT_NE(offered[0].pattern.find(L"*.png"), std::wstring::npos);
    EXPECT_EQ(offered[1].description, L"All Files (*.*)");
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "stone.png");
    EXPECT_EQ(primitive->GetTextureName(), L"/home/user/textures/stone.png");
    Reselect();
    EXPECT_EQ(LabelText(Attributes(), IDC_TEXTURE_NAME), "/home/user/textures/stone.png");
}

} // namespace
