#pragma once
#include "platform/d3d9/D3DXMath.h"
#include "platform/d3d9/IDirect3DBaseTexture9.h"

#include <array>

// The state a draw reads: transforms, render states, the texture stage and the
// vertex format, with the device's initial values. Only the states and values
// the renderer sets are accepted (see D3DTypes.h); the device neither lights
// nor culls, and blends by source alpha only.
struct DeviceState
{
    static constexpr DWORD kRenderStateCount = D3DRS_BLENDOP + 1;
    static constexpr DWORD kStageCount = 1;
    static constexpr DWORD kStageStateCount = D3DTSS_ALPHAOP + 1;

    DeviceState();

    // Whether SetRenderState and SetTextureStageState take the value.
    static bool AcceptsRenderState(D3DRENDERSTATETYPE state, DWORD value);
    static bool AcceptsStageState(D3DTEXTURESTAGESTATETYPE type, DWORD value);

    D3DXMATRIX world;
    D3DXMATRIX view;
    D3DXMATRIX projection;
    std::array<DWORD, kRenderStateCount> renderStates{};
    std::array<std::array<DWORD, kStageStateCount>, kStageCount> stageStates{};
    // One reference each, held by the device.
    std::array<IDirect3DBaseTexture9*, kStageCount> textures{};
    DWORD fvf = 0;

    // The size of points whose vertices carry none.
    float PointSize() const { return 1.0f; }
};
