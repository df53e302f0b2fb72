#include "platform/d3d9/SoftwareSurface.h"

#include <new>

SoftwareSurface* SoftwareSurface::Create(int width, int height, D3DFORMAT format, std::uint32_t fill)
{
    auto* surface = new (std::nothrow) SoftwareSurface(format);
    if (!surface)
        return nullptr;
    if (!surface->pixels_.Allocate(width, height, fill)) {
        surface->Release();
        return nullptr;
    }
    return surface;
}

SoftwareSurface* SoftwareSurface::From(IDirect3DSurface9* surface)
{
    return dynamic_cast<SoftwareSurface*>(surface);
}

HRESULT SoftwareSurface::LockRect(D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD)
{
    if (!pLockedRect || pRect || locked_)
        return D3DERR_INVALIDCALL;
    pLockedRect->Pitch = pixels_.width * static_cast<int>(sizeof(std::uint32_t));
    pLockedRect->pBits = pixels_.pixels.data();
    locked_ = true;
    return D3D_OK;
}

HRESULT SoftwareSurface::UnlockRect()
{
    if (!locked_)
        return D3DERR_INVALIDCALL;
    locked_ = false;
    version_ = NextVersion();
    return D3D_OK;
}

std::uint64_t SoftwareSurface::NextVersion()
{
    static std::uint64_t last = 0;
    return ++last;
}
