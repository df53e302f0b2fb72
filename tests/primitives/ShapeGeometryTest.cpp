#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <gtest/gtest.h>

namespace {

void ExpectPoint(TAV_Vector3 actual, TAV_Vector3 expected)
{
    EXPECT_FLOAT_EQ(actual.x, expected.x);
    EXPECT_FLOAT_EQ(actual.y, expected.y);
    EXPECT_FLOAT_EQ(actual.z, expected.z);
}

// The box the primitive answers as its bounding volume.
void ExpectBox(TAV_Primitive& primitive, TAV_Vector3 min, TAV_Vector3 max)
{
    const TAV_BoundingVolume* volume = primitive.GetBoundingVolume(0);
    ASSERT_NE(volume, nullptr);
    ASSERT_EQ(volume->GetType(), TAV_BoundingBox::BoxType);
    ExpectPoint(static_cast<const TAV_BoundingBox*>(volume)->GetMin(), min);
    ExpectPoint(static_cast<const TAV_BoundingBox*>(volume)->GetMax(), max);
}

} // namespace

TEST(PrimitiveRectangle, DragSpansFromThePressAndMoveToCentresKeepingSizeAndDepth)
{
    TAV_PrimitiveRectangleXY rect;
    rect.DefineByMouse(false, 1, 1);
    ExpectBox(rect, {1, 1, 0}, {1, 1, 0});
    rect.DefineByMouse(true, 3, 4);
    ExpectBox(rect, {1, 1, 0}, {3, 4, 0});
    rect.DefineByMouse(true, 0, 0);
    ExpectBox(rect, {0, 0, 0}, {1, 1, 0});

    rect.SetCorners(0, 0, 1, 4, 2, 3);
    rect.MoveTo(-1, 0);
    ExpectBox(rect, {-3, -1, 1}, {1, 1, 3});
    ExpectPoint(rect.GetLocation(), {-1, 0, 2});
}

TEST(PrimitiveCircle, PressSetsTheCentreDragTheRadiusAndTheBoxStaysInThePlane)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(7);
    circle.DefineByMouse(false, 1, 1);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 0.0f);
    ExpectBox(circle, {1, 1, 0}, {1, 1, 0});
    circle.DefineByMouse(true, 4, 5);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 5.0f);
    ExpectBox(circle, {-4, -4, 0}, {6, 6, 0});

    circle.SetCenter(0, 0, 7);
    circle.SetRadius(-2);
    circle.MoveTo(3, 3);
    ExpectPoint(circle.GetLocation(), {3, 3, 0});
    ExpectBox(circle, {1, 1, 0}, {5, 5, 0});
}

TEST(PrimitiveLine, PressSetsBothEndsDragAndMoveToMoveOnlyTheEndAndTheBoxFollows)
{
    TAV_PrimitiveLine line;
    line.DefineByMouse(false, 1, 2);
    ExpectPoint(line.GetStartPoint(), {1, 2, 0});
    ExpectPoint(line.GetEndPoint(), {1, 2, 0});
    line.DefineByMouse(true, 5, -2);
    ExpectPoint(line.GetStartPoint(), {1, 2, 0});
    ExpectPoint(line.GetEndPoint(), {5, -2, 0});
    ExpectBox(line, {1, -2, 0}, {5, 2, 0});

    line.MoveTo(4, 4);
    ExpectPoint(line.GetStartPoint(), {1, 2, 0});
    ExpectPoint(line.GetLocation(), {2.5f, 3, 0});
    ExpectBox(line, {1, 2, 0}, {4, 4, 0});
}

TEST(PrimitiveShapes, UpdateMovesEveryShapeByVelocityTimesElapsedAndMoveAwayFromTurnsIt)
{
    TAV_PrimitiveLine line;
    line.SetStartPoint(0, 0, 0);
    line.SetEndPoint(1, 1, 0);
    TAV_PrimitiveCircle circle;
    circle.SetRadius(1);
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(0, 0, 0, 2, 3, 0);
    for (TAV_Primitive* p : std::initializer_list<TAV_Primitive*>{&line, &circle, &rect}) {
        p->SetVelocity(2, 0, 0);
        p->Update(0.5f);
    }
    ExpectPoint(line.GetStartPoint(), {1, 0, 0});
    ExpectPoint(line.GetEndPoint(), {2, 1, 0});
    ExpectBox(circle, {0, -1, 0}, {2, 1, 0});
    ExpectBox(rect, {1, 0, 0}, {3, 3, 0});

    // The circle, now at (1, 0), turns away from (1, 1) at the same speed; from its own centre it stops.
    circle.MoveAwayFrom({1, 1, 0});
    ExpectPoint(circle.GetVelocity(), {0, -2, 0});
    circle.MoveAwayFrom({1, 0, 0});
    EXPECT_TRUE(circle.IsStationary());
}
