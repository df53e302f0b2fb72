#include "scene/XformInfo.h"

#include "render/DrawHelper.h"

namespace {
// Single-precision 180/pi and pi/180; products are rounded to float.
constexpr float RadiansToDegrees = 57.295776f;
constexpr float DegreesToRadians = 0.017453292f;
} // namespace

float TAV_XformInfo::GetRotationInDegrees() const
{
    return rotation_ * RadiansToDegrees;
}

void TAV_XformInfo::SetRotationInDegrees(float degrees)
{
    rotation_ = degrees * DegreesToRadians;
}

void TAV_XformInfo::SetUpModelTransform(TAV_DrawHelper& helper) const
{
    helper.AccumulateModelTransform(translation_.x, translation_.y, translation_.z, scale_.x, scale_.y,
                                    scale_.z, rotation_, pivot_.x, pivot_.y, pivot_.z);
}

void TAV_XformInfo::DrawPivot(TAV_DrawHelper& helper, float radius) const
{
    helper.ResetAttributes();
    helper.SetColor(TAV_Color(1.0f, 1.0f, 1.0f, 1.0f));
    helper.SetShadeColor(TAV_Color(0.0f, 0.0f, 1.0f, 1.0f));
    helper.SetFillMode(FillMode::Solid);
    helper.SetShadeMode(ShadeMode::Gouraud);
    helper.DrawCircle(pivot_.x, pivot_.y, pivot_.z, radius);
}
