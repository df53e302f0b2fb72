#pragma once
#include "scene/SceneNode.h"

// A blue 5 x 3 rectangle with its lower left corner at the node's origin,
// standing at (x, y, z) with its pivot there too.
class CBox : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'B';

    CBox(float x, float y, float z);
};
