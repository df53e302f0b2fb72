#include "app/QuorvelDlg.h"
#include "platform/win/ModalPrompts.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "scene/World.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

// The editor's main window on a scene of 1,000 crabs (9,001 nodes).
class ThousandCrabEditor
{
public:
    ThousandCrabEditor()
    {
        ModalPrompts::SetMessageBoxAnswerer([](const ModalPrompts::MessageBoxRequest&) { return IDOK; });
        world.PrimitiveType = 0;
        std::mt19937 random(7);
        std::uniform_real_distribution<float> place(-22.0f, 22.0f);
        for (int i = 0; i < 1000; ++i)
            world.CreateNodeAt(place(random), place(random));
        ready = dialog.Create(IDD_QUORVEL_DIALOG);
    }
    ~ThousandCrabEditor()
    {
        dialog.DestroyWindow();
        ModalPrompts::SetMessageBoxAnswerer({});
    }
    ThousandCrabEditor(const ThousandCrabEditor&) = delete;
    ThousandCrabEditor& operator=(const ThousandCrabEditor&) = delete;

    // Moves the last crab a little each time, so both views change.
    void Nudge()
    {
        TAV_XformInfo xform = world.CurrentNode->GetXformInfo();
        const TAV_Vector3 at = xform.GetTranslation();
        xform.SetTranslation(at.x + (nudged_ ? -0.5f : 0.5f), at.y, at.z);
        world.CurrentNode->SetXformInfo(xform);
        nudged_ = !nudged_;
    }

    CWorld world;
    CQuorvelDlg dialog{world};
    bool ready = false;

private:
    bool nudged_ = false;
};

void ReportTicks(benchmark::State& state, std::chrono::steady_clock::duration elapsed)
{
    const double msPerTick =
        std::chrono::duration<double, std::milli>(elapsed).count() / double(state.iterations());
    state.counters["ms_per_tick"] = msPerTick;
    state.counters["share_of_25ms_budget"] = msPerTick / double(CQuorvelDlg::TickMilliseconds);
}

} // namespace

// One full tick of the editor (main view, then zoom view) that must draw both
// views, against the 25 ms the timer allows.
static void BM_EditorTickThousandCrabs(benchmark::State& state)
{
    ThousandCrabEditor editor;
    if (!editor.ready) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        editor.Nudge();
        editor.dialog.DrawViews();
    }
    ReportTicks(state, std::chrono::steady_clock::now() - start);
}
BENCHMARK(BM_EditorTickThousandCrabs)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A tick with nothing changed: both frames are signed, neither is drawn.
static void BM_EditorTickAtRestThousandCrabs(benchmark::State& state)
{
    ThousandCrabEditor editor;
    if (!editor.ready) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    editor.dialog.DrawViews();
    editor.dialog.DrawViews();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        editor.dialog.DrawViews();
    ReportTicks(state, std::chrono::steady_clock::now() - start);
}
BENCHMARK(BM_EditorTickAtRestThousandCrabs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
