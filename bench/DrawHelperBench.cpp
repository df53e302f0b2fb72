#include "platform/d3d9/d3d9.h"
#include "platform/win/WindowHandles.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "render/D3DDrawHelper.h"
#include "render/GraphicsSystem.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr int PrimitiveCount = 10000;

// One node of a crab-like figure: a transform and the list it draws, in the
// node's own coordinates.
struct BenchNode
{
    float tx, ty, rotation, px, py;
    std::unique_ptr<TAV_PrimitiveList> list;
};

TAV_PrimitiveCircle* Circle(float x, float y, float r, TAV_Color color, int shadeMode)
{
    auto* circle = new TAV_PrimitiveCircle;
    circle->SetCenter(x, y, 0);
    circle->SetRadius(r);
    circle->SetColor(color);
    circle->SetShadeMode(shadeMode);
    return circle;
}

TAV_PrimitiveRectangleXY* Rectangle(float x1, float y1, float x2, float y2, TAV_Color color, bool blend)
{
    auto* rect = new TAV_PrimitiveRectangleXY;
    rect->SetCorners(x1, y1, 0, x2, y2, 0);
    rect->SetColor(color);
    rect->SetShadeMode(0);
    rect->SetBlending(blend);
    return rect;
}

TAV_PrimitiveLine* Line(float x1, float y1, float x2, float y2)
{
    auto* line = new TAV_PrimitiveLine;
    line->SetStartPoint(x1, y1, 0);
    line->SetEndPoint(x2, y2, 0);
    line->SetShadeMode(0);
    return line;
}

// The crab's mix: a body of 5 circles, 4 rectangles and 2 lines, then eight
// jointed single-rectangle parts, each under its own transform (19 shapes).
void AddCrab(std::vector<BenchNode>& nodes, float x, float y, int& remaining)
{
    const TAV_Color black(0, 0, 0, 255);
    const TAV_Color translucentRed(200, 0, 0, 100);
    auto body = std::make_unique<TAV_PrimitiveList>();
    TAV_Primitive* shapes[] = {Circle(0, 0, 3, translucentRed, 0),
                               Rectangle(-0.7f, 2.9f, -0.5f, 4.5f, black, false),
                               Rectangle(0.7f, 2.9f, 0.5f, 4.5f, black, false),
                               Circle(-0.6f, 4.8f, 0.3f, black, 0),
                               Circle(-0.6f, 4.8f, 0.15f, black, 1),
                               Line(-0.9f, 5.4f, -0.1f, 5.1f),
                               Line(0, 5.1f, 0.8f, 5.4f),
                               Circle(0.6f, 4.8f, 0.3f, black, 0),
                               Circle(0.6f, 4.8f, 0.15f, black, 1),
                               Rectangle(-1.5f, -5, -1, -2.8f, black, false),
                               Rectangle(1.5f, -5, 1, -2.8f, black, false)};
    for (TAV_Primitive* shape : shapes) {
        if (remaining-- > 0)
            body->AddPrimitive(shape);
        else
            delete shape;
    }
    nodes.push_back({x, y, 0, 0, 0, std::move(body)});
    const float partPivots[8][2] = {{2, 0},  {2, 3.5f},  {2.3f, 7.5f},  {3, 7.5f},
                                    {-2, 0}, {-2, 3.5f}, {-2.7f, 7.5f}, {-2, 7.5f}};
    for (const auto& pivot : partPivots) {
        if (remaining-- <= 0)
            return;
        auto part = std::make_unique<TAV_PrimitiveList>();
        part->AddPrimitive(Rectangle(pivot[0], pivot[1], pivot[0] + 1, pivot[1] + 4, translucentRed, true));
        nodes.push_back({x, y, 0.785f, pivot[0], pivot[1], std::move(part)});
    }
}

// 10,000 shapes on crabs spread over the world window (-25, -25)..(25, 25).
class CrabField
{
public:
    CrabField()
    {
        window_.resize(800, 600);
        TAVD3D_GraphicsSystem::GetInstance().CreateGraphicsContext(WindowHandles::HandleOf(&window_));
        int remaining = PrimitiveCount;
        for (int i = 0; remaining > 0; ++i)
            AddCrab(nodes_, static_cast<float>(i % 23) * 2 - 22, static_cast<float>(i / 23) * 2 - 22,
                    remaining);
    }
    ~CrabField() { TAVD3D_GraphicsSystem::GetInstance().ReleaseGraphicsContext(); }
    CrabField(const CrabField&) = delete;
    CrabField& operator=(const CrabField&) = delete;

    IDirect3DDevice9* Device() const { return TAVD3D_GraphicsSystem::GetInstance().GetDevice(); }

    // The world window onto clip space; an offset of 10 clip units puts every shape off the target.
    void SetView(float clipOffset)
    {
        D3DXMATRIX scale, shift, view;
        D3DXMatrixScaling(&scale, 1.0f / 25, 1.0f / 25, 1);
        D3DXMatrixTranslation(&shift, clipOffset, 0, 0);
        D3DXMatrixMultiply(&view, &scale, &shift);
        Device()->SetTransform(D3DTS_VIEW, &view);
    }

    // Draws every node as a scene node does: push, compose, draw the list, pop.
    void Draw()
    {
        helper_.InitializeModelTransform();
        for (BenchNode& node : nodes_) {
            helper_.PushModelTransform();
            helper_.AccumulateModelTransform(node.tx, node.ty, 0, 1, 1, 1, node.rotation, node.px, node.py,
                                             0);
            node.list->Draw(2, helper_);
            helper_.PopModelTransform();
        }
    }

private:
    QWidget window_;
    TAVD3D_DrawHelper helper_;
    std::vector<BenchNode> nodes_;
};

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Time per primitive drawn into an 800 x 600 back buffer, and the share of it
// spent outside the rasterizer: the same calls with every shape off the target,
// where the device transforms and rejects them without filling a pixel.
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
    const double draws = static_cast<double>(state.iterations()) * PrimitiveCount;
    state.counters["ns_per_primitive"] = inside / draws * 1e9;
    state.counters["offscreen_ns_per_primitive"] = outside / draws * 1e9;
    state.counters["outside_raster_share"] = outside / inside;
}

} // namespace

BENCHMARK(BM_DrawHelperCrabMix)->UseManualTime()->Unit(benchmark::kMillisecond);
