#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<float> Point(TAV_Vector3 p)
{
    return {p.x, p.y, p.z};
}

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

TEST(PrimitiveRectangle, DragSpansFromThePressAndMoveToCentresKeepingSizeAndDepth)
{
    TAV_PrimitiveRectangleXY rect;
    rect.DefineByMouse(false, 1, 1);
    EXPECT_EQ(Box(rect), (std::vector<float>{1, 1, 0, 1, 1, 0}));
    rect.DefineByMouse(true, 3, 4);
    EXPECT_EQ(Box(rect), (std::vector<float>{1, 1, 0, 3, 4, 0}));
    rect.DefineByMouse(true, 0, 0);
    EXPECT_EQ(Box(rect), (std::vector<float>{0, 0, 0, 1, 1, 0}));

    rect.SetCorners(0, 0, 1, 4, 2, 3);
    rect.MoveTo(-1, 0);
    EXPECT_EQ(Box(rect), (std::vector<float>{-3, -1, 1, 1, 1, 3}));
    EXPECT_EQ(Point(rect.GetLocation()), (std::vector<float>{-1, 0, 2}));
}

TEST(PrimitiveCircle, PressSetsTheCentreDragTheRadiusAndTheBoxStaysInThePlane)
{
    TAV_PrimitiveCircle circle;
    circle.SetRadius(7);
    circle.DefineByMouse(false, 1, 1);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 0.0f);
    EXPECT_EQ(Box(circle), (std::vector<float>{1, 1, 0, 1, 1, 0}));
    circle.DefineByMouse(true, 4, 5);
    EXPECT_FLOAT_EQ(circle.GetRadius(), 5.0f);
    EXPECT_EQ(Box(circle), (std::vector<float>{-4, -4, 0, 6, 6, 0}));

    circle.SetCenter(0, 0, 7);
    circle.SetRadius(-2);
    circle.MoveTo(3, 3);
    EXPECT_EQ(Point(circle.GetLocation()), (std::vector<float>{3, 3, 0}));
    EXPECT_EQ(Box(circle), (std::vector<float>{1, 1, 0, 5, 5, 0}));
}

TEST(PrimitiveLine, PressSetsBothEndsDragAndMoveToMoveOnlyTheEndAndTheBoxFollows)
{
    TAV_PrimitiveLine line;
    line.DefineByMouse(false, 1, 2);
    EXPECT_EQ(Point(line.GetStartPoint()), (std::vector<float>{1, 2, 0}));
    EXPECT_EQ(Point(line.GetEndPoint()), (std::vector<float>{1, 2, 0}));
    line.DefineByMouse(true, 5, -2);
    EXPECT_EQ(Point(line.GetStartPoint()), (std::vector<float>{1, 2, 0}));
    EXPECT_EQ(Point(line.GetEndPoint()), (std::vector<float>{5, -2, 0}));
    EXPECT_EQ(Box(line), (std::vector<float>{1, -2, 0, 5, 2, 0}));

    line.MoveTo(4, 4);
    EXPECT_EQ(Point(line.GetStartPoint()), (std::vector<float>{1, 2, 0}));
    EXPECT_EQ(Point(line.GetLocation()), (std::vector<float>{2.5f, 3, 0}));
    EXPECT_EQ(Box(line), (std::vector<float>{1, 2, 0, 4, 4, 0}));
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
    EXPECT_EQ(Point(line.GetStartPoint()), (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(Point(line.GetEndPoint()), (std::vector<float>{2, 1, 0}));
    EXPECT_EQ(Box(circle), (std::vector<float>{0, -1, 0, 2, 1, 0}));
    EXPECT_EQ(Box(rect), (std::vector<float>{1, 0, 0, 3, 3, 0}));

    // The circle, now at (1, 0), turns away from (1, 1) at the same speed; from its own centre it stops.
    circle.MoveAwayFrom({1, 1, 0});
    EXPECT_EQ(Point(circle.GetVelocity()), (std::vector<float>{0, -2, 0}));
    circle.MoveAwayFrom({1, 0, 0});
    EXPECT_TRUE(circle.IsStationary());
}
