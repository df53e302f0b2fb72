#include "platform/d3d9/SpanPainters.h"

namespace SpanPainters {

namespace {

// Gradients steeper than this (channel units per pixel, in 16.16) only occur on
// triangles far thinner than a pixel; they are capped to keep products in range.
constexpr std::int64_t kMaxGradient = std::int64_t{1} << 32;

std::int64_t Fixed(double value)
{
    const double scaled =
        std::clamp(value * kFixedOne, -static_cast<double>(kMaxGradient), static_cast<double>(kMaxGradient));
    return static_cast<std::int64_t>(scaled + (scaled >= 0.0 ? 0.5 : -0.5));
}

} // namespace

GouraudPlanes::GouraudPlanes(const std::array<Plane, 4>& channels)
{
    // Relative to the pixel holding the planes' anchor vertex, clamped into the guard band.
    constexpr double kReach = 1 << 21;
    refX_ = static_cast<int>(std::floor(std::clamp(channels[0].x0, -kReach, kReach)));
    refY_ = static_cast<int>(std::floor(std::clamp(channels[0].y0, -kReach, kReach)));
    for (int k = 0; k < 4; ++k) {
        base_[k] = Fixed(channels[k].At(refX_ + 0.5, refY_ + 0.5) + 0.5);
        dx_[k] = Fixed(channels[k].dx);
        dy_[k] = Fixed(channels[k].dy);
    }
}

std::int32_t WrappedCoordinate::Wrap(double texels, int size)
{
    if (!std::isfinite(texels))
        return 0;
    double wrapped = std::fmod(texels, static_cast<double>(size));
    if (wrapped < 0.0)
        wrapped += size;
    const auto fixed = static_cast<std::int64_t>(wrapped * kFixedOne);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(fixed, 0, (std::int64_t{size} << 16) - 1));
}

} // namespace SpanPainters
