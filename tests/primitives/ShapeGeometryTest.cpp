#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Minimum then maximum corner of the box the primitive answers as its bounding volume.
std::vector<float> Box(TAV_Primitive& primitive)
{
    const TAV_BoundingVolume* volume = primitive.GetBoundingVolume(0);
    if (volume == nullptr || volume->GetType() != TAV_BoundingBox::BoxType)
        return {};
    const TAV_BoundingBox* box = static_cast<const TAV_BoundingBox*>(volume);
    return {box->GetMin().x, box->GetMin().y, box->GetMin().z,
            box->GetMax().x, box->GetMax().y, box->GetMax().z};
}

} // namespace

// A rectangle and a line stretch from the press to the drag, a circle's radius
// reaches from the pressed centre to the drag; a circle drawn before starts again.
TEST(PrimitiveShapes, EveryDragStretchesTheShapeFromThePressedPoint)
{
    TAV_PrimitiveRectangleXY rect;
    TAV_PrimitiveLine line;
    TAV_PrimitiveCircle circle;
    circle.SetRadius(7);
    // The boxes after a press at (1, 1), a drag to (4, 5) and a drag on to (1, -2).
    const std::pair<TAV_Primitive*, std::vector<std::vector<float>>> cases[] = {
        {&rect, {{1, 1, 0, 1, 1, 0}, {1, 1, 0, 4, 5, 0}, {1, -2, 0, 1, 1, 0}}},
        {&line, {{1, 1, 0, 1, 1, 0}, {1, 1, 0, 4, 5, 0}, {1, -2, 0, 1, 1, 0}}},
        {&circle, {{1, 1, 0, 1, 1, 0}, {-4, -4, 0, 6, 6, 0}, {-2, -2, 0, 4, 4, 0}}}}; // radii 0, 5, 3
    for (const auto& [shape, boxes] : cases) {
        shape->DefineByMouse(false, 1, 1);
        EXPECT_EQ(Box(*shape), boxes[0]);
        shape->DefineByMouse(true, 4, 5);
        EXPECT_EQ(Box(*shape), boxes[1]);
        shape->DefineByMouse(true, 1, -2);
        EXPECT_EQ(Box(*shape), boxes[2]);
    }
}
