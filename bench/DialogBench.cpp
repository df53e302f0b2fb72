#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "ui/SliderCtrlWithEcho.h"

#include <benchmark/benchmark.h>

namespace {

// The attribute panel's template (134) with its red slider bound.
class SliderPanel : public CDialog
{
public:
    TAVMFC_SliderCtrlWithEcho red;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1031, red); }
};

} // namespace

// Building the largest panel from its template and taking it down again.
static void BM_CreatePanelFromTemplate(benchmark::State& state)
{
    CDialog main;
    main.Create(102);
    for (auto _ : state) {
        CDialog panel;
        benchmark::DoNotOptimize(panel.Create(134, &main));
    }
}
BENCHMARK(BM_CreatePanelFromTemplate);

// One slider refresh as a panel does it for every selection: position and echo text.
static void BM_SliderSetValueWithEcho(benchmark::State& state)
{
    CDialog main;
    main.Create(102);
    SliderPanel panel;
    panel.Create(134, &main);
    panel.red.SetRangeAndValue(0.0f, 1.0f, 0.5f);
    float value = 0.0f;
    for (auto _ : state) {
        value = value >= 1.0f ? 0.0f : value + 0.01f;
        benchmark::DoNotOptimize(panel.red.SetValue(value));
    }
}
BENCHMARK(BM_SliderSetValueWithEcho);
