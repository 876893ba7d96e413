// Start-up's whole reading of the device-type table, the store's file parsed
// and the table loaded from it, for a key holding 1,000 and one holding
// 16,000 subkeys (a damaged or much extended key), each timed pair by pair
// beside the read of the store that holds only the built-in table. The
// larger stores are hundreds of times the built-in one's file, so the aim
// is per byte of the store: a read that keeps pace with the built-in
// table's, byte for byte, is as lean as it can be. Rows past 1,023 are
// listed but not read, so the growth from 1,000 to 16,000 is the parse's.

#include "DatabaseBenchmarkSupport.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "model/DeviceTypes.h"
#include "platform/Registry.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

// A quick run keeps a key larger than the rows that are read.
const int SmallKey = NormalOrQuick(1000, 50);
const int LargeKey = NormalOrQuick(16000, 1100);
constexpr double PerByteAim = 1;

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

// A store file holding the key with the given number of subkeys; none
// stands for the built-in table, as start-up writes it into an empty store.
struct StoreFile {
    ScratchFolder folder;
    std::filesystem::path file = folder.path() / "registry";
    explicit StoreFile(int subkeys)
    {
        Registry registry(file);
        if (subkeys == 0) {
            DeviceTypeTable table;
            LoadDeviceTypes(table, registry);
        } else {
            WriteKey(registry, subkeys);
        }
    }
};

// What start-up does: the file read and parsed, then the table loaded.
Sample ReadDeviceTypes(const StoreFile& store, std::size_t rows)
{
    return Time([&] {
        Registry registry(store.file);
        DeviceTypeTable table;
        LoadDeviceTypes(table, registry);
        if (table.size() != rows) throw std::runtime_error("the table is not whole");
        benchmark::DoNotOptimize(table.data());
    });
}

void ReadBesideBuiltIn(benchmark::State& state, Pairs& pairs)
{
    const int subkeys = static_cast<int>(state.range(0));
    const StoreFile store(subkeys);
    const StoreFile builtIn(0);
    const std::size_t rows = std::min<std::size_t>(static_cast<std::size_t>(subkeys), 1024);
    TimePairs(
        state, pairs, [&] { return ReadDeviceTypes(store, rows); }, [&] { return ReadDeviceTypes(builtIn, 35); });
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    PairedResults results;
    for (int subkeys : {SmallKey, LargeKey})
        benchmark::RegisterBenchmark("ReadDeviceTypes",
                                     [&results](benchmark::State& state) {
                                         ReadBesideBuiltIn(state, results.At("Read", static_cast<int>(state.range(0))));
                                     })
            ->Arg(subkeys)
            ->Iterations(Repetitions(subkeys == LargeKey ? 21 : 101))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    const auto bytes = [](int subkeys) {
        return static_cast<double>(std::filesystem::file_size(StoreFile(subkeys).file));
    };
    const double builtInBytes = bytes(0);
    PairedReporter reporter(
        results, {SmallKey, LargeKey}, "read of the built-in table's store, by subkeys",
        {{"Whole read", "Read", Clock::Processor},
         {"Per byte of the store",
          "Read",
          Clock::Processor,
          PerByteAim,
          {{SmallKey, bytes(SmallKey) / builtInBytes}, {LargeKey, bytes(LargeKey) / builtInBytes}}}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("(the stores are %.0f and %.0f times the built-in table's, byte for byte)\n",
                bytes(SmallKey) / builtInBytes, bytes(LargeKey) / builtInBytes);
    benchmark::Shutdown();
    return 0;
}
