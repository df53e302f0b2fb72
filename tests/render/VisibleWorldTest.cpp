#include "platform/win/WindowHandles.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"

#include <QWidget>
#include <gtest/gtest.h>

// Boxes of the model space are mapped to the world by the top of the stack and
// left out only when no part of them reaches the visible world.
TEST(VisibleWorldTest, ABoxIsOutsideOnlyWhenItsWorldBoxMissesTheVisibleWorld)
{
    QWidget window;
    window.resize(16, 16);
    TAVD3D_GraphicsSystem& graphics = TAVD3D_GraphicsSystem::GetInstance();
    ASSERT_TRUE(graphics.CreateGraphicsContext(WindowHandles::HandleOf(&window)));
    TAVD3D_DrawHelper helper;
    ASSERT_TRUE(helper.InitializeModelTransform());
    const TAV_Vector3 right(1.5f, -0.1f, 0.0f), farRight(2.0f, 0.1f, 0.0f);
    EXPECT_FALSE(helper.IsOutsideVisibleWorld(right, farRight)) << "no visible world: everything is drawn";

    helper.SetVisibleWorld(TAV_Vector3(-1, -1, 0), TAV_Vector3(1, 1, 0));
    struct Case
    {
        TAV_Vector3 min, max;
        bool outside;
    };
    for (const Case& c : {Case{right, farRight, true},
                          Case{{-2.0f, 0.0f, 0}, {-1.1f, 0.5f, 0}, true},
                          Case{{0.0f, 1.2f, 0}, {0.5f, 3.0f, 0}, true},
                          Case{{0.0f, -3.0f, 0}, {0.5f, -1.2f, 0}, true},
                          Case{{0.9f, 0.9f, 0}, {1.5f, 1.5f, 0}, false},
                          Case{{-5.0f, -5.0f, 0}, {5.0f, 5.0f, 0}, false}})
        EXPECT_EQ(helper.IsOutsideVisibleWorld(c.min, c.max), c.outside)
            << c.min.x << "," << c.min.y << " .. " << c.max.x << "," << c.max.y;

    // Moved left by 1.5 the box overlaps; turned 45° about the origin its far corner
    // still reaches in, doubled it lies beyond again.
    helper.PushModelTransform();
    helper.AccumulateModelTransform(-1.5f, 0, 0, 1, 1, 1, 0, 0, 0, 0);
    EXPECT_FALSE(helper.IsOutsideVisibleWorld(right, farRight));
    helper.PopModelTransform();
    helper.PushModelTransform();
    helper.AccumulateModelTransform(0, 0, 0, 1, 1, 1, 0.7853982f, 0, 0, 0);
    EXPECT_FALSE(helper.IsOutsideVisibleWorld(TAV_Vector3(1.2f, -0.1f, 0), TAV_Vector3(1.3f, 0.1f, 0)));
    helper.PopModelTransform();
    helper.PushModelTransform();
    helper.AccumulateModelTransform(0, 0, 0, 2, 2, 1, 0, 0, 0, 0);
    EXPECT_TRUE(helper.IsOutsideVisibleWorld(TAV_Vector3(0.6f, 0, 0), TAV_Vector3(0.8f, 0.2f, 0)));
    helper.PopModelTransform();

    helper.ClearVisibleWorld();
    EXPECT_FALSE(helper.IsOutsideVisibleWorld(right, farRight));
    graphics.ReleaseGraphicsContext();
}
