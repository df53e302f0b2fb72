#include "platform/d3d9/GouraudPlanes.h"

#include <cmath>

namespace SpanPainters {

namespace {

// Gradients steeper than this (channel units per pixel, in 16.16) only occur on
// triangles far thinner than a pixel; they are capped to keep products in range.
constexpr std::int64_t kMaxGradient = std::int64_t{1} << 32;

// Rounds half away from zero without a branch: the sign of a gradient is data,
// not a pattern to predict.
std::int64_t Fixed(double value)
{
    const double scaled = std::min(std::max(value * kFixedOne, -static_cast<double>(kMaxGradient)),
                                   static_cast<double>(kMaxGradient));
    return static_cast<std::int64_t>(scaled + std::copysign(0.5, scaled));
}

// Relative to the pixel holding the planes' anchor vertex, clamped into the guard band.
int ReferencePixel(double anchor)
{
    constexpr double kReach = 1 << 21;
    return static_cast<int>(std::floor(std::clamp(anchor, -kReach, kReach)));
}

} // namespace

GouraudPlanes::GouraudPlanes(const std::array<Plane, 4>& channels, std::span<const ScreenVertex> corners)
    : refX_(ReferencePixel(channels[0].x0)), refY_(ReferencePixel(channels[0].y0))
{
    for (int k = 0; k < 4; ++k)
        SetChannel(k, channels[k]);
    bool near = !corners.empty();
    for (const ScreenVertex& corner : corners)
        near = near && Near(corner);
    Pack(near);
}

// The same products and quotients as the plane through each channel's corner
// values, with what the four channels share computed once.
GouraudPlanes::GouraudPlanes(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                             bool coveredInside)
    : refX_(ReferencePixel(a.x)), refY_(ReferencePixel(a.y))
{
    const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
    const double det = bx * cy - cx * by;
    const double offsetX = (refX_ + 0.5) - a.x, offsetY = (refY_ + 0.5) - a.y;
    for (int k = 0; k < 4; ++k) {
        const double fa = ChannelOf(a.color, k), db = ChannelOf(b.color, k) - fa,
                     dc = ChannelOf(c.color, k) - fa;
        double dx = 0.0, dy = 0.0;
        if (det != 0.0) {
            dx = (db * cy - dc * by) / det;
            dy = (dc * bx - db * cx) / det;
        }
        base_[k] = Fixed(fa + dx * offsetX + dy * offsetY + 0.5);
        dx_[k] = Fixed(dx);
        dy_[k] = Fixed(dy);
    }
    Pack(coveredInside && Near(a) && Near(b) && Near(c));
}

void GouraudPlanes::SetChannel(int k, const Plane& plane)
{
    base_[k] = Fixed(plane.At(refX_ + 0.5, refY_ + 0.5) + 0.5);
    dx_[k] = Fixed(plane.dx);
    dy_[k] = Fixed(plane.dy);
}

// The planes pass through the corners' colours, 0.5..255.5 with the rounding
// half, and are linear, so over the triangle they stay within those values.
// Rounding to 16.16 moves them by at most half a unit, plus half a unit per
// pixel from the reference pixel: near enough corners keep every pixel of the
// triangle well inside 0..256 (a unit is 1/65536, the rounding half 32768).
bool GouraudPlanes::Near(const ScreenVertex& corner) const
{
    constexpr double kNear = 1 << 13;
    return std::abs(corner.x - refX_ - 0.5) < kNear && std::abs(corner.y - refY_ - 0.5) < kNear;
}

void GouraudPlanes::Pack([[maybe_unused]] bool cornersNear)
{
#if defined(__SSE2__)
    constexpr std::int64_t kSteep = std::int64_t{1} << 31;
    inRange_ = cornersNear;
    for (int k = 0; k < 4; ++k)
        inRange_ = inRange_ && std::abs(dx_[k]) < kSteep && std::abs(dy_[k]) < kSteep;
    const auto lanes = [](const std::array<std::int64_t, 4>& channel) {
        return _mm_setr_epi32(static_cast<std::int32_t>(channel[3]), static_cast<std::int32_t>(channel[2]),
                              static_cast<std::int32_t>(channel[1]), static_cast<std::int32_t>(channel[0]));
    };
    laneBase_ = lanes(base_);
    laneDx_ = lanes(dx_);
    laneDy_ = lanes(dy_);
#endif
}

GouraudSource GouraudPlanes::Clamped(int x0, int row, int count) const
{
    GouraudSource source;
    std::array<std::int64_t, 4> start;
    // One test for the usual span, every end of every channel in range: a
    // negative value sets high bits, so the union of the bits is below the limit.
    std::uint64_t bits = 0;
    for (int k = 0; k < 4; ++k) {
        start[k] = base_[k] + dx_[k] * (x0 - refX_) + dy_[k] * (row - refY_);
        bits |= static_cast<std::uint64_t>(start[k]) |
                static_cast<std::uint64_t>(start[k] + dx_[k] * (count - 1));
    }
    if (bits < static_cast<std::uint64_t>(kLimit)) {
        for (int k = 0; k < 4; ++k) {
            source.value[k] = static_cast<std::int32_t>(start[k]);
            source.step[k] = static_cast<std::int32_t>(dx_[k]);
        }
        source.Start();
        return source;
    }
    for (int k = 0; k < 4; ++k) {
        const std::int64_t end = start[k] + dx_[k] * (count - 1);
        if (start[k] >= 0 && start[k] < kLimit && end >= 0 && end < kLimit) {
            source.value[k] = static_cast<std::int32_t>(start[k]);
            source.step[k] = static_cast<std::int32_t>(dx_[k]);
        } else {
            const std::int64_t from = std::clamp<std::int64_t>(start[k], 0, kLimit - 1);
            const std::int64_t to = std::clamp<std::int64_t>(end, 0, kLimit - 1);
            source.value[k] = static_cast<std::int32_t>(from);
            source.step[k] = count > 1 ? static_cast<std::int32_t>((to - from) / (count - 1)) : 0;
        }
    }
    source.Start();
    return source;
}

} // namespace SpanPainters
