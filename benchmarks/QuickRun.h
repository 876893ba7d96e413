#pragma once

// The quick run the test suite makes of every benchmark program, with
// TAVLO_BENCH_QUICK=1: one small database size in place of every size and
// two repetitions in place of every count, so that each pair is still timed
// in both orders and each later press or close still follows a first one.
// It shows that every benchmark still runs whole; its times mean nothing.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace DatabaseBenchmark {

constexpr int QuickRepetitions = 2;
// Enough entries for more than one group at every level of every tree.
constexpr int QuickEntries = 100;

inline bool QuickRun()
{
    const char* quick = std::getenv("TAVLO_BENCH_QUICK");
    return quick != nullptr && std::string_view(quick) == "1";
}

// `normal` in a normal run, `quick` in a quick one.
inline int NormalOrQuick(int normal, int quick)
{
    return QuickRun() ? quick : normal;
}

inline int Repetitions(int normal)
{
    return NormalOrQuick(normal, QuickRepetitions);
}

inline int DatabaseSize(int normal)
{
    return NormalOrQuick(normal, QuickEntries);
}

inline std::vector<int> DatabaseSizes(std::vector<int> normal)
{
    if (QuickRun()) return {QuickEntries};
    return normal;
}

// A benchmark that leaves its repetitions to Google Benchmark in a normal
// run gets the quick count in a quick one.
inline benchmark::internal::Benchmark* QuickRepetitionsOnly(benchmark::internal::Benchmark* registered)
{
    return QuickRun() ? registered->Iterations(QuickRepetitions) : registered;
}

}  // namespace DatabaseBenchmark
