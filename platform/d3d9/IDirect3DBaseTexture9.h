#pragma once
#include "platform/d3d9/IUnknown.h"

// What a texture stage accepts.
class IDirect3DBaseTexture9 : public IUnknown
{
};
