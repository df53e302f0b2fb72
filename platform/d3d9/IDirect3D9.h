#pragma once
#include "platform/d3d9/IDirect3DDevice9.h"

// The entry object: display modes and device creation.
class IDirect3D9 : public IUnknown
{
public:
    virtual HRESULT GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode) = 0;
    // Windowed devices only. A back buffer size of 0 takes the focus window's client
    // size (written back into the parameters). Fails when the focus window is not a
    // live window or its client area is empty.
    virtual HRESULT CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow, DWORD BehaviorFlags,
                                 D3DPRESENT_PARAMETERS* pPresentationParameters,
                                 IDirect3DDevice9** ppReturnedDeviceInterface) = 0;
};

// The Direct3D object with one reference, or null when SDKVersion is not D3D_SDK_VERSION.
IDirect3D9* Direct3DCreate9(UINT SDKVersion);
