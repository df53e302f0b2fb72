#include "render/GraphicsSystem.h"

#include "platform/win/WindowFunctions.h"

#include <cwchar>

namespace {

D3DPRESENT_PARAMETERS WindowedParameters(D3DFORMAT format)
{
    D3DPRESENT_PARAMETERS params{};
    params.BackBufferFormat = format;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.Windowed = TRUE;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return params;
}

} // namespace

TAVD3D_GraphicsSystem& TAVD3D_GraphicsSystem::GetInstance()
{
    static TAVD3D_GraphicsSystem instance;
    return instance;
}

TAVD3D_GraphicsSystem::~TAVD3D_GraphicsSystem()
{
    ReleaseGraphicsContext();
}

bool TAVD3D_GraphicsSystem::CreateGraphicsContext(HWND focusWindow)
{
    if (IsInitialized())
        return true;
    if (!direct3D_)
        direct3D_ = InterfaceRef<IDirect3D9>::Adopt(Direct3DCreate9(D3D_SDK_VERSION));
    if (!direct3D_)
        return false;

    D3DDISPLAYMODE mode;
    direct3D_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    // A zero back buffer size takes the focus window's client size.
    D3DPRESENT_PARAMETERS params = WindowedParameters(mode.Format);
    if (FAILED(direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, focusWindow,
                                       D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, device_.Receive()))) {
        device_.Reset();
        MessageBoxW(nullptr, L"D3D Creation Failed during CreateDevice",
                    L"TAVD3D_GraphicsSystem::CreateGraphicsContext", MB_OK);
        return false;
    }

    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetTransform(D3DTS_WORLD, &identity);
    device_->SetTransform(D3DTS_VIEW, &identity);
    device_->SetTransform(D3DTS_PROJECTION, &identity);
    return true;
}

void TAVD3D_GraphicsSystem::ReleaseGraphicsContext()
{
    for (int i = textures_.Count() - 1; i >= 0; --i)
        textures_.RemoveAt(i);
    device_.Reset();
    direct3D_.Reset();
}

IDirect3DSwapChain9* TAVD3D_GraphicsSystem::CreateSwapChain(HWND window)
{
    RECT client;
    if (!IsWindow(window) || !GetClientRect(window, &client))
        return nullptr;
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return nullptr;

    // Every view gets a back buffer of its own client size; the device's own one
    // has the size of the window it was created for, which no view has.
    IDirect3DSwapChain9* chain = nullptr;
    if (device_ && direct3D_) {
        D3DDISPLAYMODE mode;
        direct3D_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
        D3DPRESENT_PARAMETERS params = WindowedParameters(mode.Format);
        params.BackBufferWidth = static_cast<UINT>(width);
        params.BackBufferHeight = static_cast<UINT>(height);
        params.hDeviceWindow = window;
        device_->CreateAdditionalSwapChain(&params, &chain);
    }
    return chain;
}

bool TAVD3D_GraphicsSystem::ActivateTexture(const std::wstring& name, DWORD stage)
{
    TAVD3D_TextureResource* texture = FindTexture(name, true);
    if (!texture)
        return false;
    device_->SetTextureStageState(stage, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device_->SetTextureStageState(stage, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    device_->SetTexture(stage, texture->GetTexture());
    return true;
}

void TAVD3D_GraphicsSystem::DeactivateTexture(DWORD stage)
{
    if (!device_)
        return;
    device_->SetTexture(stage, nullptr);
    device_->SetTextureStageState(stage, D3DTSS_COLOROP, D3DTOP_DISABLE);
}

TAVD3D_TextureResource* TAVD3D_GraphicsSystem::FindTexture(const std::wstring& name, bool create)
{
    if (name.empty())
        return nullptr;
    const int found = SearchTexture(name);
    if (found >= 0)
        return textures_.GetAt(found);
    if (!create)
        return nullptr;

    auto* texture = new TAVD3D_TextureResource;
    if (!texture->Load(device_.Get(), name)) {
        // Nothing is remembered: the next request searches and loads again.
        delete texture;
        return nullptr;
    }
    InsertTexture(texture);
    return texture;
}

// Binary search of the sorted table; the index of the entry or -1.
int TAVD3D_GraphicsSystem::SearchTexture(const std::wstring& name) const
{
    int lo = 0;
    int hi = textures_.Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int order = std::wcscmp(name.c_str(), textures_.GetAt(mid)->GetName().c_str());
        if (order == 0)
            return mid;
        if (order < 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return -1;
}

// Before the first entry whose name sorts after the new one, else at the end.
void TAVD3D_GraphicsSystem::InsertTexture(TAVD3D_TextureResource* texture)
{
    const wchar_t* name = texture->GetName().c_str();
    for (int i = 0; i < textures_.Count(); ++i) {
        if (std::wcscmp(name, textures_.GetAt(i)->GetName().c_str()) < 0) {
            textures_.InsertAt(texture, i);
            return;
        }
    }
    textures_.Append(texture);
}
