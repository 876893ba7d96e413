// Fills and opens each database browser (projector, RS232, IR) with 1,000,
// 10,000 and 30,000 entries. A fill is the browser's own: its entries made
// from the database and its tree replaced. An open is what the user waits
// for: the browser built on the database, filled, shown and painted once.
// The baseline is a plain QTreeWidget of the same shape whose items are
// built apart from prepared texts and added at once, the fastest plain way,
// filled alone or opened as a window of the browser's size. Prints each
// ratio to the baseline, the growth from one size to the next (a step far
// above the growth in entries is a quadratic cost), and the projector
// browser's open beside the IR browser's.
#include "DatabaseBenchmarkSupport.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"

#include <QApplication>
#include <QHash>
#include <QTreeWidget>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace DatabaseBenchmark;

namespace {

constexpr std::array<int, 3> Sizes = {1000, 10000, 30000};
constexpr double PlainAim = 1.5;
// Asked at 10,000 definitions; held at every size.
constexpr double ProjectorToIRAim = 2;
const QSize BrowserSize(640, 480);

// An entry's names from the top level down, as the plain tree gets them.
using Texts = std::vector<std::array<QString, 3>>;

QString Text(std::string_view field)
{
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())).trimmed();
}

// A database of each kind with fifty entries a manufacturer (twenty for
// projectors, as makers have fewer), and the texts of its tree.
struct Databases {
    ScratchFolder folder;
    SilentPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    Texts projectorTexts;
    Texts rs232Texts;
    Texts irTexts;

    explicit Databases(int entries)
    {
        const int manufacturers = entries / 50;
        for (int e = 0; e < entries; ++e) {
            const std::string manufacturer = "MAKER" + std::to_string(e % manufacturers);
            const std::string type = "TYPE" + std::to_string(e % 7);
            const std::string model = "MODEL" + std::to_string(e);

            state.Projectors.AddProjectorDefinition();
            ProjectorClass& definition = state.Projectors.ProjectorDatabase()[e];
            definition.Manufacturer("MAKER" + std::to_string(e / 20));
            definition.Model(model);
            definition.Notes("a definition of the benchmark");
            projectorTexts.push_back(
                {Text(definition.ManufacturerField().view()), Text(definition.ModelField().view()), QString()});

            state.RS232Libraries.AddRS232Library();
            RS232FileBlockClass& library = state.RS232Libraries.RS232Database()[e];
            library.Manufacturer(manufacturer);
            library.MyType(type);
            library.Model(model);
            rs232Texts.push_back({Text(manufacturer), Text(type), Text(model)});

            IRclass& ir = state.IR.AddIRLibrary();
            ir.Manufacturer(manufacturer);
            ir.IRtype(type);
            ir.Model(model);
            ir.Comment("a library of the benchmark");
            irTexts.push_back(
                {Text(ir.ManufacturerField().view()), Text(ir.IRtypeField().view()), Text(ir.ModelField().view())});
        }
    }
};

// The plain tree replaced: groups looked up by their parent and text, every
// item built before the tree gets the top level at once.
void FillPlain(QTreeWidget& tree, const Texts& texts, int levels)
{
    tree.clear();
    QHash<std::pair<QTreeWidgetItem*, QString>, QTreeWidgetItem*> groups;
    QList<QTreeWidgetItem*> tops;
    for (const auto& entry : texts) {
        QTreeWidgetItem* parent = nullptr;
        for (int level = 0; level < levels - 1; ++level) {
            QTreeWidgetItem*& group = groups[{parent, entry[level]}];
            if (group == nullptr) {
                group = new QTreeWidgetItem({entry[level]});
                if (parent)
                    parent->addChild(group);
                else
                    tops.append(group);
            }
            parent = group;
        }
        parent->addChild(new QTreeWidgetItem({entry[levels - 1]}));
    }
    tree.addTopLevelItems(tops);
}

