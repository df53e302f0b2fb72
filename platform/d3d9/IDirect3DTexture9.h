#pragma once
#include "platform/d3d9/IDirect3DBaseTexture9.h"

// A 2D texture with one level of 32-bit ARGB texels.
class IDirect3DTexture9 : public IDirect3DBaseTexture9
{
public:
    // Level 0 only, and only whole-level locks: pRect must be null.
    virtual HRESULT LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags) = 0;
    virtual HRESULT UnlockRect(UINT Level) = 0;
};
