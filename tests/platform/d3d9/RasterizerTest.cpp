#include "DeviceFixture.h"

TEST_F(DeviceTest, WireframeDrawsTheEdgesOnly)
{
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    DrawFan({At(2.5f, 2.5f, kWhite), At(12.5f, 2.5f, kWhite), At(2.5f, 12.5f, kWhite)});

    // Each edge lights its start pixel and stops before its end.
    EXPECT_EQ(CountNot(kBlack), 30);
    ExpectPixels({{2, 2, kWhite}, {12, 2, kWhite}, {7, 7, kWhite}, {2, 12, kWhite}, {5, 5, kBlack}});
}

TEST_F(DeviceTest, PointsAreSquaresOfTheirOwnSizeOrOfOnePixel)
{
    // Per-vertex size 4 around a pixel corner; size 1 on a pixel centre.
    Draw(D3DPT_POINTLIST, 2,
         std::vector<PointVertex>{{ClipX(8), ClipY(8), 0, 4.0f, kRed},
                                  {ClipX(12.5f), ClipY(12.5f), 0, 1.0f, kGreen}},
         kPointFvf);
    EXPECT_EQ(CountNot(kBlack), 17);
    ExpectPixels({{6, 6, kRed}, {9, 9, kRed}, {10, 9, kBlack}, {12, 12, kGreen}});

    // Without a size a point is one pixel: the one whose centre it is on, or, on
    // a corner, the one above and left of it (top-left rule).
    ClearTo(kBlack);
    Draw(D3DPT_POINTLIST, 2, std::vector<ColorVertex>{At(3.5f, 3.5f, kWhite), At(8, 8, kWhite)}, kColorFvf);
    EXPECT_EQ(CountNot(kBlack), 2);
    ExpectPixels({{3, 3, kWhite}, {7, 7, kWhite}});
}

TEST_F(DeviceTest, ClippingKeepsOnlyWhatHasAPlaceOnTheTarget)
{
    // Huge triangles cover everything, one wholly outside covers nothing, and a
    // vertex that is not a number or behind the eye drops its triangle.
    DrawFan({{-1e7f, -1e7f, 0, kRed}, {1e7f, -1e7f, 0, kRed}, {0, 1e7f, 0, kRed}});
    EXPECT_EQ(CountNot(kRed), 0);

    ClearTo(kBlack);
    DrawFan({{3, 3, 0, kRed}, {5, 3, 0, kRed}, {4, 5, 0, kRed}});
    DrawFan({{-1, -1, 0, kRed}, {1, -1, 0, kRed}, {0, std::nanf(""), 0, kRed}});
    Draw(D3DPT_LINELIST, 1, std::vector<ColorVertex>{{-1e9f, 0.01f, 0, kRed}, {1e9f, 0.01f, 0, kRed}},
         kColorFvf);
    EXPECT_EQ(CountNot(kBlack), Size); // only the long line's row
    EXPECT_EQ(Pixel(0, 7), kRed);

    // A projection whose w is z: vertices at z -1 are behind the eye, though their
    // quotients would cover half the target, and those at z 0 have no position.
    D3DXMATRIX projection;
    D3DXMatrixIdentity(&projection);
    projection._34 = 1.0f;
    projection._44 = 0.0f;
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    DrawFan({{-1, -1, -1, kRed}, {3, -1, -1, kRed}, {-1, 3, -1, kRed}});
    DrawFan({{-1, -1, 0, kRed}, {1, -1, 0, kRed}, {0, 1, 0, kRed}});
    EXPECT_EQ(CountNot(kBlack), Size);
}

// A fan colours every pixel as its triangles drawn one by one do: shaded or in
// one colour, either winding, blended or not, reaching past the edges, and also
// when its rim is dented, winds round its centre twice or leaves it outside.
TEST_F(DeviceTest, AFanColoursEveryPixelAsItsTrianglesDo)
{
    std::uint32_t seed = 7;
    const auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int fan = 0; fan < 60; ++fan) {
        const float cx = static_cast<float>(next(2400)) / 100.0f - 4.0f;
        const float cy = static_cast<float>(next(2400)) / 100.0f - 4.0f;
        const float radius = 2.0f + static_cast<float>(next(1000)) / 100.0f;
        const int rim = 3 + static_cast<int>(next(14));
        // Plain fans have one colour.
        const bool plain = fan % 3 == 0, twice = fan % 5 == 4, dented = fan % 7 == 3, outside = fan % 11 == 5;
        const D3DCOLOR first = next(1u << 24) | next(256) << 24;
        const auto colour = [&] { return plain ? first : next(1u << 24) | next(256) << 24; };
        std::vector<ColorVertex> vertices{At(outside ? cx - 2.5f * radius : cx, cy, first)};
        for (int k = 0; k <= (twice ? 2 : 1) * rim; ++k) {
            const float angle = (fan % 2 ? 2.0f : -2.0f) * static_cast<float>(M_PI * (k % rim) / rim) + 0.3f;
            const float reach = dented && k % rim == 0 ? radius / 3.0f : radius;
            vertices.push_back(At(cx + reach * std::cos(angle), cy + reach * std::sin(angle), colour()));
        }
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, fan % 4 >= 2);
        ClearTo(0xFF336699u);
        DrawFan(vertices);
        const std::vector<D3DCOLOR> whole = Pixels();
        ClearTo(0xFF336699u);
        for (std::size_t k = 1; k + 1 < vertices.size(); ++k)
            DrawFan({vertices[0], vertices[k], vertices[k + 1]});
        EXPECT_EQ(Pixels(), whole) << "fan " << fan;
    }
}
