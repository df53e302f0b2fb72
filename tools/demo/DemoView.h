#pragma once
#include "render/D3DDrawHelper.h"
#include "ui/UIWindow.h"
#include "view/D3DWindowHandler.h"

// A test scene: a grid, a few solid and outlined shapes, and a marker that
// follows the mouse in world coordinates (y up).
class DemoView : public TAVD3D_WindowHandler
{
public:
    DemoView() : window(true) {}

    void DrawGraphics() override;
    void OnMouseButton(bool down, unsigned flags, int x, int y) override;
    void OnMouseMove(unsigned flags, int x, int y) override;
    // A world window of the given width, as high as the view's shape asks.
    void FitWorldWindow(float width);

    TAVMFC_UIWindow window;

private:
    void DrawGrid();
    void DrawShapes();
    void Follow(int x, int y);

    TAVD3D_DrawHelper helper_;
    float cursorX_ = 0.0f, cursorY_ = 0.0f;
    bool pressed_ = false;
};
