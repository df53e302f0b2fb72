#pragma once
#include "platform/d3d9/IDirect3DSwapChain9.h"
#include "platform/d3d9/RefCounted.h"
#include "platform/d3d9/SoftwareSurface.h"

// One X8R8G8B8 back buffer that presents into a window.
class SoftwareSwapChain final : public RefCounted<IDirect3DSwapChain9>
{
public:
    // params must name the window and a non-zero back buffer size; null when
    // memory runs out or the size is not allowed.
    static SoftwareSwapChain* Create(const D3DPRESENT_PARAMETERS& params);

    HRESULT Present(const RECT* pSourceRect, const RECT* pDestRect, HWND hDestWindowOverride,
                    const RGNDATA* pDirtyRegion, DWORD dwFlags) override;
    HRESULT GetBackBuffer(UINT iBackBuffer, D3DBACKBUFFER_TYPE Type,
                          IDirect3DSurface9** ppBackBuffer) override;
    HRESULT GetPresentParameters(D3DPRESENT_PARAMETERS* pPresentationParameters) override;

    SoftwareSurface* BackBuffer() const { return backBuffer_; }

private:
    SoftwareSwapChain(const D3DPRESENT_PARAMETERS& params, SoftwareSurface* backBuffer)
        : params_(params), backBuffer_(backBuffer)
    {
    }
    ~SoftwareSwapChain() override;

    D3DPRESENT_PARAMETERS params_;
    SoftwareSurface* backBuffer_; // one reference
};
