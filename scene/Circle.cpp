#include "scene/Circle.h"

#include "primitives/PrimitiveList.h"
#include "scene/NodeShapes.h"

CCircle::CCircle(float x, float y, float z) : TAV_SceneNode(L"SceneNode")
{
    SetTypeCode(TypeCode);
    SetPrimitive(MakeList(MakeCircle(0.0f, 0.0f, 1.5f, TAV_Color(0, 0, 200, 255), ShadeMode::Gouraud)));
    SetXformInfo(StandingAt(x, y, z));
}
