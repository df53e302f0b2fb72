#include "platform/d3d9/d3d9.h"
#include "platform/win/WindowHandles.h"
#include "primitives/PrimitiveList.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"
#include "scene/Crab.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// 527 crabs of 19 shapes each (5 circles, 12 rectangles, 2 lines): 10,013 primitives.
constexpr int CrabCount = 527;

int CountPrimitives(const TAV_SceneNode& node)
{
    int count = 0;
    if (const auto* list = dynamic_cast<const TAV_PrimitiveList*>(node.GetPrimitive()))
        count += list->NumPrimitives();
    for (int i = 0; i < node.NumChildren(); ++i)
        if (const TAV_SceneNode* child = node.GetChild(i))
            count += CountPrimitives(*child);
    return count;
}

// Crabs spread over the world window (-25, -25)..(25, 25) of an 800 x 600 view.
class CrabField
{
public:
    CrabField() : root_(L"Big Daddy")
    {
        window_.resize(800, 600);
        TAVD3D_GraphicsSystem::GetInstance().CreateGraphicsContext(WindowHandles::HandleOf(&window_));
        for (int i = 0; i < CrabCount; ++i)
            root_.AddChild(new CCrab(static_cast<float>(i % 23) * 1.6f - 17.6f,
                                     static_cast<float>(i / 23) * 1.6f - 20.0f, 0));
        primitives_ = CountPrimitives(root_);
    }
    ~CrabField() { TAVD3D_GraphicsSystem::GetInstance().ReleaseGraphicsContext(); }
    CrabField(const CrabField&) = delete;
    CrabField& operator=(const CrabField&) = delete;

    IDirect3DDevice9* Device() const { return TAVD3D_GraphicsSystem::GetInstance().GetDevice(); }
    int Primitives() const { return primitives_; }

    // The world window onto clip space; a clip offset of 10 puts every shape above the
    // target, where the rasterizer rejects each triangle before its first row.
    void SetView(float clipOffset)
    {
        D3DXMATRIX scale, shift, view;
        D3DXMatrixScaling(&scale, 1.0f / 25, 1.0f / 25, 1);
        D3DXMatrixTranslation(&shift, 0, clipOffset, 0);
        D3DXMatrixMultiply(&view, &scale, &shift);
        Device()->SetTransform(D3DTS_VIEW, &view);
    }

    void Draw()
    {
        helper_.InitializeModelTransform();
        root_.Draw(2, helper_);
    }

private:
    QWidget window_;
    TAV_SceneNode root_;
    TAVD3D_DrawHelper helper_;
    int primitives_ = 0;
};

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Time per primitive drawn into an 800 x 600 back buffer, and the share of it
// spent outside the rasterizer: the same calls with every shape off the target,
// so vertices are built, states set and matrices composed, but no pixel is filled.
void BM_DrawHelperCrabMix(benchmark::State& state)
{
    CrabField field;
    IDirect3DDevice9* device = field.Device();
    if (device == nullptr) {
        state.SkipWithError("no graphics context");
        return;
    }
    device->BeginScene();
    double inside = 0;
    double outside = 0;
    for (auto _ : state) {
        field.SetView(0);
        const auto start = std::chrono::steady_clock::now();
        field.Draw();
        const auto drawn = std::chrono::steady_clock::now();
        field.SetView(10);
        field.Draw();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(Seconds(drawn - start));
        inside += Seconds(drawn - start);
        outside += Seconds(end - drawn);
    }
    device->EndScene();
    const double draws = static_cast<double>(state.iterations()) * field.Primitives();
    state.counters["primitives"] = field.Primitives();
    state.counters["ns_per_primitive"] = inside / draws * 1e9;
    state.counters["offscreen_ns_per_primitive"] = outside / draws * 1e9;
    state.counters["outside_raster_share"] = outside / inside;
}

} // namespace

BENCHMARK(BM_DrawHelperCrabMix)->UseManualTime()->Unit(benchmark::kMillisecond);
