#pragma once
#include "primitives/BoundingBox.h"
#include "view/IWindowHandler.h"

class TAV_DrawHelper;

// The platform-neutral part of a view: its window and its world window, the
// rectangle of world coordinates shown stretched over the whole client area.
//
// Spaces: client pixels (origin top-left, y down), device pixels (origin
// bottom-left, y up: dy = h - y) and world coordinates (y up).
class TAV_WindowHandler : public TAV_IWindowHandler
{
public:
    // Stores the handle when it names a window; otherwise keeps the old one and answers false.
    bool AttachToWindow(HWND window) override;
    void DetachFromWindow() override {}
    void OnMouseButton(bool, unsigned, int, int) override {}
    void OnMouseMove(unsigned, int, int) override {}
    void OnMouseWheel(int, int, int) override {}

    // Stored as given, even empty or inverted.
    virtual void SetWorldWindow(const TAV_BoundingBox& box);
    virtual TAV_BoundingBox GetWorldWindow() const;
    // New outer size, the top-left corner kept where it is in the parent.
    virtual void ResizeWindow(int width, int height);
    // The client size in pixels; 0 x 0 without a window.
    virtual void GetDeviceSize(int& width, int& height) const;
    // The world point at a client pixel's corner: exact, no rounding; the centre
    // of the client area (half pixels for odd sizes) maps to the world window's centre.
    virtual void DeviceToWorld(int dx, int dy, float& wx, float& wy) const;
    // The client pixel of a world point, rounded half away from zero and kept
    // inside the int range for points far outside the window.
    virtual void WorldToDevice(float wx, float wy, int& dx, int& dy) const;
    // Installs the view transform that maps the world window onto the whole target.
    virtual void SetupViewTransform() = 0;
    // Outlines the world window in red wireframe with the helper's current transforms.
    virtual void DrawWorldWindowBounds(TAV_DrawHelper* helper) const;
    // The world window grown by a few device pixels on every side, so that what
    // is drawn past a shape's box (line and point widths, box outlines) lies
    // inside it: shapes wholly outside it leave every pixel of the view alone.
    TAV_BoundingBox GetVisibleWorld() const;

    // False, outputs untouched, when the handle names no window.
    bool ClientToDevice(int x, int y, int& dx, int& dy) const;
    // Client width over height; 0 without a window or with no height.
    float GetAspectRatio() const;
    HWND GetWindow() const { return window_; }

private:
    HWND window_ = nullptr;
    TAV_BoundingBox worldWindow_; // min = max = (0, 0, 0)
};
