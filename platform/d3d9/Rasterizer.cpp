#include "platform/d3d9/Rasterizer.h"

#include "platform/d3d9/ConvexFan.h"
#include "platform/d3d9/GuardBand.h"
#include "platform/d3d9/OutlineChain.h"

#include <algorithm>
#include <array>
#include <cmath>

using FixedPoint::CeilStepper;
using FixedPoint::FirstCentreAtOrAfter;
using FixedPoint::kHalf;
using FixedPoint::kOne;
using FixedPoint::SubPoint;

namespace {

bool Finite(const ScreenVertex& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y);
}

template <class... Vertices> bool Misses(const PixelBuffer& target, const Vertices&... vertices)
{
    ScreenBounds bounds;
    (bounds.Add(vertices), ...);
    return bounds.Misses(target);
}

// Nearest 1/256 pixel; the caller keeps coordinates inside the guard band.
std::int64_t ToSub(double coordinate)
{
    const double scaled = coordinate * kOne + 0.5;
    const auto truncated = static_cast<std::int64_t>(scaled);
    return truncated > scaled ? truncated - 1 : truncated;
}

SubPoint Snap(const ScreenVertex& v)
{
    return {ToSub(v.x), ToSub(v.y)};
}

// The vertex moved onto its snapped position p, so shading planes match coverage exactly.
ScreenVertex Snapped(const ScreenVertex& v, SubPoint p)
{
    ScreenVertex out = v;
    out.x = static_cast<double>(p.x) / kOne;
    out.y = static_cast<double>(p.y) / kOne;
    return out;
}

// The plane that varies along the segment's major axis only.
Plane PlaneAlong(const ScreenVertex& a, const ScreenVertex& b, double fa, double fb)
{
    Plane plane{a.x, a.y, fa, 0.0, 0.0};
    const double dx = b.x - a.x, dy = b.y - a.y;
    if (std::abs(dx) >= std::abs(dy))
        plane.dx = dx != 0.0 ? (fb - fa) / dx : 0.0;
    else
        plane.dy = (fb - fa) / dy;
    return plane;
}

} // namespace

Rasterizer::Rasterizer(PixelBuffer& target, const RasterState& state, Scratch& scratch)
    : target_(target), state_(state), shader_(target, state), scratch_(scratch)
{
}

void Rasterizer::ShadeTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                               D3DCOLOR flatColor, bool coveredInside)
{
    // A selected texture replaces the vertex colour, so its colours are not needed.
    if (state_.texture) {
        const double w = state_.texture->width, h = state_.texture->height;
        shader_.SetTexelPlanes(Plane::Through(a, b, c, a.u * w, b.u * w, c.u * w),
                               Plane::Through(a, b, c, a.v * h, b.v * h, c.v * h));
    } else if (state_.gouraud) {
        shader_.SetColorPlanes(SpanPainters::GouraudPlanes(a, b, c, coveredInside));
    } else {
        shader_.SetColor(flatColor);
    }
}

void Rasterizer::FillTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                              D3DCOLOR flatColor)
{
    if (!Finite(a) || !Finite(b) || !Finite(c) || Misses(target_, a, b, c))
        return;
    if (GuardBand::Inside(a) && GuardBand::Inside(b) && GuardBand::Inside(c)) {
        const SubPoint sa = Snap(a), sb = Snap(b), sc = Snap(c);
        ShadeTriangle(Snapped(a, sa), Snapped(b, sb), Snapped(c, sc), flatColor, true);
        CoverTriangle(sa, sb, sc);
        return;
    }
    const std::vector<ScreenVertex> polygon = GuardBand::ClipTriangle(a, b, c);
    if (polygon.size() < 3)
        return;
    // Snapping the cut corners may reach pixels just outside the shaded triangle.
    ShadeTriangle(a, b, c, flatColor, false);
    for (std::size_t i = 1; i + 1 < polygon.size(); ++i)
        CoverTriangle(Snap(polygon[0]), Snap(polygon[i]), Snap(polygon[i + 1]));
}

bool Rasterizer::SnapConvexFan(const ScreenVertex* fan, std::size_t count)
{
    scratch_.fan.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!Finite(fan[i]) || !GuardBand::Inside(fan[i]))
            return false;
        scratch_.fan[i] = Snap(fan[i]);
    }
    return ConvexFan::Outline(scratch_.fan, scratch_.outline);
}

bool Rasterizer::FillConvexFan(const ScreenVertex* fan, std::size_t count, D3DCOLOR color)
{
    if (!SnapConvexFan(fan, count))
        return false;
    shader_.SetColor(color);
    CoverConvexPolygon(scratch_.outline);
    return true;
}

bool Rasterizer::ShadeConvexFan(const ScreenVertex* fan, std::size_t count)
{
    // A closed fan's outline leaves out the centre and the rim's closing copy;
    // an open fan has its centre on the outline, where no row is cut by spokes.
    if (!SnapConvexFan(fan, count) || scratch_.outline.size() + 2 != count)
        return false;
    // Each triangle is shaded through its snapped corners, as it would be alone.
    std::vector<ScreenVertex>& corners = scratch_.corners;
    corners.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        corners[i] = Snapped(fan[i], scratch_.fan[i]);
    GouraudFan(target_, state_.blend, scratch_.gouraud).Fill(corners, scratch_.fan[0], scratch_.outline);
    return true;
}

void Rasterizer::CoverTriangle(SubPoint a, SubPoint b, SubPoint c)
{
    // A triangle without area covers no pixel centre; skip the walk.
    if ((b.x - a.x) * (c.y - a.y) == (b.y - a.y) * (c.x - a.x))
        return;
    const SubPoint outline[3] = {a, b, c};
    CoverConvexPolygon(outline);
}

