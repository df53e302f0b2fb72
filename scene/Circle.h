#pragma once
#include "scene/SceneNode.h"

// A blue disc of radius 1.5 centred on the node's origin, standing at
// (x, y, z) with its pivot there too.
class CCircle : public TAV_SceneNode
{
public:
    static constexpr char TypeCode = 'C';

    CCircle(float x, float y, float z);
};
