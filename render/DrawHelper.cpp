#include "render/DrawHelper.h"

#include <utility>

TAV_DrawHelper::TAV_DrawHelper()
{
    // Runs this class's own ResetAttributes: a new drawing object changes no device state.
    TAV_DrawHelper::ResetAttributes();
}

bool TAV_DrawHelper::DrawPoint(float, float, float)
{
    return false;
}

bool TAV_DrawHelper::DrawLine(float, float, float, float, float, float)
{
    return false;
}

bool TAV_DrawHelper::DrawCircle(float, float, float, float)
{
    return false;
}

bool TAV_DrawHelper::DrawRectangle(float, float, float, float, float, float)
{
    return false;
}

bool TAV_DrawHelper::IsOutsideVisibleWorld(TAV_Vector3, TAV_Vector3)
{
    return false;
}

void TAV_DrawHelper::SetVisibleWorld(TAV_Vector3 min, TAV_Vector3 max)
{
    visibleMin_ = min;
    visibleMax_ = max;
    hasVisibleWorld_ = true;
}

void TAV_DrawHelper::ResetAttributes()
{
    const TAV_Color opaqueWhite(0xFFFFFFFFu, 255);
    pointSize_ = 1.0f;
    color_ = opaqueWhite;
    shadeColor_ = opaqueWhite;
    EnableBlending(false);
    EnableTexture(false);
}

bool TAV_DrawHelper::AccumulateModelTransform(float, float, float, float, float, float, float, float, float,
                                              float)
{
    return false;
}

bool TAV_DrawHelper::PushModelTransform()
{
    return false;
}

bool TAV_DrawHelper::PopModelTransform()
{
    return false;
}

bool TAV_DrawHelper::InitializeModelTransform()
{
    return false;
}

bool TAV_DrawHelper::TransformPoint(TAV_Vector3&)
{
    return false;
}

void TAV_DrawHelper::SetShadeMode(ShadeMode mode)
{
    shadeMode_ = mode;
}

void TAV_DrawHelper::SetFillMode(FillMode mode)
{
    fillMode_ = mode;
}

bool TAV_DrawHelper::EnableBlending(bool)
{
    return false;
}

void TAV_DrawHelper::SetTextureName(const std::wstring& name)
{
    textureName_ = name;
}

bool TAV_DrawHelper::EnableTexture(bool)
{
    return false;
}

TAV_Color TAV_DrawHelper::SetColor(TAV_Color color)
{
    return std::exchange(color_, color);
}

TAV_Color TAV_DrawHelper::SetShadeColor(TAV_Color color)
{
    return std::exchange(shadeColor_, color);
}

float TAV_DrawHelper::SetPointSize(float size)
{
    return std::exchange(pointSize_, size);
}
