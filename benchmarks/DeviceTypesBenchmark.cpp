// Start-up's reading of the device-type table from a key holding 16,000
// subkeys (a damaged or much extended key) against one holding 1,000. Rows
// past 1,023 are listed but not read, so a linear reading gives a ratio of
// 16 at most; finding each subkey by a fresh search of the store gave
// hundreds.

#include "DatabaseBenchmarkSupport.h"
#include "model/DeviceTypes.h"
#include "platform/Registry.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace {

constexpr int SmallKey = 1000;
constexpr int LargeKey = 16000;

void WriteKey(Registry& registry, int subkeys)
{
    Registry::BulkWrite bulk(registry);
    registry.CreateKey(DeviceTypeRegistryKey);
    registry.SetValue(DeviceTypeRegistryKey, "Version", RegistryValue::FromDword(DeviceTypeTableVersion));
    for (int n = 0; n < subkeys; ++n) {
        const std::string key = std::string(DeviceTypeRegistryKey).append("\\").append(std::to_string(n));
        registry.CreateKey(key);
        registry.SetValue(key, "Type", RegistryValue::FromDword(static_cast<uint32_t>(n % 256)));
        registry.SetValue(key, "Reply", RegistryValue::FromDword(static_cast<uint32_t>((n + 1) % 256)));
        registry.SetValue(key, "Name", RegistryValue::FromString("Device " + std::to_string(n)));
        registry.SetValue(key, "BootName", RegistryValue::FromString("Boot " + std::to_string(n)));
    }
}

double SecondsToLoad(Registry& registry)
{
    const auto start = std::chrono::steady_clock::now();
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    benchmark::DoNotOptimize(table.data());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void LoadDeviceTypesFromManySubkeys(benchmark::State& state)
{
    DatabaseBenchmark::ScratchFolder folder;
    Registry small(folder.path() / "small");
    Registry large(folder.path() / "large");
    WriteKey(small, SmallKey);
    WriteKey(large, LargeKey);
    double smallSeconds = 0;
    double largeSeconds = 0;
    for (auto _ : state) {
        smallSeconds = SecondsToLoad(small);
        largeSeconds = SecondsToLoad(large);
        state.SetIterationTime(smallSeconds + largeSeconds);
    }
    state.counters["ms_1000"] = smallSeconds * 1000;
    state.counters["ms_16000"] = largeSeconds * 1000;
    state.counters["ratio_16000_to_1000"] = largeSeconds / smallSeconds;
}

}  // namespace

BENCHMARK(LoadDeviceTypesFromManySubkeys)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
