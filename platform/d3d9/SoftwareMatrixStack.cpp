#include "platform/d3d9/SoftwareMatrixStack.h"

#include <new>

HRESULT D3DXCreateMatrixStack(DWORD Flags, ID3DXMatrixStack** ppStack)
{
    if (!ppStack)
        return D3DERR_INVALIDCALL;
    *ppStack = nullptr;
    if (Flags != 0)
        return D3DERR_INVALIDCALL;
    *ppStack = new (std::nothrow) SoftwareMatrixStack;
    return *ppStack ? D3D_OK : E_OUTOFMEMORY;
}

SoftwareMatrixStack::SoftwareMatrixStack() : stack_(1)
{
    D3DXMatrixIdentity(&stack_.back());
}

HRESULT SoftwareMatrixStack::Pop()
{
    if (stack_.size() == 1)
        return D3DERR_INVALIDCALL;
    stack_.pop_back();
    return D3D_OK;
}

HRESULT SoftwareMatrixStack::Push()
{
    try {
        stack_.push_back(stack_.back());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

HRESULT SoftwareMatrixStack::LoadIdentity()
{
    D3DXMatrixIdentity(&stack_.back());
    return D3D_OK;
}

HRESULT SoftwareMatrixStack::ComposeLocal(const D3DXMATRIX& m)
{
    D3DXMatrixMultiply(&stack_.back(), &m, &stack_.back());
    return D3D_OK;
}

HRESULT SoftwareMatrixStack::RotateAxisLocal(const D3DXVECTOR3* pV, float Angle)
{
    if (!pV)
        return D3DERR_INVALIDCALL;
    D3DXMATRIX rotation;
    D3DXMatrixRotationAxis(&rotation, pV, Angle);
    return ComposeLocal(rotation);
}

HRESULT SoftwareMatrixStack::ScaleLocal(float x, float y, float z)
{
    D3DXMATRIX scaling;
    D3DXMatrixScaling(&scaling, x, y, z);
    return ComposeLocal(scaling);
}

HRESULT SoftwareMatrixStack::TranslateLocal(float x, float y, float z)
{
    D3DXMATRIX translation;
    D3DXMatrixTranslation(&translation, x, y, z);
    return ComposeLocal(translation);
}
