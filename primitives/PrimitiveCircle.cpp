#include "primitives/PrimitiveCircle.h"

#include "render/DrawHelper.h"

void TAV_PrimitiveCircle::Update(float elapsedSeconds)
{
    center_ += GetVelocity() * elapsedSeconds;
    UpdateBox();
}

void TAV_PrimitiveCircle::DefineByMouse(bool dragging, float x, float y)
{
    if (dragging) {
        const float dx = x - center_.x;
        const float dy = y - center_.y;
        SetRadius(TAV_Sqrt(dx * dx + dy * dy));
    } else {
        SetCenter(x, y, 0.0f);
        SetRadius(0.0f);
    }
}

void TAV_PrimitiveCircle::MoveTo(float x, float y)
{
    SetCenter(x, y, 0.0f);
}

const TAV_BoundingVolume* TAV_PrimitiveCircle::GetBoundingVolume(int)
{
    return &box_;
}

void TAV_PrimitiveCircle::SetupDrawAttributes(TAV_DrawHelper& helper)
{
    TAV_Primitive::SetupDrawAttributes(helper);
    SetupShading(helper, true);
}

void TAV_PrimitiveCircle::DrawPrimitive(int lod, TAV_DrawHelper& helper)
{
    const int previousLod = helper.GetLod();
    helper.SetLod(lod);
    helper.DrawCircle(center_.x, center_.y, center_.z, radius_);
    helper.SetLod(previousLod);
}

void TAV_PrimitiveCircle::SetCenter(float x, float y, float z)
{
    center_ = TAV_Vector3(x, y, z);
    UpdateBox();
}

void TAV_PrimitiveCircle::SetRadius(float radius)
{
    radius_ = radius;
    UpdateBox();
}

// The box lies in the z = 0 plane whatever the centre's z, as the disc is drawn there.
void TAV_PrimitiveCircle::UpdateBox()
{
    box_.SetCorners(TAV_Vector3(center_.x - radius_, center_.y - radius_, 0.0f),
                    TAV_Vector3(center_.x + radius_, center_.y + radius_, 0.0f));
}
