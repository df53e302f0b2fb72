#include "primitives/Primitive.h"

#include "primitives/BoundingBox.h"
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
    const TAV_Vector3 velocity = GetVelocity();
    const TAV_Vector3 away = direction * velocity.Length();
    SetVelocity(away.x, away.y, away.z);
}

void TAV_Primitive::SetupDrawAttributes(TAV_DrawHelper& helper)
{
    const TAV_PrimitiveAttributes& attributes = Attributes();
    helper.ResetAttributes();
    helper.SetColor(attributes.color);
    helper.EnableBlending(attributes.blending);
    helper.SetTextureName(attributes.textureName);
    helper.EnableTexture(attributes.texturing);
}

void TAV_Primitive::SetupShading(TAV_DrawHelper& helper, bool withFillMode) const
{
    const TAV_PrimitiveAttributes& attributes = Attributes();
    helper.SetShadeColor(attributes.shadeColor);
    helper.SetShadeMode(attributes.shadeMode);
    if (withFillMode)
        helper.SetFillMode(attributes.fillMode);
}

void TAV_Primitive::Draw(int lod, TAV_DrawHelper& helper)
{
    if (!IsVisible() || IsOutsideVisibleWorld(lod, helper))
        return;
    SetupDrawAttributes(helper);
    DrawPrimitive(lod, helper);
    if (IsDrawBoundingVolume())
        DrawBoundingVolume(lod, &helper, TAV_Color(255, 0, 0, 255));
}

bool TAV_Primitive::IsOutsideVisibleWorld(int lod, TAV_DrawHelper& helper)
{
    const TAV_BoundingVolume* volume = GetBoundingVolume(lod);
    if (volume == nullptr || volume->GetType() != TAV_BoundingBox::BoxType)
        return false;
    const auto* box = static_cast<const TAV_BoundingBox*>(volume);
    return helper.IsOutsideVisibleWorld(box->GetMin(), box->GetMax());
}

void TAV_Primitive::DrawBoundingVolume(int lod, TAV_DrawHelper* helper, TAV_Color color)
{
    const TAV_BoundingVolume* volume = GetBoundingVolume(lod);
    if (volume == nullptr || helper == nullptr)
        return;
    helper->ResetAttributes();
    helper->SetColor(color);
    helper->SetShadeMode(ShadeMode::Flat);
    helper->SetFillMode(FillMode::Wireframe);
    volume->Draw(helper);
}

bool TAV_Primitive::IsStationary() const
{
    constexpr double still = 1e-9;
    const TAV_Vector3 velocity = GetVelocity();
    return TAV_Abs(velocity.x) <= still && TAV_Abs(velocity.y) <= still && TAV_Abs(velocity.z) <= still;
}
