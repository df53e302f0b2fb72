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
    if (turn == 0)
        return false;
    for (std::size_t i = 2; i + 1 < n; ++i)
        if (Turn(fan[0], fan[i], fan[i + 1]) != turn)
            return false;

    const bool closed = n > 3 && fan[n - 1].x == fan[1].x && fan[n - 1].y == fan[1].y;
    outline.assign(fan.begin() + (closed ? 1 : 0), fan.end() - (closed ? 1 : 0));
    // Going round the outline, its vertical direction changes exactly twice,
    // counted from the direction of the last edge that has one.
    const std::size_t m = outline.size();
    const auto next = [m](std::size_t i) { return i + 1 == m ? 0 : i + 1; };
    int lastDirection = 0;
    for (std::size_t b = m; b > 0 && lastDirection == 0; --b)
        lastDirection = Sign(outline[b == m ? 0 : b].y - outline[b - 1].y);
    int directionChanges = 0;
    for (std::size_t a = 0; a < m; ++a) {
        const std::size_t b = next(a);
        const int direction = Sign(outline[b].y - outline[a].y);
        if (direction != 0) {
            directionChanges += direction != lastDirection;
            lastDirection = direction;
        }
    }
    return directionChanges == 2;
}

} // namespace ConvexFan
