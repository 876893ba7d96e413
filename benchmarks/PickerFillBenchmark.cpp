// Opens the projector, IR device and IR command pickers, as a press on their
// label does, and closes them by a second press, with 1,000, 10,000 and
// 30,000 entries, beside opening a plain QTreeWidget whose items are built
// apart from prepared texts and added at once, the fastest plain way; the
// RS232 loader's equipment tree is rebuilt, as its order buttons do, beside
// the same plain tree refilled while shown. Prints each ratio with its aim
// and the growth from one size to the next, where a step far above the
// growth in entries is a quadratic cost.
#include "DatabaseBenchmarkSupport.h"
#include "editor/pickers/CommandTree.h"
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
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

constexpr std::array<int, 3> Sizes = {1000, 10000, 30000};
constexpr double Aim = 1.5;

// Names of one entry on the three levels, as the plain baseline gets them.
using Texts = std::vector<std::array<QString, 3>>;

struct IRFixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    Texts texts;
    explicit IRFixture(int libraries)
    {
        for (int l = 0; l < libraries; ++l) {
            IRclass& library = state.IR.AddIRLibrary();
            library.Manufacturer("MAKER" + std::to_string(l % (libraries / 50)));
            library.IRtype("TYPE" + std::to_string(l % 7));
            library.Model("MODEL" + std::to_string(l));
            library.Comment("a library of the benchmark");
            texts.push_back({QString::fromLatin1(library.ManufacturerField().view()),
                             QString::fromLatin1(library.IRtypeField().view()),
                             QString::fromLatin1(library.ModelField().view())});
        }
    }
};

struct ProjectorFixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    Texts texts;
    explicit ProjectorFixture(int definitions)
    {
        for (int d = 0; d < definitions; ++d) {
            state.Projectors.AddProjectorDefinition();
            ProjectorClass& definition = state.Projectors.ProjectorDatabase()[d];
            definition.Manufacturer("MAKER" + std::to_string(d / 20));
            definition.Model("MODEL" + std::to_string(d));
            definition.Notes("a definition of the benchmark");
            texts.push_back({QString::fromLatin1(definition.ManufacturerField().view()),
                             QString::fromLatin1(definition.ModelField().view()), QString()});
        }
    }
};

// The plain tree: groups looked up by their text, every item built before
// the tree gets the roots at once; one level is a flat list.
void FillPlain(QTreeWidget& tree, const Texts& texts, int levels)
{
    tree.clear();
    QHash<QString, QTreeWidgetItem*> groups;
    QList<QTreeWidgetItem*> roots;
    for (const auto& entry : texts) {
        if (levels == 1) {
            roots.append(new QTreeWidgetItem({entry[0]}));
            continue;
        }
        QTreeWidgetItem* root = groups.value(entry[0]);
        if (root == nullptr) {
            groups.insert(entry[0], root = new QTreeWidgetItem({entry[0]}));
            roots.append(root);
        }
        QTreeWidgetItem* parent = root;
        if (levels == 3) {
            const QString key = entry[0] + '#' + entry[1];
            parent = groups.value(key);
            if (parent == nullptr) groups.insert(key, parent = new QTreeWidgetItem(root, {entry[1]}));
        }
        new QTreeWidgetItem(parent, {entry[levels - 1]});
    }
    tree.addTopLevelItems(roots);
}

