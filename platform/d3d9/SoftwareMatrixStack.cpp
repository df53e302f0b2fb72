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

// Scaling and translation change only some rows of the top, so they skip the
// full product. Each entry is the one a full product would give: the same terms
// added in the same order, the terms with a zero factor left out (finite entries
// only lose the sign of a zero that way).
HRESULT SoftwareMatrixStack::ScaleLocal(float x, float y, float z)
{
    D3DXMATRIX& top = stack_.back();
    const float factors[3] = {x, y, z};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            top.m[row][column] *= factors[row];
    return D3D_OK;
}

HRESULT SoftwareMatrixStack::TranslateLocal(float x, float y, float z)
{
    D3DXMATRIX& top = stack_.back();
    for (int column = 0; column < 4; ++column)
        top.m[3][column] = x * top.m[0][column] + y * top.m[1][column] + z * top.m[2][column] + top.m[3][column];
    return D3D_OK;
}
