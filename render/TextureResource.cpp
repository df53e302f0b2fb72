#include "render/TextureResource.h"

TAVD3D_TextureResource::~TAVD3D_TextureResource()
{
    TAVD3D_TextureResource::Unload();
}

void TAVD3D_TextureResource::Unload()
{
    TAVD3D_Resource::Unload();
    texture_.Reset();
}

bool TAVD3D_TextureResource::CreateFromFile(const std::wstring& path)
{
    return SUCCEEDED(D3DXCreateTextureFromFileW(device_.Get(), path.c_str(), texture_.Receive()));
}
