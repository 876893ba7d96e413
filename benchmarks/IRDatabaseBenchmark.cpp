// Loads and saves an IR database of 1,000 libraries of 50 commands each,
// pair by pair beside reading or writing the same bytes raw.
#include "DatabaseBenchmarkSupport.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "model/IRClassGlobals.h"

#include <string>

using namespace DatabaseBenchmark;

namespace {

const int Libraries = DatabaseSize(1000);
constexpr int CommandsPerLibrary = 50;
constexpr double Aim = 3;

void Fill(IRClassGlobals& ir)
{
    for (int l = 0; l < Libraries; ++l) {
        IRclass& library = ir.AddIRLibrary();
        library.Manufacturer("MAKER" + std::to_string(l % 37));
        library.IRtype("TYPE" + std::to_string(l % 7));
        library.Model("MODEL" + std::to_string(l));
        library.Comment("a library of the benchmark");
        for (int c = 0; c < CommandsPerLibrary; ++c) {
            IRCommandClass& command = library.AddIRCommand();
            command.Name("KEY" + std::to_string(c));
            command.Mode(static_cast<uint8_t>(c & 1));
            for (int i = 0; i < IRCommandClass::DataLength; ++i) {
                command.Data(IRPart::Repeat, i, static_cast<uint8_t>(l + c + i));
                command.Data(IRPart::Start, i, static_cast<uint8_t>(l * c + i));
            }
        }
    }
}

struct IRFixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    IRClassGlobals database{folder.path(), prompts};
    IRFixture()
    {
        Fill(database);
        database.SaveIRDatabase();
    }
    std::filesystem::path Def() const { return folder.path() / "InfraRed.DEF"; }
};

// The load and the save, each pair by pair beside reading or writing the
// same bytes raw. Each load starts as the first one does: into an empty
// database, with new pages from the system.
void LoadAndSave(benchmark::State& state, PairedResults& results)
{
    IRFixture fixture;
    IRClassGlobals ir(fixture.folder.path(), fixture.prompts);
    const auto size = std::filesystem::file_size(fixture.Def());
    const std::string bytes = ReadWhole(fixture.Def());
    if (state.range(0) == 0) {
        TimePairs(
            state, results.At("Load", Libraries),
            [&] {
                ir.IRDatabase().Clear();
                ReturnFreedMemory();
                // Until the libraries hold their commands, which follow the
                // headers on a thread of their own.
                return Time([&] {
                    ir.LoadIRDatabase();
                    benchmark::DoNotOptimize(ir.IRDatabase().Count());
                });
            },
            [&] {
                ReturnFreedMemory();
                return Time([&] { benchmark::DoNotOptimize(ReadIntoNewMemory(fixture.Def(), size)); });
            });
        if (ir.IRDatabase().Count() != Libraries) state.SkipWithError("the database did not load whole");
    } else {
        TimePairs(
            state, results.At("Save", Libraries), [&] { return Time([&] { fixture.database.SaveIRDatabase(); }); },
            [&] { return Time([&] { WriteWholeAndSync(fixture.folder.path() / "raw.bin", bytes); }); });
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    PairedResults results;
    benchmark::RegisterBenchmark("IRLoad", [&](benchmark::State& state) { LoadAndSave(state, results); })
        ->Arg(0)
        ->Iterations(Repetitions(21))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("IRSave", [&](benchmark::State& state) { LoadAndSave(state, results); })
        ->Arg(1)
        ->Iterations(Repetitions(21))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    PairedReporter reporter(
        results, {Libraries}, "raw read or raw write and flush of the same bytes",
        {{"IR database load", "Load", Clock::Real, Aim}, {"IR database save", "Save", Clock::Real, Aim}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
