#include "scene/BodyArm.h"

#include "primitives/PrimitiveList.h"
#include "scene/ClawArm.h"
#include "scene/NodeShapes.h"

CBodyArm::CBodyArm(float x, float y, float, const wchar_t* name) : TAV_SceneNode(name)
{
    SetTypeCode(TypeCode);
    SetPrimitive(
        MakeList(MakeRectangle(x, y, x + 1.0f, y + 4.0f, TAV_Color(200, 0, 0, 255), ShadeMode::Flat)));
    AddChild(new CClawArm(x, y + 3.5f, 0.0f, name));
}
