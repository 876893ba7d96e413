#pragma once

#include "PairedTiming.h"
#include "SavedDatabases.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace DatabaseBenchmark {

// Registers one paired benchmark per database size: each run gets the pairs
// it records and the databases saved at that size.
template <class Run>
void RegisterPairedBySize(PairedResults& results, SavedDatabasesBySize& saved, const std::vector<int>& sizes,
                          const std::string& name, int iterations, Run run)
{
    for (int size : sizes)
        benchmark::RegisterBenchmark(name.c_str(),
                                     [&results, &saved, name, run](benchmark::State& state) {
                                         const int entries = static_cast<int>(state.range(0));
                                         run(state, results.At(name, entries), saved.Of(entries));
                                     })
            ->Arg(size)
            ->Iterations(iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

}  // namespace DatabaseBenchmark
