#include "scene/ClawArm.h"

#include "primitives/PrimitiveList.h"
#include "scene/Claw.h"
#include "scene/NodeShapes.h"

namespace {

TAV_SceneNode* TurnedClaw(float x, float y, const wchar_t* name, float degrees)
{
    auto* claw = new CClaw(x, y, 0.0f, name);
    TAV_XformInfo xform = claw->GetXformInfo();
    xform.SetRotationInDegrees(degrees);
    claw->SetXformInfo(xform);
    return claw;
}

} // namespace

CClawArm::CClawArm(float x, float y, float z, const wchar_t* name) : TAV_SceneNode(name)
{
    SetTypeCode(TypeCode);
    SetPrimitive(
        MakeList(MakeRectangle(x, y, x + 1.0f, y + 4.0f, TAV_Color(200, 0, 0, 100), ShadeMode::Flat)));

    TAV_XformInfo xform = GetXformInfo();
    xform.SetPivot(x, y, z);
    if (x > 0.0f) {
        xform.SetRotationInDegrees(90.0f);
    } else {
        xform.SetRotationInDegrees(-90.0f);
        xform.SetPivot(x + 1.0f, y, 0.0f);
    }
    SetXformInfo(xform);

    AddChild(TurnedClaw(x, y + 4.0f, L"L_Claw", -23.0f));
    AddChild(TurnedClaw(x + 1.0f - 0.3f, y + 4.0f, L"R_Claw", 23.0f));
}
