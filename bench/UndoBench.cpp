#include "app/EditHistory.h"
#include "bench/HeldBytes.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <benchmark/benchmark.h>

// Undo steps on a scene of 1,000 crabs (9,001 nodes). Each step's memory is
// measured as the heap growth over 500 steps, against the heap the scene itself
// takes: a history that copied the scene would show a ratio near 1 per step.
namespace {

constexpr int CrabCount = 1000;
constexpr int MeasuredSteps = 500;

struct CrabScene
{
    CrabScene()
    {
        const std::size_t before = HeldBytes();
        world.PrimitiveType = 0;
        for (int i = 0; i < CrabCount; ++i)
            world.CreateNodeAt(static_cast<float>(i % 40) - 20.0f, static_cast<float>(i / 40) - 12.0f);
        sceneBytes = static_cast<double>(HeldBytes() - before);
    }

    CWorld world;
    CEditHistory history{world};
    double sceneBytes = 0.0;
};

void ReportBytes(benchmark::State& state, double stepBytes, double sceneBytes)
{
    state.counters["bytes_per_step"] = stepBytes;
    state.counters["scene_bytes"] = sceneBytes;
    state.counters["step_share_of_scene"] = stepBytes / sceneBytes;
}

// One slider step: a crab's transform from one value to another.
CEditRecorder::NodeState Translated(float x)
{
    TAV_XformInfo xform;
    xform.SetTranslation(x, 0.0f, 0.0f);
    return {xform, false};
}

} // namespace

static void BM_UndoSliderStepThousandCrabs(benchmark::State& state)
{
    CrabScene scene;
    TAV_SceneNode* crab = scene.world.Root->GetChild(CrabCount / 2);
    const std::size_t before = HeldBytes();
    for (int i = 0; i < MeasuredSteps; ++i)
        scene.history.NodeEdited(L"Translate", crab, Translated(float(i)), Translated(float(i + 1)));
    ReportBytes(state, double(HeldBytes() - before) / MeasuredSteps, scene.sceneBytes);
    float x = 0.0f;
    for (auto _ : state) {
        scene.history.NodeEdited(L"Translate", crab, Translated(x), Translated(x + 1.0f));
        x += 1.0f;
    }
}
BENCHMARK(BM_UndoSliderStepThousandCrabs)->Unit(benchmark::kMicrosecond);

// One drag step that hangs a crab under its neighbour, as a drop does.
static void BM_UndoDragStepThousandCrabs(benchmark::State& state)
{
    CrabScene scene;
    CWorld& world = scene.world;
    int next = 0;
    const auto hangNext = [&] {
        TAV_SceneNode* crab = world.Root->GetChild(next);
        TAV_SceneNode* target = world.Root->GetChild(next + 1);
        const TAV_XformInfo before = crab->GetXformInfo();
        TAV_XformInfo after = before;
        after.SetTranslation(1.0f, 1.0f, 0.0f);
        world.Root->TakeChild(next);
        target->AddChild(crab);
        crab->SetXformInfo(after);
        scene.history.NodeMoved(crab, {world.Root, next}, {target, target->NumChildren() - 1}, before, after);
        next = (next + 2) % (CrabCount - 1);
    };
    const std::size_t before = HeldBytes();
    for (int i = 0; i < MeasuredSteps; ++i)
        hangNext();
    ReportBytes(state, double(HeldBytes() - before) / MeasuredSteps, scene.sceneBytes);
    // Hanging goes on while crabs are left at the top level; undoing brings them back.
    for (auto _ : state) {
        if (world.Root->GetChild(next) == nullptr || world.Root->GetChild(next + 1) == nullptr) {
            state.PauseTiming();
            while (scene.history.Stack().canUndo())
                scene.history.Stack().undo();
            next = 0;
            state.ResumeTiming();
        }
        hangNext();
    }
}
BENCHMARK(BM_UndoDragStepThousandCrabs)->Unit(benchmark::kMicrosecond);

// "Delete Everything" undone and redone; the baseline is the 1,000 crabs' creation.
static void BM_UndoRedoDeleteEverythingThousandCrabs(benchmark::State& state)
{
    CrabScene scene;
    scene.history.DeleteEverything();
    for (auto _ : state) {
        scene.history.Stack().undo();
        scene.history.Stack().redo();
    }
    state.counters["nodes"] = CrabCount * 9 + 1;
}
BENCHMARK(BM_UndoRedoDeleteEverythingThousandCrabs)->Unit(benchmark::kMicrosecond);

static void BM_CreateThousandCrabsBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        CWorld world;
        world.PrimitiveType = 0;
        for (int i = 0; i < CrabCount; ++i)
            world.CreateNodeAt(static_cast<float>(i % 40), static_cast<float>(i / 40));
    }
}
BENCHMARK(BM_CreateThousandCrabsBaseline)->Unit(benchmark::kMicrosecond);