// Opens what `open` builds and paints it once; closing and destroying it
// are not timed.
template <class Window, class Open>
void TimeOpening(benchmark::State& state, Open open)
{
    for (auto _ : state) {
        std::optional<Window> window;
        open(window);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window->hide();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

template <class Browser>
void OpenBrowser(benchmark::State& state, int topLevels)
{
    Databases databases(static_cast<int>(state.range(0)));
    int tops = 0;
    TimeOpening<Browser>(state, [&](std::optional<Browser>& browser) {
        browser.emplace(databases.state);
        tops = browser->template findChild<QTreeWidget*>("treeview1")->topLevelItemCount();
    });
    if (tops != topLevels) state.SkipWithError("the tree is not whole");
}

void OpenPlain(benchmark::State& state, Texts Databases::*texts, int levels)
{
    Databases databases(static_cast<int>(state.range(0)));
    TimeOpening<QTreeWidget>(state, [&](std::optional<QTreeWidget>& tree) {
        tree.emplace();
        tree->setHeaderHidden(true);
        tree->resize(BrowserSize);
        FillPlain(*tree, databases.*texts, levels);
    });
}

template <class Browser>
void FillBrowser(benchmark::State& state, int topLevels)
{
    Databases databases(static_cast<int>(state.range(0)));
    Browser browser(databases.state);
    LibraryBrowser& filled = browser;
    for (auto _ : state) filled.FillTree();
    if (browser.template findChild<QTreeWidget*>("treeview1")->topLevelItemCount() != topLevels)
        state.SkipWithError("the tree is not whole");
}

void FillPlain(benchmark::State& state, Texts Databases::*texts, int levels)
{
    Databases databases(static_cast<int>(state.range(0)));
    QTreeWidget tree;
    for (auto _ : state) FillPlain(tree, databases.*texts, levels);
}

void BM_ProjectorBrowserFill(benchmark::State& state)
{
    FillBrowser<ProjectorSelector>(state, static_cast<int>(state.range(0)) / 20);
}

void BM_ProjectorPlainFill(benchmark::State& state)
{
    FillPlain(state, &Databases::projectorTexts, 2);
}

void BM_RS232BrowserFill(benchmark::State& state)
{
    FillBrowser<RS232Selector>(state, static_cast<int>(state.range(0)) / 50);
}

void BM_RS232PlainFill(benchmark::State& state)
{
    FillPlain(state, &Databases::rs232Texts, 3);
}

void BM_IRBrowserFill(benchmark::State& state)
{
    FillBrowser<IRSelector>(state, static_cast<int>(state.range(0)) / 50);
}

void BM_IRPlainFill(benchmark::State& state)
{
    FillPlain(state, &Databases::irTexts, 3);
}

void BM_ProjectorBrowserOpen(benchmark::State& state)
{
    OpenBrowser<ProjectorSelector>(state, static_cast<int>(state.range(0)) / 20);
}

void BM_ProjectorPlainOpen(benchmark::State& state)
{
    OpenPlain(state, &Databases::projectorTexts, 2);
}

void BM_RS232BrowserOpen(benchmark::State& state)
{
    OpenBrowser<RS232Selector>(state, static_cast<int>(state.range(0)) / 50);
}

void BM_RS232PlainOpen(benchmark::State& state)
{
    OpenPlain(state, &Databases::rs232Texts, 3);
}

void BM_IRBrowserOpen(benchmark::State& state)
{
    OpenBrowser<IRSelector>(state, static_cast<int>(state.range(0)) / 50);
}

void BM_IRPlainOpen(benchmark::State& state)
{
    OpenPlain(state, &Databases::irTexts, 3);
}

// The median of five runs, so a busy machine moves the ratios less.
void AtEverySize(benchmark::internal::Benchmark* benchmark)
{
    for (int size : Sizes) benchmark->Arg(size);
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

// The first window a process shows costs more than any later one.
void ShowAWindowOnce()
{
    QTreeWidget window;
    window.show();
    QApplication::processEvents();
}

}  // namespace

BENCHMARK(BM_ProjectorBrowserFill)->Apply(AtEverySize);
BENCHMARK(BM_ProjectorPlainFill)->Apply(AtEverySize);
BENCHMARK(BM_RS232BrowserFill)->Apply(AtEverySize);
BENCHMARK(BM_RS232PlainFill)->Apply(AtEverySize);
BENCHMARK(BM_IRBrowserFill)->Apply(AtEverySize);
BENCHMARK(BM_IRPlainFill)->Apply(AtEverySize);
BENCHMARK(BM_ProjectorBrowserOpen)->Apply(AtEverySize);
BENCHMARK(BM_ProjectorPlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_RS232BrowserOpen)->Apply(AtEverySize);
BENCHMARK(BM_RS232PlainOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRBrowserOpen)->Apply(AtEverySize);
BENCHMARK(BM_IRPlainOpen)->Apply(AtEverySize);

int main(int argc, char** argv)
{
    // Widgets need an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShowAWindowOnce();
    // Processor time: nothing here waits, and other programs on the machine
    // move the clock far more.
    ScalingReporter reporter(
        "plain tree built apart and added at once (processor time)", {Sizes.begin(), Sizes.end()},
        {{"Projector browser fill", "BM_ProjectorBrowserFill", "BM_ProjectorPlainFill", PlainAim},
         {"RS232 browser fill", "BM_RS232BrowserFill", "BM_RS232PlainFill", PlainAim},
         {"IR browser fill", "BM_IRBrowserFill", "BM_IRPlainFill", PlainAim},
         {"Projector browser open", "BM_ProjectorBrowserOpen", "BM_ProjectorPlainOpen"},
         {"RS232 browser open", "BM_RS232BrowserOpen", "BM_RS232PlainOpen"},
         {"IR browser open", "BM_IRBrowserOpen", "BM_IRPlainOpen"},
         {"Projector open / IR browser open", "BM_ProjectorBrowserOpen", "BM_IRBrowserOpen", ProjectorToIRAim}},
        Clock::Processor);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
