#include "primitives/PrimitiveRectangleXY.h"

#include "render/DrawHelper.h"

void TAV_PrimitiveRectangleXY::Update(float elapsedSeconds)
{
    const TAV_Vector3 d = GetVelocity() * elapsedSeconds;
    box_.SetCorners(box_.GetMin() + d, box_.GetMax() + d);
}

void TAV_PrimitiveRectangleXY::DefineByMouse(bool dragging, float x, float y)
{
    const TAV_Vector3 point(x, y, 0.0f);
    if (!dragging)
        anchor_ = point;
    box_.SetCorners(anchor_, point);
}

void TAV_PrimitiveRectangleXY::MoveTo(float x, float y)
{
    const TAV_Vector3 center = box_.GetCenter();
    const TAV_Vector3 d(x - center.x, y - center.y, 0.0f);
    box_.SetCorners(box_.GetMin() + d, box_.GetMax() + d);
}

const TAV_BoundingVolume* TAV_PrimitiveRectangleXY::GetBoundingVolume(int)
{
    return &box_;
}

void TAV_PrimitiveRectangleXY::SetupDrawAttributes(TAV_DrawHelper& helper)
{
    TAV_Primitive::SetupDrawAttributes(helper);
    SetupShading(helper, true);
}

void TAV_PrimitiveRectangleXY::DrawPrimitive(int, TAV_DrawHelper& helper)
{
    const TAV_Vector3 lo = box_.GetMin();
    const TAV_Vector3 hi = box_.GetMax();
    helper.DrawRectangle(lo.x, lo.y, lo.z, hi.x, hi.y, hi.z);
}

void TAV_PrimitiveRectangleXY::SetCorners(float x1, float y1, float z1, float x2, float y2, float z2)
{
    box_.SetCorners(TAV_Vector3(x1, y1, z1), TAV_Vector3(x2, y2, z2));
}
