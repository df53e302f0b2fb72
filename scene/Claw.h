#pragma once
#include "scene/SceneNode.h"

// A black 0.3 x 0.9 claw with its lower left corner at (x, y) of the parent's
// frame, turning about its lower right corner.
class CClaw : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'c';

    CClaw(float x, float y, float z, const wchar_t* name);
};
