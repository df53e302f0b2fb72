#include "primitives/PrimitiveLine.h"

#include "render/DrawHelper.h"

void TAV_PrimitiveLine::Update(float elapsedSeconds)
{
    const TAV_Vector3 d = GetVelocity() * elapsedSeconds;
    start_ += d;
    end_ += d;
}

void TAV_PrimitiveLine::DefineByMouse(bool dragging, float x, float y)
{
    if (!dragging)
        start_ = TAV_Vector3(x, y, 0.0f);
    end_ = TAV_Vector3(x, y, 0.0f);
}

void TAV_PrimitiveLine::MoveTo(float x, float y)
{
    end_ = TAV_Vector3(x, y, 0.0f);
}

TAV_Vector3 TAV_PrimitiveLine::GetLocation() const
{
    return (start_ + end_) / 2.0f;
}

const TAV_BoundingVolume* TAV_PrimitiveLine::GetBoundingVolume(int)
{
    box_.SetCorners(start_, end_);
    return &box_;
}

void TAV_PrimitiveLine::SetupDrawAttributes(TAV_DrawHelper& helper)
{
    TAV_Primitive::SetupDrawAttributes(helper);
    SetupShading(helper, false);
}

void TAV_PrimitiveLine::DrawPrimitive(int, TAV_DrawHelper& helper)
{
    helper.DrawLine(start_.x, start_.y, start_.z, end_.x, end_.y, end_.z);
}
