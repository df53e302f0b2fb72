#include "platform/d3d9/GuardBand.h"

#include <cmath>
#include <utility>

namespace GuardBand {

namespace {

// The four half-planes of the band: axis 0 is x, 1 is y; sign +1 keeps
// coordinate <= kLimit, −1 keeps coordinate >= −kLimit.
struct Boundary
{
    int axis;
    double sign;

    double Distance(const ScreenVertex& v) const { return kLimit - sign * (axis == 0 ? v.x : v.y); }
};

constexpr Boundary kBoundaries[] = {{0, 1.0}, {0, -1.0}, {1, 1.0}, {1, -1.0}};

// Computed from the same ordered pair whichever way the edge is walked, so two
// triangles sharing an edge cut it at the same point.
ScreenVertex Cut(const ScreenVertex& p, const ScreenVertex& q, const Boundary& boundary)
{
    const bool ordered = p.x < q.x || (p.x == q.x && p.y < q.y);
    const ScreenVertex& a = ordered ? p : q;
    const ScreenVertex& b = ordered ? q : p;
    const double da = boundary.Distance(a);
    const double t = da / (da - boundary.Distance(b));
    ScreenVertex out = a;
    out.x = a.x + (b.x - a.x) * t;
    out.y = a.y + (b.y - a.y) * t;
    return out;
}

} // namespace

bool Inside(const ScreenVertex& v)
{
    return std::abs(v.x) <= kLimit && std::abs(v.y) <= kLimit;
}

std::vector<ScreenVertex> ClipTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c)
{
    std::vector<ScreenVertex> polygon{a, b, c};
    for (const Boundary& boundary : kBoundaries) {
        std::vector<ScreenVertex> kept;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const ScreenVertex& p = polygon[i];
            const ScreenVertex& q = polygon[(i + 1) % polygon.size()];
            const bool pIn = boundary.Distance(p) >= 0.0;
            const bool qIn = boundary.Distance(q) >= 0.0;
            if (pIn)
                kept.push_back(p);
            if (pIn != qIn)
                kept.push_back(Cut(p, q, boundary));
        }
        polygon = std::move(kept);
        if (polygon.empty())
            break;
    }
    return polygon;
}

bool ClipSegment(ScreenVertex& a, ScreenVertex& b)
{
    for (const Boundary& boundary : kBoundaries) {
        const bool aIn = boundary.Distance(a) >= 0.0;
        const bool bIn = boundary.Distance(b) >= 0.0;
        if (!aIn && !bIn)
            return false;
        if (!aIn)
            a = Cut(a, b, boundary);
        else if (!bIn)
            b = Cut(a, b, boundary);
    }
    return true;
}

} // namespace GuardBand
