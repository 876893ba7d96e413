// What a user feels of the main window: the redisplay after every command,
// a change of tab (each against one frame at 60 Hz), and the start-up with
// full databases against the start-up with empty ones.

#include "DatabaseBenchmarkSupport.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace {

constexpr double FrameSeconds = 1.0 / 60.0;
constexpr int DatabaseEntries = 1000;

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
        ProjectorClass& projector = state.Projectors.ProjectorDatabase[state.Projectors.ProjectorDatabase.LastIndex()];
        projector.Manufacturer(name);
        projector.Model(model);
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& library =
            state.RS232Libraries.RS232Database[state.RS232Libraries.RS232Database.LastIndex()];
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

double StartUpSeconds(bool fullDatabases)
{
    DatabaseBenchmark::ScratchFolder folder;
    DatabaseBenchmark::SilentPrompts prompts;
    if (fullDatabases) {
        ApplicationState writer(folder.path(), prompts);
        FillDatabases(writer);
    }
    ApplicationState state(folder.path(), prompts);
    const auto start = std::chrono::steady_clock::now();
    TavloForm window(state, folder.path() / "registry");
    window.show();
    QApplication::processEvents();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void StartUp(benchmark::State& state)
{
    double empty = 0;
    double full = 0;
    for (auto _ : state) {
        empty = StartUpSeconds(false);
        full = StartUpSeconds(true);
        state.SetIterationTime(full);
    }
    state.counters["empty_s"] = empty;
    state.counters["full_to_empty"] = empty > 0 ? full / empty : 0;
}

}  // namespace

BENCHMARK(ShowConfiguration)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeTab)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUp)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
