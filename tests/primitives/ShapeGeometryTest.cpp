#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
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

// A rectangle keeps its size and depth, a circle comes into the plane, a line moves its end only.
TEST(PrimitiveShapes, MoveToPutsEachShapesLocationWhereAsked)
{
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(0, 0, 1, 4, 2, 3);
    rect.MoveTo(-1, 0);
    EXPECT_EQ(Box(rect), (std::vector<float>{-3, -1, 1, 1, 1, 3}));
    EXPECT_EQ(rect.GetLocation(), TAV_Vector3(-1, 0, 2));
    TAV_PrimitiveCircle circle;
    circle.SetCenter(0, 0, 7);
    circle.SetRadius(2);
    circle.MoveTo(3, 3);
    EXPECT_EQ(Box(circle), (std::vector<float>{1, 1, 0, 5, 5, 0}));
    TAV_PrimitiveLine line;
    line.SetStartPoint(1, 2, 0);
    line.SetEndPoint(5, -2, 0);
    line.MoveTo(4, 4);
    EXPECT_EQ(line.GetLocation(), TAV_Vector3(2.5f, 3, 0));
}

// Every shape moves by velocity times the seconds elapsed; turned away from a
// point, a primitive keeps its speed.
TEST(PrimitiveShapes, UpdateMovesByVelocityTimesElapsed)
{
    TAV_PrimitiveLine line;
    line.SetEndPoint(1, 1, 0);
    TAV_PrimitiveCircle circle;
    circle.SetRadius(1);
    auto* rect = new TAV_PrimitiveRectangleXY;
    rect->SetCorners(0, 0, 0, 2, 3, 0);
    TAV_PrimitiveList list; // moves its entries
    list.AddPrimitive(rect);
    for (TAV_Primitive* p : std::initializer_list<TAV_Primitive*>{&line, &circle, rect})
        p->SetVelocity(2, 0, 0);
    line.Update(0.5f);
    circle.Update(0.5f);
    list.Update(0.5f);
    EXPECT_EQ(Box(line), (std::vector<float>{1, 0, 0, 2, 1, 0}));
    EXPECT_EQ(Box(circle), (std::vector<float>{0, -1, 0, 2, 1, 0}));
    EXPECT_EQ(Box(*rect), (std::vector<float>{1, 0, 0, 3, 3, 0}));
    circle.MoveAwayFrom({1, 1, 0});
    EXPECT_EQ(circle.GetVelocity(), TAV_Vector3(0, -2, 0));
}
