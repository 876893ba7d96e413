// Saves and opens a configuration that uses ten IR libraries of 50 commands
// and ten RS232 libraries, timing each step, and sets the "Config.tmp" work
// beside the ZIP work.
#include "DatabaseBenchmarkSupport.h"
#include "QuickRun.h"
#include "model/ApplicationState.h"
#include "model/ArchiveMerge.h"
#include "model/ConfigText.h"
#include "model/ConfigurationArchive.h"
#include "platform/FolderListing.h"
#include "platform/ZipArchive.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int Libraries = 10;
constexpr int CommandsPerLibrary = 50;

void FillDatabases(ApplicationState& state)
{
    for (int l = 0; l < Libraries; ++l) {
        IRclass& library = state.IR.AddIRLibrary();
        library.Manufacturer("IRMAKER" + std::to_string(l));
        library.IRtype("TV");
        library.Model("MODEL" + std::to_string(l));
        for (int c = 0; c < CommandsPerLibrary; ++c) {
            IRCommandClass& command = library.AddIRCommand();
            command.Name("KEY" + std::to_string(c));
            for (int i = 0; i < IRCommandClass::DataLength; ++i) {
                command.Data(0, i, static_cast<uint8_t>(l + c + i));
                command.Data(1, i, static_cast<uint8_t>(l * c + i));
            }
        }
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& rs232 = state.RS232Libraries.RS232Database()[l];
        rs232.Manufacturer("RSMAKER" + std::to_string(l));
        rs232.MyType("PROJECTOR");
        rs232.Model("MODEL" + std::to_string(l));
        for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
            rs232.Command(c, "COMMAND" + std::to_string(c));
            RS232_String_Class& message = rs232.My_RS232_String_Class(c);
            message.NumberOfBytes(8);
            for (int j = 0; j < 8; ++j) message.ContentBytes(j, static_cast<uint8_t>('A' + j + c));
        }
    }
}

void UseEveryLibrary(ConfigurationRecord& record)
{
    for (int l = 0; l < Libraries; ++l) {
        InputIRRecord& input = record.InputIRRecords[static_cast<std::size_t>(l)];
        input.DeviceSelected = true;
        input.Manufacturer = "IRMAKER" + std::to_string(l);
        input.IRtype = "TV";
        input.Model = "MODEL" + std::to_string(l);
        ConfigSerialSlotRecord& slot = record.ConfigSerialSlots[static_cast<std::size_t>(l)];
        slot.IsFromLibrary = true;
        slot.Manufacturer = "RSMAKER" + std::to_string(l);
        slot.MyType = "PROJECTOR";
        slot.Model = "MODEL" + std::to_string(l);
    }
}

struct Setup {
    Setup() : folder(scratch.path()), state(folder, prompts)
    {
        state.Config.ClearConfiguration();
        FillDatabases(state);
        UseEveryLibrary(state.Config.Record);
        if (!SaveConfigurationFile(state, folder / "bench.tvl")) throw std::runtime_error("the save failed");
        // A folder holding the members, as a save leaves them before compressing.
        PrepareTempFolder(state);
        WriteConfigText(state.Archive.ConfigTempFolder / "Config.tmp", state.Config.Record);
        WriteIRLibraryFiles(state);
        WriteRS232LibraryFiles(state);
        fs::create_directory(folder / "members");
        for (const auto& entry : fs::directory_iterator(state.Archive.ConfigTempFolder)) {
            fs::copy_file(entry.path(), folder / "members" / entry.path().filename());
        }
        fs::create_directory(folder / "extracted");
    }
    DatabaseBenchmark::SilentPrompts prompts;
    DatabaseBenchmark::ScratchFolder scratch;
    fs::path folder;
    ApplicationState state;
};

// Each step starts where the real save or open finds it: the target file
// gone (PrepareTempFolder empties the folder first). Rewriting a file in place
// instead makes some file systems flush it on close, which no save meets.
void RemoveOutsideTiming(benchmark::State& run, const fs::path& file)
{
    run.PauseTiming();
    fs::remove(file);
    run.ResumeTiming();
}

void WriteConfigTmp(benchmark::State& run, Setup& setup)
{
    const fs::path file = setup.folder / "Config.tmp";
    for (auto _ : run) {
        RemoveOutsideTiming(run, file);
        WriteConfigText(file, setup.state.Config.Record);
    }
}

