#pragma once
#include "scene/SceneNode.h"

// The ready-made jointed crab standing at (x, y, z): a translucent red body with
// eyes and legs, and two body arms, each carrying a claw arm with two claws.
class CCrab : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'j';

    CCrab(float x, float y, float z);
};
