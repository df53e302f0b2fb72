#include "platform/d3d9/d3d9.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace {

D3DXVECTOR3 Transformed(const D3DXVECTOR3& point, const D3DXMATRIX& matrix)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &point, &matrix);
    return out;
}

} // namespace

TEST(MatrixStack, LocalOperationsApplyBeforeWhatIsAlreadyOnTop)
{
    ID3DXMatrixStack* stack = nullptr;
    ASSERT_EQ(D3DXCreateMatrixStack(0, &stack), D3D_OK);
    stack->TranslateLocal(1, 2, 0);
    stack->ScaleLocal(2, 2, 1);
    // Scaled first, then moved: (1, 0) → (2, 0) → (3, 2).
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).y, 2.0f);

    stack->Push();
    const D3DXVECTOR3 axis(0, 0, 1);
    stack->RotateAxisLocal(&axis, static_cast<float>(M_PI / 2));
    // A quarter turn counter-clockwise comes before the scale: (1, 0) → (0, 1) → (0, 2) → (1, 4).
    const D3DXVECTOR3 p = Transformed({1, 0, 0}, *stack->GetTop());
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.y, 4.0f, 1e-6f);

    EXPECT_EQ(stack->Pop(), D3D_OK);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).x, 3.0f);
    // The last entry stays.
    EXPECT_EQ(stack->Pop(), D3DERR_INVALIDCALL);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, *stack->GetTop()).x, 3.0f);
    EXPECT_EQ(stack->Release(), 0u);
}

TEST(MatrixMath, RowVectorsComposeLeftToRightAndDivideByANonZeroW)
{
    D3DXMATRIX translate, scale, rotate, product;
    D3DXMatrixTranslation(&translate, 5, 0, 0);
    D3DXMatrixScaling(&scale, 3, 1, 1);
    D3DXMatrixRotationZ(&rotate, static_cast<float>(M_PI / 2));
    // Translate, then scale: (1, 0) → (6, 0) → (18, 0).
    D3DXMatrixMultiply(&product, &translate, &scale);
    EXPECT_FLOAT_EQ(Transformed({1, 0, 0}, product).x, 18.0f);
    // The output may be one of the inputs.
    D3DXMatrixMultiply(&translate, &translate, &rotate);
    EXPECT_NEAR(Transformed({1, 0, 0}, translate).y, 6.0f, 1e-5f);

    D3DXMATRIX flat;
    D3DXMatrixIdentity(&flat);
    for (const auto& [w, divided] : {std::pair{2.0f, D3DXVECTOR3(2, -3, 4)}, {0.0f, D3DXVECTOR3(4, -6, 8)}}) {
        flat._44 = w; // w 0 leaves the point undivided
        const D3DXVECTOR3 out = Transformed({4, -6, 8}, flat);
        EXPECT_FLOAT_EQ(out.x, divided.x) << w;
        EXPECT_FLOAT_EQ(out.y, divided.y) << w;
        EXPECT_FLOAT_EQ(out.z, divided.z) << w;
    }
}
