#pragma once
#include "platform/d3d9/D3DXMath.h"
#include "platform/d3d9/IDirect3DBaseTexture9.h"

#include <array>

// The state a draw reads: transforms, render states, texture stages and the
// vertex format, with the device's defaults.
struct DeviceState
{
    static constexpr DWORD kRenderStateCount = 256;
    static constexpr DWORD kStageCount = 8;
    static constexpr DWORD kStageStateCount = 33;

    DeviceState();

    D3DXMATRIX world;
    D3DXMATRIX view;
    D3DXMATRIX projection;
    std::array<DWORD, kRenderStateCount> renderStates{};
    std::array<std::array<DWORD, kStageStateCount>, kStageCount> stageStates{};
    // One reference each, held by the device.
    std::array<IDirect3DBaseTexture9*, kStageCount> textures{};
    DWORD fvf = 0;

    float PointSize() const;
};
