// Loads and saves an IR database of 1,000 libraries of 50 commands each and
// sets each beside reading or writing the same bytes raw.
#include "model/IRClassGlobals.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Libraries = 1000;
constexpr int CommandsPerLibrary = 50;

std::filesystem::path MakeFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tavlo-ir-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}

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

struct Setup {
    Setup() : folder(MakeFolder()), database(folder)
    {
        Fill(database);
        database.SaveIRDatabase();
        const auto size = std::filesystem::file_size(folder / "InfraRed.DEF");
        bytes.assign(size, 0);
        std::FILE* file = std::fopen((folder / "InfraRed.DEF").c_str(), "rb");
        if (file == nullptr || std::fread(bytes.data(), 1, size, file) != size) throw std::runtime_error("cannot read");
        std::fclose(file);
    }
    ~Setup() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    IRClassGlobals database;
    std::vector<char> bytes;
};

void IRLoad(benchmark::State& state, Setup& setup)
{
    IRClassGlobals ir(setup.folder);
    for (auto _ : state) {
        ir.LoadIRDatabase();
        benchmark::DoNotOptimize(ir.IRDatabase.Count());
    }
    if (ir.IRDatabase.Count() != Libraries) state.SkipWithError("the database did not load whole");
}

// The same bytes read into new memory, as a load must put them somewhere new.
void RawRead(benchmark::State& state, Setup& setup)
{
    const auto path = setup.folder / "InfraRed.DEF";
    const std::size_t size = setup.bytes.size();
    for (auto _ : state) {
        const std::unique_ptr<char[]> buffer(new char[size]);
        std::FILE* file = std::fopen(path.c_str(), "rb");
        const auto read = std::fread(buffer.get(), 1, size, file);
        std::fclose(file);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(buffer.get());
    }
}

void IRSave(benchmark::State& state, Setup& setup)
{
    for (auto _ : state) setup.database.SaveIRDatabase();
}

// The same bytes, flushed to the disk as the save does.
void RawWrite(benchmark::State& state, Setup& setup)
{
    const auto path = setup.folder / "Raw.TMP";
    const auto& bytes = setup.bytes;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        ::fsync(::fileno(file));
        std::fclose(file);
    }
}

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // The median when repetitions are asked for, else the one run.
        for (const Run& run : runs)
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                milliseconds[run.run_name.str()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Setup setup;
    for (const auto& [name, function] : {std::pair{"IRLoad", &IRLoad}, std::pair{"RawRead", &RawRead},
                                         std::pair{"IRSave", &IRSave}, std::pair{"RawWrite", &RawWrite}})
        benchmark::RegisterBenchmark(name, function, std::ref(setup))->Unit(benchmark::kMillisecond);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* ours, const char* raw) {
        if (reporter.milliseconds.count(ours) == 0 || reporter.milliseconds.count(raw) == 0) return;
        std::printf("%s / %s: %.2f (aim: at most 3)\n", ours, raw,
                    reporter.milliseconds[ours] / reporter.milliseconds[raw]);
    };
    std::printf("IR database of %d libraries of %d commands, %zu bytes\n", Libraries, CommandsPerLibrary,
                setup.bytes.size());
    ratio("IRLoad", "RawRead");
    ratio("IRSave", "RawWrite");
    benchmark::Shutdown();
    return 0;
}
