#pragma once
// The main of the benchmark programs that need a Qt application object: the
// object first, then Google Benchmark with its own command-line options.
#include <benchmark/benchmark.h>

template <typename App> int RunBenchmarks(int argc, char** argv) {
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
