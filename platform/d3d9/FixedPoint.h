#pragma once
// Target-space positions snapped to 1/256 pixel, and exact integer stepping
// along edges, so neighbouring primitives agree on every pixel they share.
#include <cstdint>

namespace FixedPoint {

constexpr int kSubBits = 8;
constexpr std::int64_t kOne = std::int64_t{1} << kSubBits;
constexpr std::int64_t kHalf = kOne / 2;

constexpr std::int64_t FloorDiv(std::int64_t n, std::int64_t d)
{
    const std::int64_t q = n / d;
    return (n % d != 0 && ((n < 0) != (d < 0))) ? q - 1 : q;
}

constexpr std::int64_t CeilDiv(std::int64_t n, std::int64_t d)
{
    return -FloorDiv(-n, d);
}

// The first pixel index whose centre lies at or after a snapped coordinate.
constexpr std::int64_t FirstCentreAtOrAfter(std::int64_t sub)
{
    return CeilDiv(sub - kHalf, kOne);
}

struct SubPoint
{
    std::int64_t x;
    std::int64_t y;
};

// ceil((n + k·s) / d) for k = 0, 1, 2, ... (d > 0), one step per k, no division.
class CeilStepper
{
public:
    CeilStepper() = default;
    CeilStepper(std::int64_t n, std::int64_t s, std::int64_t d)
        : value_(CeilDiv(n, d)), remainder_(value_ * d - n), quotient_(FloorDiv(s, d)),
          stepRemainder_(s - quotient_ * d), divisor_(d)
    {
    }

    std::int64_t Value() const { return value_; }
    // Branch-free: whether the remainder wraps is data, not a pattern to predict.
    void Step()
    {
        remainder_ -= stepRemainder_;
        const std::int64_t wrap = remainder_ >> 63; // -1 when negative, else 0
        value_ += quotient_ - wrap;
        remainder_ += divisor_ & wrap;
    }

private:
    std::int64_t value_ = 0;
    std::int64_t remainder_ = 0; // value·d − n, in [0, d)
    std::int64_t quotient_ = 0;
    std::int64_t stepRemainder_ = 0;
    std::int64_t divisor_ = 1;
};

// For an edge from a to b (a.y < b.y): at each pixel row from firstRow on, the
// first column whose centre is at or right of the edge. Used as the start of a
// span on a left edge and as its end on a right edge, so a pixel centre exactly
// on an edge belongs to the triangle on its right only.
inline CeilStepper EdgeColumns(SubPoint a, SubPoint b, std::int64_t firstRow)
{
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    const std::int64_t rowCentre = firstRow * kOne + kHalf;
    return CeilStepper((a.x - kHalf) * dy + (rowCentre - a.y) * dx, kOne * dx, kOne * dy);
}

} // namespace FixedPoint
