#include "DeviceFixture.h"

namespace {

// A diamond around the centre of pixel (8, 8), with the rim vertices four pixels
// out along the axes: right, top, left, bottom, then the closing copy.
std::vector<ColorVertex> Diamond(D3DCOLOR centre, std::initializer_list<D3DCOLOR> rim)
{
    const float cx = 8.5f, cy = 8.5f;
    const float offsets[5][2] = {{4, 0}, {0, -4}, {-4, 0}, {0, 4}, {4, 0}};
    std::vector<ColorVertex> fan{DeviceTest::At(cx, cy, centre)};
    auto color = rim.begin();
    for (const auto& offset : offsets) {
        fan.push_back(DeviceTest::At(cx + offset[0], cy + offset[1], *color));
        if (color + 1 != rim.end())
            ++color;
    }
    return fan;
}

} // namespace

TEST_F(DeviceTest, SolidRectangleCoversPixelsWhoseCentresLieInside)
{
    DrawFan({At(4, 4, kWhite), At(12, 4, kWhite), At(12, 12, kWhite), At(4, 12, kWhite)});

    EXPECT_EQ(CountNot(kBlack), 64);
    EXPECT_EQ(Pixel(4, 4), kWhite);
    EXPECT_EQ(Pixel(11, 11), kWhite);
    EXPECT_EQ(Pixel(12, 4), kBlack); // right and bottom edges are outside
    EXPECT_EQ(Pixel(4, 12), kBlack);
    EXPECT_EQ(Pixel(3, 8), kBlack);
}

TEST_F(DeviceTest, ClipSpaceYPointsUp)
{
    // A triangle in the upper half of clip space lands in the top rows.
    DrawFan({{-1, 1, 0, kWhite}, {1, 1, 0, kWhite}, {1, 0, 0, kWhite}, {-1, 0, 0, kWhite}});

    EXPECT_EQ(Pixel(0, 0), kWhite);
    EXPECT_EQ(Pixel(15, 7), kWhite);
    EXPECT_EQ(Pixel(0, 8), kBlack);
    EXPECT_EQ(CountNot(kBlack), 128);
}

TEST_F(DeviceTest, GouraudFanRunsFromTheCentreColourToTheRimColour)
{
    // Blue 200 at the centre, red 200 on the rim: a quarter of the way out is 50/150.
    DrawFan(Diamond(0xFF0000C8u, {0xFFC80000u}));

    EXPECT_EQ(Pixel(8, 8), 0xFF0000C8u);  // the centre pixel
    EXPECT_EQ(Pixel(9, 8), 0xFF320096u);  // 1/4 out
    EXPECT_EQ(Pixel(10, 8), 0xFF640064u); // 1/2 out
    EXPECT_EQ(Pixel(8, 11), 0xFF960032u); // 3/4 out, downwards
    EXPECT_EQ(Pixel(4, 8), 0xFFC80000u);  // on the left rim vertex
    EXPECT_EQ(Pixel(12, 8), kBlack);      // the right vertex sits on a right edge
}

TEST_F(DeviceTest, GouraudInterpolatesAlphaToo)
{
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    // Opaque white at the centre fading to transparent at the rim, over black.
    DrawFan(Diamond(0xFFFFFFFFu, {0x00FFFFFFu}));

    EXPECT_EQ(Pixel(8, 8), kWhite);
    EXPECT_EQ(Pixel(9, 8), 0xFFBFBFBFu);  // alpha 191
    EXPECT_EQ(Pixel(11, 8), 0xFF404040u); // alpha 64
}

TEST_F(DeviceTest, FlatFanTrianglesTakeTheirFirstRimVertexColour)
{
    device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    DrawFan(Diamond(kBlack | 0x123456u, {kRed, kBlue, kGreen, kWhite, kRed}));

    EXPECT_EQ(Pixel(9, 7), kRed);   // centre, right, top
    EXPECT_EQ(Pixel(7, 7), kBlue);  // centre, top, left
    EXPECT_EQ(Pixel(7, 9), kGreen); // centre, left, bottom
    EXPECT_EQ(Pixel(9, 9), kWhite); // centre, bottom, right
    EXPECT_EQ(Pixel(8, 8), kWhite); // the centre pixel lies in the last triangle
}

