#include "app/HeapTuning.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Benchmarks run headless with one QApplication, like the tests, on the heap
// the editor sets up.
int main(int argc, char** argv)
{
    TuneHeapForLargeScenes();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