void Rasterizer::CoverConvexPolygon(std::span<const SubPoint> outline)
{
    const auto [top, firstRow, endRow] = OutlineChain::RowsOf(outline, target_.height);
    if (firstRow >= endRow)
        return;
    const std::int64_t width = target_.width;
    shader_.Paint([&](const auto& paint) {
        // The two chains never cross, so whichever is further left starts the span.
        OutlineChain forward(outline, top, true), backward(outline, top, false);
        for (std::int64_t row = firstRow; row < endRow; ++row) {
            forward.Reach(row);
            backward.Reach(row);
            const std::int64_t left =
                std::max<std::int64_t>(std::min(forward.Column(), backward.Column()), 0);
            const std::int64_t right = std::min(std::max(forward.Column(), backward.Column()), width);
            if (left < right)
                paint(static_cast<int>(row), static_cast<int>(left), static_cast<int>(right));
            forward.Step();
            backward.Step();
        }
    });
}

void Rasterizer::DrawLine(const ScreenVertex& from, const ScreenVertex& to, D3DCOLOR flatColor)
{
    if (!Finite(from) || !Finite(to) || Misses(target_, from, to))
        return;
    if (state_.texture) {
        const double w = state_.texture->width, h = state_.texture->height;
        shader_.SetTexelPlanes(PlaneAlong(from, to, from.u * w, to.u * w),
                               PlaneAlong(from, to, from.v * h, to.v * h));
    } else if (state_.gouraud) {
        std::array<Plane, 4> channels;
        for (int k = 0; k < 4; ++k)
            channels[k] = PlaneAlong(from, to, ChannelOf(from.color, k), ChannelOf(to.color, k));
        shader_.SetColorPlanes(SpanPainters::GouraudPlanes(channels, {}));
    } else {
        shader_.SetColor(flatColor);
    }
    ScreenVertex a = from, b = to;
    if (!GuardBand::ClipSegment(a, b))
        return;
    SubPoint p = Snap(a), q = Snap(b);
    // Walk the major axis as "x"; a steep line swaps the axes.
    const bool steep = std::abs(q.y - p.y) > std::abs(q.x - p.x);
    if (steep) {
        std::swap(p.x, p.y);
        std::swap(q.x, q.y);
    }
    const std::int64_t dx = q.x - p.x, dy = q.y - p.y;
    if (dx == 0)
        return;
    // Major-axis pixels whose centres lie from the start up to, not including, the end.
    std::int64_t first = FirstCentreAtOrAfter(p.x), end = FirstCentreAtOrAfter(q.x);
    if (dx < 0) {
        first = FixedPoint::FloorDiv(q.x - kHalf, kOne) + 1;
        end = FixedPoint::FloorDiv(p.x - kHalf, kOne) + 1;
    }
    const std::int64_t majorSize = steep ? target_.height : target_.width;
    const std::int64_t minorSize = steep ? target_.width : target_.height;
    first = std::max<std::int64_t>(first, 0);
    end = std::min(end, majorSize);
    if (first >= end)
        return;
    // The minor pixel holding the line at each major centre: floor(n / d), stepped exactly.
    const std::int64_t sign = dx > 0 ? 1 : -1;
    const std::int64_t d = kOne * dx * sign;
    const std::int64_t n = (p.y * dx + (first * kOne + kHalf - p.x) * dy) * sign;
    shader_.Paint([&](const auto& paint) {
        CeilStepper minor(n - d + 1, kOne * dy * sign, d);
        for (std::int64_t major = first; major < end; ++major) {
            const std::int64_t m = minor.Value();
            if (m >= 0 && m < minorSize) {
                const int x = static_cast<int>(steep ? m : major);
                const int row = static_cast<int>(steep ? major : m);
                paint(row, x, x + 1);
            }
            minor.Step();
        }
    });
}

void Rasterizer::DrawPoint(const ScreenVertex& v)
{
    if (!Finite(v) || !GuardBand::Inside(v))
        return;
    const float size = std::isfinite(v.pointSize) ? std::clamp(v.pointSize, 1.0f, 256.0f) : 1.0f;
    const double left = v.x - size / 2.0, top = v.y - size / 2.0;
    shader_.SetColor(v.color);
    if (state_.texture) {
        const double w = state_.texture->width, h = state_.texture->height;
        if (state_.pointSprite)
            shader_.SetTexelPlanes(Plane{left, top, 0.0, w / size, 0.0},
                                   Plane{left, top, 0.0, 0.0, h / size});
        else
            shader_.SetTexelPlanes(Plane{v.x, v.y, v.u * w, 0.0, 0.0}, Plane{v.x, v.y, v.v * h, 0.0, 0.0});
    }
    const SubPoint corner = Snap(ScreenVertex{left, top});
    const SubPoint opposite = Snap(ScreenVertex{left + size, top + size});
    const std::int64_t x0 = std::max<std::int64_t>(FirstCentreAtOrAfter(corner.x), 0);
    const std::int64_t x1 = std::min<std::int64_t>(FirstCentreAtOrAfter(opposite.x), target_.width);
    const std::int64_t y0 = std::max<std::int64_t>(FirstCentreAtOrAfter(corner.y), 0);
    const std::int64_t y1 = std::min<std::int64_t>(FirstCentreAtOrAfter(opposite.y), target_.height);
    if (x0 >= x1 || y0 >= y1)
        return;
    shader_.Paint([&](const auto& paint) {
        for (std::int64_t row = y0; row < y1; ++row)
            paint(static_cast<int>(row), static_cast<int>(x0), static_cast<int>(x1));
    });
}