TEST_F(DeviceTest, SharedFanEdgesAreDrawnOnceWithoutGaps)
{
    // An octagon whose spokes run through pixel centres, blended at half alpha:
    // a pixel drawn twice would come out brighter than the rest.
    const float cx = 8.5f, cy = 8.5f, r = 6.3f, d = r * 0.70710678f;
    const float rim[9][2] = {{r, 0}, {d, -d}, {0, -r}, {-d, -d}, {-r, 0}, {-d, d}, {0, r}, {d, d}, {r, 0}};
    std::vector<ColorVertex> spokes{At(cx, cy, 0x80FFFFFFu)};
    std::vector<ColorVertex> rimOnly;
    for (const auto& p : rim) {
        spokes.push_back(At(cx + p[0], cy + p[1], 0x80FFFFFFu));
        rimOnly.push_back(At(cx + p[0], cy + p[1], kWhite));
    }
    rimOnly.pop_back();
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawFan(spokes);

    std::vector<bool> blended;
    for (int row = 0; row < Size; ++row)
        for (int x = 0; x < Size; ++x) {
            const D3DCOLOR c = Pixel(x, row);
            ASSERT_TRUE(c == kBlack || c == 0xFF808080u) << "pixel " << x << "," << row;
            blended.push_back(c != kBlack);
        }

    // The same octagon cut into triangles the other way must cover the same pixels.
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 0.0f, 0);
    DrawFan(rimOnly);
    int index = 0;
    for (int row = 0; row < Size; ++row)
        for (int x = 0; x < Size; ++x)
            EXPECT_EQ(Pixel(x, row) == kWhite, blended[index++]) << "pixel " << x << "," << row;
    EXPECT_EQ(Pixel(8, 8), kWhite);
}

TEST_F(DeviceTest, WireframeDrawsTheEdgesOnly)
{
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    DrawFan({At(2.5f, 2.5f, kWhite), At(12.5f, 2.5f, kWhite), At(2.5f, 12.5f, kWhite)});

    // Each edge lights its start pixel and stops before its end.
    EXPECT_EQ(CountNot(kBlack), 30);
    EXPECT_EQ(Pixel(2, 2), kWhite);
    EXPECT_EQ(Pixel(11, 2), kWhite);
    EXPECT_EQ(Pixel(12, 2), kWhite);
    EXPECT_EQ(Pixel(7, 7), kWhite); // on the diagonal
    EXPECT_EQ(Pixel(2, 12), kWhite);
    EXPECT_EQ(Pixel(5, 5), kBlack); // inside
}

TEST_F(DeviceTest, PointFillModeDrawsEachVertexOnce)
{
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_POINT);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    // The centre is shared by both triangles of the fan but is a single vertex.
    DrawFan({At(8.5f, 8.5f, 0x80FFFFFFu), At(12.5f, 8.5f, 0x80FFFFFFu), At(8.5f, 4.5f, 0x80FFFFFFu),
             At(4.5f, 8.5f, 0x80FFFFFFu)});

    EXPECT_EQ(CountNot(kBlack), 4);
    EXPECT_EQ(Pixel(8, 8), 0xFF808080u);
    EXPECT_EQ(Pixel(12, 8), 0xFF808080u);
}

TEST_F(DeviceTest, LineListSendsEachPairAsOneLineFromFirstToLastColour)
{
    // A steep line walks rows; Gouraud runs along it from red to blue.
    Draw(D3DPT_LINELIST, 1,
         std::vector<ColorVertex>{At(3.5f, 0.5f, 0xFF0000FFu), At(3.5f, 4.5f, 0xFFFF0000u)}, kColorFvf);

    EXPECT_EQ(CountNot(kBlack), 4);
    EXPECT_EQ(Pixel(3, 0), 0xFF0000FFu);
    EXPECT_EQ(Pixel(3, 2), 0xFF800080u);
    EXPECT_EQ(Pixel(3, 4), kBlack);
}

