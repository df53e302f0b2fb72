#include "view/WindowHandler.h"

#include "core/Rounding.h"
#include "platform/win/WindowFunctions.h"
#include "render/DrawHelper.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Keeps a device coordinate of a far-away or degenerate mapping where rounding
// it to an int is defined: within -INT_MAX .. INT_MAX, NaN taken as 0.
double IntoIntRange(double value)
{
    if (std::isnan(value))
        return 0.0;
    return std::fmin(std::fmax(value, -static_cast<double>(INT_MAX)), static_cast<double>(INT_MAX));
}

// Centre and extent of a world window, in double precision.
struct WorldFrame
{
    explicit WorldFrame(const TAV_BoundingBox& box)
    {
        const TAV_Vector3 lo = box.GetMin(), hi = box.GetMax();
        cx = (static_cast<double>(lo.x) + hi.x) / 2.0;
        cy = (static_cast<double>(lo.y) + hi.y) / 2.0;
        bw = static_cast<double>(hi.x) - lo.x;
        bh = static_cast<double>(hi.y) - lo.y;
    }
    double cx, cy, bw, bh;
};

} // namespace

bool TAV_WindowHandler::AttachToWindow(HWND window)
{
    if (!IsWindow(window))
        return false;
    window_ = window;
    return true;
}

void TAV_WindowHandler::SetWorldWindow(const TAV_BoundingBox& box)
{
    worldWindow_ = box;
}

TAV_BoundingBox TAV_WindowHandler::GetWorldWindow() const
{
    return worldWindow_;
}

void TAV_WindowHandler::ResizeWindow(int width, int height)
{
    RECT screen;
    if (!GetWindowRect(window_, &screen))
        return;
    POINT topLeft{screen.left, screen.top};
    if (HWND parent = GetParent(window_))
        ScreenToClient(parent, &topLeft);
    MoveWindow(window_, topLeft.x, topLeft.y, width, height, TRUE);
}

void TAV_WindowHandler::GetDeviceSize(int& width, int& height) const
{
    RECT client;
    if (!GetClientRect(window_, &client)) {
        width = height = 0;
        return;
    }
    width = client.right - client.left;
    height = client.bottom - client.top;
}

void TAV_WindowHandler::DeviceToWorld(int dx, int dy, float& wx, float& wy) const
{
    int w = 0, h = 0;
    GetDeviceSize(w, h);
    const WorldFrame f(worldWindow_);
    // w / 2 is a real division: an odd width has its centre between two pixels.
    wx = static_cast<float>(f.bw / w * (dx - w / 2.0) + f.cx);
    wy = static_cast<float>(f.bh / h * (dy - h / 2.0) + f.cy);
}

void TAV_WindowHandler::WorldToDevice(float wx, float wy, int& dx, int& dy) const
{
    int w = 0, h = 0;
    GetDeviceSize(w, h);
    const WorldFrame f(worldWindow_);
    dx = RoundToInt(IntoIntRange(w / f.bw * (wx - f.cx) + w / 2.0));
    dy = RoundToInt(IntoIntRange(h / f.bh * (wy - f.cy) + h / 2.0));
}

void TAV_WindowHandler::DrawWorldWindowBounds(TAV_DrawHelper* helper) const
{
    if (!helper)
        return;
    const TAV_Vector3 lo = worldWindow_.GetMin(), hi = worldWindow_.GetMax();
    helper->ResetAttributes();
    helper->SetShadeMode(ShadeMode::Flat);
    helper->SetFillMode(FillMode::Wireframe);
    helper->SetColor(TAV_Color(1.0f, 0.0f, 0.0f, 1.0f));
    helper->DrawRectangle(lo.x, lo.y, lo.z, hi.x, hi.y, hi.z);
}

TAV_BoundingBox TAV_WindowHandler::GetVisibleWorld() const
{
    constexpr float MarginPixels = 4.0f;
    int width = 0;
    int height = 0;
    GetDeviceSize(width, height);
    const TAV_Vector3 lo = worldWindow_.GetMin(), hi = worldWindow_.GetMax();
    const float mx = MarginPixels * (hi.x - lo.x) / static_cast<float>(std::max(width, 1));
    const float my = MarginPixels * (hi.y - lo.y) / static_cast<float>(std::max(height, 1));
    return TAV_BoundingBox(TAV_Vector3(lo.x - mx, lo.y - my, lo.z), TAV_Vector3(hi.x + mx, hi.y + my, hi.z));
}

bool TAV_WindowHandler::ClientToDevice(int x, int y, int& dx, int& dy) const
{
    RECT client;
    if (!GetClientRect(window_, &client))
        return false;
    dx = x;
    dy = (client.bottom - client.top) - y;
    return true;
}

float TAV_WindowHandler::GetAspectRatio() const
{
    RECT client;
    if (!GetClientRect(window_, &client) || client.bottom - client.top <= 0)
        return 0.0f;
    return static_cast<float>(client.right - client.left) / static_cast<float>(client.bottom - client.top);
}
