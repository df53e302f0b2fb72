#pragma once
#include "platform/d3d9/IUnknown.h"

// A 32-bit pixel surface (back buffer or texture level); row 0 is the top row.
class IDirect3DSurface9 : public IUnknown
{
public:
    virtual HRESULT GetDesc(D3DSURFACE_DESC* pDesc) = 0;
    // Only whole-surface locks: pRect must be null.
    virtual HRESULT LockRect(D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags) = 0;
    virtual HRESULT UnlockRect() = 0;
};
