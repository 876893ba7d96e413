// Loads and saves of the RS232 and projector databases, 1,000 entries each,
// pair by pair beside reading and writing the same bytes raw.

#include "DatabaseBenchmarkSupport.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "model/ProjectorClassGlobals.h"
#include "model/SerialClassGlobals.h"

#include <string>

using namespace DatabaseBenchmark;

namespace {

const int Entries = DatabaseSize(1000);
constexpr double Aim = 3;

void FillMessage(RS232_String_Class& message, int seed)
{
    const int count = 8 + seed % 25;
    for (int i = 0; i < count; ++i) {
        message.ContentBytes(i, static_cast<uint8_t>(seed + i));
        message.ContentTypes(i, static_cast<uint8_t>((seed + i) % 5));
    }
    message.NumberOfBytes(count);
}

void FillRS232Database(SerialClassGlobals& globals)
{
    for (int n = 0; n < Entries; ++n) {
        globals.AddRS232Library();
        RS232FileBlockClass& library = globals.RS232Database()[n];
        library.Manufacturer("MAKER " + std::to_string(n % 37));
        library.MyType("PROJECTOR");
        library.Model("MODEL " + std::to_string(n));
        library.Notes("Benchmark library " + std::to_string(n));
        library.Baudrate(static_cast<int16_t>(n % 5));
        for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
            library.Command(c, "COMMAND " + std::to_string(c));
            library.IsInputNotOutput(c, c % 3 == 0);
            FillMessage(library.My_RS232_String_Class(c), n + c);
        }
    }
}

void FillProjectorDatabase(ProjectorClassGlobals& globals)
{
    for (int n = 0; n < Entries; ++n) {
        globals.AddProjectorDefinition();
        ProjectorClass& definition = globals.ProjectorDatabase()[n];
        // Stored out of order, so that the load has sorting to do.
        definition.Manufacturer("MAKER " + std::to_string((n * 7919) % 53));
        definition.Model("MODEL " + std::to_string((n * 104729) % Entries));
        definition.Notes("Benchmark definition " + std::to_string(n));
        for (int s = 0; s < ProjectorClass::MessageSlots; ++s) {
            definition.InUse(s, s % 2 == 0);
            FillMessage(definition.My_RS232_String_Class(s), n + s);
        }
        definition.My_VolumeExtensionClass().Clear();
    }
}

// A database of a thousand entries saved in a scratch folder; Load and Save
// are the module's own.
struct RS232Fixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    SerialClassGlobals globals{folder.path(), prompts};
    RS232Fixture()
    {
        FillRS232Database(globals);
        globals.SaveRS232Database();
    }
    std::filesystem::path Def() const { return folder.path() / "RS232Serials.DEF"; }
    void Load() { globals.LoadRS232Database(); }
    void Empty() { globals.RS232Database().Clear(); }
    void Save() { globals.SaveRS232Database(); }
    int Count() const { return globals.RS232Database().Count(); }
};

struct ProjectorFixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    ProjectorClassGlobals globals{folder.path(), prompts};
    ProjectorFixture()
    {
        FillProjectorDatabase(globals);
        globals.SaveProjectorDatabase();
    }
    std::filesystem::path Def() const { return folder.path() / "Projectors.DEF"; }
    void Load() { globals.LoadProjectorDatabase(); }
    void Empty() { globals.ProjectorDatabase().Clear(); }
    void Save() { globals.SaveProjectorDatabase(); }
    int Count() const { return globals.ProjectorDatabase().Count(); }
};

// The load and the save, each pair by pair beside reading or writing the
// same bytes raw. Each load starts as the first one does: into an empty
// database, with new pages from the system.
template <class Fixture>
void Load(benchmark::State& state, Pairs& pairs)
{
    Fixture fixture;
    const auto size = std::filesystem::file_size(fixture.Def());
    TimePairs(
        state, pairs,
        [&] {
            fixture.Empty();
            ReturnFreedMemory();
            return Time([&] { fixture.Load(); });
        },
        [&] {
            ReturnFreedMemory();
            return Time([&] { benchmark::DoNotOptimize(ReadIntoNewMemory(fixture.Def(), size)); });
        });
    if (fixture.Count() != Entries) state.SkipWithError("the database did not load whole");
}

template <class Fixture>
void Save(benchmark::State& state, Pairs& pairs)
{
    Fixture fixture;
    const std::string bytes = ReadWhole(fixture.Def());
    TimePairs(
        state, pairs, [&] { return Time([&] { fixture.Save(); }); },
        [&] { return Time([&] { WriteWholeAndSync(fixture.folder.path() / "raw.bin", bytes); }); });
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    PairedResults results;
    const auto add = [&](const std::string& name, void (*run)(benchmark::State&, Pairs&)) {
        benchmark::RegisterBenchmark(
            name.c_str(), [&results, name, run](benchmark::State& state) { run(state, results.At(name, Entries)); })
            ->Iterations(Repetitions(21))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    add("RS232Load", Load<RS232Fixture>);
    add("RS232Save", Save<RS232Fixture>);
    add("ProjectorLoad", Load<ProjectorFixture>);
    add("ProjectorSave", Save<ProjectorFixture>);
    PairedReporter reporter(results, {Entries}, "raw read or raw write and flush of the same bytes",
                            {{"RS232 database load", "RS232Load", Clock::Real, Aim},
                             {"RS232 database save", "RS232Save", Clock::Real, Aim},
                             {"Projector database load", "ProjectorLoad", Clock::Real, Aim},
                             {"Projector database save", "ProjectorSave", Clock::Real, Aim}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
