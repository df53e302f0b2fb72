#include "platform/d3d9/SoftwareSwapChain.h"

#include "platform/win/FramePresenter.h"

#include <QImage>
#include <new>

SoftwareSwapChain* SoftwareSwapChain::Create(const D3DPRESENT_PARAMETERS& params)
{
    SoftwareSurface* backBuffer =
        SoftwareSurface::Create(static_cast<int>(params.BackBufferWidth),
                                static_cast<int>(params.BackBufferHeight), D3DFMT_X8R8G8B8, 0xFF000000u);
    if (!backBuffer)
        return nullptr;
    auto* chain = new (std::nothrow) SoftwareSwapChain(params, backBuffer);
    if (!chain)
        backBuffer->Release();
    return chain;
}

SoftwareSwapChain::~SoftwareSwapChain()
{
    backBuffer_->Release();
}

HRESULT SoftwareSwapChain::Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                                   const RGNDATA*, DWORD)
{
    if (pSourceRect || pDestRect)
        return D3DERR_INVALIDCALL;
    const HWND window = hDestWindowOverride ? hDestWindowOverride : params_.hDeviceWindow;
    const PixelBuffer& pixels = backBuffer_->Pixels();
    // The back buffer already has the layout of an RGB32 image, top row first.
    const QImage frame(reinterpret_cast<const uchar*>(pixels.pixels.data()), pixels.width, pixels.height,
                       pixels.width * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    return FramePresenter::Present(window, frame) ? D3D_OK : D3DERR_INVALIDCALL;
}

HRESULT SoftwareSwapChain::GetBackBuffer(UINT iBackBuffer, D3DBACKBUFFER_TYPE Type,
                                         IDirect3DSurface9** ppBackBuffer)
{
    if (!ppBackBuffer)
        return D3DERR_INVALIDCALL;
    *ppBackBuffer = nullptr;
    if (iBackBuffer != 0 || Type != D3DBACKBUFFER_TYPE_MONO)
        return D3DERR_INVALIDCALL;
    backBuffer_->AddRef();
    *ppBackBuffer = backBuffer_;
    return D3D_OK;
}

HRESULT SoftwareSwapChain::GetPresentParameters(D3DPRESENT_PARAMETERS* pPresentationParameters)
{
    if (!pPresentationParameters)
        return D3DERR_INVALIDCALL;
    *pPresentationParameters = params_;
    return D3D_OK;
}
