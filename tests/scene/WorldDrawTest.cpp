#include "primitives/PrimitiveList.h"
#include "scene/ModelReader.h"
#include "scene/SceneNode.h"
#include "tests/scene/ModelTestText.h"
#include "tests/scene/SceneTestFixture.h"

#include <QImage>
#include <filesystem>

namespace {

constexpr std::uint32_t Grey = 0x787878u;
constexpr std::uint32_t DarkRed = 0x821E1Eu;
constexpr std::uint32_t Yellow = 0xFFFF00u;

} // namespace

using WorldDrawing = SceneDeviceTest;

TEST_F(WorldDrawing, GridIsGreyWithExactlyTheTwoAxesInDarkRed)
{
    CWorld world;
    world.WorldBounds = TAV_BoundingBox(TAV_Vector3(-4.0f, -4.0f, 0.0f), TAV_Vector3(3.0f, 3.0f, 0.0f));
    // Two pixels per unit: world (x, y) lands on pixel (2x + 8, row 7 - 2y).
    SetWorldWindow(-4.25f, -4.25f, 3.75f, 3.75f);
    world.DrawScene();

    for (int row = 0; row < Size; ++row) {
        for (int x = 0; x < Size; ++x) {
            const std::uint32_t pixel = Pixel(x, row);
            if (pixel == DarkRed) {
                EXPECT_TRUE(row == 7 || x == 8) << x << ", " << row;
            }
        }
    }
    for (int x = 1; x < 14; x += 2) {
        EXPECT_EQ(Pixel(x, 7), DarkRed) << x;
        EXPECT_EQ(Pixel(x, 5), Grey) << x;
        EXPECT_EQ(Pixel(x, 6), Background) << x;
    }
    for (int row = 2; row < 14; row += 2) {
        EXPECT_EQ(Pixel(8, row), DarkRed) << row;
        EXPECT_EQ(Pixel(6, row), Grey) << row;
    }
    EXPECT_EQ(Pixel(6, 7), Grey); // a vertical line crosses the x axis after it was drawn
}

TEST_F(WorldDrawing, GridStaysPlainGreyAfterAFrameThatEndedWithATexturedPrimitive)
{
    const std::string texture = (std::filesystem::path(testing::TempDir()) / "quorvel-green.png").string();
    QImage green(2, 2, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(texture)));
    CWorld world;
    world.WorldBounds = TAV_BoundingBox(TAV_Vector3(-4.0f, -4.0f, 0.0f), TAV_Vector3(3.0f, 3.0f, 0.0f));
    SetWorldWindow(-4.25f, -4.25f, 3.75f, 3.75f);
    world.CreateNodeAt(30.0f, 30.0f); // off the view
    TAV_Primitive* shape =
        static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())->GetPrimitive(0);
    shape->SetTexturing(true);
    shape->SetTextureName(std::wstring(texture.begin(), texture.end()));

    world.DrawScene();
    Graphics().GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, Background, 1.0f, 0);
    world.DrawScene();
    EXPECT_EQ(Pixel(3, 5), Grey);
    EXPECT_EQ(Pixel(3, 7), DarkRed);
}

TEST_F(WorldDrawing, HitNodeIsOutlinedInPlainYellowAndClearingRemovesTheOutline)
{
    CWorld world;
    world.ShowGrid = false;
    // A box from world (-4, -3) to (1, 0): columns 4 to 9, rows 7 to 10.
    world.CreateNodeAt(-4.0f, -3.0f);
    ASSERT_TRUE(world.SelectNodeAt(-1.0f, -1.0f));
    world.DrawScene();

    for (int x = 5; x < 9; ++x) {
        EXPECT_EQ(Pixel(x, 7), Yellow) << x;
        EXPECT_EQ(Pixel(x, 10), Yellow) << x;
    }
    for (int row = 8; row < 10; ++row) {
        EXPECT_EQ(Pixel(4, row), Yellow) << row;
        EXPECT_EQ(Pixel(9, row), Yellow) << row;
    }
    EXPECT_NE(Pixel(6, 8), Yellow);
    EXPECT_EQ(Pixel(2, 2), Background);

    Graphics().GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, Background, 1.0f, 0);
    world.DeleteAllNodes();
    world.DrawScene();
    for (int row = 0; row < Size; ++row) {
        for (int x = 0; x < Size; ++x)
            EXPECT_EQ(Pixel(x, row), Background) << x << ", " << row;
    }
}

TEST_F(WorldDrawing, DeepestLoadableModelDrawsPicksAndSaves)
{
    std::string chain = Line('x', "0.0 0.0 0.0", 1);
    for (int level = 1; level <= ModelReader::MaxNesting; ++level)
        chain += Line('C', "0.0 0.0 0.0", level < ModelReader::MaxNesting ? 1 : 0);
    CWorld world;
    ASSERT_TRUE(Load(world, chain).IsComplete());
    world.DrawScene();
    EXPECT_FALSE(world.SelectNodeAt(30.0f, 30.0f));
    EXPECT_TRUE(world.SelectNodeAt(0.0f, 0.0f));
    EXPECT_EQ(world.HitNode, world.Root->GetChild(0));
    world.DrawScene();
    EXPECT_NE(Pixel(8, 7), Background);
    EXPECT_EQ(Save(world), chain);
}