TEST_F(DeviceTest, PointsAreSquaresOfTheirSize)
{
    // Per-vertex size 4 around a pixel corner; size 1 on a pixel centre.
    Draw(D3DPT_POINTLIST, 2,
         std::vector<PointVertex>{{ClipX(8), ClipY(8), 0, 4.0f, kRed},
                                  {ClipX(12.5f), ClipY(12.5f), 0, 1.0f, kGreen}},
         kPointFvf);

    EXPECT_EQ(CountNot(kBlack), 17);
    EXPECT_EQ(Pixel(6, 6), kRed);
    EXPECT_EQ(Pixel(9, 9), kRed);
    EXPECT_EQ(Pixel(10, 9), kBlack);
    EXPECT_EQ(Pixel(12, 12), kGreen);
}

TEST_F(DeviceTest, PointsWithoutSizeUseThePointSizeStateAndClipAtTheBorder)
{
    const float two = 2.0f;
    DWORD bits;
    std::memcpy(&bits, &two, sizeof bits);
    device_->SetRenderState(D3DRS_POINTSIZE, bits);
    Draw(D3DPT_POINTLIST, 2, std::vector<ColorVertex>{At(3, 3, kWhite), At(0, 16, kWhite)}, kColorFvf);

    // 2 x 2 around (3, 3); a quarter of the one on the bottom-left corner.
    EXPECT_EQ(CountNot(kBlack), 5);
    EXPECT_EQ(Pixel(2, 2), kWhite);
    EXPECT_EQ(Pixel(3, 3), kWhite);
    EXPECT_EQ(Pixel(0, 15), kWhite);
}

TEST_F(DeviceTest, SourceAlphaBlendingMixesWithTheBackground)
{
    const std::vector<ColorVertex> square{At(0, 0, 0x80FF0000u), At(16, 0, 0x80FF0000u),
                                          At(16, 16, 0x80FF0000u), At(0, 16, 0x80FF0000u)};
    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlue, 0.0f, 0);
    DrawFan(square); // blending off: alpha is ignored
    EXPECT_EQ(Pixel(5, 5), kRed);

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlue, 0.0f, 0);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device_->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    DrawFan(square);
    EXPECT_EQ(Pixel(5, 5), 0xFF80007Fu); // 255·128/255 red, 255·127/255 blue

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlue, 0.0f, 0);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    DrawFan(square);
    EXPECT_EQ(Pixel(5, 5), 0xFFFF00FFu); // additive
}

TEST_F(DeviceTest, ClearFillsTheWholeTargetOpaque)
{
    DrawFan({At(0, 0, kWhite), At(16, 0, kWhite), At(0, 16, kWhite)});
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00CCCCCCu, 0.0f, 0), D3D_OK);

    EXPECT_EQ(CountNot(0xFFCCCCCCu), 0);
    const D3DRECT rect{0, 0, 4, 4};
    EXPECT_EQ(device_->Clear(1, &rect, D3DCLEAR_TARGET, kWhite, 0.0f, 0), D3DERR_INVALIDCALL);
}

TEST_F(DeviceTest, GeometryFarOutsideTheTargetIsClipped)
{
    // Huge triangles cover everything, one wholly outside covers nothing, and a
    // vertex that is not a number drops its triangle.
    DrawFan({{-1e7f, -1e7f, 0, kRed}, {1e7f, -1e7f, 0, kRed}, {0, 1e7f, 0, kRed}});
    EXPECT_EQ(CountNot(kRed), 0);

    device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 0.0f, 0);
    DrawFan({{3, 3, 0, kRed}, {5, 3, 0, kRed}, {4, 5, 0, kRed}});
    DrawFan({{-1, -1, 0, kRed}, {1, -1, 0, kRed}, {0, std::nanf(""), 0, kRed}});
    Draw(D3DPT_LINELIST, 1, std::vector<ColorVertex>{{-1e9f, 0.01f, 0, kRed}, {1e9f, 0.01f, 0, kRed}},
         kColorFvf);
    EXPECT_EQ(CountNot(kBlack), Size); // only the long line's row
    EXPECT_EQ(Pixel(0, 7), kRed);
}

