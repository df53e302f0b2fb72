#pragma once
#include "platform/d3d9/IDirect3DBaseTexture9.h"
#include "platform/d3d9/IDirect3DSurface9.h"

// A 2D texture with one level of 32-bit ARGB texels.
class IDirect3DTexture9 : public IDirect3DBaseTexture9
{
public:
    virtual HRESULT GetLevelDesc(UINT Level, D3DSURFACE_DESC* pDesc) = 0;
    // The caller owns one reference to the returned level.
    virtual HRESULT GetSurfaceLevel(UINT Level, IDirect3DSurface9** ppSurfaceLevel) = 0;
    virtual HRESULT LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags) = 0;
    virtual HRESULT UnlockRect(UINT Level) = 0;
};
