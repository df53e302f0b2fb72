#pragma once
#include "platform/d3d9/IDirect3DSurface9.h"

// A back buffer that presents into one window.
class IDirect3DSwapChain9 : public IUnknown
{
public:
    // Shows the whole back buffer stretched over the whole client area of
    // hDestWindowOverride, or of the chain's own window when that is null.
    // Source and destination rectangles are not supported: both must be null.
    virtual HRESULT Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                            const RGNDATA* pDirtyRegion, DWORD dwFlags) = 0;
    // The caller owns one reference to the returned surface.
    virtual HRESULT GetBackBuffer(UINT iBackBuffer, D3DBACKBUFFER_TYPE Type,
                                  IDirect3DSurface9** ppBackBuffer) = 0;
    virtual HRESULT GetPresentParameters(D3DPRESENT_PARAMETERS* pPresentationParameters) = 0;
};
