#include "primitives/PrimitiveList.h"
#include "tests/scene/SceneTestFixture.h"

#include <QImage>

using WorldDrawing = SceneDeviceTest;

// Regression: a frame that ended with a textured shape left the texture on, and the next frame's grid
// came out in its texels.
TEST_F(WorldDrawing, TheGridIsNotTintedByATextureThePreviousFrameLeftOn)
{
    const std::string texture = testing::TempDir() + "quorvel-green.png";
    QImage green(2, 2, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    ASSERT_TRUE(green.save(QString::fromStdString(texture)));
    CWorld world;
    world.WorldBounds = TAV_BoundingBox(TAV_Vector3(-4.0f, -4.0f, 0.0f), TAV_Vector3(3.0f, 3.0f, 0.0f));
    world.CreateNodeAt(30.0f, 30.0f); // off the view
    TAV_Primitive* shape =
        static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())->GetPrimitive(0);
    shape->SetTexturing(true);
    shape->SetTextureName(std::wstring(texture.begin(), texture.end()));
    world.DrawScene();
    ClearTarget();
    world.DrawScene();
    // Grid lines at world y = 1 (row 5) and on the y axis (column 8).
    EXPECT_EQ(Pixel(3, 5), 0x787878u);
    EXPECT_EQ(Pixel(8, 5), 0x821E1Eu);
}
