#pragma once
#include "platform/d3d9/IDirect3DSurface9.h"
#include "platform/d3d9/PixelBuffer.h"
#include "platform/d3d9/RefCounted.h"

// A surface in memory: a back buffer (X8R8G8B8, alpha byte kept at 0xFF) or a
// texture level (A8R8G8B8).
//
// Tests read pixels with SoftwareSurface::From(surface)->PixelAt(x, row), where
// row 0 is the top row of the target: the row of clip-space y = +1.
class SoftwareSurface final : public RefCounted<IDirect3DSurface9>
{
public:
    // A surface filled with fill; null when the size is not allowed or memory runs out.
    static SoftwareSurface* Create(int width, int height, D3DFORMAT format, std::uint32_t fill);
    // The software surface behind an interface, or null.
    static SoftwareSurface* From(IDirect3DSurface9* surface);

    // Whole-surface locks of a texture level: pRect must be null.
    HRESULT LockRect(D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags);
    HRESULT UnlockRect();

    int Width() const { return pixels_.width; }
    int Height() const { return pixels_.height; }
    D3DFORMAT Format() const { return format_; }
    // Names the surface and what it holds: a number no other surface has had,
    // renewed whenever a lock ends, since the pixels may have changed.
    std::uint64_t ContentVersion() const { return version_; }
    // Requires 0 <= x < Width() and 0 <= row < Height().
    D3DCOLOR PixelAt(int x, int row) const { return pixels_.Row(row)[x]; }
    PixelBuffer& Pixels() { return pixels_; }
    const PixelBuffer& Pixels() const { return pixels_; }

private:
    explicit SoftwareSurface(D3DFORMAT format) : format_(format), version_(NextVersion()) {}
    static std::uint64_t NextVersion();

    D3DFORMAT format_;
    PixelBuffer pixels_;
    std::uint64_t version_;
    bool locked_ = false;
};
