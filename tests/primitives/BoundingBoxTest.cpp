#include "primitives/BoundingBox.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// Minimum then maximum corner.
std::vector<float> Corners(const TAV_BoundingBox& box)
{
    const TAV_Vector3 lo = box.GetMin(), hi = box.GetMax();
    return {lo.x, lo.y, lo.z, hi.x, hi.y, hi.z};
}

TAV_BoundingBox EmptyBox()
{
    TAV_BoundingBox box;
    box.MakeInvalid();
    return box;
}

// A volume of another kind, which boxes can neither absorb nor test against.
class OtherVolume : public TAV_BoundingVolume
{
public:
    int GetType() const override { return 1; }
    TAV_Vector3 GetCenter() const override { return {}; }
    void Add(const TAV_BoundingVolume*) override {}
    bool Intersects(const TAV_BoundingVolume*) const override { return true; }
    bool ContainsPoint(float, float, float) const override { return true; }
};

} // namespace

TEST(BoundingBox, UnionSortsCornersIgnoringEmptyBoxesNullAndOtherKinds)
{
    TAV_BoundingBox box({1, 1, 0}, {0, 0, 0});
    const OtherVolume other;
    box.Add(EmptyBox());
    box.Add(static_cast<const TAV_BoundingVolume*>(nullptr));
    box.Add(&other);
    const TAV_BoundingBox far({-2, 5, 1}, {-3, 2, -1});
    box.Add(static_cast<const TAV_BoundingVolume*>(&far));
    EXPECT_EQ(Corners(box), (std::vector<float>{-3, 0, -1, 1, 5, 1}));

    TAV_BoundingBox accumulated = EmptyBox();
    accumulated.Add(TAV_BoundingBox({5, 4, 0}, {6, 6, 0}));
    EXPECT_EQ(Corners(accumulated), (std::vector<float>{5, 4, 0, 6, 6, 0}));
}

TEST(BoundingBox, ContainmentIncludesTheFacesOfANonEmptyBoxOnly)
{
    const TAV_BoundingBox box({0, 0, 0}, {2, 1, 0});
    const std::pair<TAV_Vector3, bool> points[] = {{{0, 0, 0}, true},         {{2, 1, 0}, true},
                                                   {{2, 0.5f, 0}, true},      {{2.0001f, 0.5f, 0}, false},
                                                   {{1, -0.0001f, 0}, false}, {{1, 0.5f, 0.0001f}, false}};
    for (const auto& [p, inside] : points)
        EXPECT_EQ(box.ContainsPoint(p.x, p.y, p.z), inside) << p.x << ", " << p.y << ", " << p.z;
    EXPECT_FALSE(EmptyBox().ContainsPoint(0, 0, 0));
}

// Regression: a null volume used to be dereferenced, and the empty box overlapped
// every box around the origin; neither intersects anything now.
TEST(BoundingBox, IntersectionIncludesTouchingEdgesAndCornersOfRealBoxesOnly)
{
    const TAV_BoundingBox box({0, 0, 0}, {2, 2, 0}), empty = EmptyBox();
    const std::pair<TAV_BoundingBox, bool> others[] = {
        {{{2, 0.5f, 0}, {3, 1, 0}}, true},    {{{-1, -1, 0}, {0, 0, 0}}, true},
        {{{2.001f, 0, 0}, {3, 2, 0}}, false}, {{{0, -1, 0}, {2, -0.001f, 0}}, false},
        {{{0, 0, 1}, {2, 2, 1}}, false},      {empty, false}};
    for (const auto& [other, overlaps] : others) {
        EXPECT_EQ(box.Intersects(&other), overlaps) << other.GetMin().x << ", " << other.GetMin().y;
        EXPECT_EQ(other.Intersects(&box), overlaps) << other.GetMin().x << ", " << other.GetMin().y;
    }
    const OtherVolume otherKind;
    EXPECT_FALSE(box.Intersects(static_cast<const TAV_BoundingVolume*>(nullptr)));
    EXPECT_FALSE(box.Intersects(&otherKind));
    EXPECT_FALSE(empty.Intersects(&empty));
}
