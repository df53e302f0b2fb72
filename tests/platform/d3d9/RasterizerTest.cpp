#include "DeviceFixture.h"

TEST_F(DeviceTest, SolidRectangleCoversPixelsWhoseCentresLieInside)
{
    DrawFan({At(4, 4, kWhite), At(12, 4, kWhite), At(12, 12, kWhite), At(4, 12, kWhite)});

    EXPECT_EQ(CountNot(kBlack), 64);
    // Right and bottom edges are outside.
    ExpectPixels({{4, 4, kWhite}, {11, 11, kWhite}, {12, 4, kBlack}, {4, 12, kBlack}, {3, 8, kBlack}});
}

TEST_F(DeviceTest, SharedFanEdgesAreDrawnOnceWithoutGaps)
{
    // An octagon whose spokes run through pixel centres, blended at half alpha:
    // a pixel drawn twice would come out brighter than the rest.
    const float r = 6.3f, d = r * 0.70710678f;
    const float rim[9][2] = {{r, 0}, {d, -d}, {0, -r}, {-d, -d}, {-r, 0}, {-d, d}, {0, r}, {d, d}, {r, 0}};
    std::vector<ColorVertex> spokes{At(8.5f, 8.5f, 0x80FFFFFFu)};
    std::vector<ColorVertex> rimOnly;
    for (const auto& p : rim) {
        spokes.push_back(At(8.5f + p[0], 8.5f + p[1], 0x80FFFFFFu));
        rimOnly.push_back(At(8.5f + p[0], 8.5f + p[1], kWhite));
    }
    rimOnly.pop_back();
    Blend();
    DrawFan(spokes);
    const std::vector<D3DCOLOR> blended = Snapshot();
    for (std::size_t i = 0; i < blended.size(); ++i)
        ASSERT_TRUE(blended[i] == kBlack || blended[i] == 0xFF808080u) << "pixel " << i;

    // The same octagon cut into triangles the other way must cover the same pixels.
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    ClearTo(kBlack);
    DrawFan(rimOnly);
    const std::vector<D3DCOLOR> solid = Snapshot();
    for (std::size_t i = 0; i < solid.size(); ++i)
        EXPECT_EQ(solid[i] == kWhite, blended[i] != kBlack) << "pixel " << i;
    EXPECT_EQ(Pixel(8, 8), kWhite);
}

TEST_F(DeviceTest, OneColourFansCoverTheSamePixelsAsTheirTriangles)
{
    // A convex fan (filled as one polygon), an open one, and one with a dent
    // (filled triangle by triangle), all with off-grid vertices and half alpha.
    // Textured, a fan is always filled triangle by triangle; its texel has the vertex colour.
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(device_->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    SoftwareTexture::From(texture)->Texels().pixels[0] = 0x80FFFFFFu;
    const std::vector<std::vector<ColorVertex>> fans{
        {At(7.3f, 8.1f, 0), At(13.7f, 8.4f, 0), At(11.2f, 2.9f, 0), At(5.05f, 1.5f, 0), At(1.6f, 7.75f, 0),
         At(4.4f, 14.2f, 0), At(10.9f, 13.6f, 0), At(13.7f, 8.4f, 0)},
        {At(2.25f, 2.25f, 0), At(14.1f, 3.3f, 0), At(12.6f, 9.5f, 0), At(6.5f, 14.9f, 0)},
        {At(8.5f, 8.5f, 0), At(15.0f, 8.5f, 0), At(9.0f, 7.9f, 0), At(8.5f, 1.0f, 0), At(2.0f, 8.5f, 0),
         At(15.0f, 8.5f, 0)},
    };
    device_->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    Blend();
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    for (std::vector<ColorVertex> fan : fans) {
        std::vector<ShapeVertex> textured;
        for (ColorVertex& vertex : fan) {
            vertex.color = 0x80FFFFFFu;
            textured.push_back({vertex.x, vertex.y, vertex.z, vertex.color, 0.0f, 0.0f});
        }
        ClearTo(kBlack);
        DrawFan(fan);
        const std::vector<D3DCOLOR> asFan = Snapshot();

        ClearTo(kBlack);
        device_->SetTexture(0, texture);
        Draw(D3DPT_TRIANGLEFAN, static_cast<UINT>(fan.size() - 2), textured, kShapeFvf);
        device_->SetTexture(0, nullptr);
        EXPECT_EQ(Snapshot(), asFan);
        for (D3DCOLOR pixel : asFan)
            EXPECT_TRUE(pixel == kBlack || pixel == 0xFF808080u);
        EXPECT_GT(CountNot(kBlack), 20);
    }
    texture->Release();
}

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
    // Unit square at the origin ends at clip x in [-0.75, -0.25], y in [0, 0.5]: upper rows.
    DrawFan({{0, 0, 0, kWhite}, {1, 0, 0, kWhite}, {1, 1, 0, kWhite}, {0, 1, 0, kWhite}});

    EXPECT_EQ(CountNot(kBlack), 16);
    ExpectPixels({{2, 4, kWhite}, {5, 7, kWhite}, {6, 7, kBlack}});
}
