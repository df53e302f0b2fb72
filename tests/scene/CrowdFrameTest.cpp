#include "primitives/PrimitiveList.h"
#include "tests/scene/SceneTestFixture.h"

#include <QImage>
#include <filesystem>

namespace {

constexpr int Width = 320;
constexpr int Height = 240;

} // namespace

// The frame of 1,000 overlapping crabs (Gouraud eyes, blended and textured bodies, the grid and
// a highlight) must stay pixel for pixel what the rasterizer drew when this test was written,
// whatever the rasterizer does to be faster.
TEST(CrowdFrame, ThousandCrabFrameKeepsItsPixels)
{
    QWidget window;
    window.resize(Width, Height);
    TAVD3D_GraphicsSystem& graphics = TAVD3D_GraphicsSystem::GetInstance();
    ASSERT_TRUE(graphics.CreateGraphicsContext(WindowHandles::HandleOf(&window)));
    IDirect3DDevice9* device = graphics.GetDevice();
    // World (-24, -18)-(24, 18) fills the buffer, with a slight offset so edges fall between centres.
    D3DXMATRIX view, projection;
    D3DXMatrixIdentity(&view);
    D3DXMatrixIdentity(&projection);
    view._11 = 1.0f / 24.0f;
    view._22 = 1.0f / 18.0f;
    view._41 = 0.013f;
    view._42 = -0.007f;
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF336699u, 1.0f, 0);

    // A 4 x 4 image of distinct colours, so texture coordinates and wrapping show in the pixels.
    const std::filesystem::path texture = std::filesystem::path(testing::TempDir()) / "quorvel-crowd.png";
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.setPixel(x, y, qRgb(60 * x + 20, 60 * y + 10, 255 - 40 * (x + y)));
    EXPECT_TRUE(checker.save(QString::fromStdString(texture.string())));
    CWorld world;
    world.PrimitiveType = 0;
    world.WorldBounds = TAV_BoundingBox(TAV_Vector3(-20.0f, -15.0f, 0.0f), TAV_Vector3(20.0f, 15.0f, 0.0f));
    std::uint32_t seed = 12345u;
    const auto next = [&seed](float span) {
        seed = seed * 1664525u + 1013904223u;
        return (float(seed >> 8) / float(1u << 24) - 0.5f) * span;
    };
    for (int i = 0; i < 1000; ++i) {
        world.CreateNodeAt(next(52.0f), next(40.0f));
        auto* body = static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive());
        TAV_Primitive* shell = body->GetPrimitive(0);
        shell->SetBlending(i % 3 != 0);
        if (i % 4 == 1) {
            shell->SetTexturing(true);
            shell->SetTextureName(texture.wstring());
        }
        if (i % 7 == 2)
            shell->SetShadeMode(ShadeMode::Gouraud);
    }
    ASSERT_TRUE(world.SelectNodeAt(0.0f, 0.0f));
    device->BeginScene();
    world.DrawScene();
    device->EndScene();

    // FNV-1a over the RGB of every pixel, row by row.
    const SoftwareSurface& target = SoftwareDevice::From(device)->RenderTarget();
    std::uint64_t hash = 1469598103934665603ull;
    for (int row = 0; row < Height; ++row)
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t rgb = target.PixelAt(x, row) & 0xFFFFFFu;
            for (int shift = 0; shift < 24; shift += 8) {
                hash ^= (rgb >> shift) & 0xFFu;
                hash *= 1099511628211ull;
            }
        }
    EXPECT_EQ(hash, 15526048971932427330ull);
    graphics.ReleaseGraphicsContext();
}
