#include "platform/d3d9/d3d9.h"
#include "platform/win/WindowHandles.h"
#include "render/GraphicsSystem.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sstream>

namespace {

// 1,000 crabs of nine nodes under the root: 9,001 nodes.
constexpr int CrabCount = 1000;
// 11,111 crabs and the root: 100,000 nodes.
constexpr int LargeCrabCount = 11111;

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// A world of crabs spread over (-25, -25)..(25, 25) on a graphics context for an
// 800 x 600 view, the back buffer as render target and the world window as view.
class CrabWorld
{
public:
    explicit CrabWorld(int crabs)
    {
        window_.resize(800, 600);
        Graphics().CreateGraphicsContext(WindowHandles::HandleOf(&window_));
        world.PrimitiveType = 0;
        for (int i = 0; i < crabs; ++i)
            world.CreateNodeAt(static_cast<float>(i % 40) * 1.25f - 24.0f,
                               static_cast<float>(i / 40 % 25) * 2.0f - 24.0f);
        if (IDirect3DDevice9* device = Graphics().GetDevice()) {
            IDirect3DSwapChain9* chain = nullptr;
            if (device->GetSwapChain(0, &chain) == D3D_OK) {
                chain->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &target_);
                chain->Release();
                device->SetRenderTarget(0, target_);
            }
            D3DXMATRIX view;
            D3DXMatrixScaling(&view, 1.0f / 25.0f, 1.0f / 18.75f, 1.0f);
            device->SetTransform(D3DTS_VIEW, &view);
        }
    }
    ~CrabWorld()
    {
        world.DeleteAllNodes();
        if (target_ != nullptr)
            target_->Release();
        Graphics().ReleaseGraphicsContext();
    }
    CrabWorld(const CrabWorld&) = delete;
    CrabWorld& operator=(const CrabWorld&) = delete;

    static TAVD3D_GraphicsSystem& Graphics() { return TAVD3D_GraphicsSystem::GetInstance(); }
    bool Ready() const { return target_ != nullptr; }

    CWorld world;

private:
    QWidget window_;
    IDirect3DSurface9* target_ = nullptr;
};

// The pick as first designed: every node is measured by a search from the root.
class SearchFromRoot
{
public:
    explicit SearchFromRoot(CWorld& world) : world_(world), helper_(world.GetDrawHelper()) {}

    bool SelectNodeAt(float x, float y)
    {
        helper_.InitializeModelTransform();
        bool found = false;
        for (int i = 0; i < world_.Root->NumChildren(); ++i) {
            if (TAV_SceneNode* child = world_.Root->GetChild(i)) {
                PickNode(x, y, found, child);
                if (found) {
                    world_.CurrentNode = world_.Root->GetChild(i);
                    return true;
                }
            }
        }
        return false;
    }

    bool AttachToOverlappingNode()
    {
        TAV_SceneNode* target = nullptr;
        TAV_Vector3 offset;
        for (int i = world_.Root->NumChildren() - 1; i >= 0 && target == nullptr; --i) {
            TAV_SceneNode* child = world_.Root->GetChild(i);
            if (child != nullptr && child != world_.CurrentNode)
                FindOverlappingNode(child, target, offset);
        }
        // Only the search is measured: the scene must stay as it is between runs.
        return target != nullptr;
    }

private:
    TAV_BoundingBox Measure(TAV_SceneNode* node)
    {
        TAV_BoundingBox box;
        world_.Root->FindWorldBoundingBox(node, box, helper_, false);
        return box;
    }

    void PickNode(float x, float y, bool& found, TAV_SceneNode* node)
    {
        if (Measure(node).ContainsPoint(x, y, 0.0f)) {
            found = true;
            world_.HitNode = node;
            return;
        }
        for (int i = 0; i < node->NumChildren(); ++i) {
            if (TAV_SceneNode* child = node->GetChild(i))
                PickNode(x, y, found, child);
        }
    }

    void FindOverlappingNode(TAV_SceneNode* node, TAV_SceneNode*& target, TAV_Vector3& offset)
    {
        if (node->NumChildren() == 0) {
            const TAV_BoundingBox a = Measure(world_.CurrentNode);
            const TAV_BoundingBox b = Measure(node);
            if (a.Intersects(b)) {
                target = node;
                offset += node->GetXformInfo().GetTranslation();
            }
            return;
        }
        for (int i = 0; i < node->NumChildren(); ++i) {
            if (TAV_SceneNode* child = node->GetChild(i))
                FindOverlappingNode(child, target, offset);
            if (target == nullptr) {
                const TAV_BoundingBox a = world_.CurrentNode->GetWorldBoundingBox(helper_, false);
                const TAV_BoundingBox b = node->GetWorldBoundingBox(helper_, false);
                if (a.Intersects(b))
                    target = node;
            }
            if (target != nullptr) {
                offset += node->GetXformInfo().GetTranslation();
                return;
            }
        }
    }

