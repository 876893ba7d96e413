// What a user feels of the main window: the redisplay after every command
// and a change of tab (each against one frame at 60 Hz), and the start-up
// with 30,000-entry databases beside the start-up with empty ones, each a
// whole process started apart, pair by pair; beside them the reading of
// those databases that start-up leaves to their first use.

#include "DatabaseBenchmarkSupport.h"
#include "PairedTiming.h"
#include "QuickRun.h"
#include "SavedDatabases.h"
#include "editor/DeviceTabs.h"
#include "editor/InstallInterfaces.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"

#include <QApplication>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr double FrameSeconds = 1.0 / 60.0;
const int DatabaseEntries = DatabaseBenchmark::DatabaseSize(30000);
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

// Starts this program as a user starts the editor, on the given program
// folder, and times the whole process until the main window has painted
// and the process has ended: on the clock and in the processor (the
// process's own, user and system).
constexpr const char* StartUpOption = "--start-up-in";

DatabaseBenchmark::Sample StartProcess(const std::filesystem::path& folder)
{
    std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string option = StartUpOption;
    std::string folderName = folder.string();
    std::array<char*, 4> arguments = {program.data(), option.data(), folderName.data(), nullptr};
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    pid_t child = 0;
    int status = 0;
    const DatabaseBenchmark::Sample whole = DatabaseBenchmark::Time([&] {
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ) != 0)
            throw std::runtime_error("cannot start " + program);
        waitpid(child, &status, 0);
    });
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("the start-up failed");
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    return {whole.wall,
            seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_stime)};
}

// What the started process does: the editor's start as its own main does
// it, up to the window's first paint, then the end at once.
[[noreturn]] void StartUpAndEnd(int argc, char** argv, const std::filesystem::path& folder)
{
    QApplication application(argc, argv);
    DatabaseBenchmark::SilentPrompts prompts;
    ApplicationState state(folder, prompts);
    InstallInterfaces(state);
    TavloForm window(state, folder / "registry");
    window.show();
    QApplication::processEvents();
    std::_Exit(0);
}

// The start-up with 30,000-entry databases saved in another computer's
// order beside the start-up with empty ones, each started once before, so
// that the device types stand in its store as at every start after the first.
void StartUpWholeProcess(benchmark::State& state, DatabaseBenchmark::Pairs& pairs,
                         const DatabaseBenchmark::SavedDatabases& full)
{
    const DatabaseBenchmark::ScratchFolder empty;
    StartProcess(empty.path());
    StartProcess(full.Folder());
    DatabaseBenchmark::TimePairs(
        state, pairs, [&] { return StartProcess(full.Folder()); }, [&] { return StartProcess(empty.path()); });
}

// What start-up leaves to the first use: reading the three databases, each
// when first asked for, into new pages as in a new process.
void FirstUseOfFullDatabases(benchmark::State& state, DatabaseBenchmark::Pairs& pairs,
                             DatabaseBenchmark::SavedDatabases& full)
{
    int entries = 0;
    DatabaseBenchmark::TimeWaits(state, pairs, [&] {
        const auto fresh = full.FreshState();
        DatabaseBenchmark::ReturnFreedMemory();
        return DatabaseBenchmark::Time([&] {
            entries = fresh->Projectors.ProjectorDatabase().Count() + fresh->RS232Libraries.RS232Database().Count() +
                      fresh->IR.IRDatabase().Count();
        });
    });
    if (entries != 3 * full.Entries()) state.SkipWithError("the databases were not read whole");
}

// The usual table, the frames of the redisplays, then the paired start-ups
// and the first use of the databases.
class StartUpReporter : public DatabaseBenchmark::PairedReporter {
public:
    using PairedReporter::PairedReporter;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const auto frames = run.counters.find("frames");
            if (frames != run.counters.end()) frames_[run.run_name.function_name] = frames->second.value;
        }
        PairedReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        std::printf("\n%-52s %8s   %s\n", "Each in frames of 60 Hz", "frames", "aim");
        for (const auto& [name, frames] : frames_) {
            std::printf("  %-50s %7.2f%s   at most 1\n", name.c_str(), frames, frames > 1 ? "!" : " ");
            if (frames > 1) NoteMissed();
        }
        PairedReporter::Finalize();
    }

private:
    std::map<std::string, double> frames_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], StartUpOption) == 0) StartUpAndEnd(argc, argv, argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    DatabaseBenchmark::QuickRepetitionsOnly(benchmark::RegisterBenchmark("ShowConfiguration", ShowConfiguration))
        ->Unit(benchmark::kMillisecond);
    DatabaseBenchmark::QuickRepetitionsOnly(benchmark::RegisterBenchmark("ChangeTab", ChangeTab))
        ->Unit(benchmark::kMillisecond);
    DatabaseBenchmark::PairedResults results;
    DatabaseBenchmark::SavedDatabasesBySize saved;
    benchmark::RegisterBenchmark("StartUpWholeProcess",
                                 [&](benchmark::State& state) {
                                     StartUpWholeProcess(state, results.At("StartUp", DatabaseEntries),
                                                         saved.Of(DatabaseEntries));
                                 })
        ->Iterations(DatabaseBenchmark::Repetitions(11))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FirstUseOfFullDatabases",
                                 [&](benchmark::State& state) {
                                     FirstUseOfFullDatabases(state, results.At("FirstUse", DatabaseEntries),
                                                             saved.Of(DatabaseEntries));
                                 })
        ->Iterations(DatabaseBenchmark::Repetitions(5))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    StartUpReporter reporter(
        results, {DatabaseEntries}, "start-up with empty databases (whole process, started apart)",
        {{"Start-up with full databases", "StartUp", DatabaseBenchmark::Clock::Real, StartUpAim},
         {"Start-up with full databases", "StartUp", DatabaseBenchmark::Clock::Processor, StartUpAim}},
        // Left to the first use of each database; no aim, shown so that the
        // cost start-up no longer carries stays in sight.
        {{"Reading the three databases at first use", "FirstUse"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
