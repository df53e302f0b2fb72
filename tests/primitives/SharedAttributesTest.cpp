#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveRectangleXY.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

// Primitives with equal attributes and velocity share one stored copy; changing
// or destroying one of them must leave the others exactly as they were.
TEST(SharedAttributes, PrimitivesWithEqualAttributesStayIndependentWhenOneChangesOrDies)
{
    const TAV_Color first(10, 20, 30, 40);
    TAV_PrimitiveCircle changed;
    TAV_PrimitiveRectangleXY kept;
    auto dying = std::make_unique<TAV_PrimitiveCircle>();
    for (TAV_Primitive* p : {static_cast<TAV_Primitive*>(&changed), static_cast<TAV_Primitive*>(&kept),
                             static_cast<TAV_Primitive*>(dying.get())}) {
        p->SetColor(first);
        p->SetVelocity(1.0f, 2.0f, 3.0f);
    }
    changed.SetColor(TAV_Color(50, 60, 70, 80));
    changed.SetTextureName(L"crab.png");
    dying.reset();

    EXPECT_EQ(kept.GetColor(), first);
    EXPECT_EQ(kept.GetTextureName(), L"");
    EXPECT_EQ(kept.GetVelocity(), TAV_Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(changed.GetVelocity(), TAV_Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(changed.GetColor(), TAV_Color(50, 60, 70, 80));
}

// A value that equals nothing, not even itself, is still found again when its
// holders change and die.
TEST(SharedAttributes, AVelocityThatIsNotANumberIsKeptAndLetGoLikeAnyOther)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    TAV_PrimitiveCircle kept;
    auto dying = std::make_unique<TAV_PrimitiveCircle>();
    kept.SetVelocity(nan, 0.0f, 0.0f);
    dying->SetVelocity(nan, 0.0f, 0.0f);
    dying.reset();
    kept.SetShadeMode(ShadeMode::Flat);

    EXPECT_TRUE(std::isnan(kept.GetVelocity().x));
    kept.SetVelocity(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(kept.IsStationary());
}
