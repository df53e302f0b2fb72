#pragma once
#include "core/Vector3.h"

class TAV_SceneNode;

// The node a type code stands for, built at the given point, or null for the
// root's code and for codes no node has. Arms and claws take name; a null name
// gives them the one a model file's line gives them.
TAV_SceneNode* CreateNodeOfKind(char typeCode, TAV_Vector3 at, const wchar_t* name);