    CWorld& world_;
    TAV_DrawHelper& helper_;
};

// Times one walk per iteration; the search from the root is timed once beforehand.
// Both look at every node: the press is on empty space, the dragged box overlaps nothing.
template <typename Walk, typename Baseline>
void CompareWithSearchFromRoot(benchmark::State& state, Walk walk, Baseline baseline)
{
    const auto before = std::chrono::steady_clock::now();
    const bool expected = baseline();
    const double baselineSeconds = Seconds(std::chrono::steady_clock::now() - before);
    double walkSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool found = walk();
        walkSeconds += Seconds(std::chrono::steady_clock::now() - start);
        if (found != expected) {
            state.SkipWithError("the walk and the search from the root disagree");
            return;
        }
    }
    walkSeconds /= static_cast<double>(state.iterations());
    state.counters["walk_ms"] = walkSeconds * 1e3;
    state.counters["search_from_root_ms"] = baselineSeconds * 1e3;
    state.counters["ratio"] = baselineSeconds / walkSeconds;
}

void BM_SelectNodeAt(benchmark::State& state)
{
    CrabWorld crabs(CrabCount);
    if (!crabs.Ready()) {
        state.SkipWithError("no graphics context");
        return;
    }
    SearchFromRoot reference(crabs.world);
    CompareWithSearchFromRoot(
        state, [&] { return crabs.world.SelectNodeAt(100.0f, 100.0f); },
        [&] { return reference.SelectNodeAt(100.0f, 100.0f); });
}

void BM_AttachToOverlappingNode(benchmark::State& state)
{
    CrabWorld crabs(CrabCount);
    if (!crabs.Ready()) {
        state.SkipWithError("no graphics context");
        return;
    }
    crabs.world.PrimitiveType = 2;
    crabs.world.CreateNodeAt(100.0f, 100.0f);
    SearchFromRoot reference(crabs.world);
    CompareWithSearchFromRoot(
        state, [&] { return crabs.world.AttachToOverlappingNode(); },
        [&] { return reference.AttachToOverlappingNode(); });
}

// The search a drag runs on every mouse move to outline the drop target: a box
// over the first crab among 1,000, against the 25 ms tick it must fit into.
void BM_FindDropTarget(benchmark::State& state)
{
    CrabWorld crabs(CrabCount);
    if (!crabs.Ready()) {
        state.SkipWithError("no graphics context");
        return;
    }
    crabs.world.PrimitiveType = 1;
    crabs.world.CreateNodeAt(-24.0f, -24.0f);
    bool found = false;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        found = crabs.world.FindDropTarget() != nullptr;
    if (!found)
        state.SkipWithError("the box was over no crab");
    const double perSearch =
        Seconds(std::chrono::steady_clock::now() - start) / static_cast<double>(state.iterations());
    state.counters["share_of_tick"] = perSearch / 0.025;
}

// Grid, 1,000 crabs and the highlight of one claw into the 800 x 600 back buffer.
void BM_DrawScene(benchmark::State& state)
{
    CrabWorld crabs(CrabCount);
    if (!crabs.Ready()) {
        state.SkipWithError("no graphics context");
        return;
    }
    crabs.world.HitNode = crabs.world.Root->GetChild(CrabCount / 2)->GetChild(0)->GetChild(0)->GetChild(1);
    IDirect3DDevice9* device = CrabWorld::Graphics().GetDevice();
    for (auto _ : state) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0x808080u, 1.0f, 0);
        device->BeginScene();
        crabs.world.DrawScene();
        device->EndScene();
    }
}

std::string SaveNarrow(const CWorld& world)
{
    const std::wstring text = world.SaveModel();
    return std::string(text.begin(), text.end());
}

void BM_SaveModel(benchmark::State& state)
{
    CrabWorld crabs(LargeCrabCount);
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes += crabs.world.SaveModel().size();
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["nodes"] = 9.0 * LargeCrabCount + 1.0;
}

void BM_LoadModel(benchmark::State& state)
{
    std::string text;
    {
        CrabWorld crabs(LargeCrabCount);
        text = SaveNarrow(crabs.world);
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        CWorld world;
        std::istringstream stream(text);
        if (!world.LoadModel(stream).IsComplete()) {
            state.SkipWithError("the model did not load completely");
            return;
        }
        bytes += text.size();
        state.PauseTiming();
        world.DeleteAllNodes();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK(BM_SelectNodeAt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AttachToOverlappingNode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindDropTarget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawScene)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadModel)->Unit(benchmark::kMillisecond);
