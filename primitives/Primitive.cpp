#include "primitives/Primitive.h"

#include "primitives/BoundingVolume.h"
#include "render/DrawHelper.h"

void TAV_Primitive::Update(float) {}

void TAV_Primitive::DefineByMouse(bool, float, float) {}

void TAV_Primitive::MoveTo(float, float) {}

TAV_Vector3 TAV_Primitive::GetLocation() const
{
    return TAV_Vector3();
}

const TAV_BoundingVolume* TAV_Primitive::GetBoundingVolume(int)
{
    return nullptr;
}

void TAV_Primitive::MoveAwayFrom(TAV_Vector3 point)
{
    TAV_Vector3 direction = GetLocation() - point;
    direction.Normalize();
    velocity_ = direction * velocity_.Length();
}

void TAV_Primitive::SetupDrawAttributes(TAV_DrawHelper& helper)
{
    helper.ResetAttributes();
    helper.SetColor(attributes_.color);
    helper.EnableBlending(attributes_.blending);
    helper.SetTextureName(attributes_.textureName);
    helper.EnableTexture(attributes_.texturing);
}

void TAV_Primitive::SetupShading(TAV_DrawHelper& helper, bool withFillMode) const
{
    helper.SetShadeColor(attributes_.shadeColor);
    helper.SetShadeMode(attributes_.shadeMode);
    if (withFillMode)
        helper.SetFillMode(attributes_.fillMode);
}

void TAV_Primitive::Draw(int lod, TAV_DrawHelper& helper)
{
    if (!attributes_.visible)
        return;
    SetupDrawAttributes(helper);
    DrawPrimitive(lod, helper);
    if (attributes_.drawBoundingVolume)
        DrawBoundingVolume(lod, &helper, TAV_Color(255, 0, 0, 255));
}

void TAV_Primitive::DrawBoundingVolume(int lod, TAV_DrawHelper* helper, TAV_Color color)
{
    const TAV_BoundingVolume* volume = GetBoundingVolume(lod);
    if (volume == nullptr || helper == nullptr)
        return;
    helper->ResetAttributes();
    helper->SetColor(color);
    helper->SetShadeMode(0);
    helper->SetFillMode(1);
    volume->Draw(helper);
}

bool TAV_Primitive::IsStationary() const
{
    constexpr double still = 1e-9;
    return TAV_Abs(velocity_.x) <= still && TAV_Abs(velocity_.y) <= still && TAV_Abs(velocity_.z) <= still;
}