// Opens the plain tree as a window of the pickers' tree size; closing it is not timed.
void OpenPlain(benchmark::State& state, const Texts& texts, int levels)
{
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    tree.setUniformRowHeights(true);
    tree.resize(297, 409);
    for (auto _ : state) {
        FillPlain(tree, texts, levels);
        tree.show();
        QApplication::processEvents();
        state.PauseTiming();
        tree.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Opens the picker by a press on its label and closes it by a second press;
// only one of the two presses is timed.
enum class Timed { Opening, Closing };

template <class Picker>
void PressPicker(benchmark::State& state, ApplicationState& application, const char* labelName, Timed timed,
                 const char* treeName = "treeview1")
{
    QWidget window;
    window.resize(960, 580);
    auto* picker = new Picker(application, &window);
    (new QVBoxLayout(&window))->addWidget(picker);
    if constexpr (std::is_same_v<Picker, IRDevicePicker>) picker->ShowInput(0);
    window.show();
    QApplication::processEvents();
    auto* label = window.findChild<PickerLabel*>(labelName);
    auto* tree = window.findChild<DropDownTree*>(treeName);
    if (label == nullptr || tree == nullptr) {
        state.SkipWithError("the picker has no label or tree");
        return;
    }
    const auto pressLabel = [label] {
        const QPointF at(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(label, &press);
        QApplication::processEvents();
    };
    for (auto _ : state) {
        if (timed == Timed::Closing) state.PauseTiming();
        pressLabel();
        if (timed == Timed::Opening) state.PauseTiming();
        if (!tree->IsOpen()) state.SkipWithError("the press did not open the picker");
        if (timed == Timed::Closing) state.ResumeTiming();
        pressLabel();
        if (timed == Timed::Opening) state.ResumeTiming();
    }
    if (tree->IsOpen()) state.SkipWithError("the second press did not close the picker");
}

void BM_ProjectorPickerOpen(benchmark::State& state)
{
    ProjectorFixture fixture(static_cast<int>(state.range(0)));
    PressPicker<ProjectorPicker>(state, fixture.state, "ProjectorLabel", Timed::Opening);
}

void BM_ProjectorPickerClose(benchmark::State& state)
{
    ProjectorFixture fixture(static_cast<int>(state.range(0)));
    PressPicker<ProjectorPicker>(state, fixture.state, "ProjectorLabel", Timed::Closing);
}

void BM_ProjectorPlainOpen(benchmark::State& state)
{
    ProjectorFixture fixture(static_cast<int>(state.range(0)));
    OpenPlain(state, fixture.texts, 2);
}

void BM_IRPickerOpen(benchmark::State& state)
{
    IRFixture fixture(static_cast<int>(state.range(0)));
    PressPicker<IRDevicePicker>(state, fixture.state, "IRLabel", Timed::Opening);
}

void BM_IRPickerClose(benchmark::State& state)
{
    IRFixture fixture(static_cast<int>(state.range(0)));
    PressPicker<IRDevicePicker>(state, fixture.state, "IRLabel", Timed::Closing);
}

void BM_IRPlainOpen(benchmark::State& state)
{
    IRFixture fixture(static_cast<int>(state.range(0)));
    OpenPlain(state, fixture.texts, 3);
}

// The IR device picker with the last library chosen for the first input,
// holding as many commands as a library can.
struct IRCommandFixture : IRFixture {
    Texts commands;
    explicit IRCommandFixture(int libraries) : IRFixture(libraries)
    {
        IRclass& chosen = state.IR.IRDatabase()[state.IR.IRDatabase().LastIndex()];
        for (int c = 0; c < IRclass::MaximumCommands; ++c) {
            chosen.AddIRCommand().Name("KEY " + std::to_string(c));
            commands.push_back({QString::fromLatin1(chosen.CommandAt(c)->NameField().view()), {}, {}});
        }
        InputIRRecord& record = state.Config.Record.InputIRRecords[0];
        record.Manufacturer = chosen.ManufacturerField();
        record.IRtype = chosen.IRtypeField();
        record.Model = chosen.ModelField();
        record.DeviceSelected = true;
    }
};

// The command list finds its library among all of them at each opening.
void BM_IRCommandPickerOpen(benchmark::State& state)
{
    IRCommandFixture fixture(static_cast<int>(state.range(0)));
    PressPicker<IRDevicePicker>(state, fixture.state, "UnShiftedIRLabel_0", Timed::Opening, "IRcommandTreeView");
}

void BM_IRCommandPlainOpen(benchmark::State& state)
{
    IRCommandFixture fixture(static_cast<int>(state.range(0)));
    OpenPlain(state, fixture.commands, 1);
}

// The RS232 libraries on three levels, as the loader's tree shows them.
struct RS232Fixture {
    ScratchFolder folder;
    SilentPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    SerialClass message;
    Texts texts;
    explicit RS232Fixture(int libraries)
    {
        state.Messages.WorkSerial = &message;
        for (int l = 0; l < libraries; ++l) {
            state.RS232Libraries.AddRS232Library();
            RS232FileBlockClass& library = state.RS232Libraries.RS232Database()[l];
            library.Manufacturer("MAKER" + std::to_string(l % (libraries / 50)));
            library.MyType("TYPE" + std::to_string(l % 7));
            library.Model("MODEL" + std::to_string(l));
            library.Notes("a library of the benchmark");
            texts.push_back({QString::fromStdString(library.Manufacturer()).trimmed(),
                             QString::fromStdString(library.MyType()).trimmed(),
                             QString::fromStdString(library.Model()).trimmed()});
        }
    }
};

// The loader's equipment tree rebuilt by a click of "Sort By Manufacturer",
// the libraries sorted first as every build does.
void BM_RS232LoaderTreeFill(benchmark::State& state)
{
    RS232Fixture fixture(static_cast<int>(state.range(0)));
    RS232LibraryLoader loader(fixture.state);
    loader.show();
    auto* tree = loader.findChild<QTreeWidget*>("treeview1");
    auto* byManufacturer = loader.findChild<QRadioButton*>("SortBy_0");
    // The first build comes from the loader's own timer, not timed.
    QElapsedTimer waited;
    waited.start();
    while (tree->topLevelItemCount() == 0 && waited.elapsed() < 10000) QApplication::processEvents();
    if (tree->topLevelItemCount() == 0) {
        state.SkipWithError("the loader never built its tree");
        return;
    }
    for (auto _ : state) {
        byManufacturer->click();
        QApplication::processEvents();
    }
    if (tree->topLevelItemCount() != state.range(0) / 50) state.SkipWithError("the tree is not whole");
}

// The plain tree refilled while shown, as the loader's is.
void BM_RS232PlainRefill(benchmark::State& state)
{
    RS232Fixture fixture(static_cast<int>(state.range(0)));
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    tree.setUniformRowHeights(true);
    tree.resize(220, 300);
    tree.show();
    QApplication::processEvents();
    for (auto _ : state) {
        FillPlain(tree, fixture.texts, 3);
        QApplication::processEvents();
    }
}

void AtEverySize(benchmark::internal::Benchmark* benchmark)
{
    for (int size : Sizes) benchmark->Arg(size);
    benchmark->Unit(benchmark::kMillisecond);
}

// A close takes far less than the opening it needs first, which is not
// timed: a fixed count keeps the run short.
void AtEverySizeFewTimes(benchmark::internal::Benchmark* benchmark)
{
    AtEverySize(benchmark);
    benchmark->Iterations(20);
}

}  // namespace

BENCHMARK(BM_ProjectorPickerOpen)->Apply(AtEverySize);
BENCHMARK(BM_ProjectorPickerClose)->Apply(AtEverySizeFewTimes);
BENCHMARK(BM_ProjectorPlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRPickerOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRPickerClose)->Apply(AtEverySizeFewTimes);
BENCHMARK(BM_IRPlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRCommandPickerOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRCommandPlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_RS232LoaderTreeFill)->Apply(AtEverySize);
BENCHMARK(BM_RS232PlainRefill)->Apply(AtEverySize);

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ScalingReporter reporter("plain tree built apart and added at once", {Sizes.begin(), Sizes.end()},
                             {{"Projector picker open", "BM_ProjectorPickerOpen", "BM_ProjectorPlainOpen", Aim},
                              {"IR device picker open", "BM_IRPickerOpen", "BM_IRPlainOpen", Aim},
                              {"IR command picker open (255 rows)", "BM_IRCommandPickerOpen", "BM_IRCommandPlainOpen"},
                              {"RS232 loader tree rebuilt", "BM_RS232LoaderTreeFill", "BM_RS232PlainRefill"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
