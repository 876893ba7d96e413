// The pickers with 1,000, 10,000 and 30,000 entries a database, read from
// files saved in another computer's order. Each fill of a picker's tree is
// timed pair by pair beside the plain tree of the same texts (the fastest
// plain way, the same for every benchmark), as are the IR command list and
// the RS232 loader's equipment tree. Then the waits a user sits through: the
// first press on each picker's label, which reads the database, fills the
// tree and paints it, and every later press.
#include "NewProcess.h"
#include "PairedBySize.h"
#include "PairedTiming.h"
#include "PlainTree.h"
#include "QuickRun.h"
#include "SavedDatabases.h"
#include "editor/TavloForm.h"
#include "editor/pickers/DeviceTreeFill.h"
#include "editor/pickers/DropDownTree.h"
#include "editor/pickers/IRDevicePicker.h"
#include "editor/pickers/PickerLabel.h"
#include "editor/pickers/ProjectorPicker.h"
#include "model/ApplicationState.h"
#include "model/SerialClass.h"
#include "rs232/RS232LibraryLoader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

const std::vector<int> Sizes = DatabaseSizes({1000, 10000, 30000});
constexpr double FillAim = 1.5;
constexpr double FirstPressAim = 100;
constexpr double LaterPressAim = 50;
const int PairCount = Repetitions(15);
const int PressCount = Repetitions(9);

// A picker alone in a window of the main window's size, shown, with the
// label that drops its tree down.
template <class Picker>
struct PickerWindow {
    QWidget window;
    PickerLabel* label = nullptr;
    DropDownTree* tree = nullptr;

    PickerWindow(ApplicationState& state, const char* labelName, const char* treeName)
    {
        window.resize(960, 580);
        auto* picker = new Picker(state, &window);
        (new QVBoxLayout(&window))->addWidget(picker);
        if constexpr (std::is_same_v<Picker, IRDevicePicker>) picker->ShowInput(0);
        window.show();
        QApplication::processEvents();
        label = window.findChild<PickerLabel*>(labelName);
        tree = window.findChild<DropDownTree*>(treeName);
        if (label == nullptr || tree == nullptr) throw std::runtime_error("the picker has no label or tree");
    }

    // A press on the label, and what it shows painted.
    void Press()
    {
        const QPointF at(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(label, &press);
        QApplication::processEvents();
    }

    Sample TimedOpening()
    {
        const Sample opening = Time([this] { Press(); });
        if (!tree->IsOpen()) throw std::runtime_error("the press did not open the picker");
        Press();
        if (tree->IsOpen()) throw std::runtime_error("the second press did not close the picker");
        return opening;
    }
};

// The first input shows the IR library of entry 0, whose commands the
// command list drops down.
void ChooseFirstLibrary(ApplicationState& state)
{
    InputIRRecord& record = state.Config.Record.InputIRRecords[0];
    record.Manufacturer = "MAKER0";
    record.IRtype = "TYPE0";
    record.Model = "MODEL0";
    record.DeviceSelected = true;
}

struct Press {
    const char* labelName;
    const char* treeName;
};
constexpr Press ProjectorPress{"ProjectorLabel", "treeview1"};
constexpr Press IRDevicePress{"IRLabel", "treeview1"};
constexpr Press IRCommandPress{"UnShiftedIRLabel_0", "IRcommandTreeView"};

// Each first press in a process of its own, as in an editor just started:
// its database not read yet, and nothing an earlier round left in this
// process's memory to make it kinder or slower.
void FirstPress(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, Press press)
{
    TimeWaits(state, pairs, [&] { return TimeInNewProcess({press.labelName, saved.Folder().string()}); });
}

// What that process does: the picker on the saved databases, then the
// press, whose wait it prints.
template <class Picker>
int PressInThisProcess(const std::filesystem::path& folder, Press press)
{
    SilentPrompts prompts;
    ApplicationState application(folder, prompts);
    ChooseFirstLibrary(application);
    // The editor's main window is up before any press, as it is for the user.
    const ScratchFolder settings;
    TavloForm main(application, settings.path() / "registry");
    main.show();
    QApplication::processEvents();
    PickerWindow<Picker> picker(application, press.labelName, press.treeName);
    PrintSample(picker.TimedOpening());
    return 0;
}

int FirstPressInThisProcess(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 4) return 1;
    const std::string label = argv[2];
    const std::filesystem::path folder = argv[3];
    if (label == ProjectorPress.labelName) return PressInThisProcess<ProjectorPicker>(folder, ProjectorPress);
    if (label == IRDevicePress.labelName) return PressInThisProcess<IRDevicePicker>(folder, IRDevicePress);
    if (label == IRCommandPress.labelName) return PressInThisProcess<IRDevicePicker>(folder, IRCommandPress);
    return 1;
}

