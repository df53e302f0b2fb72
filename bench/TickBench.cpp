#include "app/QuorvelDlg.h"
#include "platform/win/ModalPrompts.h"
#include "resources/ResourceIds.h"
#include "scene/World.h"

#include <benchmark/benchmark.h>
#include <random>

// One full tick of the editor (main view, then zoom view) on a scene of 1,000
// crabs (9,001 nodes), against the 25 ms the timer allows.
static void BM_EditorTickThousandCrabs(benchmark::State& state)
{
    ModalPrompts::SetMessageBoxAnswerer([](const ModalPrompts::MessageBoxRequest&) { return IDOK; });
    CWorld world;
    world.PrimitiveType = 0;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-22.0f, 22.0f);
    for (int i = 0; i < 1000; ++i)
        world.CreateNodeAt(place(random), place(random));
    CQuorvelDlg dialog(world);
    if (!dialog.Create(IDD_QUORVEL_DIALOG)) {
        state.SkipWithError("the main window could not be created");
        return;
    }
    for (auto _ : state)
        dialog.DrawViews();
    // Inverted rates: time / (iterations * value), so the value is the unit.
    const auto perTick = benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["ms_per_tick"] = benchmark::Counter(0.001, perTick);
    state.counters["share_of_25ms_budget"] = benchmark::Counter(0.025, perTick);
    dialog.DestroyWindow();
    ModalPrompts::SetMessageBoxAnswerer({});
}
BENCHMARK(BM_EditorTickThousandCrabs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
