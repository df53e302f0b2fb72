#pragma once
#include "platform/d3d9/d3d9.h"
#include "render/InterfaceRef.h"
#include "view/WindowHandler.h"

#include <cstdint>
#include <functional>
#include <optional>

// A view drawn with the graphics system's device into a swap chain of its own
// window. DrawGraphics is left to the concrete views.
class TAVD3D_WindowHandler : public TAV_WindowHandler
{
public:
    TAVD3D_WindowHandler() = default;
    ~TAVD3D_WindowHandler() override;
    TAVD3D_WindowHandler(const TAVD3D_WindowHandler&) = delete;
    TAVD3D_WindowHandler& operator=(const TAVD3D_WindowHandler&) = delete;

    // Device and swap chain both held.
    bool IsInitialized() const override;
    // Releases what it held, stores the window, then takes the device and a swap
    // chain for the window; true only when both were obtained.
    bool AttachToWindow(HWND window) override;
    // Gives back swap chain and device; the window and the world window stay.
    void DetachFromWindow() override;
    // Makes the swap chain's back buffer the render target and begins the scene.
    // A window whose client size changed first gets a swap chain of the new size.
    void BeginDraw() override;
    // Ends the scene and presents the whole back buffer over the whole client area.
    void EndDraw() override;
    // View matrix T(-c) * S(2 / bw, 2 / bh, 1): the world window becomes clip space [-1, 1]².
    void SetupViewTransform() override;

protected:
    // After the back buffer followed a change of the client size.
    virtual void OnClientSizeChanged() {}
    // A frame at rest costs no drawing: begins the frame, has drawFrame make its
    // calls once to sign them, and only when they differ from those of the frame
    // this view presented last has drawFrame draw them and presents the result.
    void DrawFrameIfChanged(const std::function<void()>& drawFrame);
    // No reference for the caller; null while detached.
    IDirect3DDevice9* GetDevice() const { return device_.Get(); }

private:
    void FollowClientSize();

    InterfaceRef<IDirect3DDevice9> device_;       // while attached
    InterfaceRef<IDirect3DSwapChain9> swapChain_; // while attached
    InterfaceRef<IDirect3DSurface9> backBuffer_;  // from BeginDraw to EndDraw
    std::optional<std::uint64_t> shownSignature_;
    // Whether the next signing keeps the frame's calls: the last frame signed changed.
    bool recordFrames_ = true;
};
