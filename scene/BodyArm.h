#pragma once
#include "scene/SceneNode.h"

// An opaque red 1 x 4 arm with its lower left corner at (x, y) of the crab's
// frame, carrying a claw arm of the same name 3.5 units up. The crab sets its
// joint; its own transform stays at the defaults.
class CBodyArm : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'b';

    CBodyArm(float x, float y, float z, const wchar_t* name);
};
