#pragma once
#include "platform/d3d9/IUnknown.h"

// A 32-bit pixel surface (back buffer or texture level); row 0 is the top row.
class IDirect3DSurface9 : public IUnknown
{
};
