// Loads and saves an IR database of 1,000 libraries of 50 commands each and
// sets each beside reading or writing the same bytes raw.
#include "DatabaseBenchmarkSupport.h"
#include "model/IRClassGlobals.h"

#include <string>

using namespace DatabaseBenchmark;

namespace {

constexpr int Libraries = 1000;
constexpr int CommandsPerLibrary = 50;

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

void BM_IRLoad(benchmark::State& state)
{
    IRFixture fixture;
    IRClassGlobals ir(fixture.folder.path(), fixture.prompts);
    for (auto _ : state) {
        ir.LoadIRDatabase();
        benchmark::DoNotOptimize(ir.IRDatabase().Count());
    }
    if (ir.IRDatabase().Count() != Libraries) state.SkipWithError("the database did not load whole");
}

void BM_IRRawRead(benchmark::State& state)
{
    IRFixture fixture;
    const auto size = std::filesystem::file_size(fixture.Def());
    for (auto _ : state) benchmark::DoNotOptimize(ReadIntoNewMemory(fixture.Def(), size));
}

void BM_IRSave(benchmark::State& state)
{
    IRFixture fixture;
    for (auto _ : state) fixture.database.SaveIRDatabase();
}

void BM_IRRawWrite(benchmark::State& state)
{
    IRFixture fixture;
    const std::string bytes = ReadWhole(fixture.Def());
    for (auto _ : state) WriteWholeAndSync(fixture.folder.path() / "raw.bin", bytes);
}

}  // namespace

BENCHMARK(BM_IRLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IRRawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IRSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IRRawWrite)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return Run(argc, argv, {{"BM_IRLoad", "BM_IRRawRead"}, {"BM_IRSave", "BM_IRRawWrite"}});
}
