// Opens the projector and IR device pickers, as a press on their label does,
// and closes them by a second press, with 1,000, 10,000 and 30,000 entries, beside opening a plain QTreeWidget
// whose items are built apart from prepared texts and added at once, the
// fastest plain way. Prints each ratio with its aim and the growth from one
// size to the next, where a step far above the growth in entries is a
// quadratic cost.
#include "DatabaseBenchmarkSupport.h"
#include "editor/pickers/DropDownTree.h"
#include "editor/pickers/IRDevicePicker.h"
#include "editor/pickers/PickerLabel.h"
#include "editor/pickers/ProjectorPicker.h"
#include "model/ApplicationState.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <cstdio>
#include <map>
#include <string>
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
            ProjectorClass& definition = state.Projectors.ProjectorDatabase[d];
            definition.Manufacturer("MAKER" + std::to_string(d / 20));
            definition.Model("MODEL" + std::to_string(d));
            definition.Notes("a definition of the benchmark");
            texts.push_back({QString::fromLatin1(definition.ManufacturerField().view()),
                             QString::fromLatin1(definition.ModelField().view()), QString()});
        }
    }
};

// The plain tree: groups looked up by their text, every item built before
// the tree gets the roots at once.
void FillPlain(QTreeWidget& tree, const Texts& texts, int levels)
{
    tree.clear();
    QHash<QString, QTreeWidgetItem*> groups;
    QList<QTreeWidgetItem*> roots;
    for (const auto& entry : texts) {
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
void PressPicker(benchmark::State& state, ApplicationState& application, const char* labelName, Timed timed)
{
    QWidget window;
    window.resize(960, 580);
    (new QVBoxLayout(&window))->addWidget(new Picker(application, &window));
    window.show();
    QApplication::processEvents();
    auto* label = window.findChild<PickerLabel*>(labelName);
    auto* tree = window.findChild<DropDownTree*>("treeview1");
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

// The usual table, then per operation its ratio to the plain baseline at
// each size beside the aim, and how its time grew from one size to the next.
class ScalingReporter : public DatabaseBenchmark::TimesReporter {
public:
    struct Row {
        const char* title;
        std::string operation;
        std::string baseline;
    };
    explicit ScalingReporter(std::vector<Row> rows) : rows_(std::move(rows)) {}

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nOperation / plain tree built apart and added at once (aim: at most %.1f)\n", Aim);
        std::printf("  %-24s %8s %8s %8s   %s\n", "", "1,000", "10,000", "30,000", "growth x10, x3 entries");
        for (const Row& row : rows_) {
            std::printf("  %-24s", row.title);
            for (int size : Sizes) {
                const double op = Time(row.operation, size);
                const double base = Time(row.baseline, size);
                if (op > 0 && base > 0)
                    std::printf(" %7.2f%s", op / base, op / base <= Aim ? " " : "!");
                else
                    std::printf(" %8s", "-");
            }
            std::printf("  ");
            for (std::size_t s = 1; s < Sizes.size(); ++s) {
                const double before = Time(row.operation, Sizes[s - 1]);
                const double after = Time(row.operation, Sizes[s]);
                if (before > 0 && after > 0)
                    std::printf(" %6.1f", after / before);
                else
                    std::printf(" %6s", "-");
            }
            std::printf("\n");
        }
        std::printf("  (! marks a ratio above the aim)\n");
    }

private:
    double Time(const std::string& name, int size) const
    {
        const auto found = times_.find(name + "/" + std::to_string(size));
        return found == times_.end() ? 0 : found->second;
    }

    std::vector<Row> rows_;
};

}  // namespace

BENCHMARK(BM_ProjectorPickerOpen)->Apply(AtEverySize);
BENCHMARK(BM_ProjectorPickerClose)->Apply(AtEverySizeFewTimes);
BENCHMARK(BM_ProjectorPlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRPickerOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRPickerClose)->Apply(AtEverySizeFewTimes);
BENCHMARK(BM_IRPlainOpen)->Apply(AtEverySize);

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ScalingReporter reporter({{"Projector picker open", "BM_ProjectorPickerOpen", "BM_ProjectorPlainOpen"},
                              {"IR device picker open", "BM_IRPickerOpen", "BM_IRPlainOpen"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
