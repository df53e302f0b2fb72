#pragma once
#include "core/Color.h"

#include <string>

// Everything a user can set on a primitive, as one value: what an edit changes
// and what undoing it puts back.
struct TAV_PrimitiveAttributes
{
    bool visible = true;
    bool drawBoundingVolume = false;
    TAV_Color color{0, 0, 0, 255};
    TAV_Color shadeColor{255, 255, 255, 255};
    // 2 solid, 1 wireframe, anything else points.
    int fillMode = 2;
    // 1 Gouraud, anything else flat.
    int shadeMode = 1;
    bool blending = false;
    bool texturing = false;
    std::wstring textureName;

    bool operator==(const TAV_PrimitiveAttributes& other) const = default;
};
