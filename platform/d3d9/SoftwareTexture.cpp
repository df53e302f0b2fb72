#include "platform/d3d9/SoftwareTexture.h"

#include <new>

SoftwareTexture* SoftwareTexture::Create(int width, int height)
{
    SoftwareSurface* level = SoftwareSurface::Create(width, height, D3DFMT_A8R8G8B8, 0);
    if (!level)
        return nullptr;
    auto* texture = new (std::nothrow) SoftwareTexture(level);
    if (!texture)
        level->Release();
    return texture;
}

SoftwareTexture* SoftwareTexture::From(IDirect3DBaseTexture9* texture)
{
    return dynamic_cast<SoftwareTexture*>(texture);
}

SoftwareTexture::~SoftwareTexture()
{
    level_->Release();
}

HRESULT SoftwareTexture::LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags)
{
    if (Level != 0)
        return D3DERR_INVALIDCALL;
    return level_->LockRect(pLockedRect, pRect, Flags);
}

HRESULT SoftwareTexture::UnlockRect(UINT Level)
{
    if (Level != 0)
        return D3DERR_INVALIDCALL;
    return level_->UnlockRect();
}
