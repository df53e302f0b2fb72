#include "primitives/PrimitiveList.h"
#include "tests/scene/SceneTestFixture.h"

#include <QImage>
#include <filesystem>

namespace {

constexpr std::uint32_t Grey = 0x787878u;
constexpr std::uint32_t DarkRed = 0x821E1Eu;

} // namespace

using WorldDrawing = SceneDeviceTest;

// The frame before ends with a textured box off the view, which must not tint the grid.
TEST_F(WorldDrawing, GridIsPlainGreyWithExactlyTheTwoAxesInDarkRed)
{
    const std::string texture = (std::filesystem::path(testing::TempDir()) / "quorvel-green.png").string();
    QImage green(2, 2, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(texture)));
    CWorld world;
    world.WorldBounds = TAV_BoundingBox(TAV_Vector3(-4.0f, -4.0f, 0.0f), TAV_Vector3(3.0f, 3.0f, 0.0f));
    world.CreateNodeAt(30.0f, 30.0f);
    TAV_Primitive* shape =
        static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())->GetPrimitive(0);
    shape->SetTexturing(true);
    shape->SetTextureName(std::wstring(texture.begin(), texture.end()));
    world.DrawScene();
    ClearTarget();
    world.DrawScene();

    // Lines at whole world units (-4 to 3): even columns and odd rows, the axes on column 8 and
    // row 7. A line leaves out its last pixel; vertical lines, drawn last, cover the crossings.
    for (int row = 0; row < Size; ++row) {
        for (int x = 0; x < Size; ++x) {
            const bool vertical = x % 2 == 0 && row > 1, horizontal = row % 2 == 1 && x < 14;
            const std::uint32_t line = vertical ? (x == 8 ? DarkRed : Grey) : row == 7 ? DarkRed : Grey;
            EXPECT_EQ(Pixel(x, row), vertical || horizontal ? line : Background) << x << ", " << row;
        }
    }
}
