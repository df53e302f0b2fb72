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

void ExpectBox(const TAV_BoundingBox& box, TAV_Vector3 min, TAV_Vector3 max)
{
    ExpectPoint(box.GetMin(), min);
    ExpectPoint(box.GetMax(), max);
}

const TAV_BoundingBox& BoxOf(TAV_Primitive& primitive)
{
    const TAV_BoundingVolume* volume = primitive.GetBoundingVolume(0);
    EXPECT_NE(volume, nullptr);
    EXPECT_EQ(volume->GetType(), TAV_BoundingBox::BoxType);
    return *static_cast<const TAV_BoundingBox*>(volume);
}

} // namespace

TEST(PrimitiveRectangle, PressThenDragsSpanFromTheAnchor)
{
    TAV_PrimitiveRectangleXY rect;
    rect.DefineByMouse(false, 1, 1);
    ExpectBox(rect.GetBox(), {1, 1, 0}, {1, 1, 0});
    rect.DefineByMouse(true, 3, 4);
    ExpectBox(rect.GetBox(), {1, 1, 0}, {3, 4, 0});
    rect.DefineByMouse(true, 0, 0);
    ExpectBox(rect.GetBox(), {0, 0, 0}, {1, 1, 0});
    EXPECT_EQ(&BoxOf(rect), &rect.GetBox());
}

TEST(PrimitiveRectangle, MoveToCentresWithSizeAndDepthKept)
{
    TAV_PrimitiveRectangleXY rect;
    rect.SetCorners(0, 0, 0, 2, 2, 0);
    rect.MoveTo(5, 5);
    ExpectBox(rect.GetBox(), {4, 4, 0}, {6, 6, 0});
    ExpectPoint(rect.GetLocation(), {5, 5, 0});

    rect.SetCorners(0, 0, 1, 4, 2, 3);
    rect.MoveTo(-1, 0);
    ExpectBox(rect.GetBox(), {-3, -1, 1}, {1, 1, 3});
}

TEST(PrimitiveCircle, PressSetsTheCentreAndDragSetsTheRadius)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(7);
    circle.DefineByMouse(false, 1, 1);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 0.0f);
    ExpectBox(circle.GetBox(), {1, 1, 0}, {1, 1, 0});
    circle.DefineByMouse(true, 4, 5);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 5.0f);
    ExpectBox(BoxOf(circle), {-4, -4, 0}, {6, 6, 0});
}

TEST(PrimitiveCircle, BoxLiesInThePlaneAndStaysValidForNegativeRadius)
{
    TAV_PrimitiveCircle circle;
    circle.SetCenter(0, 0, 7);
    circle.SetRadius(1);
    ExpectBox(circle.GetBox(), {-1, -1, 0}, {1, 1, 0});
    circle.SetRadius(-2);
    EXPECT_TRUE(circle.GetBox().IsValid());
    EXPECT_FLOAT_EQ(circle.GetBox().GetWidth(), 4.0f);
    circle.MoveTo(3, 3);
    ExpectPoint(circle.GetLocation(), {3, 3, 0});
    ExpectBox(circle.GetBox(), {1, 1, 0}, {5, 5, 0});
}

TEST(PrimitiveLine, PressSetsBothEndsDragAndMoveToMoveOnlyTheEnd)
{
    TAV_PrimitiveLine line;
    line.DefineByMouse(false, 1, 2);
    ExpectPoint(line.GetStartPoint(), {1, 2, 0});
    ExpectPoint(line.GetEndPoint(), {1, 2, 0});
    line.DefineByMouse(true, 5, -2);
    ExpectPoint(line.GetStartPoint(), {1, 2, 0});
    ExpectPoint(line.GetEndPoint(), {5, -2, 0});

    line.SetStartPoint(0, 0, 0);
    line.SetEndPoint(2, 0, 0);
    line.MoveTo(4, 4);
    ExpectPoint(line.GetStartPoint(), {0, 0, 0});
    ExpectPoint(line.GetEndPoint(), {4, 4, 0});
    ExpectPoint(line.GetLocation(), {2, 2, 0});
}

TEST(PrimitiveLine, BoxFollowsTheEndsWhenAskedFor)
{
    TAV_PrimitiveLine line;
    line.SetStartPoint(3, -1, 0);
    line.SetEndPoint(1, 2, 0);
    ExpectBox(BoxOf(line), {1, -1, 0}, {3, 2, 0});
    line.MoveTo(10, 10);
    ExpectBox(BoxOf(line), {3, -1, 0}, {10, 10, 0});
}

TEST(PrimitiveShapes, UpdateMovesEveryShapeByVelocityTimesElapsed)
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
    ExpectPoint(circle.GetCenter(), {1, 0, 0});
    ExpectBox(circle.GetBox(), {0, -1, 0}, {2, 1, 0});
    ExpectBox(rect.GetBox(), {1, 0, 0}, {3, 3, 0});
}
