#include "scene/Claw.h"

#include "primitives/PrimitiveList.h"
#include "scene/NodeShapes.h"

CClaw::CClaw(float x, float y, float, const wchar_t* name) : TAV_SceneNode(name)
{
    SetTypeCode(TypeCode);
    SetPrimitive(MakeList(MakeRectangle(x, y, x + 0.3f, y + 0.9f, TAV_Color(0, 0, 0, 255), ShadeMode::Flat)));
    TAV_XformInfo xform;
    xform.SetPivot(x + 0.3f, y, 0.0f);
    SetXformInfo(xform);
}