// Every press after the first, which is not timed.
template <class Picker>
void LaterPress(benchmark::State& state, Pairs& pairs, SavedDatabases& saved, Press press)
{
    const std::unique_ptr<ApplicationState> application = saved.FreshState();
    ChooseFirstLibrary(*application);
    PickerWindow<Picker> picker(*application, press.labelName, press.treeName);
    picker.TimedOpening();
    TimeWaits(state, pairs, [&] { return picker.TimedOpening(); });
}

// The picker's fill function beside the plain tree of the same texts,
// each into a tree of its own.
template <class Fill>
void FillBesidePlain(benchmark::State& state, Pairs& pairs, const TreeTexts& texts, int levels, Fill fill)
{
    QTreeWidget filled;
    QTreeWidget plain;
    TimePairs(
        state, pairs, [&] { return Time([&] { fill(filled); }); },
        [&] { return Time([&] { FillPlainTree(plain, texts, levels); }); });
    if (filled.topLevelItemCount() != plain.topLevelItemCount()) state.SkipWithError("the trees differ");
}

// A plain tree of the pickers' tree size opened; closing it is not timed.
Sample OpenPlain(QTreeWidget& tree, const TreeTexts& texts, int levels)
{
    const Sample opening = Time([&] {
        FillPlainTree(tree, texts, levels);
        tree.show();
        QApplication::processEvents();
    });
    tree.hide();
    QApplication::processEvents();
    return opening;
}

// The library of the first input holding as many commands as a library can;
// its list is filled at every opening.
void CommandListOpening(benchmark::State& state, Pairs& pairs, SavedDatabases& saved)
{
    const std::unique_ptr<ApplicationState> application = saved.FreshState();
    ChooseFirstLibrary(*application);
    std::string manufacturer = "MAKER0";
    std::string type = "TYPE0";
    std::string model = "MODEL0";
    IRclass& chosen = application->IR.IRDatabase()[application->IR.FindIRLibrary(manufacturer, type, model)];
    TreeTexts commands;
    for (int c = 0; c < IRclass::MaximumCommands; ++c) {
        if (c >= chosen.Num_commands()) chosen.AddIRCommand().Name("KEY " + std::to_string(c));
        commands.push_back({TrimmedText(chosen.CommandAt(c)->NameField().view()), {}, {}});
    }
    PickerWindow<IRDevicePicker> picker(*application, IRCommandPress.labelName, IRCommandPress.treeName);
    QTreeWidget plain;
    plain.setHeaderHidden(true);
    plain.setUniformRowHeights(true);
    plain.resize(145, 113);
    TimePairs(
        state, pairs, [&] { return picker.TimedOpening(); }, [&] { return OpenPlain(plain, commands, 1); });
}

