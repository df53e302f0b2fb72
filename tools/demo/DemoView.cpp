#include "tools/demo/DemoView.h"

#include "core/Echo.h"
#include "platform/win/WideFormat.h"

#include <cmath>

void DemoView::DrawGraphics()
{
    IDirect3DDevice9* device = GetDevice();
    if (!device)
        return;
    BeginDraw();
    SetupViewTransform();
    device->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_XRGB(128, 128, 128), 1.0f, 0);
    helper_.InitializeModelTransform();
    DrawGrid();
    DrawShapes();
    EndDraw();
}

void DemoView::OnMouseButton(bool down, unsigned, int x, int y)
{
    pressed_ = down;
    Follow(x, y);
}

void DemoView::OnMouseMove(unsigned, int x, int y)
{
    Follow(x, y);
}

void DemoView::FitWorldWindow(float width)
{
    const float aspect = GetAspectRatio();
    const float height = aspect > 0.0f ? width / aspect : width;
    SetWorldWindow(TAV_BoundingBox({-width / 2, -height / 2, 0.0f}, {width / 2, height / 2, 0.0f}));
}

void DemoView::DrawGrid()
{
    const TAV_BoundingBox box = GetWorldWindow();
    helper_.ResetAttributes();
    helper_.SetColor(TAV_Color(150, 150, 150, 255));
    for (float x = std::ceil(box.GetMin().x / 5.0f) * 5.0f; x <= box.GetMax().x; x += 5.0f)
        helper_.DrawLine(x, box.GetMin().y, 0.0f, x, box.GetMax().y, 0.0f);
    for (float y = std::ceil(box.GetMin().y / 5.0f) * 5.0f; y <= box.GetMax().y; y += 5.0f)
        helper_.DrawLine(box.GetMin().x, y, 0.0f, box.GetMax().x, y, 0.0f);
}

void DemoView::DrawShapes()
{
    helper_.ResetAttributes();
    helper_.SetFillMode(2);
    helper_.SetColor(TAV_Color(200, 60, 30, 255));
    helper_.SetShadeColor(TAV_Color(255, 200, 80, 255));
    helper_.DrawCircle(-10.0f, 5.0f, 0.0f, 4.0f);
    helper_.SetColor(TAV_Color(40, 90, 200, 255));
    helper_.DrawRectangle(4.0f, -8.0f, 0.0f, 14.0f, -2.0f, 0.0f);

    // The marker under the mouse: solid while a button is held, outlined otherwise.
    helper_.ResetAttributes();
    helper_.SetShadeMode(0);
    helper_.SetFillMode(pressed_ ? 2 : 1);
    helper_.SetColor(TAV_Color(255, 255, 0, 255));
    helper_.DrawCircle(cursorX_, cursorY_, 0.0f, 1.5f);
    helper_.DrawLine(cursorX_ - 3.0f, cursorY_, 0.0f, cursorX_ + 3.0f, cursorY_, 0.0f);
    helper_.DrawLine(cursorX_, cursorY_ - 3.0f, 0.0f, cursorX_, cursorY_ + 3.0f, 0.0f);
}

void DemoView::Follow(int x, int y)
{
    int dx = 0, dy = 0;
    if (!ClientToDevice(x, y, dx, dy))
        return;
    DeviceToWorld(dx, dy, cursorX_, cursorY_);
    EchoMessage(FormatWide(L"Mouse at (%.2f, %.2f)", cursorX_, cursorY_));
}
