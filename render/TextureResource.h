#pragma once
#include "render/Resource.h"

// A texture loaded from an image file.
class TAVD3D_TextureResource : public TAVD3D_Resource
{
public:
    ~TAVD3D_TextureResource() override;

    // The base Unload, then releases the texture.
    void Unload() override;
    bool CreateFromFile(const std::wstring& path) override;

    // No reference is added for the caller; null until loaded.
    IDirect3DTexture9* GetTexture() const { return texture_.Get(); }

private:
    InterfaceRef<IDirect3DTexture9> texture_;
};
