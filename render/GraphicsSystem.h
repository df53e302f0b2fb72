#pragma once
#include "core/PointerArray.h"
#include "platform/d3d9/d3d9.h"
#include "render/InterfaceRef.h"
#include "render/TextureResource.h"

#include <string>

// Owns the Direct3D object, the one device every view draws with, and every
// texture loaded so far. Used from the user-interface thread only.
class TAVD3D_GraphicsSystem
{
public:
    // The one process-wide instance.
    static TAVD3D_GraphicsSystem& GetInstance();

    TAVD3D_GraphicsSystem(const TAVD3D_GraphicsSystem&) = delete;
    TAVD3D_GraphicsSystem& operator=(const TAVD3D_GraphicsSystem&) = delete;
    virtual ~TAVD3D_GraphicsSystem();

    // Creates the Direct3D object and the device for the focus window, whose
    // client size becomes the back buffer size. True at once when both exist.
    bool CreateGraphicsContext(HWND focusWindow);
    // Deletes every texture, then releases the device and the Direct3D object.
    void ReleaseGraphicsContext();
    bool IsInitialized() const { return direct3D_ && device_; }
    // No reference is added for the caller.
    IDirect3DDevice9* GetDevice() const { return device_.Get(); }
    // A swap chain presenting into the window with a back buffer of the window's
    // client size; the caller owns one reference. Null for a non-window or an
    // empty client area.
    IDirect3DSwapChain9* CreateSwapChain(HWND window);

    // Finds or loads the texture and sets it on the stage so that colour and
    // alpha come from the texture alone. False, with the stage unchanged, when
    // it cannot be loaded.
    bool ActivateTexture(const std::wstring& name, DWORD stage);
    // Removes the stage's texture so it passes the vertex colour through.
    void DeactivateTexture(DWORD stage);
    // The loaded texture of that name, loading and keeping it first when create
    // is set. The table keeps ownership.
    TAVD3D_TextureResource* FindTexture(const std::wstring& name, bool create);

    // The texture table, sorted by file name in code-unit order.
    const TAV_PointerArray<TAVD3D_TextureResource>& Textures() const { return textures_; }

private:
    TAVD3D_GraphicsSystem() = default;

    int SearchTexture(const std::wstring& name) const;
    void InsertTexture(TAVD3D_TextureResource* texture);

    InterfaceRef<IDirect3D9> direct3D_;
    InterfaceRef<IDirect3DDevice9> device_;
    TAV_PointerArray<TAVD3D_TextureResource> textures_{true};
};
