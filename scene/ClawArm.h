#pragma once
#include "scene/SceneNode.h"

// A translucent red 1 x 4 arm with its lower left corner at (x, y) of the
// parent's frame and two claws on its top edge. It turns by +90 degrees about its
// lower left corner on the right side (x > 0), by -90 degrees about its lower
// right corner otherwise.
class CClawArm : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'a';

    CClawArm(float x, float y, float z, const wchar_t* name);
};
