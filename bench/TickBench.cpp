#include "app/QuorvelDlg.h"
#include "platform/win/ModalPrompts.h"
#include "resources/ResourceIds.h"
#include "scene/World.h"

#include <benchmark/benchmark.h>
#include <chrono>
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
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        dialog.DrawViews();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    const double msPerTick = elapsed.count() / double(state.iterations());
    state.counters["ms_per_tick"] = msPerTick;
    state.counters["share_of_25ms_budget"] = msPerTick / double(CQuorvelDlg::TickMilliseconds);
    dialog.DestroyWindow();
    ModalPrompts::SetMessageBoxAnswerer({});
}
BENCHMARK(BM_EditorTickThousandCrabs)->Unit(benchmark::kMillisecond)->MinTime(2.0);
