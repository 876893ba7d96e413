// Start-up's whole reading of the device-type table, the store's file parsed
// and the table loaded from it, for a key holding 1,000 and one holding
// 16,000 subkeys (a damaged or much extended key), each against the store
// that holds only the built-in table. Rows past 1,023 are listed but not
// read, so the growth from 1,000 to 16,000 is the parse's: linear at most 16.
// The 16,000-subkey file is hundreds of times the built-in table's, so the
// time per byte of the file is printed beside the plain ratio: a read that
// keeps pace with the built-in table's per byte is as lean as it can be.

#include "DatabaseBenchmarkSupport.h"
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

constexpr int SmallKey = 1000;
constexpr int LargeKey = 16000;
constexpr double LargeKeyAim = 10;
constexpr double LinearGrowth = static_cast<double>(LargeKey) / SmallKey;

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
void ReadDeviceTypes(benchmark::State& state, int subkeys)
{
    const StoreFile store(subkeys);
    const std::size_t rows = subkeys == 0 ? 35 : std::min<std::size_t>(subkeys, 1024);
    for (auto _ : state) {
        Registry registry(store.file);
        DeviceTypeTable table;
        LoadDeviceTypes(table, registry);
        if (table.size() != rows) state.SkipWithError("the table is not whole");
        benchmark::DoNotOptimize(table.data());
    }
}

void BM_ReadBuiltInTable(benchmark::State& state)
{
    ReadDeviceTypes(state, 0);
}

void BM_Read1000Subkeys(benchmark::State& state)
{
    ReadDeviceTypes(state, SmallKey);
}

void BM_Read16000Subkeys(benchmark::State& state)
{
    ReadDeviceTypes(state, LargeKey);
}

// Prints every ratio beside its aim, and per byte of the store's file.
class DeviceTypesReporter : public DatabaseBenchmark::TimesReporter {
public:
    DeviceTypesReporter(std::uintmax_t builtInBytes, std::uintmax_t smallBytes, std::uintmax_t largeBytes)
        : builtInBytes_(static_cast<double>(builtInBytes)),
          smallBytes_(static_cast<double>(smallBytes)),
          largeBytes_(static_cast<double>(largeBytes))
    {
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double builtIn = times_["BM_ReadBuiltInTable"];
        const double small = times_["BM_Read1000Subkeys"];
        const double large = times_["BM_Read16000Subkeys"];
        std::printf("\n%-44s %8s %10s   %s\n", "Whole read (parse + load)", "ratio", "per byte", "aim");
        if (builtIn > 0) {
            std::printf("  %-42s %8.2f %10.2f   -\n", "1,000 subkeys / built-in table", small / builtIn,
                        small / smallBytes_ / (builtIn / builtInBytes_));
            std::printf("  %-42s %8.2f %10.2f   at most %.0f (the file is %.0f times the built-in's)\n",
                        "16,000 subkeys / built-in table", large / builtIn,
                        large / largeBytes_ / (builtIn / builtInBytes_), LargeKeyAim, largeBytes_ / builtInBytes_);
        }
        if (small > 0)
            std::printf("  %-42s %8.2f %10s   at most %.0f (linear)\n", "growth 1,000 -> 16,000 subkeys", large / small,
                        "", LinearGrowth);
    }

private:
    double builtInBytes_;
    double smallBytes_;
    double largeBytes_;
};

}  // namespace

BENCHMARK(BM_ReadBuiltInTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read1000Subkeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read16000Subkeys)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    DeviceTypesReporter reporter(std::filesystem::file_size(StoreFile(0).file),
                                 std::filesystem::file_size(StoreFile(SmallKey).file),
                                 std::filesystem::file_size(StoreFile(LargeKey).file));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
