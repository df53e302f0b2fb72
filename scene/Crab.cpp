#include "scene/Crab.h"

#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "scene/BodyArm.h"
#include "scene/NodeShapes.h"

namespace {

// A line keeping the primitive's default colours, flat shaded.
TAV_Primitive* MakeBrow(float x1, float y1, float x2, float y2)
{
    auto* line = new TAV_PrimitiveLine;
    line->SetStartPoint(x1, y1, 0.0f);
    line->SetEndPoint(x2, y2, 0.0f);
    line->SetShadeMode(ShadeMode::Flat);
    return line;
}

TAV_PrimitiveList* MakeBody()
{
    const TAV_Color black(0, 0, 0, 255);
    // The inner eye discs keep the primitive defaults: black, shaded towards a white centre.
    auto* body = new TAV_PrimitiveList;
    body->AddPrimitive(MakeCircle(0.0f, 0.0f, 3.0f, TAV_Color(200, 0, 0, 100), ShadeMode::Flat));
    body->AddPrimitive(MakeRectangle(-0.7f, 2.9f, -0.5f, 4.5f, black, ShadeMode::Flat));
    body->AddPrimitive(MakeRectangle(0.7f, 2.9f, 0.5f, 4.5f, black, ShadeMode::Flat));
    body->AddPrimitive(MakeCircle(-0.6f, 4.8f, 0.3f, black, ShadeMode::Flat));
    body->AddPrimitive(MakeCircle(-0.6f, 4.8f, 0.15f, black, ShadeMode::Gouraud));
    body->AddPrimitive(MakeBrow(-0.9f, 5.4f, -0.1f, 5.1f));
    body->AddPrimitive(MakeBrow(0.0f, 5.1f, 0.8f, 5.4f));
    body->AddPrimitive(MakeCircle(0.6f, 4.8f, 0.3f, black, ShadeMode::Flat));
    body->AddPrimitive(MakeCircle(0.6f, 4.8f, 0.15f, black, ShadeMode::Gouraud));
    body->AddPrimitive(MakeRectangle(-1.5f, -5.0f, -1.0f, -2.8f, black, ShadeMode::Flat));
    body->AddPrimitive(MakeRectangle(1.5f, -5.0f, 1.0f, -2.8f, black, ShadeMode::Flat));
    return body;
}

// A body arm turned by degrees about the given pivot of the crab's frame.
TAV_SceneNode* JointedArm(float x, const wchar_t* name, float degrees, float pivotX)
{
    auto* arm = new CBodyArm(x, 0.0f, 0.0f, name);
    TAV_XformInfo xform = arm->GetXformInfo();
    xform.SetRotationInDegrees(degrees);
    xform.SetPivot(pivotX, 0.0f, 0.0f);
    arm->SetXformInfo(xform);
    return arm;
}

} // namespace

CCrab::CCrab(float x, float y, float z) : TAV_SceneNode(L"SceneNode")
{
    SetTypeCode(TypeCode);
    TAV_PrimitiveList* body = MakeBody();
    AddChild(JointedArm(2.0f, L"R_BodyArm", -45.0f, 2.0f));
    AddChild(JointedArm(-3.0f, L"L_BodyArm", 45.0f, -2.0f));
    TAV_XformInfo xform = GetXformInfo();
    xform.SetTranslation(x, y, z);
    SetXformInfo(xform);
    SetPrimitive(body);
}