void ReadConfigTmp(benchmark::State& run, Setup& setup)
{
    WriteConfigText(setup.folder / "Config.tmp", setup.state.Config.Record);
    auto record = std::make_unique<ConfigurationRecord>();
    for (auto _ : run) ReadConfigText(setup.folder / "Config.tmp", *record);
    if (!(*record == setup.state.Config.Record)) run.SkipWithError("Config.tmp did not read back whole");
}

void Compress(benchmark::State& run, Setup& setup)
{
    const fs::path archive = setup.folder / "compressed.tvl";
    for (auto _ : run) {
        RemoveOutsideTiming(run, archive);
        CompressFolder(setup.folder / "members", archive);
    }
}

void Extract(benchmark::State& run, Setup& setup)
{
    const fs::path target = setup.folder / "extracted";
    for (auto _ : run) {
        run.PauseTiming();
        EmptyFolder(target);
        run.ResumeTiming();
        const ExtractionResult result = ExtractMatching(setup.folder / "bench.tvl", {"*"}, target);
        benchmark::DoNotOptimize(result.extracted.size());
    }
}

// Opening on the computer that saved it: every library is compared and equal.
void Merge(benchmark::State& run, Setup& setup)
{
    ExtractMatching(setup.folder / "bench.tvl", {"*"}, setup.folder / "extracted");
    for (auto _ : run) {
        MergeIRMembers(setup.state, setup.folder / "extracted");
        MergeRS232Members(setup.state, setup.folder / "extracted");
    }
    if (setup.state.IR.IRDatabase().Count() != Libraries) run.SkipWithError("a library was added");
}

void WholeSave(benchmark::State& run, Setup& setup)
{
    for (auto _ : run) {
        if (!SaveConfigurationFile(setup.state, setup.folder / "saved.tvl")) run.SkipWithError("the save failed");
    }
}

void WholeOpen(benchmark::State& run, Setup& setup)
{
    for (auto _ : run) {
        if (!LoadConfigurationFile(setup.state, setup.folder / "bench.tvl")) run.SkipWithError("the open failed");
    }
}

// Keeps each benchmark's wall-clock time per iteration, in microseconds (the
// unit every benchmark here reports in), for the summary.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> microseconds;
};

}  // namespace

// NOLINTNEXTLINE(bugprone-exception-escape): a setup that throws ends the run with its message
int main(int argc, char** argv)
{
    using DatabaseBenchmark::QuickRepetitionsOnly;
    Setup setup;
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("WriteConfigTmp", WriteConfigTmp, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("ReadConfigTmp", ReadConfigTmp, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("Compress", Compress, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("Extract", Extract, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("Merge", Merge, std::ref(setup)))->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("WholeSave", WholeSave, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    QuickRepetitionsOnly(benchmark::RegisterBenchmark("WholeOpen", WholeOpen, std::ref(setup)))
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto& t = reporter.microseconds;
    std::printf("\nstep times (ms, wall clock)\n");
    for (const auto& [label, name] :
         {std::pair{"write Config.tmp", "WriteConfigTmp"}, std::pair{"read Config.tmp", "ReadConfigTmp"},
          std::pair{"compress", "Compress"}, std::pair{"extract", "Extract"}, std::pair{"merge", "Merge"},
          std::pair{"whole save", "WholeSave"}, std::pair{"whole open", "WholeOpen"}}) {
        if (t.count(name) != 0) std::printf("  %-44s %8.2f\n", label, t[name] / 1000.0);
    }
    const auto ratio = [&](const char* label, double part, double whole) {
        if (whole > 0) std::printf("  %-44s %8.2f\n", label, part / whole);
    };
    std::printf("\nratios (aim: Config.tmp well under the ZIP work)\n");
    ratio("write Config.tmp / compress", t["WriteConfigTmp"], t["Compress"]);
    ratio("read Config.tmp / extract", t["ReadConfigTmp"], t["Extract"]);
    ratio("Config.tmp write+read / ZIP compress+extract", t["WriteConfigTmp"] + t["ReadConfigTmp"],
          t["Compress"] + t["Extract"]);
    ratio("merge / whole open", t["Merge"], t["WholeOpen"]);
    std::printf("\nNo aim checked.\n");
    return 0;
}
