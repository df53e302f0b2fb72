#pragma once
#include "platform/d3d9/ID3DXMatrixStack.h"
#include "platform/d3d9/RefCounted.h"

#include <vector>

class SoftwareMatrixStack final : public RefCounted<ID3DXMatrixStack>
{
public:
    SoftwareMatrixStack();

    HRESULT Pop() override;
    HRESULT Push() override;
    HRESULT LoadIdentity() override;
    HRESULT RotateAxisLocal(const D3DXVECTOR3* pV, float Angle) override;
    HRESULT ScaleLocal(float x, float y, float z) override;
    HRESULT TranslateLocal(float x, float y, float z) override;
    D3DXMATRIX* GetTop() override { return &stack_.back(); }

private:
    // top = m × top.
    HRESULT ComposeLocal(const D3DXMATRIX& m);

    std::vector<D3DXMATRIX> stack_;
};
