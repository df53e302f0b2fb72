#include "resources/IconImage.h"

#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 32;
constexpr std::uint32_t kShell = 0xFFD8431Cu;
constexpr std::uint32_t kShellDark = 0xFF8E2410u;
constexpr std::uint32_t kEyeWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kPupil = 0xFF101010u;

// Paints the crab in icon pixels (y down), sampling each pixel at its centre.
class CrabPainter
{
public:
    CrabPainter()
    {
        icon_.width = kSize;
        icon_.height = kSize;
        icon_.argb.assign(kSize * kSize, 0u);
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
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (inside(x + 0.5, y + 0.5))
                    icon_.argb[y * kSize + x] = color;
    }

    IconImage icon_;
};

IconImage PaintCrab()
{
    CrabPainter crab;
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

} // namespace

const IconImage* FindIconImage(unsigned id)
{
    if (id != IDR_MAINFRAME)
        return nullptr;
    static const IconImage crab = PaintCrab();
    return &crab;
}
