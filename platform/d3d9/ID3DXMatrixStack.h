#pragma once
#include "platform/d3d9/D3DXMath.h"
#include "platform/d3d9/IUnknown.h"

// A stack of row-vector matrices; it always holds at least one (the top).
// The Local operations compose on the local side: top = M × top.
class ID3DXMatrixStack : public IUnknown
{
public:
    // Removes the top; the last entry is never removed (D3DERR_INVALIDCALL).
    virtual HRESULT Pop() = 0;
    // Duplicates the top.
    virtual HRESULT Push() = 0;
    virtual HRESULT LoadIdentity() = 0;
    virtual HRESULT RotateAxisLocal(const D3DXVECTOR3* pV, float Angle) = 0;
    virtual HRESULT ScaleLocal(float x, float y, float z) = 0;
    virtual HRESULT TranslateLocal(float x, float y, float z) = 0;
    // Valid until the stack changes or is released.
    virtual D3DXMATRIX* GetTop() = 0;
};

// A new stack holding the identity, with one reference. Flags must be 0.
HRESULT D3DXCreateMatrixStack(DWORD Flags, ID3DXMatrixStack** ppStack);
