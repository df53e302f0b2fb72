#pragma once
#include "core/Color.h"
#include "render/ShadeMode.h"
#include "scene/XformInfo.h"

class TAV_Primitive;
class TAV_PrimitiveList;

// Builders for the shapes of the ready-made nodes, in the node's own frame at z = 0.
TAV_Primitive* MakeRectangle(float x1, float y1, float x2, float y2, TAV_Color color, ShadeMode shadeMode);
TAV_Primitive* MakeCircle(float cx, float cy, float radius, TAV_Color color, ShadeMode shadeMode);
// A primitive list holding just one shape.
TAV_PrimitiveList* MakeList(TAV_Primitive* shape);
// A transform that stands a node at (x, y, z) and turns and scales it about that point.
TAV_XformInfo StandingAt(float x, float y, float z);
