#pragma once
#include "platform/d3d9/IDirect3D9.h"
#include "platform/d3d9/RefCounted.h"

// The Direct3D object: one adapter whose display format is X8R8G8B8, and
// software devices for windows.
class SoftwareDirect3D final : public RefCounted<IDirect3D9>
{
public:
    HRESULT GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode) override;
    HRESULT CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow, DWORD BehaviorFlags,
                         D3DPRESENT_PARAMETERS* pPresentationParameters,
                         IDirect3DDevice9** ppReturnedDeviceInterface) override;
};