TEST_F(DeviceTest, VerticesPassWorldThenViewThenProjection)
{
    // World moves right by a quarter of the target, view halves the size about the
    // origin, projection flips x: (x + 0.5) / 2, then negated.
    D3DXMATRIX world, view, projection;
    D3DXMatrixTranslation(&world, 0.5f, 0.0f, 0.0f);
    D3DXMatrixScaling(&view, 0.5f, 0.5f, 1.0f);
    D3DXMatrixScaling(&projection, -1.0f, 1.0f, 1.0f);
    device_->SetTransform(D3DTS_WORLD, &world);
    device_->SetTransform(D3DTS_VIEW, &view);
    device_->SetTransform(D3DTS_PROJECTION, &projection);
    // Unit square at the origin ends at clip x in [-0.75, -0.25], y in [0, 0.5].
    DrawFan({{0, 0, 0, kWhite}, {1, 0, 0, kWhite}, {1, 1, 0, kWhite}, {0, 1, 0, kWhite}});

    EXPECT_EQ(CountNot(kBlack), 16);
    EXPECT_EQ(Pixel(2, 4), kWhite);
    EXPECT_EQ(Pixel(5, 7), kWhite);
    EXPECT_EQ(Pixel(6, 7), kBlack);
}

namespace {

// The fan as separate triangles, each drawn on its own.
std::vector<ColorVertex> AsTriangleList(const std::vector<ColorVertex>& fan)
{
    std::vector<ColorVertex> list;
    for (std::size_t i = 1; i + 1 < fan.size(); ++i)
        list.insert(list.end(), {fan[0], fan[i], fan[i + 1]});
    return list;
}

} // namespace

TEST_F(DeviceTest, OneColourFansCoverTheSamePixelsAsTheirTriangles)
{
    // A convex fan (filled as one polygon), an open one, and one with a dent
    // (filled triangle by triangle), all with off-grid vertices and half alpha.
    const std::vector<std::vector<ColorVertex>> fans{
        {At(7.3f, 8.1f, 0), At(13.7f, 8.4f, 0), At(11.2f, 2.9f, 0), At(5.05f, 1.5f, 0), At(1.6f, 7.75f, 0),
         At(4.4f, 14.2f, 0), At(10.9f, 13.6f, 0), At(13.7f, 8.4f, 0)},
        {At(2.25f, 2.25f, 0), At(14.1f, 3.3f, 0), At(12.6f, 9.5f, 0), At(6.5f, 14.9f, 0)},
        {At(8.5f, 8.5f, 0), At(15.0f, 8.5f, 0), At(9.0f, 7.9f, 0), At(8.5f, 1.0f, 0), At(2.0f, 8.5f, 0),
         At(15.0f, 8.5f, 0)},
    };
    device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    for (std::vector<ColorVertex> fan : fans) {
        for (ColorVertex& vertex : fan)
            vertex.color = 0x80FFFFFFu;
        device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 0.0f, 0);
        DrawFan(fan);
        std::vector<D3DCOLOR> asFan;
        for (int row = 0; row < Size; ++row)
            for (int x = 0; x < Size; ++x)
                asFan.push_back(Pixel(x, row));

        device_->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 0.0f, 0);
        const std::vector<ColorVertex> list = AsTriangleList(fan);
        Draw(D3DPT_TRIANGLELIST, static_cast<UINT>(list.size() / 3), list, kColorFvf);
        int index = 0, covered = 0;
        for (int row = 0; row < Size; ++row)
            for (int x = 0; x < Size; ++x) {
                EXPECT_EQ(Pixel(x, row), asFan[index++]) << "pixel " << x << "," << row;
                EXPECT_TRUE(Pixel(x, row) == kBlack || Pixel(x, row) == 0xFF808080u);
                covered += Pixel(x, row) != kBlack;
            }
        EXPECT_GT(covered, 20);
    }
}
