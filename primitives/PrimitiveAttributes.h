#pragma once
#include "core/Color.h"
#include "render/FillMode.h"
#include "render/ShadeMode.h"

#include <string>

// Everything a user can set on a primitive, as one value: what an edit changes
// and what undoing it puts back.
struct TAV_PrimitiveAttributes
{
    bool visible = true;
    bool drawBoundingVolume = false;
    TAV_Color color{0, 0, 0, 255};
    TAV_Color shadeColor{255, 255, 255, 255};
    FillMode fillMode = FillMode::Solid;
    ShadeMode shadeMode = ShadeMode::Gouraud;
    bool blending = false;
    bool texturing = false;
    std::wstring textureName;

    bool operator==(const TAV_PrimitiveAttributes& other) const = default;
};
