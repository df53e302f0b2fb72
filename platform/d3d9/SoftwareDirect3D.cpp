#include "platform/d3d9/SoftwareDirect3D.h"

#include "platform/d3d9/SoftwareDevice.h"
#include "platform/win/WindowFunctions.h"

#include <new>

IDirect3D9* Direct3DCreate9(UINT SDKVersion)
{
    if (SDKVersion != D3D_SDK_VERSION)
        return nullptr;
    return new (std::nothrow) SoftwareDirect3D;
}

HRESULT SoftwareDirect3D::GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode)
{
    if (Adapter != D3DADAPTER_DEFAULT || !pMode)
        return D3DERR_INVALIDCALL;
    pMode->Format = D3DFMT_X8R8G8B8;
    return D3D_OK;
}

HRESULT SoftwareDirect3D::CreateDevice(UINT Adapter, D3DDEVTYPE, HWND hFocusWindow, DWORD,
                                       D3DPRESENT_PARAMETERS* pPresentationParameters,
                                       IDirect3DDevice9** ppReturnedDeviceInterface)
{
    if (!ppReturnedDeviceInterface)
        return D3DERR_INVALIDCALL;
    *ppReturnedDeviceInterface = nullptr;
    if (Adapter != D3DADAPTER_DEFAULT || !pPresentationParameters || !pPresentationParameters->Windowed)
        return D3DERR_INVALIDCALL;
    D3DPRESENT_PARAMETERS params = *pPresentationParameters;
    if (!params.hDeviceWindow)
        params.hDeviceWindow = hFocusWindow;
    RECT client;
    if (!IsWindow(hFocusWindow) || !GetClientRect(params.hDeviceWindow, &client))
        return D3DERR_INVALIDCALL;
    // A zero size takes the window's client size, as windowed devices do.
    if (params.BackBufferWidth == 0)
        params.BackBufferWidth = static_cast<UINT>(client.right - client.left);
    if (params.BackBufferHeight == 0)
        params.BackBufferHeight = static_cast<UINT>(client.bottom - client.top);
    if (params.BackBufferWidth == 0 || params.BackBufferHeight == 0)
        return D3DERR_NOTAVAILABLE;
    if (params.BackBufferFormat == D3DFMT_UNKNOWN)
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
    SoftwareDevice* device = SoftwareDevice::Create(params);
    if (!device)
        return E_OUTOFMEMORY;
    pPresentationParameters->BackBufferWidth = params.BackBufferWidth;
    pPresentationParameters->BackBufferHeight = params.BackBufferHeight;
    *ppReturnedDeviceInterface = device;
    return D3D_OK;
}
