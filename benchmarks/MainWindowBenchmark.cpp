// What a user feels of the main window: the redisplay after every command,
// a change of tab (each against one frame at 60 Hz), and the start-up with
// 10,000-entry databases against the start-up with empty ones, each the
// median of its repetitions, and beside them the reading of those databases
// that start-up leaves to their first use.

#include "DatabaseBenchmarkSupport.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

namespace {

constexpr double FrameSeconds = 1.0 / 60.0;
constexpr int DatabaseEntries = 10000;
constexpr double StartUpAim = 2;

// Every message slot full, every switch on, every text written.
void FillConfiguration(ConfigurationRecord& record)
{
    record.QuilmarDraventEnabled = true;
    record.ZenvaraEnabled = true;
    for (std::size_t i = 0; i < record.MeshloAddressTable.size(); ++i)
        record.MeshloAddressTable[i] = static_cast<int16_t>(i + 1);
    for (auto& slot : record.ConfigSerialSlots) {
        slot.NumberOfBytes = 32;
        for (std::size_t b = 0; b < 32; ++b) {
            slot.ContentBytes[b] = static_cast<uint8_t>('A' + b % 26);
            slot.ContentTypes[b] = static_cast<uint8_t>(b % 4);
        }
    }
    record.ConfigNotes = std::string(200, 'n');
}

void FillDatabases(ApplicationState& state)
{
    for (int i = 0; i < DatabaseEntries; ++i) {
        const std::string name = "MAKER " + std::to_string(i / 10);
        const std::string model = "MODEL " + std::to_string(i);
        state.Projectors.AddProjectorDefinition();
        ProjectorClass& projector =
            state.Projectors.ProjectorDatabase()[state.Projectors.ProjectorDatabase().LastIndex()];
        projector.Manufacturer(name);
        projector.Model(model);
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& library =
            state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
        library.Manufacturer(name);
        library.MyType("PROJECTOR");
        library.Model(model);
        IRclass& ir = state.IR.AddIRLibrary();
        ir.Manufacturer(name);
        ir.IRtype("TV");
        ir.Model(model);
        for (int c = 0; c < 8; ++c) ir.AddIRCommand().Name("KEY " + std::to_string(c));
    }
    state.Projectors.SaveProjectorDatabase();
    state.RS232Libraries.SaveRS232Database();
    state.IR.SaveIRDatabase();
}

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The time of one operation since start, in frames of 60 Hz.
double FramesEach(std::chrono::steady_clock::time_point start, benchmark::IterationCount iterations)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return iterations > 0 ? seconds / static_cast<double>(iterations) / FrameSeconds : 0;
}

struct Window {
    DatabaseBenchmark::ScratchFolder folder;
    DatabaseBenchmark::SilentPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    TavloForm window{state, folder.path() / "registry"};
};

void ShowConfiguration(benchmark::State& state)
{
    Window shown;
    FillConfiguration(shown.state.Config.Record);
    shown.window.show();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        shown.window.ShowConfiguration();
        QApplication::processEvents();
    }
    state.counters["frames"] = FramesEach(start, state.iterations());
}

void ChangeTab(benchmark::State& state)
{
    Window shown;
    FillConfiguration(shown.state.Config.Record);
    shown.window.show();
    shown.window.ShowConfiguration();
    auto* tabs = shown.window.findChild<DeviceTabs*>("DeviceTab");
    int tab = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        tabs->SetTab(tab);
        QApplication::processEvents();
        tab = (tab + 1) % DeviceTabs::Tabs;
    }
    state.counters["frames"] = FramesEach(start, state.iterations());
}

