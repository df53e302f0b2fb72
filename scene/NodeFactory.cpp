#include "scene/NodeFactory.h"

#include "scene/BodyArm.h"
#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/Claw.h"
#include "scene/ClawArm.h"
#include "scene/Crab.h"

TAV_SceneNode* CreateNodeOfKind(char typeCode, TAV_Vector3 at, const wchar_t* name)
{
    switch (typeCode) {
    case CBox::TypeCode:
        return new CBox(at.x, at.y, at.z);
    case CCircle::TypeCode:
        return new CCircle(at.x, at.y, at.z);
    case CCrab::TypeCode:
        return new CCrab(at.x, at.y, at.z);
    case CBodyArm::TypeCode:
        return new CBodyArm(at.x, at.y, at.z, name != nullptr ? name : L"bodyArm");
    case CClawArm::TypeCode:
        return new CClawArm(at.x, at.y, at.z, name != nullptr ? name : L"ClawArm");
    case CClaw::TypeCode:
        return new CClaw(at.x, at.y, at.z, name != nullptr ? name : L"Claw");
    default:
        return nullptr;
    }
}
