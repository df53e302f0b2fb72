#include "app/DrawOnlyHandler.h"

#include "core/Echo.h"
#include "platform/win/WideFormat.h"
#include "scene/World.h"

CDrawOnlyHandler::CDrawOnlyHandler(CWorld& world) : m_world(world) {}

CDrawOnlyHandler::~CDrawOnlyHandler()
{
    m_viewWindow.DestroyWindow();
}

void CDrawOnlyHandler::DrawGraphics()
{
    IDirect3DDevice9* device = GetDevice();
    if (!device)
        return;
    DrawFrameIfChanged([this, device] {
        SetupViewTransform();
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00CCCCCC, 0.0f, 0);
        // Shapes out of this view's sight are left out of both the signing and the drawing.
        TAV_DrawHelper& helper = m_world.GetDrawHelper();
        const TAV_BoundingBox visible = GetVisibleWorld();
        helper.SetVisibleWorld(visible.GetMin(), visible.GetMax());
        m_world.DrawScene();
        helper.ClearVisibleWorld();
        DrawOverScene();
    });
}

bool CDrawOnlyHandler::ClientToWorld(int x, int y, float& wx, float& wy) const
{
    int dx = 0;
    int dy = 0;
    if (!ClientToDevice(x, y, dx, dy))
        return false;
    DeviceToWorld(dx, dy, wx, wy);
    return true;
}

void CDrawOnlyHandler::EchoHeroPosition(int x, int y) const
{
    float wx = 0.0f;
    float wy = 0.0f;
    if (ClientToWorld(x, y, wx, wy))
        EchoMessage(FormatWide(L"Moving Hero To: (%f %f)", wx, wy));
}

void CDrawOnlyHandler::OnMouseButton(bool down, unsigned flags, int x, int y)
{
    if (down && (flags & MK_LBUTTON))
        EchoHeroPosition(x, y);
}

void CDrawOnlyHandler::OnMouseMove(unsigned flags, int x, int y)
{
    if (flags & MK_LBUTTON)
        EchoHeroPosition(x, y);
}