// A program folder whose databases hold the given number of entries each,
// started once already so that the device types stand in its store as at
// every start after the first.
struct ProgramFolder {
    DatabaseBenchmark::ScratchFolder folder;
    DatabaseBenchmark::SilentPrompts prompts;
    explicit ProgramFolder(bool fullDatabases)
    {
        if (fullDatabases) {
            ApplicationState writer(folder.path(), prompts);
            FillDatabases(writer);
        }
        StartUpSeconds();
    }
    // From the window's construction to its first paint: the time on the
    // clock, and the time this thread ran, steadier on a busy machine.
    struct Seconds {
        double wall;
        double cpu;
    };
    Seconds StartUpSeconds()
    {
        ApplicationState state(folder.path(), prompts);
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuSeconds();
        TavloForm window(state, folder.path() / "registry");
        window.show();
        QApplication::processEvents();
        return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                ThreadCpuSeconds() - cpuStart};
    }
};

void StartUp(benchmark::State& state, bool fullDatabases)
{
    ProgramFolder program(fullDatabases);
    double cpu = 0;
    for (auto _ : state) {
        const auto seconds = program.StartUpSeconds();
        state.SetIterationTime(seconds.wall);
        cpu += seconds.cpu;
    }
    state.counters["thread_cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

// What start-up leaves to the first use: reading the three 10,000-entry
// databases, each when first asked for.
void FirstUseOfFullDatabases(benchmark::State& state)
{
    ProgramFolder program(true);
    int entries = 0;
    for (auto _ : state) {
        ApplicationState fresh(program.folder.path(), program.prompts);
        const auto start = std::chrono::steady_clock::now();
        entries = fresh.Projectors.ProjectorDatabase().Count() + fresh.RS232Libraries.RS232Database().Count() +
                  fresh.IR.IRDatabase().Count();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (entries != 3 * DatabaseEntries) state.SkipWithError("the databases were not read whole");
}

void StartUpEmpty(benchmark::State& state)
{
    StartUp(state, false);
}

void StartUpFull(benchmark::State& state)
{
    StartUp(state, true);
}

// The usual table, then the full start-up's median against the empty one's,
// on the clock and in the thread's own time.
class StartUpReporter : public DatabaseBenchmark::TimesReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const auto frames = run.counters.find("frames");
            if (frames != run.counters.end()) frames_[run.run_name.function_name] = frames->second.value;
            if (run.aggregate_name != "median") continue;
            const auto cpu = run.counters.find("thread_cpu_ms");
            if (cpu != run.counters.end()) cpuMilliseconds_[run.run_name.function_name] = cpu->second.value;
        }
        TimesReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-52s %8s   %s\n", "Each in frames of 60 Hz", "frames", "aim");
        for (const auto& [name, frames] : frames_) std::printf("  %-50s %8.2f   at most 1\n", name.c_str(), frames);
        const double empty = times_["StartUpEmpty"];
        const double full = times_["StartUpFull"];
        if (empty <= 0 || full <= 0) return;
        std::printf("%-52s %8s   %s\n", "Start-up (median of the repetitions)", "ratio", "aim");
        std::printf("  %-50s %8.2f   under %.0f\n", "10,000-entry databases / empty databases", full / empty,
                    StartUpAim);
        const double emptyCpu = cpuMilliseconds_["StartUpEmpty"];
        if (emptyCpu > 0)
            std::printf("  %-50s %8.2f   (the same, thread CPU)\n", "10,000-entry databases / empty databases",
                        cpuMilliseconds_["StartUpFull"] / emptyCpu);
        // Left to the first use of each database; no aim, shown so that the
        // cost start-up no longer carries stays in sight.
        if (const double firstUse = times_["FirstUseOfFullDatabases"]; firstUse > 0)
            std::printf("  %-50s %8.2f   (%.1f ms at their first use; no aim)\n",
                        "Reading the 10,000-entry databases / empty start-up", firstUse / empty, firstUse);
    }

private:
    std::map<std::string, double> frames_;
    std::map<std::string, double> cpuMilliseconds_;
};

}  // namespace

BENCHMARK(ShowConfiguration)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeTab)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpEmpty)->Iterations(3)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpFull)->Iterations(3)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FirstUseOfFullDatabases)->Iterations(3)->Repetitions(5)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    StartUpReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