// The loader's equipment tree rebuilt by a click of "Sort By Manufacturer",
// beside the plain tree refilled while shown, as the loader's is.
void LoaderTreeRebuild(benchmark::State& state, Pairs& pairs, SavedDatabases& saved)
{
    const std::unique_ptr<ApplicationState> application = saved.FreshState();
    SerialClass message;
    application->Messages.WorkSerial = &message;
    RS232LibraryLoader loader(*application);
    loader.show();
    auto* tree = loader.findChild<QTreeWidget*>("treeview1");
    auto* byManufacturer = loader.findChild<QRadioButton*>("SortBy_0");
    // The first build comes from the loader's own timer, not timed.
    QElapsedTimer waited;
    waited.start();
    while (tree->topLevelItemCount() == 0 && waited.elapsed() < 10000) QApplication::processEvents();
    QTreeWidget plain;
    plain.setHeaderHidden(true);
    plain.setUniformRowHeights(true);
    plain.resize(tree->size());
    plain.show();
    QApplication::processEvents();
    TimePairs(
        state, pairs,
        [&] {
            return Time([&] {
                byManufacturer->click();
                QApplication::processEvents();
            });
        },
        [&] {
            return Time([&] {
                FillPlainTree(plain, saved.RS232Texts(), 3);
                QApplication::processEvents();
            });
        });
    if (tree->topLevelItemCount() != plain.topLevelItemCount()) state.SkipWithError("the trees differ");
}

}  // namespace

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (IsNewProcess(argc, argv)) return RunTimedProcess([&] { return FirstPressInThisProcess(argc, argv); });
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    PairedResults results;
    SavedDatabasesBySize saved;
    const auto add = [&](const std::string& name, int iterations, auto run) {
        RegisterPairedBySize(results, saved, Sizes, name, iterations, run);
    };
    using P = DatabaseBenchmark::Pairs;
    add("ProjectorPickerFill", PairCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        const auto read = databases.FreshState();
        FillBesidePlain(state, pairs, databases.ProjectorTexts(), 2,
                        [&](QTreeWidget& tree) { FillProjectorTree(tree, read->Projectors); });
    });
    add("IRPickerFill", PairCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        const auto read = databases.FreshState();
        FillBesidePlain(state, pairs, databases.IRTexts(), 3,
                        [&](QTreeWidget& tree) { FillIRDeviceTree(tree, read->IR, IRGrouping::ByManufacturer); });
    });
    add("IRCommandPickerOpen", PairCount, CommandListOpening);
    add("RS232LoaderTreeRebuild", PairCount, LoaderTreeRebuild);
    add("ProjectorPickerFirstPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        FirstPress(state, pairs, databases, ProjectorPress);
    });
    add("ProjectorPickerLaterPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        LaterPress<ProjectorPicker>(state, pairs, databases, ProjectorPress);
    });
    add("IRPickerFirstPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        FirstPress(state, pairs, databases, IRDevicePress);
    });
    add("IRPickerLaterPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        LaterPress<IRDevicePicker>(state, pairs, databases, IRDevicePress);
    });
    add("IRCommandPickerFirstPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        FirstPress(state, pairs, databases, IRCommandPress);
    });
    add("IRCommandPickerLaterPress", PressCount, [](benchmark::State& state, P& pairs, SavedDatabases& databases) {
        LaterPress<IRDevicePicker>(state, pairs, databases, IRCommandPress);
    });
    PairedReporter reporter(results, Sizes, "plain tree of the same texts",
                            {{"Projector picker fill", "ProjectorPickerFill", Clock::Processor, FillAim},
                             {"IR device picker fill", "IRPickerFill", Clock::Processor, FillAim},
                             {"IR command picker open (255 rows)", "IRCommandPickerOpen", Clock::Real},
                             {"RS232 loader tree rebuilt", "RS232LoaderTreeRebuild", Clock::Processor}},
                            {{"Projector picker, first press", "ProjectorPickerFirstPress", FirstPressAim},
                             {"Projector picker, later press", "ProjectorPickerLaterPress", LaterPressAim},
                             {"IR device picker, first press", "IRPickerFirstPress", FirstPressAim},
                             {"IR device picker, later press", "IRPickerLaterPress", LaterPressAim},
                             {"IR command picker, first press", "IRCommandPickerFirstPress", FirstPressAim},
                             {"IR command picker, later press", "IRCommandPickerLaterPress", LaterPressAim}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
