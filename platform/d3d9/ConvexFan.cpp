#include "platform/d3d9/ConvexFan.h"

namespace ConvexFan {

namespace {

using FixedPoint::SubPoint;

int Sign(std::int64_t value)
{
    return (value > 0) - (value < 0);
}

} // namespace

bool Outline(const std::vector<SubPoint>& fan, std::vector<SubPoint>& outline)
{
    const std::size_t n = fan.size();
    if (n < 3)
        return false;
    // Every triangle turns the same way around the centre.
    const int turn = Turn(fan[0], fan[1], fan[2]);
    for (std::size_t i = 1; i + 1 < n; ++i)
        if (turn == 0 || Turn(fan[0], fan[i], fan[i + 1]) != turn)
            return false;

    const bool closed = n > 3 && fan[n - 1].x == fan[1].x && fan[n - 1].y == fan[1].y;
    outline.assign(fan.begin() + (closed ? 1 : 0), fan.end() - (closed ? 1 : 0));
    // Convex: no corner turns against the triangles. Winding once: the outline
    // changes vertical direction exactly twice.
    const std::size_t m = outline.size();
    const auto next = [m](std::size_t i) { return i + 1 == m ? 0 : i + 1; };
    int directionChanges = 0;
    int lastDirection = 0;
    for (std::size_t i = 0, a = 0, b = next(0); i < 2 * m; ++i, a = b, b = next(b)) {
        if (i < m && Turn(outline[a], outline[b], outline[next(b)]) == -turn)
            return false;
        const int direction = Sign(outline[b].y - outline[a].y);
        if (direction != 0 && lastDirection != 0 && direction != lastDirection && i >= m)
            ++directionChanges;
        if (direction != 0)
            lastDirection = direction;
    }
    return directionChanges == 2;
}

} // namespace ConvexFan
