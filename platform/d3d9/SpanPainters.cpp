#include "platform/d3d9/SpanPainters.h"

namespace SpanPainters {

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
