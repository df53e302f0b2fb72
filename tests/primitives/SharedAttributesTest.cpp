#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

// Primitives with equal attributes and velocity share one stored copy; changing or destroying
// one of them must leave the others as they were. Velocities are held by their bits, so a
// velocity that is not a number, equal to nothing, is shared and let go like any other.
TEST(SharedAttributes, PrimitivesWithEqualAttributesStayIndependentWhenOneChangesOrDies)
{
    const TAV_Color first(10, 20, 30, 40);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    TAV_PrimitiveCircle changed;
    TAV_PrimitiveRectangleXY kept;
    auto dying = std::make_unique<TAV_PrimitiveCircle>();
    for (TAV_Primitive* p : std::initializer_list<TAV_Primitive*>{&changed, &kept, dying.get()}) {
        p->SetColor(first);
        p->SetVelocity(nan, 2.0f, 3.0f);
    }
    changed.SetColor(TAV_Color(50, 60, 70, 80));
    changed.SetTextureName(L"crab.png");
    dying.reset();

    EXPECT_EQ(kept.GetColor(), first);
    EXPECT_EQ(kept.GetTextureName(), L"");
    EXPECT_TRUE(std::isnan(kept.GetVelocity().x) && std::isnan(changed.GetVelocity().x));
    EXPECT_EQ(kept.GetVelocity().z, 3.0f);
    EXPECT_EQ(changed.GetColor(), TAV_Color(50, 60, 70, 80));
    kept.SetVelocity(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(kept.IsStationary());
    EXPECT_EQ(kept.GetColor(), first);
}
