#include "scene/Box.h"

#include "primitives/PrimitiveList.h"
#include "scene/NodeShapes.h"

CBox::CBox(float x, float y, float z) : TAV_SceneNode(L"SceneNode")
{
    SetTypeCode(TypeCode);
    SetPrimitive(
        MakeList(MakeRectangle(0.0f, 0.0f, 5.0f, 3.0f, TAV_Color(0, 0, 200, 255), ShadeMode::Gouraud)));
    SetXformInfo(StandingAt(x, y, z));
}
