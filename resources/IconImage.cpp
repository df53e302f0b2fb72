#include "resources/IconImage.h"

#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 32;
constexpr int kSmall = 16;
constexpr std::uint32_t kShell = 0xFFD8431Cu;
constexpr std::uint32_t kShellDark = 0xFF8E2410u;
constexpr std::uint32_t kEyeWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kPupil = 0xFF101010u;

// Paints shapes in icon pixels (y down), sampling each pixel at its centre.
class IconPainter
{
public:
    explicit IconPainter(int size = kSize)
    {
        icon_.width = size;
        icon_.height = size;
        icon_.argb.assign(static_cast<std::size_t>(size * size), 0u);
    }

    void Rectangle(double left, double top, double right, double bottom, std::uint32_t color)
    {
        Fill([&](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; }, color);
    }

    void Ellipse(double cx, double cy, double rx, double ry, std::uint32_t color)
    {
        Fill(
            [&](double x, double y) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            },
            color);
    }

    // A stroke of the given half width from (x0, y0) to (x1, y1).
    void Stroke(double x0, double y0, double x1, double y1, double halfWidth, std::uint32_t color)
    {
        Fill(
            [&](double x, double y) {
                const double vx = x1 - x0, vy = y1 - y0;
                const double t = std::clamp(((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
                return std::hypot(x - (x0 + t * vx), y - (y0 + t * vy)) <= halfWidth;
            },
            color);
    }

    IconImage Take() { return std::move(icon_); }

private:
    template <typename Inside> void Fill(Inside inside, std::uint32_t color)
    {
        for (int y = 0; y < icon_.height; ++y)
            for (int x = 0; x < icon_.width; ++x)
                if (inside(x + 0.5, y + 0.5))
                    icon_.argb[static_cast<std::size_t>(y * icon_.width + x)] = color;
    }

    IconImage icon_;
};

IconImage PaintCrab()
{
    IconPainter crab;
    for (int side : {-1, 1}) {
        // Three legs, each with a knee, reaching down and out from the body.
        for (int leg = 0; leg < 3; ++leg) {
            const double hipY = 18.0 + leg * 2.5, kneeX = 16.0 + side * (12.0 + leg * 0.5);
            crab.Stroke(16.0 + side * 7.0, hipY, kneeX, hipY - 2.0, 0.8, kShellDark);
            crab.Stroke(kneeX, hipY - 2.0, kneeX + side * 2.0, hipY + 4.0, 0.8, kShellDark);
        }
        // Arm and pincer, the pincer opened by a notch at its top.
        crab.Stroke(16.0 + side * 6.0, 15.0, 16.0 + side * 10.0, 9.0, 1.0, kShell);
        crab.Ellipse(16.0 + side * 11.0, 6.5, 3.5, 3.5, kShell);
        crab.Stroke(16.0 + side * 11.0, 2.0, 16.0 + side * 11.0, 6.0, 0.9, 0u);
        // Eye on its stalk.
        crab.Stroke(16.0 + side * 3.0, 15.0, 16.0 + side * 3.0, 10.0, 0.6, kShellDark);
        crab.Ellipse(16.0 + side * 3.0, 9.5, 2.0, 2.0, kEyeWhite);
        crab.Ellipse(16.0 + side * 3.0, 9.5, 0.9, 0.9, kPupil);
    }
    crab.Ellipse(16.0, 19.0, 8.5, 6.0, kShellDark);
    crab.Ellipse(16.0, 18.5, 7.5, 5.0, kShell);
    return crab.Take();
}

// The tree's small icons, one a kind of node, in the colours the scene draws them in.
IconImage PaintNodeIcon(unsigned id)
{
    constexpr std::uint32_t blue = 0xFF0000C8u, red = 0xFFC80000u, dark = 0xFF505050u, white = 0xFFFFFFFFu;
    IconPainter icon(kSmall);
    switch (id) {
    case IDI_NODE_ROOT:
        icon.Ellipse(8.0, 8.0, 7.0, 7.0, dark);
        icon.Ellipse(8.0, 8.0, 3.0, 3.0, white);
        break;
    case IDI_NODE_BOX:
        icon.Rectangle(1.0, 4.0, 15.0, 12.0, blue);
        break;
    case IDI_NODE_CIRCLE:
        icon.Ellipse(8.0, 8.0, 6.5, 6.5, blue);
        break;
    case IDI_NODE_BODY_ARM:
        icon.Stroke(2.0, 14.0, 14.0, 2.0, 2.0, red);
        break;
    case IDI_NODE_CLAW_ARM:
        icon.Stroke(2.0, 14.0, 8.0, 8.0, 1.5, red);
        icon.Stroke(8.0, 8.0, 8.0, 1.5, 1.5, red);
        icon.Ellipse(8.0, 8.0, 2.0, 2.0, dark);
        break;
    default: // IDI_NODE_CLAW
        icon.Stroke(8.0, 15.0, 4.0, 2.0, 1.5, red);
        icon.Stroke(8.0, 15.0, 12.0, 2.0, 1.5, red);
        break;
    }
    return icon.Take();
}

} // namespace

const IconImage* FindIconImage(unsigned id)
{
    if (id == IDR_MAINFRAME) {
        static const IconImage crab = PaintCrab();
        return &crab;
    }
    static const IconImage nodes[] = {PaintNodeIcon(IDI_NODE_ROOT),     PaintNodeIcon(IDI_NODE_BOX),
                                      PaintNodeIcon(IDI_NODE_CIRCLE),   PaintNodeIcon(IDI_NODE_BODY_ARM),
                                      PaintNodeIcon(IDI_NODE_CLAW_ARM), PaintNodeIcon(IDI_NODE_CLAW)};
    if (id < IDI_NODE_ROOT || id > IDI_NODE_CLAW)
        return nullptr;
    return &nodes[id - IDI_NODE_ROOT];
}
