#pragma once
#include "platform/d3d9/IDirect3DTexture9.h"
#include "platform/d3d9/RefCounted.h"
#include "platform/d3d9/SoftwareSurface.h"

// A one-level A8R8G8B8 texture in memory; row 0 of the level is v = 0.
class SoftwareTexture final : public RefCounted<IDirect3DTexture9>
{
public:
    // A texture of transparent black texels; null when the size is not allowed or memory runs out.
    static SoftwareTexture* Create(int width, int height);
    // The software texture behind an interface, or null.
    static SoftwareTexture* From(IDirect3DBaseTexture9* texture);

    HRESULT LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags) override;
    HRESULT UnlockRect(UINT Level) override;

    const PixelBuffer& Texels() const { return level_->Pixels(); }
    PixelBuffer& Texels() { return level_->Pixels(); }
    // Changes whenever the texels may have (see SoftwareSurface).
    std::uint64_t ContentVersion() const { return level_->ContentVersion(); }

private:
    explicit SoftwareTexture(SoftwareSurface* level) : level_(level) {}
    ~SoftwareTexture() override;

    SoftwareSurface* level_; // one reference
};
