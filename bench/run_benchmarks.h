#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "vantrell_version.h"

namespace vantrell::bench {

// Runs the registered benchmarks as BENCHMARK_MAIN would, with the version
// measured in the report's context so figures can be told apart.
inline int RunBenchmarks(int argc, char** argv) {
    benchmark::AddCustomContext("vantrell_version", std::string(kVersion));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace vantrell::bench
